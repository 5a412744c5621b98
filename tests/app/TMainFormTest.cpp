// The main window's document commands, recent files and hint, with real
// chart windows and the dialogs answered by the test.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QEnterEvent>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "app/RecentFiles.h"
#include "app/TMainForm.h"
#include "app/TranslateWindow.h"
#include "platform/LanguageTable.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramFolders.h"
#include "support/MemoryLimits.h"
#include "support/ModalAnswer.h"
#include "support/TempDir.h"
#include "tools/TPropertyEditorForm.h"
#include "tools/TLibraryForm.h"
#include "tools/TUserLibForm.h"
#include "view/AppContext.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"
#include "view/TVRulerWnd2.h"

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
    main = std::make_unique<TMainForm>(context);
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
  QAction& Command(CommandId id, int tag = 0) const { return main->Commands().Action(id, tag); }
  QToolButton* Button(const char* name) const { return main->findChild<QToolButton*>(QString::fromLatin1(name)); }

  test::TempDir home;
  AppContext context;
  std::unique_ptr<TMainForm> main;
};

// The actions a menu bar, menu or tool bar shows, sub-menus included.
void CollectShown(const QWidget& widget, QList<QAction*>& shown) {
  for (QAction* action : widget.actions()) {
    shown.append(action);
    if (action->menu()) CollectShown(*action->menu(), shown);
  }
}

QList<QAction*> ShownIn(std::initializer_list<const QWidget*> widgets) {
  QList<QAction*> shown;
  for (const QWidget* widget : widgets) CollectShown(*widget, shown);
  return shown;
}

// What a window's section of a language file may name: its components, the
// actions it shows, and the tool-bar names of those actions.
QSet<QString> Translatable(const QWidget& window, const QList<QAction*>& shown) {
  QSet<QString> names;
  for (const QObject* child : window.findChildren<QObject*>()) names.insert(child->objectName());
  for (const QAction* action : shown) {
    names.insert(action->objectName());
    names.insert(action->property(kToolBarNameProperty).toString());
  }
  return names;
}

bool OwnedBy(const QObject& object, const QObject& owner) {
  for (const QObject* parent = object.parent(); parent; parent = parent->parent())
    if (parent == &owner) return true;
  return false;
}

QString EnglishFile() { return qEnvironmentVariable("QUOBRIX_SOURCE_DIR") + QStringLiteral("/lang/English.lng"); }

}  // namespace

class TMainFormTest : public QObject {
  Q_OBJECT

 private slots:
  void newChartsAreUntitledAndActive() {
    Program p;
    THolderForm* first = p.main->CreateNewSheme();
    THolderForm* second = p.main->CreateNewSheme();
    QCOMPARE(first->windowTitle(), QString::fromUtf8("Без имени[*]"));
    QCOMPARE(second->windowTitle(), QString::fromUtf8("Без имени 2[*]"));
    // The status line named it "Untitled" in every language.
    QCOMPARE(second->StatusPanel(2)->text(), QString::fromUtf8("Без имени 2"));
    QCOMPARE(p.main->ActiveChartWindow(), second);
    QCOMPARE(p.main->ChartWindows().size(), size_t(2));
    QCOMPARE(TMainForm::ProgramTitle(), QStringLiteral("Построитель схем Quobrix 1.50"));
  }

  // In the single-window workspace closing the tab in front brings another
  // tab forward, and that chart is the active one: its commands stay on.
  void closingATabLeavesTheTabBroughtForwardActive() {
    test::TempDir home;
    qputenv("QUOBRIX_HOME", home.Path().string().c_str());
    test::WriteBytes(home.File("quobrix.ini"), "[Main]\r\nSingleWindow=1\r\nShowSplash=0\r\n");
    AppContext context;
    TMainForm main(context);
    main.show();
    main.CreateNewSheme();
    const QPointer<THolderForm> second = main.CreateNewSheme();
    QTRY_COMPARE(main.ActiveChartWindow(), second.data());
    main.CloseSheme();
    QTRY_VERIFY(!second);
    const std::vector<THolderForm*> open = main.ChartWindows();
    QVERIFY(main.ActiveChartWindow() && std::ranges::count(open, main.ActiveChartWindow()) == 1);
    QVERIFY(main.Commands().Action(CommandId::Save).isEnabled());
  }

