#include "view/ActiveChartFollower.h"

#include "chart/BlocksHolderModel.h"
#include "view/ActiveChart.h"

namespace quobrix {

ActiveChartFollower::ActiveChartFollower(ActiveChart& active, QObject& owner, std::function<void()> switched,
                                         std::function<void(const ChartNotice&)> notice)
    : QObject(&owner), active_(active), switched_(std::move(switched)), notice_(std::move(notice)) {
  connect(&active_, &ActiveChart::Switched, this, &ActiveChartFollower::Follow);
  Subscribe();
}

void ActiveChartFollower::Subscribe() {
  window_ = active_.Window();
  BlocksHolderModel* chart = active_.Chart();
  subscription_ =
      chart ? chart->Subscribe([this](const ChartNotice& notice) { notice_(notice); }) : ChartSubscription();
}

void ActiveChartFollower::Follow() {
  Subscribe();
  switched_();
}

}  // namespace quobrix
