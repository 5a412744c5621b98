// How a list of chart fragments hands a fragment to a chart canvas by drag
// and drop: the dragged list view's current item carries the fragment text
// (the chart's own bytes) under this role.
#pragma once

#include <Qt>

namespace quobrix {

constexpr int FragmentTextRole = Qt::UserRole + 1;

}  // namespace quobrix
