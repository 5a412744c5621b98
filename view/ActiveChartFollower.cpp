#include "view/ActiveChartFollower.h"

#include "chart/BlocksHolderModel.h"
#include "view/ActiveChart.h"

namespace quobrix {

ActiveChartFollower::ActiveChartFollower(ActiveChart& active, QObject& owner, std::function<void()> switched,
                                         std::function<void(const ChartNotice&)> notice)
    : QObject(&owner), active_(active), switched_(std::move(switched)), notice_(std::move(notice)) {
  connect(&active_, &ActiveChart::Changed, this, &ActiveChartFollower::Follow);
  Subscribe();
}

void ActiveChartFollower::Subscribe() {
  window_ = active_.Window();
  BlocksHolderModel* chart = active_.Chart();
  subscription_ =
      chart ? chart->Subscribe([this](const ChartNotice& notice) { notice_(notice); }) : ChartSubscription();
}

// A closed window is let go of before any other takes its place, so a new
// window at the old one's address is still seen as a switch.
void ActiveChartFollower::Follow() {
  if (active_.Window() == window_) return;
  Subscribe();
  switched_();
}

}  // namespace quobrix
