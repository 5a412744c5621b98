#include "tools/ColorBox.h"

#include <QPixmap>

#include "platform/ItemTextKey.h"
#include "platform/SystemColors.h"
#include "view/PropertyDialogs.h"

namespace quobrix {

struct NamedColor {
  TColor color;
  const char* key;  // in the language file, beside the name of the colour
  const char* name;
};

namespace {

constexpr int kCustom = 0;
constexpr int kVisibleRows = 12;

constexpr NamedColor kOther = {clBlack, "clOther", "Другой..."};

constexpr NamedColor kColors[] = {
    {0x000000, "clBlack", "Черный"},      {0x000080, "clMaroon", "Бордовый"},     {0x008000, "clGreen", "Зеленый"},
    {0x008080, "clOlive", "Оливковый"},   {0x800000, "clNavy", "Темно-синий"},    {0x800080, "clPurple", "Пурпурный"},
    {0x808000, "clTeal", "Сине-зеленый"}, {0x808080, "clGray", "Серый"},          {0xC0C0C0, "clSilver", "Серебристый"},
    {0x0000FF, "clRed", "Красный"},       {0x00FF00, "clLime", "Салатовый"},      {0x00FFFF, "clYellow", "Желтый"},
    {0xFF0000, "clBlue", "Синий"},        {0xFF00FF, "clFuchsia", "Фуксия"},      {0xFFFF00, "clAqua", "Голубой"},
    {0xFFFFFF, "clWhite", "Белый"},       {0xC0DCC0, "clMoneyGreen", "Мятный"},   {0xF0CAA6, "clSkyBlue", "Небесный"},
    {0xF0FBFF, "clCream", "Кремовый"},    {0xA4A0A0, "clMedGray", "Светло-серый"}};

QIcon Swatch(TColor color) {
  QPixmap swatch(16, 12);
  swatch.fill(ResolveColor(color));
  return swatch;
}

}  // namespace

void ColorBox::AddNamed(const NamedColor& named) {
  addItem(Swatch(named.color), QString::fromUtf8(named.name), QVariant::fromValue(named.color));
  setItemData(count() - 1, QString::fromLatin1(named.key), kItemTextKeyRole);
}

ColorBox::ColorBox(QWidget* parent) : QComboBox(parent) {
  setMaxVisibleItems(kVisibleRows);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(6);
  AddNamed(kOther);
  for (const NamedColor& named : kColors) AddNamed(named);
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