  // Every way to a chart never saved takes the first number no open one
  // goes by; a chart saved under a name gives its number back.
  void newChartsAreNumberedAndReuseTheNumbersOfClosedOrSavedOnes() {
    Program p;
    THolderForm* first = p.main->CreateNewSheme();
    THolderForm* second = p.main->CreateNewSheme();
    p.main->CreateNewSheme();
    QVERIFY(second->close());
    QCOMPARE(p.main->CreateWizardChart(QString(), [](BlocksHolderModel&) {})->windowTitle(),
             QString::fromUtf8("Без имени 2[*]"));
    first->bh->Model().SetFileName(p.File("plan.qbs").toStdString());
    QCOMPARE(p.main->CreateNewSheme()->windowTitle(), QString::fromUtf8("Без имени[*]"));
    QCOMPARE(p.main->CreateNewSheme()->windowTitle(), QString::fromUtf8("Без имени 4[*]"));
    // The file name of a chart never saved stays what marks it as such.
    QCOMPARE(p.main->ActiveChartWindow()->bh->Model().FileName(), std::string("Untitled"));
  }

  void newChartWindowsNeverLieOnTopOfEachOther() {
    Program p;
    QSet<QPair<int, int>> places;
    for (int i = 0; i < 5; ++i) {
      const QPoint at = p.main->CreateNewSheme()->pos();
      places.insert({at.x(), at.y()});
    }
    QCOMPARE(places.size(), 5);
  }

  // Close all and exit ask for each changed chart by its name.
  void savePromptsNameTheChart() {
    Program p;
    p.NewModifiedChart();
    p.NewModifiedChart().bh->Model().SetFileName(p.File("plan.qbs").toStdString());
    p.NewModifiedChart();
    test::ModalAnswer no(QMessageBox::No);
    p.main->CloseAll();
    QCOMPARE(no.texts, (QStringList{LanguageText(TextKey::FILE_SAVE_MSG).arg(QString::fromUtf8("Без имени")),
                                    LanguageText(TextKey::FILE_SAVE_MSG).arg(QStringLiteral("plan.qbs")),
                                    LanguageText(TextKey::FILE_SAVE_MSG).arg(QString::fromUtf8("Без имени 2"))}));
    QVERIFY(no.texts.first().contains(QString::fromUtf8("«Без имени»")));
  }

  void startupOpensTheCommandLineChartWithItsDesignedSize() {
    test::TempDir home;
    qputenv("QUOBRIX_HOME", home.Path().string().c_str());
    test::WriteBytes(home.File("plan.qbs"), kChart.toStdString());
    AppContext context;
    context.Settings().SetLastChartPlacement({5, 5, 300, 200, 50});
    TMainForm main(context, {QString::fromStdString(home.File("plan.qbs")), QStringLiteral("ignored.qbs")});
    main.show();
    QCOMPARE(main.windowTitle(), TMainForm::ProgramTitle());
    QCOMPARE(main.ChartWindows().size(), size_t(1));
    THolderForm* w = main.ActiveChartWindow();
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobrix - [ plan.qbs ][*]"));
    QCOMPARE(w->size(), QSize(691, 549));
    QCOMPARE(w->bh->Model().ZoomPercents(), qint64(100));
  }

