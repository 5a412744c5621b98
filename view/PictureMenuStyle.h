// The look of a picture sub-menu: every item shows its picture (the
// action's icon) 15 pixels in from its left edge at its top, on the
// highlight colour while it is selected and on the button face otherwise.
// Items of a menu whose captions are shown have their caption right of the
// picture; otherwise the caption is only the item's name for the reader
// and for assistive tools. The menu owns its style.
#pragma once

#include <QProxyStyle>

class QMenu;

namespace quobrix {

class PictureMenuStyle : public QProxyStyle {
  Q_OBJECT

 public:
  enum class Captions : bool { Hidden, Shown };

  // Gives `menu` this look.
  static void Apply(QMenu& menu, Captions captions);

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;

 private:
  explicit PictureMenuStyle(Captions captions);

  Captions captions_;
};

}  // namespace quobrix
