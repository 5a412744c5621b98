// The dialog that offers, at start, the charts a program that ended without
// cleaning up (killed, crashed) had not saved: each autosave copy with its
// chart's own name, its block count, a small picture of its first page and
// the time of the copy. "Восстановить" opens the chosen
// copies, "Удалить" discards them; copies left in the list are offered again
// at the next start.
#pragma once

#include <QDialog>
#include <functional>

#include "chart/RecoveryFolder.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace quobrix {

class TRecoveryForm : public QDialog {
  Q_OBJECT

 public:
  // `restore` opens a copy as a chart with unsaved changes and says whether
  // it could; a restored copy is discarded, since the chart now lives on in
  // this program.
  TRecoveryForm(QWidget& owner, LeftOverCopies& copies, std::function<bool(const RecoveredChart&)> restore);

  void bRestoreClick();
  void bDeleteClick();

  QLabel* LabelRecovery;
  QListWidget* lbCharts;
  QPushButton* bRestore;
  QPushButton* bDelete;
  QPushButton* bClose;

 private:
  // Runs `handle` on the copy of every selected entry; the entries it
  // handled leave the list, and the dialog closes with the last one.
  void ForEachSelected(const std::function<bool(const RecoveredChart&)>& handle);

  LeftOverCopies& copies_;
  std::function<bool(const RecoveredChart&)> restore_;
};

}  // namespace quobrix