  // The column on the right stays free for the inspector and the user library.
  void startupWithoutAChartFillsTheWorkAreaBetweenTheMainWindowAndTheToolColumn() {
    Program p;
    p.main->show();
    THolderForm* w = p.main->ActiveChartWindow();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString::fromUtf8("Без имени[*]"));
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(w->frameGeometry().right() < work.right() - p.main->Inspector()->width());
    QVERIFY(!w->frameGeometry().intersects(p.main->UserLibForm()->frameGeometry()));
    QCOMPARE(w->frameGeometry().top(), work.top());
    QCOMPARE(w->frameGeometry().bottom(), work.bottom());
    QVERIFY(w->frameGeometry().left() >= p.main->frameGeometry().right());
    QCOMPARE(p.main->Context().Settings().LastChartPlacement().Width, w->width());
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
    QCOMPARE(w.windowTitle(), QStringLiteral("Quobrix - [ plan.qbs ][*]"));
    QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("plan.qbs"));
    QVERIFY(!w.bh->Model().FModified());
    QCOMPARE(QString::fromStdString(w.bh->Model().FileName()), p.File("plan.qbs"));
  }

  // The title's "[*]" is Qt's modified mark; the save command's picture
  // follows the active chart.
  void theModifiedMarkAppearsOnTheFirstEditAndGoesOnSave() {
    Program p;
    THolderForm* w = p.main->OpenChart(p.WriteChart("plan.qbs"));
    QAction& save = p.Command(CommandId::Save);
    const qint64 savedPicture = save.icon().cacheKey();
    QVERIFY(!w->isWindowModified());

    w->bh->Model().SetActiveBlock(1);
    w->bh->Model().SetBlockW(4000);
    QVERIFY(w->isWindowModified());
    QVERIFY(save.icon().cacheKey() != savedPicture);
    // Another window without changes takes the mark off the save command.
    THolderForm* other = p.main->CreateNewSheme();
    QCOMPARE(save.icon().cacheKey(), savedPicture);
    p.main->ChartWindowActivated(*w);
    QVERIFY(save.icon().cacheKey() != savedPicture);

    save.trigger();
    QVERIFY(!w->isWindowModified());
    QCOMPARE(save.icon().cacheKey(), savedPicture);
    QVERIFY(!other->isWindowModified());
  }

  void undoingBackToTheSavedChartTakesTheMarkOff() {
    Program p;
    THolderForm* w = p.main->OpenChart(p.WriteChart("plan.qbs"));
    w->bh->Model().SetActiveBlock(1);
    w->bh->Model().SetBlockW(4000);
    p.Command(CommandId::Undo).trigger();
    QVERIFY(!w->isWindowModified());
    p.Command(CommandId::Redo).trigger();
    QVERIFY(w->isWindowModified());
    QCOMPARE(w->bh->Model().Blocks(1).W, qint64(4000));
  }

  // "Повторить" follows "Отменить" in both Edit menus and runs only with
  // something to redo.
  void redoFromTheChartWindowsEditMenu() {
    Program p;
    THolderForm* w = p.main->OpenChart(p.WriteChart("plan.qbs"));
    for (const QWidget* bar : {static_cast<const QWidget*>(p.main->menuBar()), static_cast<const QWidget*>(w->MainMenu2)}) {
      const QList<QAction*> edit = bar->findChild<QMenu*>(QStringLiteral("mEdit"))->actions();
      QCOMPARE(edit.value(1), &p.Command(CommandId::Redo));
      QCOMPARE(edit.value(0), &p.Command(CommandId::Undo));
    }
    QAction& redo = p.Command(CommandId::Redo);
    QCOMPARE(redo.text(), QString::fromUtf8("Повторить"));
    QVERIFY(redo.shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    QVERIFY(redo.shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    QVERIFY(!redo.isEnabled());

    w->bh->Model().SetActiveBlock(1);
    w->bh->Model().SetBlockText("edited");
    w->bh->Model().SetBlockText("edited twice");
    p.Command(CommandId::Undo).trigger();
    p.Command(CommandId::Undo).trigger();
    QVERIFY(redo.isEnabled());
    w->MainMenu2->findChild<QMenu*>(QStringLiteral("mEdit"))->actions().value(1)->trigger();
    QCOMPARE(w->bh->Model().Blocks(1).Text, std::string("edited"));
    redo.trigger();
    QCOMPARE(w->bh->Model().Blocks(1).Text, std::string("edited twice"));
    QVERIFY(!redo.isEnabled());
    QCOMPARE(p.Button("tbRedo")->defaultAction(), &redo);
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
    QCOMPARE(w.windowTitle(), QString::fromUtf8("Без имени[*]"));
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
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobrix - [ plan.qbs ][*]"));
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

  // A picture given by mistake once opened as an empty chart named after
  // it, and Ctrl+S then replaced the picture.
  void aFileThatIsNotAChartIsRefusedAndNeverBecomesAChartsFile() {
    Program p;
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    test::WriteBytes(p.home.File("photo.png"), png);
    test::ModalAnswer ok(QMessageBox::Ok);
    QVERIFY(!p.main->OpenChart(p.File("photo.png")));
    QCOMPARE(ok.texts, QStringList{LanguageText(TextKey::FILE_OPEN_ERROR_MSG)});
    QVERIFY(p.main->ChartWindows().empty());
    QCOMPARE(test::ReadBytes(p.home.File("photo.png")), png);
  }

  void aChartUnderAnotherNameOpensAndSaveAsksForAChartFileName() {
    Program p;
    test::WriteBytes(p.home.File("plan.txt"), kChart.toStdString());
    THolderForm* w = p.main->OpenChart(p.File("plan.txt"));
    QVERIFY(w);
    QCOMPARE(w->bh->Model().BlockCount(), qint64(1));
    w->bh->Model().SetModified(true);
    QString proposed;
    QTimer::singleShot(0, [&] {
      if (auto* name = p.main->SaveDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) proposed = name->text();
    });
    test::ModalAnswer choose(p.File("plan.qbs"));
    QVERIFY(p.main->Save());
    QCOMPARE(choose.titles.size(), 1);
    QCOMPARE(proposed, QStringLiteral("plan.qbs"));
    QCOMPARE(test::ReadBytes(p.home.File("plan.txt")), kChart.toStdString());
    QCOMPARE(QString::fromStdString(w->bh->Model().FileName()), p.File("plan.qbs"));
  }

  // Saving as a picture once took the picture's name and cleared the
  // modified flag: closing asked nothing and the chart itself was lost.
  void saveAsAPictureExportsItAndTheChartStaysUnsavedUnderItsName() {
    Program p;
    THolderForm& w = p.NewModifiedChart();
    w.bh->Model().SetFileName(p.home.File("plan.qbs"));
    {
      test::ModalAnswer choose(p.File("plan.png"));
      QVERIFY(!p.main->SaveAs());
    }
    QVERIFY(QFile::exists(p.File("plan.png")));
    QVERIFY(!QFile::exists(p.File("plan.qbs")));
    QCOMPARE(QString::fromStdString(w.bh->Model().FileName()), p.File("plan.qbs"));
    QVERIFY(w.bh->Model().FModified());
    QVERIFY(w.StatusPanel(1)->text().contains(QStringLiteral("plan.png")));
    test::ModalAnswer no(QMessageBox::No);
    w.close();
    QCOMPARE(no.texts, QStringList{LanguageText(TextKey::FILE_SAVE_MSG).arg(QStringLiteral("plan.qbs"))});
    QVERIFY(!p.main->RecentFiles().contains(p.File("plan.png")));
  }

  void aPictureOfAnEmptySheetIsRefusedAsEmpty() {
    Program p;
    THolderForm& w = p.NewModifiedChart();
    w.bh->Model().SetSheetWidth(0);
    w.bh->Model().SetSheetHeight(0);
    test::ModalAnswer choose(p.File("plan.png"));
    test::ModalAnswer ok(QMessageBox::Ok);
    QVERIFY(!p.main->SaveAs());
    QCOMPARE(ok.texts, QStringList{LanguageText(TextKey::SHEET_EMPTY_MSG)});
    QVERIFY(!QFile::exists(p.File("plan.png")));
  }

  void aTypedNameTakesTheExtensionOfTheChosenFormat() {
    Program p;
    p.NewModifiedChart();
    QTimer chooser;
    QObject::connect(&chooser, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      auto* types = dialog ? dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")) : nullptr;
      if (!types) return;
      const int bmp = types->findText(QStringLiteral("*.bmp"), Qt::MatchContains);
      types->setCurrentIndex(bmp);
      // What the box says when the user picks an entry.
      emit types->activated(bmp);
      emit types->textActivated(types->itemText(bmp));
      dialog->setDirectory(p.File(""));
      dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("pic1"));
      QMetaObject::invokeMethod(dialog, "accept");
    });
    chooser.start(10);
    p.main->SaveAs();
    QVERIFY(QFile::exists(p.File("pic1.bmp")));
    QVERIFY(!QFile::exists(p.File("pic1.qbs")));
  }

  // One malformed number in block 2 ends the reading there: the user is told,
  // and the first save over the file asks before the rest is lost.
  void aDamagedChartOpensWithAMessageAndTheFirstSaveAsksBeforeReplacingIt() {
    Program p;
    const QString end = QStringLiteral("[SHEME END]\r\n");
    const QString block = kChart.mid(kChart.indexOf(QStringLiteral("[BLOCK DATA]"))).chopped(end.size());
    const QString bad = QString(block).replace(QStringLiteral("W=3000"), QStringLiteral("W=3OOO"));
    const std::string damaged = (kChart.chopped(end.size()) + bad + block + end).toStdString();
    test::WriteBytes(p.home.File("plan.qbs"), damaged);
    THolderForm* w = nullptr;
    {
      test::ModalAnswer ok(QMessageBox::Ok);
      w = p.main->OpenChart(p.File("plan.qbs"));
      QCOMPARE(ok.texts, QStringList{LanguageText(TextKey::FILE_DAMAGED_MSG).arg(37).arg(1)});
    }
    QVERIFY(w);
    QCOMPARE(w->bh->Model().BlockCount(), qint64(1));
    {
      test::ModalAnswer no(QMessageBox::No);
      QVERIFY(!p.main->Save());
      QCOMPARE(no.texts, QStringList{LanguageText(TextKey::FILE_DAMAGED_SAVE_MSG)});
    }
    QCOMPARE(test::ReadBytes(p.home.File("plan.qbs")), damaged);
    {
      test::ModalAnswer yes(QMessageBox::Yes);
      QVERIFY(p.main->Save());
      QCOMPARE(yes.texts.size(), 1);
    }
    QCOMPARE(test::ReadBytes(p.home.File("plan.qbs")), kChart.toStdString());
    test::ModalAnswer none(QMessageBox::Cancel);
    QVERIFY(p.main->Save());
    QVERIFY(none.texts.isEmpty());
  }

  // Memory running out while opening is a message, never an abort. The file
  // is read a piece at a time: a text value of a gigabyte is what fills it.
  void runningOutOfMemoryWhileOpeningIsAMessage() {
    if (!test::kMemoryLimitsTestable) QSKIP("no address-space limit under AddressSanitizer");
    Program p;
    const std::string path = p.home.File("big.qbs");
    const std::string chart = kChart.toStdString();
    test::WriteBytes(path, chart.substr(0, chart.find("Text=x")) + "Text=");
    std::filesystem::resize_file(path, std::uintmax_t{1} << 30);  // sparse
    QPointer<THolderForm> w;
    QStringList texts;
    {
      const test::AddressSpaceCap cap(std::int64_t{256} << 20);
      test::ModalAnswer ok(QMessageBox::Ok);
      // A file this large is read on a thread of its own, its window shown meanwhile.
      w = p.main->OpenChart(QString::fromStdString(path));
      QTRY_VERIFY_WITH_TIMEOUT(!w, 60000);
      texts = ok.texts;
    }
    QVERIFY(p.main->ChartWindows().empty());
    QCOMPARE(texts, QStringList{LanguageText(TextKey::NOT_ENOUGH_MEMORY_MSG)});
  }

  void aTemplateGivesAnUntitledChart() {
    Program p;
    const QString path = p.WriteChart("template.qbs");
    test::ModalAnswer choose(path);
    p.main->mNewFromTemplateClick();
    QCOMPARE(choose.titles, QStringList{LanguageText(TextKey::TEMPLATE_OPEN_TITLE)});
    QCOMPARE(p.main->OpenDialog->windowTitle(), LanguageText(TextKey::FILE_OPEN_TITLE));
    THolderForm* w = p.main->ActiveChartWindow();
    QCOMPARE(w->windowTitle(), QString::fromUtf8("Без имени[*]"));
    QCOMPARE(w->bh->Model().FileName(), std::string("Untitled"));
    QCOMPARE(w->bh->Model().BlockCount(), qint64(1));
  }

  void shippedTemplatesAreCharts_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("Russian") << QString::fromUtf8("Русский");
    QTest::newRow("English") << QStringLiteral("English");
    QTest::newRow("Ukrainian") << QString::fromUtf8("Украинский");
  }

  // Each language has the same templates, under names of its own.
  void shippedTemplatesAreCharts() {
    QFETCH(QString, language);
    const QDir templates(TemplateDir(ResourceDir() + QStringLiteral("lang/") + language + QStringLiteral(".lng")));
    QCOMPARE(templates.dirName() == u"Templates", language == QString::fromUtf8("Русский"));
    const QStringList files = templates.entryList({QStringLiteral("*.qbs")}, QDir::Files);
    QCOMPARE(files.size(), 3);
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
    QCOMPARE(p.main->ActiveChartWindow()->windowTitle(), QStringLiteral("Quobrix - [ PLAN.QBS ][*]"));
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
    p.main->Context().Settings().ChangeOptions([](ProgramOptions& o) { o.ShowActiveSymbolHint = false; });
    p.main->AppShowHint(hint, w->bh);
    QCOMPARE(hint, QStringLiteral("platform"));
  }

  void zoomCommandsStepWithinBounds() {
    Program p;
    THolderForm* w = p.main->CreateNewSheme();
    auto& m = w->bh->Model();
    p.Command(CommandId::Zoom, 200).trigger();
    QCOMPARE(m.ZoomPercents(), qint64(200));
    QCOMPARE(w->cbZoom->currentText(), QStringLiteral("200"));
    m.SetZoomPercents(10);
    p.Button("tbZoomMinus")->click();
    QCOMPARE(m.ZoomPercents(), qint64(10));
    m.SetZoomPercents(990);
    p.Button("tbZoomPlus")->click();
    QCOMPARE(m.ZoomPercents(), qint64(1000));
    p.Button("tbZoomPlus")->click();
    QCOMPARE(m.ZoomPercents(), qint64(1000));
  }

  // The switches change the active chart window and the start state of
  // later ones; another open window keeps its own.
  void viewSwitchesChangeTheActiveChartAndTheOption() {
    Program p;
    THolderForm* earlier = p.main->CreateNewSheme();
    THolderForm* w = p.main->CreateNewSheme();
    QCOMPARE(p.main->ActiveChartWindow(), w);
    p.Command(CommandId::StatusLine).trigger();
    QVERIFY(!p.main->Context().Settings().Options().ShowStatusInWin);
    QCOMPARE(w->BottomPanel->height(), 1);
    QCOMPARE(earlier->BottomPanel->height(), 20);
    p.Command(CommandId::Rulers).trigger();
    QVERIFY(w->HorzRuler->isHidden() && !earlier->HorzRuler->isHidden());
    THolderForm* later = p.main->CreateNewSheme();
    QCOMPARE(later->BottomPanel->height(), 1);
    QVERIFY(later->HorzRuler->isHidden() && !later->ColorPanel->isHidden());
    QVERIFY(later->close());
    QVERIFY(!p.main->ActiveChartWindow());
    p.Command(CommandId::ColorStrip).trigger();  // without a chart: only the option
    QVERIFY(!p.main->Context().Settings().Options().ShowColorLineInWin);
    QVERIFY(!earlier->ColorPanel->isHidden() && !w->ColorPanel->isHidden());
  }

  void stayOnTopKeepsTheMainWindowAboveOthersWhileChecked() {
    Program p;
    p.main->show();
    QAction& onTop = p.Command(CommandId::StayOnTop);
    QVERIFY(onTop.isEnabled() && !onTop.isChecked());
    onTop.trigger();
    QVERIFY(p.main->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(p.main->isVisible());
    onTop.trigger();
    QVERIFY(!p.main->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(p.main->isVisible());
  }

  // Without a chart window the commands on a chart are disabled, while the
  // tool windows' switches work and their buttons show them pressed.
  void withoutAChartWindowTheToolWindowSwitchesStillWork() {
    Program p;
    QVERIFY(!p.main->ActiveChartWindow());
    for (CommandId id : {CommandId::Save, CommandId::SaveAs, CommandId::Close, CommandId::Paste, CommandId::UseGrid,
                         CommandId::ShowGrid, CommandId::ZoomIn, CommandId::Inspector})
      QVERIFY(!p.Command(id).isEnabled());
    QVERIFY(!p.Button("tbZoomPlus")->isEnabled());
    QAction& library = p.Command(CommandId::Library);
    library.trigger();
    QVERIFY(library.isChecked() && p.Button("tbLibrary")->isChecked());
    library.trigger();
    QVERIFY(!library.isChecked() && !p.Button("tbLibrary")->isChecked());
    QAction& userLibrary = p.Command(CommandId::UserLibrary);
    const bool shown = userLibrary.isChecked();
    userLibrary.trigger();
    QCOMPARE(userLibrary.isChecked(), !shown);
    QAction& palette = p.Command(CommandId::Palette);
    palette.trigger();
    QVERIFY(palette.isChecked());
    QAction& search = p.Command(CommandId::Search);
    QVERIFY(search.isEnabled() && p.Button("tbSearch")->isEnabled());
    search.trigger();
    QVERIFY(p.main->findChild<QWidget*>(QStringLiteral("SearchForm"))->isVisible());
  }

  // The tool-bar hints are tool tips and, while the mouse is over a button,
  // the active chart window's status line.
  void toolBarHintsShowInTheActiveChartsStatusLine() {
    Program p;
    p.main->show();
    THolderForm* w = p.main->CreateNewSheme();
    QToolButton* cut = p.Button("tbCut");
    QCOMPARE(cut->toolTip(), QStringLiteral("Вырезать"));
    QCOMPARE(cut->statusTip(), QStringLiteral("Вырезать"));
    QVERIFY(p.main->testAttribute(Qt::WA_AlwaysShowToolTips));  // the chart window is the active one
    QCOMPARE(p.Button("tbZoomPlus")->statusTip(), QStringLiteral("Увеличение"));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), cut->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(cut, &enter);
    QCOMPARE(w->StatusPanel(1)->text(), QStringLiteral("Вырезать"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(cut, &leave);
    QCOMPARE(w->StatusPanel(1)->text(), QString());
  }

  void commandsStillToComeAreDisabled() {
    Program p;
    QVERIFY(p.Command(CommandId::New).isEnabled());
    QVERIFY(p.Button("tbNew")->isEnabled());
    QVERIFY(!p.Command(CommandId::Print).isEnabled());
    QVERIFY(!p.Button("tbPrint")->isEnabled());
    QVERIFY(!p.main->menuBar()->findChild<QMenu*>(QStringLiteral("mNewSymbol"))->menuAction()->isVisible());
    // Drawing is the palette's and the chart windows' business.
    QVERIFY(!ShownIn({p.main->menuBar()}).contains(&p.Command(CommandId::InsertSymbol, btLine)));
  }

  // A command has one action, whichever window, menu or tool bar shows it;
  // the chart window's own view switches act on that window alone.
  void everyCommandIsOneActionWherever() {
    Program p;
    THolderForm* first = p.main->CreateNewSheme();
    THolderForm* second = p.main->CreateNewSheme();
    QList<const QWidget*> bars;
    for (const QToolBar* bar : p.main->findChildren<QToolBar*>()) bars.append(bar);
    for (const QToolButton* button : p.main->LibraryForm()->aToolBar1->findChildren<QToolButton*>()) bars.append(button);
    QList<QAction*> shown = ShownIn({p.main->menuBar(), first->MainMenu2, first->PopMenu, second->MainMenu2,
                                     second->PopMenu});
    for (const QWidget* bar : bars) CollectShown(*bar, shown);
    const QStringList ownSwitches = {QStringLiteral("mRulers"), QStringLiteral("mStatus"), QStringLiteral("mColor")};
    int commandsShown = 0;
    for (const CommandSpec& row : CommandCatalogue()) {
      QAction& command = p.Command(row.key.id, row.key.tag);
      commandsShown += shown.contains(&command);
      for (const QAction* action : std::as_const(shown)) {
        if (action->objectName() != command.objectName() || action == &command) continue;
        QVERIFY2(ownSwitches.contains(action->objectName()) && (OwnedBy(*action, *first) || OwnedBy(*action, *second)),
                 row.name);
      }
    }
    QCOMPARE(commandsShown, int(CommandCatalogue().size()));
    QCOMPARE(p.Button("tbUnGroup")->defaultAction(), &p.Command(CommandId::Ungroup));
    QCOMPARE(p.main->LibraryForm()->aToolBar1->findChild<QToolButton*>(QStringLiteral("ToolButton2"))->defaultAction(),
             &p.Command(CommandId::InsertSymbol, btRectangle));
  }

  // Options changed elsewhere (the settings dialog) reach the view
  // switches and the active chart window, as the switches themselves do.
  void viewOptionsReachTheActiveWindowAtOnce() {
    Program p;
    THolderForm* first = p.main->CreateNewSheme();
    THolderForm* second = p.main->CreateNewSheme();
    second->SetColorStripVisible(false);  // this window's own switch
    p.main->Context().Settings().ChangeOptions([](ProgramOptions& o) {
      o.ShowRulersInWin = false;
      o.ShowStatusInWin = false;
    });
    QVERIFY(second->HorzRuler->isHidden() && second->VertRuler->isHidden());
    QCOMPARE(second->BottomPanel->height(), 1);
    QVERIFY(!first->HorzRuler->isHidden());
    QCOMPARE(first->BottomPanel->height(), 20);
    QVERIFY(!p.Command(CommandId::Rulers).isChecked());
    QVERIFY(!p.Command(CommandId::StatusLine).isChecked());
    QVERIFY(second->ColorPanel->isHidden());  // kept: that option did not change
    p.Command(CommandId::Rulers).trigger();
    QVERIFY(p.main->Context().Settings().Options().ShowRulersInWin);
    QVERIFY(!second->HorzRuler->isHidden());
  }

  void aLanguageChangeReachesOpenChartWindows() {
    Program p;
    THolderForm* w = p.main->CreateNewSheme();
    p.main->Context().Settings().SetLanguageFile(EnglishFile());
    p.main->Context().Settings().SetLanguageFile(QString());
    QCOMPARE(w->MainMenu2->findChild<QMenu*>(QStringLiteral("mView"))->title(), QStringLiteral("View"));
    QCOMPARE(w->findChild<QAction*>(QStringLiteral("mRulers"))->text(), QStringLiteral("Rulers"));
    QCOMPARE(p.Command(CommandId::Undo).text(), QStringLiteral("Undo"));
    QCOMPARE(p.Command(CommandId::RepeatSymbol).text(), QStringLiteral("Repeat symbol"));
    QCOMPARE(p.Command(CommandId::InsertSymbol, btLine).text(), QStringLiteral("Line"));
    QCOMPARE(w->MainMenu2->findChild<QMenu*>(QStringLiteral("mNewSymbol"))->title(), QStringLiteral("New symbol"));
  }

  void theMainWindowTranslatesCaptionsAndToolBarHints() {
    Program p;
    TranslateWindow(EnglishFile(), *p.main);
    QCOMPARE(p.Command(CommandId::Ungroup).text(), QStringLiteral("Ungroup"));
    QCOMPARE(p.Command(CommandId::Align, 2).text(), QStringLiteral("Top edges"));
    QCOMPARE(p.Command(CommandId::Align, 2).toolTip(), QStringLiteral("Align top edges"));
    QCOMPARE(p.Button("btAlignTop")->toolTip(), QStringLiteral("Align top edges"));
    QCOMPARE(p.Button("btAlignTop")->statusTip(), QStringLiteral("Align top edges"));
    QCOMPARE(p.Command(CommandId::ZoomIn).toolTip(), QStringLiteral("Zoom in"));
  }

  // A key that names nothing would be ignored without a word.
  void everyLanguageKeyNamesAComponent() {
    Program p;
    THolderForm* w = p.main->CreateNewSheme();
    QList<const QWidget*> mainShown = {p.main->menuBar()};
    for (const QToolBar* bar : p.main->findChildren<QToolBar*>()) mainShown.append(bar);
    QList<QAction*> shown;
    for (const QWidget* widget : mainShown) CollectShown(*widget, shown);
    const ProfileFile english(EnglishFile());
    const QSet<QString> mainNames = Translatable(*p.main, shown);
    for (const QString& key : english.Keys(QStringLiteral("MainForm"))) QVERIFY2(mainNames.contains(key), qPrintable(key));
    const QSet<QString> chartNames = Translatable(*w, ShownIn({w->MainMenu2, w->PopMenu}));
    for (const QString& key : english.Keys(QStringLiteral("HolderForm")))
      QVERIFY2(chartNames.contains(key.endsWith(QStringLiteral("_H")) ? key.chopped(2) : key), qPrintable(key));
  }

  // The search and the palette need no chart window; the preview and the
  // dialogs open on the active one, the modal ones answered by cancelling.
  void everyWindowOpensFromItsCommand() {
    Program p;
    const auto window = [&p](const char* name) { return p.main->findChild<QWidget*>(QString::fromLatin1(name)); };
    for (const char* name : {"SearchForm", "ColorForm", "PreviewForm"}) QVERIFY(!window(name)->isVisible());
    p.Command(CommandId::Search).trigger();
    p.Command(CommandId::Palette).trigger();
    QVERIFY(window("SearchForm")->isVisible());
    QVERIFY(window("ColorForm")->isVisible());
    window("SearchForm")->close();

    THolderForm* w = p.main->CreateNewSheme();
    w->bSearch->click();
    QVERIFY(window("SearchForm")->isVisible());
    p.Command(CommandId::Preview).trigger();
    QVERIFY(window("PreviewForm")->isVisible());
    QStringList opened;
    test::ModalAnswer answer([&opened](QWidget& modal) {
      opened.append(QString::fromLatin1(modal.metaObject()->className()));
      qobject_cast<QDialog*>(&modal)->reject();
    });
    for (CommandId id : {CommandId::SheetSize, CommandId::ChartInfo, CommandId::PageSetup, CommandId::Print})
      p.Command(id).trigger();
    QCOMPARE(opened, (QStringList{"quobrix::TSheetSizeForm", "quobrix::TShemeInfoForm", "QPageSetupDialog",
                                  "QPrintDialog"}));
    QCOMPARE(w->bh->Model().History().FUndoCount(), 0);
  }

  // Ctrl+F is left free unless the user asks for it in the settings.
  void ctrlFOpensSearchOnlyWhenChosen() {
    Program p;
    QAction& search = p.Command(CommandId::Search);
    QVERIFY(search.shortcut().isEmpty());
    p.main->Context().Settings().ChangeOptions([](ProgramOptions& options) { options.CtrlFOpensSearch = true; });
    QCOMPARE(search.shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    p.main->Context().Settings().ChangeOptions([](ProgramOptions& options) { options.CtrlFOpensSearch = false; });
    QVERIFY(search.shortcut().isEmpty());
  }

  void chartWindowsTakeTheLanguageFile() {
    Program p;
    p.main->Context().Settings().SetLanguageFile(qEnvironmentVariable("QUOBRIX_SOURCE_DIR") + QStringLiteral("/lang/English.lng"));
    THolderForm* w = p.main->CreateNewSheme();
    p.main->Context().Settings().SetLanguageFile(QString());
    QCOMPARE(w->bObjSnap->text(), QStringLiteral("OSNAP"));
    QCOMPARE(w->bObjSnap->toolTip(), QStringLiteral("Snap to symbols"));
    QCOMPARE(w->MainMenu2->findChild<QMenu*>(QStringLiteral("mFile"))->title(), QStringLiteral("File"));
  }
};

QTEST_MAIN(TMainFormTest)
#include "TMainFormTest.moc"
