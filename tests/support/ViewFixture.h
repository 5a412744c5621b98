// A chart canvas widget on screen (offscreen platform) for widget tests.
#pragma once

#include <QTest>
#include <memory>

#include "view/TBlocksHolder.h"

namespace quobrix::test {

class ViewFixture {
 public:
  // A resolution of 1000 makes one pixel exactly 10 chart units at zoom 100.
  explicit ViewFixture(int width = 590, int height = 400, std::int64_t resolution = 378) {
    bh_ = std::make_unique<TBlocksHolder>();
    bh_->Model().ApplyChartWindowValues();
    bh_->Model().SetHorzResolution(resolution);
    bh_->resize(width, height);
    bh_->show();
    if (!QTest::qWaitForWindowExposed(bh_.get())) qWarning("canvas window not exposed");
  }
  TBlocksHolder& bh() { return *bh_; }
  BlocksHolderModel& model() { return bh_->Model(); }

 private:
  std::unique_ptr<TBlocksHolder> bh_;
};

}  // namespace quobrix::test
