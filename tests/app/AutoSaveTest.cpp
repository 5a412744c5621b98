// Autosave copies of real chart windows: which charts are copied, when a
// copy is written again, and when it goes.
#include <QDir>
#include <QTest>

#include "app/AutoSave.h"
#include "chart/ChartEdit.h"
#include "support/FakeChartHost.h"
#include "support/TempDir.h"

using namespace quobrix;

namespace {

void Edit(BlocksHolderModel& chart) {
  ChartEdit edit(chart);
  chart.AddDefaultBlock(btRectangle, 1000 * chart.BlockCount(), 0, 500, 500);
}

// One round of the timer, run to its end.
void WriteRound(AutoSave& autoSave) {
  autoSave.WriteDueCopies();
  while (autoSave.Writing()) QCoreApplication::processEvents();
}

QStringList Copies(const AutoSave& autoSave) {
  if (autoSave.Folder().isEmpty()) return {};
  return QDir(autoSave.Folder()).entryList({QStringLiteral("*.qbs")}, QDir::Files, QDir::Name);
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class AutoSaveTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { settings.SetOptions(ProgramOptions{}); }

  void onlyChartsWithUnsavedChangesAreCopied() {
    test::TempDir root;
    AutoSave autoSave(QString::fromStdString(root.File("recovery")), settings);
    test::ChartWindow edited, untouched;
    autoSave.Follow(*edited.form);
    autoSave.Follow(*untouched.form);
    Edit(edited.model());

    WriteRound(autoSave);

    const QStringList copies = Copies(autoSave);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(Bytes(autoSave.Folder() + u'/' + copies[0]), QByteArray::fromStdString(edited.model().ChartFileText()));
    QVERIFY(edited.model().FModified());
  }

  // The timer's round only queues the copies; each is written in an event of
  // its own, so the program answers between them.
  void copiesAreWrittenBetweenEvents() {
    test::TempDir root;
    AutoSave autoSave(QString::fromStdString(root.File("recovery")), settings);
    test::ChartWindow a, b;
    autoSave.Follow(*a.form);
    autoSave.Follow(*b.form);
    Edit(a.model());
    Edit(b.model());

    autoSave.WriteDueCopies();

    QVERIFY(autoSave.Writing());
    QVERIFY(Copies(autoSave).isEmpty());
    while (autoSave.Writing()) QCoreApplication::processEvents();
    QCOMPARE(Copies(autoSave).size(), 2);
  }

  void aCopyIsWrittenAgainOnlyAfterAnotherChange() {
    test::TempDir root;
    AutoSave autoSave(QString::fromStdString(root.File("recovery")), settings);
    test::ChartWindow w;
    autoSave.Follow(*w.form);
    Edit(w.model());
    WriteRound(autoSave);
    const QString copy = autoSave.Folder() + u'/' + Copies(autoSave).value(0);
    QVERIFY(QFile::remove(copy));

    WriteRound(autoSave);
    QVERIFY(!QFile::exists(copy));

    w.model().SetActiveBlock(1);
    w.model().SetBlockText("changed");
    WriteRound(autoSave);
    QCOMPARE(Bytes(copy), QByteArray::fromStdString(w.model().ChartFileText()));
  }

  void savingOrClosingAChartRemovesItsCopy() {
    test::TempDir root;
    AutoSave autoSave(QString::fromStdString(root.File("recovery")), settings);
    test::ChartWindow w;
    autoSave.Follow(*w.form);
    Edit(w.model());
    WriteRound(autoSave);
    QCOMPARE(Copies(autoSave).size(), 1);

    QVERIFY(w.model().SaveToFile(root.File("saved.qbs")));
    QVERIFY(Copies(autoSave).isEmpty());

    Edit(w.model());
    WriteRound(autoSave);
    QCOMPARE(Copies(autoSave).size(), 1);
    delete w.form.data();
    QVERIFY(Copies(autoSave).isEmpty());
  }

  // A program that ends normally leaves nothing to recover.
  void theProgramsFolderGoesWithIt() {
    test::TempDir root;
    test::ChartWindow w;
    QString folder;
    {
      AutoSave autoSave(QString::fromStdString(root.File("recovery")), settings);
      autoSave.Follow(*w.form);
      Edit(w.model());
      WriteRound(autoSave);
      folder = autoSave.Folder();
      QVERIFY(QDir(folder).exists());
    }
    QVERIFY(!QDir(folder).exists());
  }

  void theIntervalFollowsTheOptions() {
    test::TempDir root;
    AutoSave autoSave(QString::fromStdString(root.File("recovery")), settings);
    QVERIFY(autoSave.On());
    settings.ChangeOptions([](ProgramOptions& options) { options.AutoSaveSeconds = 0; });
    QVERIFY(!autoSave.On());
    settings.ChangeOptions([](ProgramOptions& options) { options.AutoSaveSeconds = 5; });
    QVERIFY(autoSave.On());
  }

 private:
  ProgramSettings settings;
};

QTEST_MAIN(AutoSaveTest)
#include "AutoSaveTest.moc"
