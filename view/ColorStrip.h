// A picture to pick colours from: pressing, double-clicking or dragging over
// it picks the colour under the mouse. The colour strip of a chart window
// is a 480 x 15 picture of the fully saturated hue circle, stretched over
// the strip; the colour palette shows pictures of its own at their size,
// where transparent pixels pick nothing.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

#include "chart/BlockType.h"

namespace quobrix {

constexpr int ColorStripWidth = 480;
constexpr int ColorStripHeight = 15;

// Column c shows the hue 3 + 0.75 * c degrees.
QImage MakeHueStrip();

enum class StripPick {
  DoubleClick,  // the second press of a double click
  Primary,      // a press of a primary button, a move with the left button held
  Secondary,    // a press of another button, a move with the right button held
};

class ColorStrip : public QWidget {
  Q_OBJECT

 public:
  // The chart window's strip, whose primary button is the left one.
  explicit ColorStrip(QWidget* parent = nullptr);
  ColorStrip(QImage picture, Qt::MouseButtons primary, QWidget* parent = nullptr);

  // The picture's colour under the widget point, nothing outside the picture.
  std::optional<TColor> ColorAt(QPoint p) const;

  std::function<void(TColor, StripPick)> OnPick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void Pick(QPoint p, StripPick kind) const;
  QImage picture_;
  Qt::MouseButtons primary_;
};

}  // namespace quobrix
