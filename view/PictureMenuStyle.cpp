#include "view/PictureMenuStyle.h"

#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace quobrix {

namespace {

constexpr int kPictureInset = 15;
constexpr int kCaptionGap = 6;
constexpr int kItemGap = 2;  // below each picture, so neighbours do not touch

const QStyleOptionMenuItem* PictureItem(const QStyleOption* option) {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item || item->icon.isNull()) return nullptr;
  const bool plain = item->menuItemType == QStyleOptionMenuItem::Normal ||
                     item->menuItemType == QStyleOptionMenuItem::DefaultItem;
  return plain ? item : nullptr;
}

QSize PictureSize(const QStyleOptionMenuItem& item) { return item.icon.availableSizes().value(0, QSize(16, 16)); }

}  // namespace

PictureMenuStyle::PictureMenuStyle(Captions captions) : captions_(captions) {}

void PictureMenuStyle::Apply(QMenu& menu, Captions captions) {
  auto* style = new PictureMenuStyle(captions);
  style->setParent(&menu);
  menu.setStyle(style);
}

void PictureMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
  const QStyleOptionMenuItem* item = element == CE_MenuItem ? PictureItem(option) : nullptr;
  if (!item) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  const bool selected = item->state.testFlag(State_Selected);
  const bool enabled = item->state.testFlag(State_Enabled);
  const QPalette& palette = item->palette;
  painter->fillRect(item->rect, palette.color(selected ? QPalette::Highlight : QPalette::Button));
  const QSize size = PictureSize(*item);
  const QPoint at = item->rect.topLeft() + QPoint(kPictureInset, 0);
  painter->drawPixmap(at, item->icon.pixmap(size, enabled ? QIcon::Normal : QIcon::Disabled));
  if (captions_ == Captions::Hidden) return;
  const QRect text(QPoint(at.x() + size.width() + kCaptionGap, at.y()), QPoint(item->rect.right(), at.y() + size.height() - 1));
  const QPalette::ColorGroup group = enabled ? QPalette::Normal : QPalette::Disabled;
  painter->setPen(palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  painter->setFont(item->font);
  painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, item->text);
}

QSize PictureMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                         const QWidget* widget) const {
  const QStyleOptionMenuItem* item = type == CT_MenuItem ? PictureItem(option) : nullptr;
  if (!item) return QProxyStyle::sizeFromContents(type, option, size, widget);
  const QSize picture = PictureSize(*item);
  int width = kPictureInset + picture.width() + kPictureInset;
  if (captions_ == Captions::Shown) width += kCaptionGap + QFontMetrics(item->font).horizontalAdvance(item->text);
  return {width, picture.height() + kItemGap};
}

}  // namespace quobrix
