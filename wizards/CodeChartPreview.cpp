#include "wizards/CodeChartPreview.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "chart/DeviceGeometry.h"
#include "platform/QPainterCanvas.h"
#include "render/PageDrawing.h"
#include "render/SheetPainting.h"
#include "view/ZoomLimits.h"

namespace quobrix {

CodeChartPreview::CodeChartPreview(QWidget* parent) : QWidget(parent) {
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  setAutoFillBackground(true);
}

CodeChartPreview::~CodeChartPreview() = default;

void CodeChartPreview::Show(std::unique_ptr<BlocksHolderModel> chart) {
  chart_ = std::move(chart);
  updateGeometry();
  update();
}

std::int64_t CodeChartPreview::ZoomFor(int width) const {
  const std::int64_t sheetAtFullZoom = std::max<std::int64_t>(1, chart_->SheetWidth() * chart_->HorzResolution());
  return std::clamp<std::int64_t>(width * kDeviceDivisor / sheetAtFullZoom, kSmallestZoom, kLargestZoom);
}

int CodeChartPreview::PageHeight(std::int64_t zoom) const {
  return std::max(1, ChartToPixels(chart_->SheetHeight(), chart_->HorzResolution(), zoom));
}

int CodeChartPreview::heightForWidth(int width) const {
  if (!chart_) return 0;
  const std::int64_t height = static_cast<std::int64_t>(PageHeight(ZoomFor(width))) * chart_->DocumentPages();
  return static_cast<int>(std::min<std::int64_t>(height, QWIDGETSIZE_MAX));
}

QSize CodeChartPreview::sizeHint() const { return {300, heightForWidth(300)}; }

void CodeChartPreview::paintEvent(QPaintEvent* event) {
  if (!chart_) return;
  QPainter painter(this);
  QPainterCanvas canvas(painter);
  const std::int64_t zoom = ZoomFor(width());
  const int pageHeight = PageHeight(zoom);
  SheetPaintArgs surface;
  surface.clientWidth = width();
  surface.clientHeight = pageHeight;
  surface.backColor = clAppWorkSpace;
  const int first = std::max(0, event->rect().top() / pageHeight);
  const int last = std::min(chart_->DocumentPages() - 1, event->rect().bottom() / pageHeight);
  for (int page = first; page <= last; ++page) {
    painter.save();
    painter.translate(0, page * pageHeight);
    painter.setClipRect(0, 0, width(), pageHeight);
    DrawPreviewPage(*chart_, canvas, page + 1, zoom, surface);
    painter.restore();
  }
}

}  // namespace quobrix
