// One chart file, two writers: two windows of the program, or the program
// and another one replacing the file. A save never silently replaces what
// the other saved since, and a chart without unsaved changes is offered its
// file again when the file changes on disk.
#include <QMessageBox>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/TMainForm.h"
#include "platform/LanguageTable.h"
#include "support/ModalAnswer.h"
#include "support/ProgramHome.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

std::string ChartWithBlocks(int count) {
  BlocksHolderModel chart;
  for (int i = 0; i < count; ++i) chart.AddDefaultBlock(btRectangle, 1000 * i, 0, 500, 500);
  return chart.ChartFileText();
}

// As an editor that saves atomically does: a new file renamed over the old.
void ReplaceOnDisk(const std::string& path, const std::string& bytes) {
  test::WriteBytes(path + ".new", bytes);
  std::filesystem::rename(path + ".new", path);
}

void Widen(THolderForm& window, std::int64_t w) {
  window.bh->Model().SetActiveBlock(1);
  window.bh->Model().SetBlockW(w);
}

struct Program {
  Program() {
    test::WriteBytes(plan, ChartWithBlocks(1));
    main = std::make_unique<TMainForm>(home.context);
  }
  THolderForm& Open() { return *main->OpenChart(File()); }
  QString File() const { return QString::fromStdString(plan); }
  bool Save(THolderForm& window) {
    main->ChartWindowActivated(window);
    return main->Save();
  }
  // Two windows on the file: the first saved an edit after the second had opened it.
  void SaveInBothWindows() {
    first = &Open();
    second = &Open();
    Widen(*first, 900);
    QVERIFY(Save(*first));
    firstSaved = test::ReadBytes(plan);
    Widen(*second, 700);
  }

  test::ProgramHome home;
  std::string plan = home.dir.File("plan.qbs");
  std::unique_ptr<TMainForm> main;
  THolderForm* first = nullptr;
  THolderForm* second = nullptr;
  std::string firstSaved;
};

}  // namespace

class ChartFileChangesTest : public QObject {
  Q_OBJECT

 private slots:
  void aSaveOverTheOtherWindowsSaveAsksAndCancelKeepsItsBytes() {
    Program p;
    p.SaveInBothWindows();
    {
      test::ModalAnswer cancel(QMessageBox::Cancel);
      QVERIFY(!p.Save(*p.second));
      QCOMPARE(cancel.texts, QStringList{LanguageText(TextKey::FILE_CHANGED_SAVE_MSG).arg(p.File())});
    }
    QCOMPARE(test::ReadBytes(p.plan), p.firstSaved);
    QVERIFY(p.second->bh->Model().FModified());
    {
      test::ModalAnswer overwrite(QMessageBox::Save);
      QVERIFY(p.Save(*p.second));
    }
    QCOMPARE(test::ReadBytes(p.plan), p.second->bh->Model().ChartFileText());
    QVERIFY(!p.second->bh->Model().FModified());
    // Its own file now: the next save asks nothing.
    Widen(*p.second, 800);
    test::ModalAnswer none(QMessageBox::Cancel);
    QVERIFY(p.Save(*p.second));
    QVERIFY(none.texts.isEmpty());
  }

  void reloadingInsteadTakesTheOtherSaveAndKeepsTheEditAnUndoAway() {
    Program p;
    p.SaveInBothWindows();
    {
      test::ModalAnswer reload(QMessageBox::Discard);
      QVERIFY(!p.Save(*p.second));
    }
    BlocksHolderModel& chart = p.second->bh->Model();
    QCOMPARE(chart.Blocks(1).W, qint64(900));
    QVERIFY(!chart.FModified());
    QCOMPARE(test::ReadBytes(p.plan), p.firstSaved);
    chart.Undo();
    QCOMPARE(chart.Blocks(1).W, qint64(700));
  }

  void savingUnderAnotherNameLeavesTheChangedFileAlone() {
    Program p;
    p.SaveInBothWindows();
    const QString other = p.home.File("mine.qbs");
    {
      test::ModalAnswer saveAs(QMessageBox::Apply);
      test::ModalAnswer choose(other);
      QVERIFY(p.Save(*p.second));
      QCOMPARE(saveAs.texts.size(), 1);
    }
    QCOMPARE(test::ReadBytes(p.plan), p.firstSaved);
    QCOMPARE(QString::fromStdString(p.second->bh->Model().FileName()), other);
    QCOMPARE(test::ReadBytes(other.toStdString()), p.second->bh->Model().ChartFileText());
  }

  // Each replacement is a new file: the watch follows it from one to the next.
  void aReplacedFileIsOfferedToAChartWithoutChangesTimeAfterTime() {
    Program p;
    THolderForm& window = p.Open();
    test::ModalAnswer yes(QMessageBox::Yes);

    ReplaceOnDisk(p.plan, ChartWithBlocks(3));
    QTRY_COMPARE(window.bh->Model().BlockCount(), qint64(3));
    QCOMPARE(yes.texts, QStringList{LanguageText(TextKey::FILE_CHANGED_RELOAD_MSG).arg(p.File())});
    QVERIFY(!window.bh->Model().FModified());

    ReplaceOnDisk(p.plan, ChartWithBlocks(2));
    QTRY_COMPARE(window.bh->Model().BlockCount(), qint64(2));
    QCOMPARE(yes.texts.size(), 2);
  }

  // Declined, the same file is not offered again on activation; the next
  // change is.
  void aDeclinedFileIsOfferedAgainOnlyOnceItChangesAgain() {
    Program p;
    THolderForm& window = p.Open();
    test::ModalAnswer no(QMessageBox::No);
    ReplaceOnDisk(p.plan, ChartWithBlocks(3));
    QTRY_COMPARE(no.texts.size(), 1);

    p.main->ChartWindowActivated(window);
    QCoreApplication::processEvents();
    QCOMPARE(no.texts.size(), 1);
    QCOMPARE(window.bh->Model().BlockCount(), qint64(1));

    ReplaceOnDisk(p.plan, ChartWithBlocks(2));
    QTRY_COMPARE(no.texts.size(), 2);
  }
};

QTEST_MAIN(ChartFileChangesTest)
#include "ChartFileChangesTest.moc"
