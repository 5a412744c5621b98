// The colour strip of a chart window: a 480 x 15 picture of the fully
// saturated hue circle, stretched over the strip. Pressing, double-clicking
// or dragging over it picks the colour under the mouse.
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
  Primary,      // left button
  Secondary,    // any other button
};

class ColorStrip : public QWidget {
  Q_OBJECT

 public:
  explicit ColorStrip(QWidget* parent = nullptr);

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
};

}  // namespace quobrix
