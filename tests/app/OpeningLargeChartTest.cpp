// A chart file large enough is read on a thread of its own: its window shows
// at once with the reading's progress, then the chart; stopping the reading
// or a file that is no chart leaves no window behind.
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/TMainForm.h"
#include "platform/LanguageTable.h"
#include "support/ModalAnswer.h"
#include "support/ProgramHome.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

constexpr int kBlocks = 3000;

struct Program {
  Program() {
    BlocksHolderModel chart;
    for (int i = 0; i < kBlocks; ++i) chart.AddDefaultBlock(btRectangle, 100 * i, 0, 500, 500);
    test::WriteBytes(plan, chart.ChartFileText());
    main = std::make_unique<TMainForm>(home.context);
    // Every file takes the thread, however small.
    main->SetBackgroundReadFrom(0);
  }
  static QProgressDialog* Progress(THolderForm& window) {
    return window.findChild<QProgressDialog*>(QStringLiteral("OpenProgress"));
  }

  test::ProgramHome home;
  std::string plan = home.dir.File("plan.qbs");
  std::unique_ptr<TMainForm> main;
};

}  // namespace

class OpeningLargeChartTest : public QObject {
  Q_OBJECT

 private slots:
  void theWindowShowsAtOnceWithProgressThenTheChart() {
    Program p;
    THolderForm* w = p.main->OpenChart(QString::fromStdString(p.plan));
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(Program::Progress(*w) && Program::Progress(*w)->isVisible());
    QVERIFY(Program::Progress(*w)->isModal());
    QTRY_COMPARE(w->bh->Model().BlockCount(), qint64(kBlocks));
    QTRY_VERIFY(!Program::Progress(*w));
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobrix - [ plan.qbs ][*]"));
    QVERIFY(!w->isWindowModified());
    QCOMPARE(w->bh->Model().FileName(), p.plan);
    QCOMPARE(w->bh->Model().FileOnDisk(), DiskState::AsStamped);
  }

  void cancellingLeavesNoWindowAndSaysNothing() {
    Program p;
    test::ModalAnswer ok(QMessageBox::Ok);
    const QPointer<THolderForm> w = p.main->OpenChart(QString::fromStdString(p.plan));
    QVERIFY(w);
    auto* cancel = Program::Progress(*w)->findChild<QPushButton*>();
    QVERIFY(cancel);
    cancel->click();
    QTRY_VERIFY(!w);
    QVERIFY(p.main->ChartWindows().empty());
    QVERIFY(ok.texts.isEmpty());
  }

  void aFileThatIsNoChartClosesItsWindowWithTheMessage() {
    Program p;
    test::WriteBytes(p.plan, "not a chart\r\n");
    test::ModalAnswer ok(QMessageBox::Ok);
    const QPointer<THolderForm> w = p.main->OpenChart(QString::fromStdString(p.plan));
    QVERIFY(w);
    QTRY_VERIFY(!w);
    QVERIFY(p.main->ChartWindows().empty());
    QCOMPARE(ok.texts, QStringList{LanguageText(TextKey::FILE_OPEN_ERROR_MSG)});
  }
};

QTEST_MAIN(OpeningLargeChartTest)
#include "OpeningLargeChartTest.moc"
