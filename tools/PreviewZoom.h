// The zoom of the print preview: what its zoom box text means and where
// its "-" and "+" buttons go.
#pragma once

#include <QString>
#include <optional>

namespace quobrix {

// The percentage a zoom box text names: a whole number, with or without a
// trailing "%" and blanks, from kSmallestZoom to kLargestZoom; nothing for
// any other text.
std::optional<int> ReadPreviewZoom(const QString& text);

// The zoom after "-" (step < 0) or "+" (step > 0): a step of ten within the
// stepping range; a zoom already at or beyond the limit it heads for stays.
int StepPreviewZoom(int zoom, int step);

// How the zoom box shows a percentage: "75 %".
QString PreviewZoomText(int zoom);

}  // namespace quobrix
