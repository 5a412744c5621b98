// For a window that shows or acts on whichever chart is the active one: it
// hears every notice of that chart, and is told when another chart window,
// or none, becomes the active one.
#pragma once

#include <QObject>
#include <functional>

#include "chart/ChartNotice.h"

namespace quobrix {

class ActiveChart;
class THolderForm;

class ActiveChartFollower : public QObject {
  Q_OBJECT

 public:
  // Both callbacks run until `owner` goes; `switched` from the first switch
  // after construction on.
  ActiveChartFollower(ActiveChart& active, QObject& owner, std::function<void()> switched,
                      std::function<void(const ChartNotice&)> notice);

 private:
  void Follow();
  void Subscribe();

  ActiveChart& active_;
  std::function<void()> switched_;
  std::function<void(const ChartNotice&)> notice_;
  THolderForm* window_ = nullptr;
  ChartSubscription subscription_;
};

}  // namespace quobrix
