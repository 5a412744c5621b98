#include "tools/PreviewZoom.h"

#include <algorithm>

#include "view/ZoomLimits.h"

namespace quobrix {

std::optional<int> ReadPreviewZoom(const QString& text) {
  QString number = text.trimmed();
  if (number.endsWith(u'%')) number.chop(1);
  bool ok = false;
  const int zoom = number.trimmed().toInt(&ok);
  if (!ok || zoom < kSmallestZoom || zoom > kLargestZoom) return std::nullopt;
  return zoom;
}

int StepPreviewZoom(int zoom, int step) {
  if (step < 0) return zoom <= kSmallestSteppedZoom ? zoom : std::max(zoom + step, kSmallestSteppedZoom);
  return zoom >= kLargestSteppedZoom ? zoom : std::min(zoom + step, kLargestSteppedZoom);
}

QString PreviewZoomText(int zoom) { return QString::number(zoom) + QStringLiteral(" %"); }

}  // namespace quobrix
