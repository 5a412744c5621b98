// The main window's document commands, recent files and hint, with real
// chart windows and the dialogs answered by the test.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/LanguageTable.h"
#include "app/RecentFiles.h"
#include "app/TMainForm.h"
#include "app/TranslateWindow.h"
#include "support/ModalAnswer.h"
#include "support/TempDir.h"
#include "view/ProgramWide.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

const QString kChart = QStringLiteral(
    "[Quobrix Sheme v.1.0]\r\n[SHEME DATA]\r\nAuthor=\r\nDescription=\r\nOrganization=\r\nDocumentPages=1\r\n"
    "SheetColor=16777215\r\nSheetWidth=21000\r\nSheetHeight=29700\r\nZoomPercents=100\r\n[END]\r\n[BLOCK DATA]\r\n"
    "X=1000\r\nY=2000\r\nW=3000\r\nH=1500\r\nBT=3\r\nMC=16777215\r\nSC=0\r\nFS=0\r\nGF=0\r\nBC=0\r\nBW=1\r\nBS=0\r\n"
    "Text=x\r\nTF=Arial|-16777208|10|0000\r\nTA=2\r\nTP=0\r\nCompl=0\r\nOwner=0\r\nHyperlink=\r\nLineArrows=0\r\n"
    "[END]\r\n[SHEME END]\r\n");

struct Program {
  Program() {
    qputenv("QUOBRIX_HOME", home.Path().string().c_str());
    Options() = ProgramOptions{};
    LastChartPlacement() = ChartPlacement{};
    main = std::make_unique<TMainForm>();
  }
  QString File(const char* name) const { return QString::fromStdString(home.File(name)); }
  QString WriteChart(const char* name) const {
    test::WriteBytes(home.File(name), kChart.toStdString());
    return File(name);
  }
  THolderForm& NewModifiedChart() {
    THolderForm* w = main->CreateNewSheme();
    w->bh->Model().SetModified(true);
    return *w;
  }
  QAction* Item(const char* name) const { return main->findChild<QAction*>(QString::fromLatin1(name)); }

  test::TempDir home;
  std::unique_ptr<TMainForm> main;
};

}  // namespace

class TMainFormTest : public QObject {
  Q_OBJECT

 private slots:
  void newChartsAreUntitledAndActive() {
    Program p;
    THolderForm* first = p.main->CreateNewSheme();
    THolderForm* second = p.main->CreateNewSheme();
    QCOMPARE(first->windowTitle(), QStringLiteral("Untitled"));
    QCOMPARE(second->windowTitle(), QStringLiteral("Untitled"));
    QCOMPARE(p.main->ActiveChartWindow(), second);
    QCOMPARE(p.main->ChartWindows().size(), size_t(2));
    QCOMPARE(TMainForm::ProgramTitle(), QStringLiteral("Построитель схем Quobrix 1.50"));
  }

  void startupOpensTheCommandLineChartWithItsDesignedSize() {
    test::TempDir home;
    qputenv("QUOBRIX_HOME", home.Path().string().c_str());
    test::WriteBytes(home.File("plan.qbs"), kChart.toStdString());
    LastChartPlacement() = {5, 5, 300, 200, 50};
    TMainForm main({QString::fromStdString(home.File("plan.qbs")), QStringLiteral("ignored.qbs")});
    main.show();
    QCOMPARE(main.windowTitle(), TMainForm::ProgramTitle());
    QCOMPARE(main.ChartWindows().size(), size_t(1));
    THolderForm* w = main.ActiveChartWindow();
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobrix - [ plan.qbs ]"));
    QCOMPARE(w->size(), QSize(691, 549));
    QCOMPARE(w->bh->Model().ZoomPercents(), qint64(100));
  }

