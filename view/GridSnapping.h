#pragma once

#include <cstdint>

#include "view/ViewCoordinates.h"

namespace quobrix {

// |v| rounded to the nearest multiple of the grid step, a remainder of
// exactly half a step rounding away from zero; the sign stays.
std::int64_t SnapToGrid(std::int64_t v, std::int64_t gridStep);

// A window coordinate moved onto the nearest grid line of the chart, on
// either axis (`origin` is that axis's scroll origin).
std::int64_t SnapPixelsToGrid(std::int64_t p, std::int64_t origin, const ViewTransform& view, std::int64_t gridStep);

}  // namespace quobrix
