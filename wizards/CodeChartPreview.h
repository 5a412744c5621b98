// A chart shown whole for a look before it is made: its pages one under
// another, scaled to the widget's width, drawn as the print preview draws a
// page. The widget's height follows its width, so a scroll area around it
// scrolls a long chart.
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

#include "chart/BlocksHolderModel.h"

namespace quobrix {

class CodeChartPreview : public QWidget {
  Q_OBJECT

 public:
  explicit CodeChartPreview(QWidget* parent = nullptr);
  ~CodeChartPreview() override;

  // Shows `chart`, or an empty area for none.
  void Show(std::unique_ptr<BlocksHolderModel> chart);
  const BlocksHolderModel* Chart() const { return chart_.get(); }

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The zoom at which a page is as wide as `width` pixels.
  std::int64_t ZoomFor(int width) const;
  int PageHeight(std::int64_t zoom) const;

  std::unique_ptr<BlocksHolderModel> chart_;
};

}  // namespace quobrix
