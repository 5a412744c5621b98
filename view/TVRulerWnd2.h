// The centimetre ruler control: a small widget that paints a graduation
// from its own properties. It knows nothing about charts.
#pragma once

#include <QWidget>

#include "render/RulerPainting.h"

namespace quobrix {

class TVRulerWnd2 : public QWidget {
  Q_OBJECT
  Q_PROPERTY(quobrix::TRulerKind Kind READ Kind WRITE SetKind)
  Q_PROPERTY(int Precition READ Precition WRITE SetPrecition)
  Q_PROPERTY(int DigitsLenght READ DigitsLenght WRITE SetDigitsLenght)
  Q_PROPERTY(int Di READ Di WRITE SetDi)
  Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
  Q_PROPERTY(int Zoom READ Zoom WRITE SetZoom)
  Q_PROPERTY(int StartNumber READ StartNumber WRITE SetStartNumber)
  Q_PROPERTY(bool TraceMouse READ TraceMouse WRITE SetTraceMouse)

 public:
  explicit TVRulerWnd2(QWidget* parent = nullptr);

  TRulerKind Kind() const { return props_.Kind; }
  int Precition() const { return props_.Precition; }
  int DigitsLenght() const { return props_.DigitsLenght; }
  int Di() const { return props_.Di; }
  bool Flat() const { return props_.Flat; }
  bool Transparent() const { return props_.Transparent; }
  bool Stretch() const { return props_.Stretch; }
  int Zoom() const { return props_.Zoom; }
  int StartNumber() const { return props_.StartNumber; }
  bool TraceMouse() const { return props_.TraceMouse; }

  // These repaint only when the value changes.
  void SetKind(TRulerKind v);
  void SetPrecition(int v);
  void SetDi(int v);
  void SetFlat(bool v);
  void SetTransparent(bool v);
  // Turning it on sizes the ruler to its parent once.
  void SetStretch(bool v);
  // These always repaint.
  void SetZoom(int v);
  void SetStartNumber(int v);
  void SetTraceMouse(bool v);
  void SetDigitsLenght(int v);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  template <class T>
  void StoreAndRepaintIfChanged(T& field, T value);

  RulerProperties props_;
};

}  // namespace quobrix
