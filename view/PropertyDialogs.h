// The desktop's colour and font dialogs for block properties, speaking the
// chart's colour and font types.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

#include "chart/BlockType.h"

class QWidget;

namespace quobrix {

// A plain 0x00BBGGRR colour.
TColor ToTColor(const QColor& color);

// The colour the user chooses, starting from `start`; nothing on Cancel.
std::optional<TColor> ChooseColor(QWidget* parent, TColor start, const QString& title);

// The font sizes the font dialog accepts, in points.
constexpr int kSmallestFontSize = 1;
constexpr int kLargestFontSize = 500;

// `start` with the face, size (within the accepted sizes) and style of `font`;
// colour and character set stay those of `start`.
TBlockFont WithDialogFont(const TBlockFont& start, const QFont& font);
// `font` as the font dialog shows it.
QFont DialogFont(const TBlockFont& font);

// The font the user chooses, starting from `start`; nothing on Cancel.
std::optional<TBlockFont> ChooseBlockFont(QWidget* parent, const TBlockFont& start, const QString& title);

}  // namespace quobrix