  void startupWithoutAChartFillsTheWorkAreaRightOfTheMainWindow() {
    Program p;
    p.main->show();
    THolderForm* w = p.main->ActiveChartWindow();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Untitled"));
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(w->frameGeometry().right(), work.right());
    QCOMPARE(w->frameGeometry().bottom(), work.bottom());
    QVERIFY(w->frameGeometry().left() >= p.main->frameGeometry().right());
    QCOMPARE(LastChartPlacement().Width, w->width());
  }

  void savingAnUntitledChartAsksForAName() {
    Program p;
    THolderForm& w = p.NewModifiedChart();
    {
      test::ModalAnswer cancel{QString()};
      QVERIFY(!p.main->Save());
    }
    test::ModalAnswer choose(p.File("plan.qbs"));
    QVERIFY(p.main->Save());
    QVERIFY(QFile::exists(p.File("plan.qbs")));
    QCOMPARE(w.windowTitle(), QStringLiteral("Quobrix - [ plan.qbs ]"));
    QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("plan.qbs"));
    QVERIFY(!w.bh->Model().FModified());
    QCOMPARE(QString::fromStdString(w.bh->Model().FileName()), p.File("plan.qbs"));
  }

  void saveAllSavesEveryChartUnderItsName() {
    Program p;
    THolderForm& first = p.NewModifiedChart();
    first.bh->Model().SetFileName(p.home.File("a.qbs"));
    p.NewModifiedChart().bh->Model().SetFileName(p.home.File("b.qbs"));
    p.main->ChartWindowActivated(first);
    p.main->SaveAll();
    QCOMPARE(p.main->ActiveChartWindow(), &first);
    QVERIFY(QFile::exists(p.File("a.qbs")) && QFile::exists(p.File("b.qbs")));
    for (THolderForm* w : p.main->ChartWindows()) QVERIFY(!w->bh->Model().FModified());
  }

  void aFailedSaveIsReported() {
    Program p;
    THolderForm& w = p.NewModifiedChart();
    w.bh->Model().SetFileName(p.home.File("no-such-folder/plan.qbs"));
    test::ModalAnswer ok(QMessageBox::Ok);
    QVERIFY(!p.main->Save());
    QCOMPARE(ok.texts, QStringList{LanguageText(TextKey::FILE_SAVE_ERROR_MSG)});
  }

  void aFailedSaveAsKeepsTheNameAndTitle() {
    Program p;
    THolderForm& w = p.NewModifiedChart();
    test::ModalAnswer choose(p.File("plan.unknown"));
    test::ModalAnswer ok(QMessageBox::Ok);
    QVERIFY(!p.main->SaveAs());
    QCOMPARE(ok.texts, QStringList{LanguageText(TextKey::FILE_SAVE_ERROR_MSG)});
    QCOMPARE(w.windowTitle(), QStringLiteral("Untitled"));
    QCOMPARE(w.bh->Model().FileName(), std::string("Untitled"));
  }

  void openingAChartTitlesItsWindow() {
    Program p;
    const QString path = p.WriteChart("plan.qbs");
    test::ModalAnswer choose(path);
    p.main->Open();
    QCOMPARE(choose.titles, QStringList{LanguageText(TextKey::FILE_OPEN_TITLE)});
    THolderForm* w = p.main->ActiveChartWindow();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobrix - [ plan.qbs ]"));
    QCOMPARE(w->bh->Model().BlockCount(), qint64(1));
  }

  void aDamagedChartIsReportedAndItsWindowDropped() {
    Program p;
    test::WriteBytes(p.home.File("bad.qbs"), "not a chart\r\n");
    test::ModalAnswer ok(QMessageBox::Ok);
    QVERIFY(!p.main->OpenChart(p.File("bad.qbs")));
    QCOMPARE(ok.texts, QStringList{LanguageText(TextKey::FILE_OPEN_ERROR_MSG)});
    QVERIFY(p.main->ChartWindows().empty());
    QVERIFY(!p.main->ActiveChartWindow());
  }

  void aFailedOpenLeavesTheActiveChartActive() {
    Program p;
    THolderForm* w = p.main->CreateNewSheme();
    test::WriteBytes(p.home.File("bad.qbs"), "not a chart\r\n");
    test::ModalAnswer ok(QMessageBox::Ok);
    QVERIFY(!p.main->OpenChart(p.File("bad.qbs")));
    QCOMPARE(p.main->ActiveChartWindow(), w);
    QCOMPARE(p.main->ChartWindows(), std::vector<THolderForm*>{w});
  }

  void anExistingFileOfAnotherKindOpensEmpty() {
    Program p;
    test::WriteBytes(p.home.File("notes.txt"), "hello");
    THolderForm* w = p.main->OpenChart(p.File("notes.txt"));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobrix - [ notes.txt ]"));
    QCOMPARE(w->bh->Model().BlockCount(), qint64(0));
  }

  void aTemplateGivesAnUntitledChart() {
    Program p;
    const QString path = p.WriteChart("template.qbs");
    test::ModalAnswer choose(path);
    p.main->mNewFromTemplateClick();
    QCOMPARE(choose.titles, QStringList{LanguageText(TextKey::TEMPLATE_OPEN_TITLE)});
    QCOMPARE(p.main->OpenDialog->windowTitle(), LanguageText(TextKey::FILE_OPEN_TITLE));
    THolderForm* w = p.main->ActiveChartWindow();
    QCOMPARE(w->windowTitle(), QStringLiteral("Untitled"));
    QCOMPARE(w->bh->Model().FileName(), std::string("Untitled"));
    QCOMPARE(w->bh->Model().BlockCount(), qint64(1));
  }

  void shippedTemplatesAreCharts() {
    const QDir templates(qEnvironmentVariable("QUOBRIX_SOURCE_DIR") + QStringLiteral("/Templates"));
    const QStringList files = templates.entryList({QStringLiteral("*.qbs")}, QDir::Files);
    QVERIFY(files.size() >= 3);
    for (const QString& file : files) {
      BlocksHolderModel chart;
      QVERIFY2(chart.LoadFromFile(QFile::encodeName(templates.filePath(file)).toStdString()), qPrintable(file));
      QVERIFY2(chart.BlockCount() > 0, qPrintable(file));
    }
  }

  void cancelStopsCloseAllAndEarlierChartsStayClosed() {
    Program p;
    QPointer<THolderForm> unchanged = p.main->CreateNewSheme();
    QPointer<THolderForm> cancelled = &p.NewModifiedChart();
    QPointer<THolderForm> later = &p.NewModifiedChart();
    test::ModalAnswer cancel(QMessageBox::Cancel);
    p.main->CloseAll();
    QVERIFY(p.main->CloseCancelled);
    QCOMPARE(cancel.texts.size(), 1);
    QCOMPARE(cancel.titles.first(), p.main->windowTitle());
    QCOMPARE(p.main->ChartWindows(), (std::vector<THolderForm*>{cancelled, later}));
    QVERIFY(!p.main->close());  // the main window stays as well
  }

  void exitAsksForEveryChangedChartInOrder() {
    Program p;
    for (int i = 0; i < 3; ++i) p.NewModifiedChart().bh->Model().SetFileName("/charts/" + std::to_string(i) + ".qbs");
    test::ModalAnswer no(QMessageBox::No);
    p.main->AppExit();
    QVERIFY(!p.main->CloseCancelled);
    QCOMPARE(no.texts.size(), 3);
    QVERIFY(p.main->ChartWindows().empty());
    QCOMPARE(p.main->RecentFiles(), (QStringList{QStringLiteral("/charts/0.qbs"), QStringLiteral("/charts/1.qbs"),
                                                 QStringLiteral("/charts/2.qbs")}));
  }

  void yesWithACancelledSaveKeepsTheChartAndStopsClosing() {
    Program p;
    QPointer<THolderForm> w = &p.NewModifiedChart();
    test::ModalAnswer yes(QMessageBox::Yes);
    test::ModalAnswer cancelSave{QString()};
    p.main->CloseAll();
    QVERIFY(p.main->CloseCancelled);
    QVERIFY(w);
    QCOMPARE(p.main->ChartWindows().size(), size_t(1));
  }

  void recentFilesKeepTheLastTen() {
    Program p;
    for (int i = 0; i < 11; ++i) {
      THolderForm* w = p.main->CreateNewSheme();
      w->bh->Model().SetFileName("/charts/" + std::to_string(i) + ".qbs");
      p.main->CloseSheme();
    }
    QStringList expected;
    for (int i = 1; i < 11; ++i) expected.append(QStringLiteral("/charts/%1.qbs").arg(i));
    QCOMPARE(p.main->RecentFiles(), expected);
    p.main->AddRecentFile(QStringLiteral("/charts/3.qbs"));
    QCOMPARE(p.main->RecentFiles(), expected);
    QCOMPARE(p.main->mOpenHistory->actions().first()->text(), QStringLiteral("/charts/1.qbs"));
  }

  void openingADeletedRecentFileReportsAndDropsIt() {
    Program p;
    const QString path = p.WriteChart("gone.qbs");
    p.main->AddRecentFile(path);
    QFile::remove(path);
    test::ModalAnswer ok(QMessageBox::Ok);
    p.main->mOpenHistory->actions().first()->trigger();
    QCOMPARE(ok.texts, QStringList{LanguageText(TextKey::FILE_OPEN_ERROR_MSG)});
    QVERIFY(p.main->RecentFiles().isEmpty());
    QVERIFY(p.main->ChartWindows().empty());
  }

  void openingARecentFileTakesItOffTheList() {
    Program p;
    const QString path = p.WriteChart("plan.qbs");
    p.main->AddRecentFile(path);
    p.main->mOpenHistory->actions().first()->trigger();
    QVERIFY(p.main->RecentFiles().isEmpty());
    QVERIFY(p.main->ActiveChartWindow());
    p.main->CloseSheme();
    QCOMPARE(p.main->RecentFiles(), QStringList{path});
  }

  void shortenPathStepsFolderByFolder_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shortened");
    const QString win = QStringLiteral("C:\\Documents\\Projects\\Charts\\plan.qbs");
    QTest::newRow("fits") << win << win;
    QTest::newRow("first folder") << win << QStringLiteral("C:\\...\\Projects\\Charts\\plan.qbs");
    QTest::newRow("second folder") << win << QStringLiteral("C:\\...\\Charts\\plan.qbs");
    QTest::newRow("all folders") << win << QStringLiteral("C:\\...\\plan.qbs");
    QTest::newRow("drive dropped") << win << QStringLiteral("...\\plan.qbs");
    QTest::newRow("file name only") << win << QStringLiteral("plan.qbs");
    const QString unix = QStringLiteral("/home/user/charts/plan.qbs");
    QTest::newRow("slash first folder") << unix << QStringLiteral("/.../user/charts/plan.qbs");
    QTest::newRow("slash all folders") << unix << QStringLiteral("/.../plan.qbs");
    QTest::newRow("slash root dropped") << unix << QStringLiteral(".../plan.qbs");
    QTest::newRow("slash file name only") << unix << QStringLiteral("plan.qbs");
    QTest::newRow("a bare name stays") << QStringLiteral("plan.qbs") << QStringLiteral("plan.qbs");
  }
  void shortenPathStepsFolderByFolder() {
    QFETCH(QString, path);
    QFETCH(QString, shortened);
    // One unit per character: the limit is the length of the expected form.
    const auto length = [](const QString& text) { return static_cast<int>(text.size()); };
    QCOMPARE(ShortenPath(path, length, static_cast<int>(shortened.size())), shortened);
    QCOMPARE(ShortenPath(path, length, 1), path.mid(path.lastIndexOf(path.contains(u'/') ? u'/' : u'\\') + 1));
  }

  void droppedFilesOpenOnlyAFirstChart() {
    Program p;
    const QString upper = p.WriteChart("PLAN.QBS");
    const QString lower = p.WriteChart("other.qbs");
    test::WriteBytes(p.home.File("notes.txt"), "x");
    p.main->DropFiles({p.File("notes.txt"), lower});
    QVERIFY(p.main->ChartWindows().empty());
    p.main->DropFiles({upper, lower});
    QCOMPARE(p.main->ChartWindows().size(), size_t(1));
    QCOMPARE(p.main->ActiveChartWindow()->windowTitle(), QStringLiteral("Quobrix - [ PLAN.QBS ]"));
  }

  void hintShowsTheActiveSymbol() {
    Program p;
    THolderForm* w = p.main->CreateNewSheme();
    auto& m = w->bh->Model();
    QString hint = QStringLiteral("platform");
    p.main->AppShowHint(hint, w->bh);
    QCOMPARE(hint, QString());
    m.AddDefaultBlock(btRectangle, 1234, 5678, 3000, 1500);
    m.SetActiveBlock(1);
    p.main->AppShowHint(hint, w->bh);
    QCOMPARE(hint, QStringLiteral("Позиция: 12, 56\nРазмеры: 30 x 15 мм"));
    hint = QStringLiteral("platform");
    p.main->AppShowHint(hint, w->cbZoom);
    QCOMPARE(hint, QStringLiteral("platform"));
    Options().ShowActiveSymbolHint = false;
    p.main->AppShowHint(hint, w->bh);
    QCOMPARE(hint, QStringLiteral("platform"));
  }

  void zoomCommandsStepWithinBounds() {
    Program p;
    THolderForm* w = p.main->CreateNewSheme();
    auto& m = w->bh->Model();
    p.Item("mZoom200")->trigger();
    QCOMPARE(m.ZoomPercents(), qint64(200));
    QCOMPARE(w->cbZoom->currentText(), QStringLiteral("200"));
    m.SetZoomPercents(10);
    p.Item("tbZoomMinus")->trigger();
    QCOMPARE(m.ZoomPercents(), qint64(10));
    m.SetZoomPercents(990);
    p.Item("tbZoomPlus")->trigger();
    QCOMPARE(m.ZoomPercents(), qint64(1000));
    p.Item("tbZoomPlus")->trigger();
    QCOMPARE(m.ZoomPercents(), qint64(1000));
  }

  void viewSwitchesChangeTheActiveChartAndTheOption() {
    Program p;
    THolderForm* w = p.main->CreateNewSheme();
    p.Item("mStatus")->trigger();
    QVERIFY(!Options().ShowStatusInWin);
    QCOMPARE(w->BottomPanel->height(), 1);
    THolderForm* later = p.main->CreateNewSheme();
    QCOMPARE(later->BottomPanel->height(), 1);
  }

  void commandsStillToComeAreDisabled() {
    Program p;
    QVERIFY(p.Item("mNew")->isEnabled());
    QVERIFY(p.Item("tbNew")->isEnabled());
    QVERIFY(!p.Item("mPrint")->isEnabled());
    QVERIFY(!p.Item("tbPrint")->isEnabled());
    QVERIFY(!p.Item("mNewSymbol") || !p.Item("mNewSymbol")->isVisible());
    QVERIFY(!p.Item("mLine")->isVisible());
  }

  void chartWindowsTakeTheLanguageFile() {
    Program p;
    LanguageFile() = qEnvironmentVariable("QUOBRIX_SOURCE_DIR") + QStringLiteral("/lang/English.lng");
    THolderForm* w = p.main->CreateNewSheme();
    LanguageFile().clear();
    QCOMPARE(w->bObjSnap->text(), QStringLiteral("OSNAP"));
    QCOMPARE(w->bObjSnap->toolTip(), QStringLiteral("Snap to symbols"));
    QCOMPARE(w->MainMenu2->findChild<QMenu*>(QStringLiteral("mFile"))->title(), QStringLiteral("File"));
  }
};

QTEST_MAIN(TMainFormTest)
#include "TMainFormTest.moc"
