#include "view/PropertyDialogs.h"

#include <QColorDialog>
#include <QFontDialog>
#include <algorithm>
#include <cstdlib>

#include "platform/Cp1251Codec.h"
#include "platform/SystemColors.h"

namespace quobrix {

TColor ToTColor(const QColor& color) {
  const QColor rgb = color.toRgb();
  return static_cast<TColor>(rgb.red() | rgb.green() << 8 | rgb.blue() << 16);
}

std::optional<TColor> ChooseColor(QWidget* parent, TColor start, const QString& title) {
  const QColor chosen = QColorDialog::getColor(ResolveColor(start), parent, title);
  if (!chosen.isValid()) return std::nullopt;
  return ToTColor(chosen);
}

QFont DialogFont(const TBlockFont& font) {
  QFont shown(Cp1251ToUnicode(font.Name));
  shown.setPointSize(std::clamp(std::abs(font.Size()), kSmallestFontSize, kLargestFontSize));
  shown.setBold(font.Bold);
  shown.setItalic(font.Italic);
  shown.setUnderline(font.Underline);
  shown.setStrikeOut(font.StrikeOut);
  return shown;
}

TBlockFont WithDialogFont(const TBlockFont& start, const QFont& font) {
  TBlockFont chosen = start;
  // A face whose name the chart's code page cannot hold keeps the old face.
  if (const auto name = UnicodeToCp1251(font.family())) chosen.Name = *name;
  chosen.SetSize(std::clamp(font.pointSize(), kSmallestFontSize, kLargestFontSize));
  chosen.Bold = font.bold();
  chosen.Italic = font.italic();
  chosen.Underline = font.underline();
  chosen.StrikeOut = font.strikeOut();
  return chosen;
}

std::optional<TBlockFont> ChooseBlockFont(QWidget* parent, const TBlockFont& start, const QString& title) {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, DialogFont(start), parent, title);
  if (!ok) return std::nullopt;
  return WithDialogFont(start, font);
}

}  // namespace quobrix
