// A drop-down list of named colours: the standard and extended colours, and
// first a custom entry that opens the colour dialog and then holds the
// colour chosen there, or any colour shown that the list does not name.
// Each item keeps the language-file key of its name (kItemTextKeyRole).
#pragma once

#include <QComboBox>
#include <functional>

#include "chart/BlockType.h"

namespace quobrix {

struct NamedColor;

class ColorBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ColorBox(QWidget* parent = nullptr);

  TColor Selected() const;
  // Shows `color` without telling anyone.
  void SetSelected(TColor color);

  // The user picked a colour from the list or from the colour dialog.
  std::function<void(TColor)> OnPick;

 private:
  void AddNamed(const NamedColor& named);
  void Activated(int index);
  void SetCustom(TColor color);
  TColor shown_ = clBlack;
};

}  // namespace quobrix
