// The values of block properties as the user types and reads them: whole
// millimetres for places and sizes, line widths in millimetres with the
// desktop's decimal separator, and the line widths of the inspector's list.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace quobrix {

// A whole number of millimetres (optional sign, no fraction) in hundredths
// of a millimetre; nothing for other text and for a length no chart can
// hold.
std::optional<std::int64_t> ParseMillimetres(const QString& text);

// Hundredths of a millimetre as whole millimetres, truncated toward zero.
QString MillimetreText(std::int64_t hundredths);

// A line width in millimetres, with as many decimals as it needs: 50 is
// "0,5" where the decimal separator is a comma.
QString WidthText(std::int64_t hundredths);

// The line widths the inspector offers, in list order: 0.01 mm, 0.1 to 0.9
// mm, then 1 to 10 mm.
constexpr int kInspectorWidthCount = 20;
// The width of list item `index`; an index outside the list gives the
// thinnest line.
std::int64_t InspectorWidth(int index);

}  // namespace quobrix
