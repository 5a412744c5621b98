// The sheet size dialog: the sheet's width and height in whole millimetres.
// Its command opens it on the active chart window; on OK both numbers are
// checked first and then applied together as one undo step, and an entry
// the chart cannot take changes nothing. The fields keep their text from
// one showing to the next.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quobrix {

class BlocksHolderModel;
class CommandTable;

// Hundredths of a millimetre for a text of whole millimetres, when the
// chart can take that side.
std::optional<std::int64_t> ReadSheetSide(const QString& millimetres);

class TSheetSizeForm : public QDialog {
  Q_OBJECT

 public:
  TSheetSizeForm(QWidget& owner, CommandTable& commands);

  // The command: shows the dialog with the width field focused and, on OK,
  // applies the size. False when nothing was applied.
  bool SetSizes(BlocksHolderModel& chart);

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* edWidth = nullptr;
  QLineEdit* edHeight = nullptr;
  QPushButton* bOK = nullptr;
  QPushButton* bCancel = nullptr;
};

}  // namespace quobrix
