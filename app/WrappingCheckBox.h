// A check box whose caption wraps onto more lines when the dialog is too
// narrow for it, as long captions in some languages are.
#pragma once

#include <QCheckBox>

namespace quobrix {

class WrappingCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  WrappingCheckBox(const QString& text, QWidget* parent);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

 private:
  // Where the caption goes in a box `width` wide.
  QRect CaptionRect(int width) const;
  int IndicatorWidth() const;
};

}  // namespace quobrix
