// The two library windows in the program's start and stop: shown at the
// first showing, the user library read then and written on every close of
// the main window, also one a chart window refuses; the palette's switch
// in the main window follows the palette.
#include <QAction>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/TMainForm.h"
#include "platform/UserLibraryFiles.h"
#include "support/ModalAnswer.h"
#include "support/TempDir.h"
#include "tools/TLibraryForm.h"
#include "tools/TUserLibForm.h"
#include "view/ProgramSettings.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

struct Program {
  Program() {
    qputenv("QUOBRIX_HOME", home.Path().string().c_str());
    Settings().SetOptions(ProgramOptions{});
    main = std::make_unique<TMainForm>();
  }
  QString Dir() const { return QString::fromStdString(home.Path().string()) + u'/'; }

  test::TempDir home;
  std::unique_ptr<TMainForm> main;
};

}  // namespace

class MainFormLibrariesTest : public QObject {
  Q_OBJECT

 private slots:
  void theFirstShowingShowsBothAndReadsTheUserLibrary() {
    Program p;
    QImage thumbnail(kThumbnailSize, kThumbnailSize, QImage::Format_RGB32);
    thumbnail.fill(Qt::green);
    QVERIFY(WriteUserLibrary(p.Dir(), {{"[A]\r\n", thumbnail}, {"[B]\r\n", thumbnail}}, false));
    p.main->show();
    QVERIFY(p.main->LibraryForm()->isVisible());
    QVERIFY(p.main->UserLibForm()->isVisible());
    QCOMPARE(p.main->UserLibForm()->LvUserLib->count(), 2);
    QVERIFY(p.main->Commands().Action(CommandId::Library).isChecked());
    auto* tbLibrary = p.main->findChild<QToolButton*>(QStringLiteral("tbLibrary"));
    QVERIFY(tbLibrary && tbLibrary->isChecked());
    p.main->Commands().Action(CommandId::Library).trigger();  // Alt+F11
    QVERIFY(p.main->LibraryForm()->isHidden());
    QVERIFY(!tbLibrary->isChecked());
  }

  void theUserLibraryIsWrittenEvenWhenTheCloseIsRefused() {
    Program p;
    p.main->show();
    THolderForm* chart = p.main->ActiveChartWindow();
    QVERIFY(chart);
    chart->bh->Model().AddDefaultBlock(btEllipse, 500, 500, 2000, 1000);
    chart->bh->Model().GoToBlock(1);
    p.main->UserLibForm()->tbAdd->trigger();
    chart->bh->Model().SetModified(true);
    test::ModalAnswer cancel(QMessageBox::Cancel);
    QVERIFY(!p.main->close());
    const LoadedLibrary saved = ReadUserLibrary(p.Dir());
    QCOMPARE(saved.Result, LibraryLoad::Loaded);
    QCOMPARE(saved.Entries.size(), std::size_t{1});
    QCOMPARE(saved.Entries[0].Fragment, chart->bh->Model().BlockToFragment(chart->bh->Model().Blocks(1)));
  }
};

QTEST_MAIN(MainFormLibrariesTest)
#include "MainFormLibrariesTest.moc"
