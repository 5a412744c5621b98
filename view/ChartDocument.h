// One open chart as the user knows it: the file it belongs to, whether it
// has unsaved changes, and what windows and prompts call it. The chart
// window shows the document's title and file name and follows Changed, so a
// load, a save under a new name, an undo back to the saved chart or a number
// given to a chart never saved reach the title without anyone setting it.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartNotice.h"
#include "platform/PrintChoices.h"

namespace quobrix {

class BlocksHolderModel;

// The file name of a chart never saved; what the user sees numbers it when
// several are open.
inline const std::string kUntitled = "Untitled";

QString UntitledName(int number);

// The smallest number from 1 that none of `taken` is.
int FreeUntitledNumber(std::vector<int> taken);

class ChartDocument : public QObject {
  Q_OBJECT

 public:
  ChartDocument(BlocksHolderModel& chart, QObject& owner);

  BlocksHolderModel& Chart() const { return chart_; }

  // The chart's file, as the file system names it; kUntitled when never saved.
  QString FileName() const;
  // Whether the chart belongs to a file it was read from or saved to.
  bool HasFile() const;
  // A chart never saved and not being read from a file.
  bool IsUntitled() const;
  bool IsModified() const;

  // Which of the charts never saved this one is: 1 for "Untitled", 2 for
  // "Untitled 2" and so on.
  int UntitledNumber() const { return untitledNumber_; }
  void SetUntitledNumber(int number);
  // The file being read into the still empty chart, which goes by its name
  // until the reading is taken.
  void SetOpening(const QString& path);

  // The file the chart was read from when damage cut its reading short;
  // saving over it asks first. Empty once saved, or for a whole file.
  QString DamagedOriginal;
  // What the chart was last printed with; none before its first printout.
  std::optional<PrintChoices> PrintedWith;

  // The chart's copy in the program's recovery folder goes by this number
  // there; the autosave gives it, 0 until then.
  int RecoveryNumber = 0;
  // Whether the chart's file text may differ from its copy's: true until a
  // copy is written and after any change but a selection, a history move
  // that leaves the chart as it was, or the like.
  bool RecoveryCopyDue() const { return recoveryCopyDue_; }
  void RecoveryCopyWritten() { recoveryCopyDue_ = false; }

  // What prompts and lists call the chart: its file's name, or its numbered
  // "Untitled".
  QString Name() const;
  // The name of the chart's file alone, as the status line shows it.
  QString FileTitle() const;
  // The window title, holding Qt's "[*]" where the modified mark shows.
  QString Title() const;

 signals:
  // The file, the name or the modified mark changed.
  void Changed();
  // The chart was saved: its recovery copy has done its job.
  void RecoveryCopyObsolete();

 private:
  // The file the chart goes by: its own, or the one being read.
  QString ShownFile() const;

  BlocksHolderModel& chart_;
  int untitledNumber_ = 1;
  QString opening_;
  bool recoveryCopyDue_ = true;
  ChartSubscription subscription_;
};

}  // namespace quobrix
