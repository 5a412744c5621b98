// The chart information dialog: the chart's author, organization and
// description. Its command opens it on the active chart window; OK stores
// the three texts as one undo step.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quobrix {

class BlocksHolderModel;
class CodePageLineEdit;
class CodePageMemo;
class CommandTable;

class TShemeInfoForm : public QDialog {
  Q_OBJECT

 public:
  TShemeInfoForm(QWidget& owner, CommandTable& commands);

  // The command: fills the fields from the chart and, on OK, stores them.
  void EditInfo(BlocksHolderModel& chart);

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  CodePageLineEdit* edAuthor = nullptr;
  CodePageLineEdit* edOrg = nullptr;
  CodePageMemo* mDescr = nullptr;
  QPushButton* bOK = nullptr;
  QPushButton* bCancel = nullptr;
};

}  // namespace quobrix
