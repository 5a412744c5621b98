// A chart window's title, modified mark and file name follow its document,
// whatever changed the chart; and the active chart is announced once per
// switch, not on every change of its chart.
#include <QLabel>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <set>

#include "support/FakeChartHost.h"
#include "support/TempDir.h"
#include "view/ActiveChart.h"
#include "view/ChartDocument.h"

using namespace quobrix;

class ChartDocumentTest : public QObject {
  Q_OBJECT

 private slots:
  void theTitleFollowsSavingEditingAndUndo() {
    test::ChartWindow w;
    test::TempDir folder;
    THolderForm& form = *w.form;
    QCOMPARE(form.windowTitle(), QString::fromUtf8("Без имени[*]"));
    QVERIFY(!form.isWindowModified());

    w.model().ChangeSheetColor(clBlack);
    QVERIFY(form.isWindowModified());

    QVERIFY(w.model().SaveToFile(folder.File("plan.qbs")));
    QCOMPARE(form.windowTitle(), QStringLiteral("Quobrix - [ plan.qbs ][*]"));
    QCOMPARE(form.StatusPanel(2)->text(), QStringLiteral("plan.qbs"));
    QVERIFY(!form.isWindowModified());

    // Undoing back to the saved chart takes the mark off, undoing past it puts it on.
    w.model().ChangeSheetColor(clWhite);
    QVERIFY(form.isWindowModified());
    w.model().Undo();
    QVERIFY(!form.isWindowModified());
    w.model().Undo();
    QVERIFY(form.isWindowModified());
    QCOMPARE(form.windowTitle(), QStringLiteral("Quobrix - [ plan.qbs ][*]"));
  }

  // The number shows only while the chart was never saved; a file being read
  // gives the window its name before the chart holds it.
  void untitledNumbersAndFilesBeingOpened() {
    test::ChartWindow w;
    ChartDocument& document = w.form->Document();
    document.SetUntitledNumber(3);
    QCOMPARE(w.form->windowTitle(), QString::fromUtf8("Без имени 3[*]"));
    QCOMPARE(document.Name(), QString::fromUtf8("Без имени 3"));
    QVERIFY(document.IsUntitled() && !document.HasFile());

    document.SetOpening(QStringLiteral("/charts/big.qbs"));
    QCOMPARE(w.form->windowTitle(), QStringLiteral("Quobrix - [ big.qbs ][*]"));
    QCOMPARE(w.form->StatusPanel(2)->text(), QStringLiteral("big.qbs"));
    QVERIFY(!document.IsUntitled() && !document.HasFile());

    w.model().SetFileName("/charts/plan.qbs");
    QCOMPARE(w.form->windowTitle(), QStringLiteral("Quobrix - [ plan.qbs ][*]"));
    QVERIFY(document.HasFile());
    QCOMPARE(document.FileName(), QStringLiteral("/charts/plan.qbs"));
  }

  // The number given is the smallest one from 1 that is free.
  // A recovery copy is due until written and again after a change; saving
  // says once that the copy is needless.
  void theRecoveryCopyFollowsChangesAndSaving() {
    test::ChartWindow w;
    test::TempDir folder;
    ChartDocument& document = w.form->Document();
    QSignalSpy obsolete(&document, &ChartDocument::RecoveryCopyObsolete);
    QVERIFY(document.RecoveryCopyDue());
    document.RecoveryCopyWritten();
    QVERIFY(!document.RecoveryCopyDue());

    w.model().ChangeSheetColor(clBlack);
    QVERIFY(document.RecoveryCopyDue());
    QCOMPARE(obsolete.count(), 0);
    QVERIFY(w.model().SaveToFile(folder.File("plan.qbs")));
    QCOMPARE(obsolete.count(), 1);
  }

  void freeUntitledNumberIsTheSmallestFree() {
    QRandomGenerator random(25);
    for (int round = 0; round < 500; ++round) {
      std::vector<int> taken;
      const int count = random.bounded(8);
      for (int i = 0; i < count; ++i) taken.push_back(1 + random.bounded(10));
      const int free = FreeUntitledNumber(taken);
      const std::set<int> set(taken.begin(), taken.end());
      QVERIFY(free >= 1 && !set.contains(free));
      for (int smaller = 1; smaller < free; ++smaller) QVERIFY(set.contains(smaller));
    }
  }

  void theActiveChartIsAnnouncedOncePerSwitch() {
    test::ChartWindow w;
    ActiveChart& active = w.host.activeChart;
    QSignalSpy switched(&active, &ActiveChart::Switched);
    QSignalSpy changed(&active, &ActiveChart::Changed);

    w.model().AddDefaultBlock(btRectangle, 0, 0, 1000, 1000);
    w.model().GoToBlock(1);
    QCOMPARE(switched.count(), 0);
    QVERIFY(changed.count() > 0);

    active.Set(w.form);
    QCOMPARE(switched.count(), 0);
    active.Set(nullptr);
    QCOMPARE(switched.count(), 1);
    active.Set(w.form);
    QCOMPARE(switched.count(), 2);

    // A window that goes is no longer the active one.
    delete w.form.data();
    QCOMPARE(switched.count(), 3);
    QCOMPARE(active.Window(), nullptr);
  }
};

QTEST_MAIN(ChartDocumentTest)
#include "ChartDocumentTest.moc"
