#include "tools/ColorBox.h"

#include <QPixmap>

#include "platform/SystemColors.h"
#include "view/PropertyDialogs.h"

namespace quobrix {

namespace {

constexpr int kCustom = 0;
constexpr int kVisibleRows = 12;

struct NamedColor {
  TColor color;
  const char* name;
};

constexpr NamedColor kColors[] = {
    {0x000000, "Черный"},      {0x000080, "Бордовый"},     {0x008000, "Зеленый"},   {0x008080, "Оливковый"},
    {0x800000, "Темно-синий"}, {0x800080, "Пурпурный"},    {0x808000, "Сине-зеленый"}, {0x808080, "Серый"},
    {0xC0C0C0, "Серебристый"}, {0x0000FF, "Красный"},      {0x00FF00, "Салатовый"}, {0x00FFFF, "Желтый"},
    {0xFF0000, "Синий"},       {0xFF00FF, "Фуксия"},       {0xFFFF00, "Голубой"},   {0xFFFFFF, "Белый"},
    {0xC0DCC0, "Мятный"},      {0xF0CAA6, "Небесный"},     {0xF0FBFF, "Кремовый"},  {0xA4A0A0, "Светло-серый"}};

QIcon Swatch(TColor color) {
  QPixmap swatch(16, 12);
  swatch.fill(ResolveColor(color));
  return swatch;
}

}  // namespace

ColorBox::ColorBox(QWidget* parent) : QComboBox(parent) {
  setMaxVisibleItems(kVisibleRows);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(6);
  addItem(Swatch(clBlack), QStringLiteral("Другой..."), QVariant::fromValue(clBlack));
  for (const NamedColor& named : kColors)
    addItem(Swatch(named.color), QString::fromUtf8(named.name), QVariant::fromValue(named.color));
  connect(this, &QComboBox::activated, this, &ColorBox::Activated);
}

TColor ColorBox::Selected() const { return shown_; }

void ColorBox::SetSelected(TColor color) {
  shown_ = color;
  for (int i = kCustom + 1; i < count(); ++i) {
    if (itemData(i).value<TColor>() == color) {
      setCurrentIndex(i);
      return;
    }
  }
  SetCustom(color);
  setCurrentIndex(kCustom);
}

void ColorBox::SetCustom(TColor color) {
  setItemData(kCustom, QVariant::fromValue(color));
  setItemIcon(kCustom, Swatch(color));
}

void ColorBox::Activated(int index) {
  if (index != kCustom) {
    shown_ = itemData(index).value<TColor>();
  } else {
    const auto chosen = ChooseColor(this, shown_, QString());
    if (!chosen) {
      SetSelected(shown_);
      return;
    }
    shown_ = *chosen;
    SetSelected(shown_);
  }
  if (OnPick) OnPick(shown_);
}

}  // namespace quobrix
