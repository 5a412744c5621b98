// Copies every chart with unsaved changes into the recovery folder
// (chart/RecoveryFolder.h) at the interval the options give, so a program
// that is killed or crashes loses at most that much work. The copies are
// written between events, one chart per event, so the program never stops
// for longer than a save of one chart takes. Each chart's document holds
// its copy's number and whether a copy is due, and says when saving made
// the copy needless; saving a chart or closing its window removes its copy.
// The program's folder goes with this object.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <memory>
#include <vector>

namespace quobrix {

class ProgramSettings;

class RecoverySession;
class THolderForm;

class AutoSave : public QObject {
  Q_OBJECT

 public:
  // `root` is the recovery folder; nothing is made there until a copy is due.
  AutoSave(const QString& root, ProgramSettings& settings, QObject* parent = nullptr);
  ~AutoSave() override;

  // Follows the window's chart until the window goes.
  void Follow(THolderForm& window);
  // Starts writing the copies that are due: those of the charts with unsaved
  // changes made since their last copy. The timer calls it; each copy is
  // written in an event of its own.
  void WriteDueCopies();
  // Whether the options ask for copies at all.
  bool On() const { return timer_.isActive(); }
  // Whether copies of this round are still to be written.
  bool Writing() const { return !queue_.empty(); }
  // Writes the window's copy at once; false when it could not be written.
  bool WriteCopyNow(THolderForm& window);
  // The program's folder of copies; empty until the first copy.
  QString Folder() const;
  // The program ends with nobody to answer its questions: the copy of every
  // chart with unsaved changes is written now, and the copies stay for the
  // next start to offer, as those of a killed program do. No copy is
  // written or removed afterwards.
  void KeepCopiesForNextStart();

 private:
  ProgramSettings& settings_;
  struct Chart {
    int id;  // the document's recovery number
    QPointer<THolderForm> window;
  };

  void FollowInterval();
  void WriteNext();
  bool WriteCopy(Chart& chart);
  Chart* Find(int id);
  void Forget(int id);

  QString root_;
  QTimer timer_;
  std::unique_ptr<RecoverySession> session_;
  std::vector<std::unique_ptr<Chart>> charts_;
  std::deque<int> queue_;
  int nextId_ = 1;
};

}  // namespace quobrix
