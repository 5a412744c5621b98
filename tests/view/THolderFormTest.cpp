// The chart window's controls and its close, with a stand-in main window.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <memory>

#include "chart/ChartEdit.h"
#include "support/FakeChartHost.h"
#include "support/ModalAnswer.h"
#include "support/NoticeLog.h"
#include "support/TempDir.h"
#include "view/AppContext.h"
#include "view/FragmentDrag.h"
#include "view/TBlocksHolder.h"
#include "view/TDebugForm.h"
#include "view/THolderForm.h"
#include "view/TVRulerWnd2.h"

using namespace quobrix;

namespace {

using Window = test::ChartWindow;

void Wheel(QWidget& target, int delta, Qt::KeyboardModifiers modifiers) {
  QWheelEvent event(QPointF(10, 10), target.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, delta), Qt::NoButton,
                    modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&target, &event);
}

}  // namespace

class THolderFormTest : public QObject {
  Q_OBJECT

 private slots:
  void componentsCarryTheirNames() {
    Window w;
    for (const char* name :
         {"HorzRuler", "VertRuler", "BottomPanel", "ColorPanel",    "ColorImg",  "RightPanel", "ScrollY",
          "bPgUp",     "bSearch",   "bPgDn",       "BHPanel",       "LeftShape", "bh",         "Status",
          "bObjSnap",  "bLineSnap", "bGrid",       "sbPosGridSize", "cbZoom",    "ScrollX"})
      QVERIFY2(w.form->findChild<QWidget*>(QString::fromLatin1(name)), name);
    QCOMPARE(w.form->bObjSnap->text(), QStringLiteral("ОПРИВ"));
    QVERIFY(w.form->bObjSnap->isChecked() && w.form->bLineSnap->isChecked() && !w.form->bGrid->isChecked());
    QCOMPARE(w.form->cbZoom->count(), 13);
    QCOMPARE(w.form->ScrollX->maximum(), 105);
    QCOMPARE(w.form->ScrollY->maximum(), 105);
    QCOMPARE(w.model().SheetColor(), clWhite);
  }

  void zoomBoxTakesDecimalsAndRefusesNonsense_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("zoom");
    QTest::newRow("a number") << "150" << 150;
    QTest::newRow("not a number sets 50") << "abc" << 50;
    QTest::newRow("zero is refused") << "0" << 100;
    QTest::newRow("negative is refused") << "-20" << 100;
    QTest::newRow("beyond reason is refused") << "100000" << 100;
  }
  void zoomBoxTakesDecimalsAndRefusesNonsense() {
    QFETCH(QString, typed);
    QFETCH(int, zoom);
    Window w;
    w.form->cbZoom->setEditText(typed);
    QCOMPARE(w.model().ZoomPercents(), qint64(zoom));
    QCOMPARE(w.form->cbZoom->currentText(), QString::number(zoom));
    QCOMPARE(w.form->HorzRuler->Zoom(), zoom);
  }

  void horizontalScrollBarMovesTheOriginAcrossTheSheet() {
    Window w;
    w.form->bh->resize(590, 400);
    w.form->ScrollX->setValue(50);
    QCOMPARE(w.form->bh->FOriginX(), qint64(101));  // (793 - 590) * 50 / 100
    w.form->ScrollX->setValue(0);
    w.model().SetZoomPercents(50);
    w.form->bh->resize(590, 400);
    w.form->ScrollX->setValue(50);
    QCOMPARE(w.form->bh->FOriginX(), qint64(0));  // the sheet is narrower than the canvas
  }

  void verticalScrollBarMovesTheVerticalRulerAlong() {
    Window w;
    w.form->bh->resize(590, 400);
    w.form->ScrollY->setValue(100);
    QCOMPARE(w.form->bh->FOriginY(), qint64(1122 - 400));
    QCOMPARE(w.form->VertRuler->Precition(), -(1122 - 400));
  }

  void gridStepMenuSetsTheStepAndSwitchesTheGridOn() {
    Window w;
    QAction* fiveMm = nullptr;
    for (QAction* item : w.form->PosGridMenu->actions())
      if (item->text() == QStringLiteral("5 mm")) fiveMm = item;  // in the host's word for millimetres
    QVERIFY(fiveMm);
    fiveMm->trigger();
    QCOMPARE(w.model().PosGridSize(), qint64(500));
    QVERIFY(w.form->bh->FUseGrid);
    QVERIFY(w.form->bGrid->isChecked());
  }

  void snapButtonsSwitchTheCanvas() {
    Window w;
    QTest::mouseClick(w.form->bObjSnap, Qt::LeftButton);
    QTest::mouseClick(w.form->bLineSnap, Qt::LeftButton);
    QTest::mouseClick(w.form->bGrid, Qt::LeftButton);
    QVERIFY(!w.form->bh->FObjectSnap);
    QVERIFY(!w.form->bh->FLineSnap);
    QVERIFY(w.form->bh->FUseGrid);
  }

  void ctrlWheelZoomsInStepsOfFiveWithinBounds_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("wheelUpZoomsIn");
    QTest::newRow("down at 998") << 998 << -120 << 1003 << false;
    QTest::newRow("down at 1000 does nothing") << 1000 << -120 << 1000 << false;
    QTest::newRow("up at 12") << 12 << 120 << 7 << false;
    QTest::newRow("up at 10 does nothing") << 10 << 120 << 10 << false;
    QTest::newRow("the other way round: up at 998") << 998 << 120 << 1003 << true;
    QTest::newRow("the other way round: down at 12") << 12 << -120 << 7 << true;
  }
  void ctrlWheelZoomsInStepsOfFiveWithinBounds() {
    QFETCH(int, start);
    QFETCH(int, delta);
    QFETCH(int, zoom);
    QFETCH(bool, wheelUpZoomsIn);
    Window w;
    w.context.Settings().ChangeOptions([&](ProgramOptions& options) { options.WheelUpZoomsIn = wheelUpZoomsIn; });
    w.model().SetZoomPercents(start);
    w.form->UpdateZoomDisplay();
    Wheel(*w.form->bh, delta, Qt::ControlModifier);
    QCOMPARE(w.model().ZoomPercents(), qint64(zoom));
    QCOMPARE(w.form->cbZoom->currentText(), QString::number(zoom));
  }

  void wheelWithoutCtrlScrollsWithinTheBar() {
    Window w;
    Wheel(*w.form->bh, -120, Qt::NoModifier);
    QCOMPARE(w.form->ScrollY->value(), 5);
    w.form->ScrollY->setValue(104);
    Wheel(*w.form->bh, -120, Qt::NoModifier);
    QCOMPARE(w.form->ScrollY->value(), 105);
    w.form->ScrollY->setValue(3);
    Wheel(*w.form->bh, 120, Qt::NoModifier);
    QCOMPARE(w.form->ScrollY->value(), 0);
  }

  void colourStripDoubleClickSetsTheSheetColour() {
    Window w;
    const QPoint p(w.form->ColorImg->width() / 3, 5);
    const TColor picked = *w.form->ColorImg->ColorAt(p);
    QTest::mouseDClick(w.form->ColorImg, Qt::LeftButton, {}, p);
    QCOMPARE(w.model().SheetColor(), picked);
  }

  void colourStripWithoutActiveBlockSetsOnlyTheDefaults() {
    Window w;
    w.model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    const QPoint p(w.form->ColorImg->width() / 2, 5);
    const TColor picked = *w.form->ColorImg->ColorAt(p);
    QTest::mousePress(w.form->ColorImg, Qt::LeftButton, {}, p);
    QCOMPARE(w.model().DefBlockColor(), picked);
    QCOMPARE(w.model().Blocks(1).MC, clWhite);
    QCOMPARE(w.model().SheetColor(), clWhite);
    QTest::mousePress(w.form->ColorImg, Qt::RightButton, {}, p);
    QCOMPARE(w.model().DefBlockBorderColor(), picked);
  }

  void colourStripRecoloursTheActiveBlock() {
    Window w;
    w.model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    w.model().SetActiveBlock(1);
    const QPoint p(10, 5);
    QTest::mousePress(w.form->ColorImg, Qt::LeftButton, {}, p);
    QCOMPARE(w.model().Blocks(1).MC, *w.form->ColorImg->ColorAt(p));
    QTest::mousePress(w.form->ColorImg, Qt::RightButton, {}, QPoint(200, 5));
    QCOMPARE(w.model().Blocks(1).BC, *w.form->ColorImg->ColorAt(QPoint(200, 5)));
  }

  void hueStripRunsFromRedThroughTheCircle() {
    const QImage strip = MakeHueStrip();
    QCOMPARE(strip.size(), QSize(480, 15));
    QCOMPARE(strip.pixelColor(0, 0).hue(), 3);
    QCOMPARE(strip.pixelColor(160, 14).hue(), 123);
    QCOMPARE(strip.pixelColor(160, 0).saturation(), 255);
    ColorStrip outside;
    outside.resize(480, 15);
    QVERIFY(!outside.ColorAt(QPoint(5, 20)));
  }

  void centringFillsTheLeftOfAWidePanel() {
    Window w;
    w.form->BHPanel->resize(1000 + 2, 500);  // a frame of one pixel on each side
    w.form->bhResize();
    QCOMPARE(w.form->LeftShape->width(), 103);  // (1000 - 793) / 2
    QCOMPARE(w.form->bh->width(), 1000 - 103);
    w.context.Settings().ChangeOptions([](ProgramOptions& o) { o.CenterChartInWindow = false; });
    w.form->bhResize();
    QCOMPARE(w.form->LeftShape->width(), 0);
  }

  void closingAnUnchangedUntitledChartAsksNothing() {
    Window w;
    test::ModalAnswer answer(QMessageBox::Cancel);
    QVERIFY(w.form->close());
    QVERIFY(answer.texts.isEmpty());
    QVERIFY(w.host.recent.isEmpty());
  }

  void savePromptAnswers_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("saves");
    QTest::newRow("cancel keeps the window") << int(QMessageBox::Cancel) << true << false << 0;
    QTest::newRow("no closes without saving") << int(QMessageBox::No) << true << true << 0;
    QTest::newRow("yes saves and closes") << int(QMessageBox::Yes) << true << true << 1;
    QTest::newRow("yes with a failed save keeps the window") << int(QMessageBox::Yes) << false << false << 1;
  }
  void savePromptAnswers() {
    QFETCH(int, button);
    QFETCH(bool, saveSucceeds);
    QFETCH(bool, closed);
    QFETCH(int, saves);
    Window w;
    w.host.saveSucceeds = saveSucceeds;
    w.model().SetFileName("/charts/plan.qbs");
    w.model().SetModified(true);
    test::ModalAnswer answer(static_cast<QMessageBox::StandardButton>(button));
    QCOMPARE(w.form->close(), closed);
    QCOMPARE(answer.texts, QStringList{QStringLiteral("Save?")});
    QCOMPARE(answer.titles, QStringList{QStringLiteral("Main caption")});
    QCOMPARE(w.host.saves, saves);
    QCOMPARE(w.host.recent, closed ? QStringList{QStringLiteral("/charts/plan.qbs")} : QStringList{});
  }

  void closingStoresThePlacement() {
    Window w;
    w.form->resize(640, 480);
    w.model().SetZoomPercents(75);
    QVERIFY(w.form->close());
    QCOMPARE(w.context.Settings().LastChartPlacement().Width, 640);
    QCOMPARE(w.context.Settings().LastChartPlacement().Height, 480);
    QCOMPARE(w.context.Settings().LastChartPlacement().Zoom, 75);
  }

  void activationShowsSheetSizeAndFileName() {
    Window w;
    w.model().SetFileName("/charts/plan.qbs");
    w.form->FormActivate();
    QCOMPARE(w.host.active, w.form.data());
    QCOMPARE(w.form->StatusPanel(0)->text(), QStringLiteral("210 X 297 mm"));
    QCOMPARE(w.form->StatusPanel(2)->text(), QStringLiteral("plan.qbs"));
  }

  void menuItemsRunTheMainWindowsCommands() {
    Window w;
    QAction* mNew = &w.host.table.Action(CommandId::New);
    QVERIFY(w.form->MainMenu2->findChild<QMenu*>(QStringLiteral("mFile"))->actions().contains(mNew));
    mNew->trigger();
    QCOMPARE(w.host.triggered, QStringList{QStringLiteral("mNew")});
    w.host.table.Action(CommandId::New).setEnabled(false);
    QVERIFY(!mNew->isEnabled());
    QVERIFY(!w.host.table.Action(CommandId::Print).isEnabled());
    QVERIFY(!w.form->MainMenu2->findChild<QMenu*>(QStringLiteral("mWizards"))->menuAction()->isVisible());
    QCOMPARE(w.host.table.Action(CommandId::Save).shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QTest::mouseClick(w.form->bSearch, Qt::LeftButton);
    QCOMPARE(w.host.triggered.last(), QStringLiteral("mSearch"));
  }

  void contextMenuArmsDrawingByTag() {
    Window w;
    QAction& line = w.host.table.Action(CommandId::InsertSymbol, btLine);
    QVERIFY(w.form->PopMenu->actions().contains(&line));
    line.trigger();
    QVERIFY(w.model().DrawingLineByHand());
    QCOMPARE(w.model().History().FUndoCount(), 0);  // arming is no edit
    auto* symbols = w.form->PopMenu->findChild<QMenu*>(QStringLiteral("mpNewSymbol"));
    symbols->actions().first()->trigger();
    QCOMPARE(int(w.model().DrawedBlockType()), int(btRectangle));
    QVERIFY(w.model().DrawingBlockByHand());
  }

  void repeatSymbolUsesTheLastPaletteSymbol() {
    Window w;
    QAction* repeat = &w.host.table.Action(CommandId::RepeatSymbol);
    QVERIFY(w.form->PopMenu->actions().contains(repeat));
    w.context.Settings().SetLastLibrarySymbol(-1);
    repeat->trigger();
    QVERIFY(!w.model().DrawingBlockByHand() && !w.model().DrawingLineByHand());
    w.context.Settings().SetLastLibrarySymbol(7);
    repeat->trigger();
    QCOMPARE(int(w.model().DrawedBlockType()), 7);
    QVERIFY(w.model().DrawingBlockByHand());
    w.context.Settings().SetLastLibrarySymbol(-1);
  }

  // The switches' marks tell what the window shows, however it changed.
  void viewSwitchesActOnThisWindow() {
    Window w;
    auto* status = w.form->findChild<QAction*>(QStringLiteral("mStatus"));
    auto* rulers = w.form->findChild<QAction*>(QStringLiteral("mRulers"));
    auto* strip = w.form->findChild<QAction*>(QStringLiteral("mColor"));
    QVERIFY(status->isChecked() && rulers->isChecked() && strip->isChecked());
    status->trigger();
    QCOMPARE(w.form->BottomPanel->height(), 1);
    QVERIFY(!status->isChecked());
    status->trigger();
    QCOMPARE(w.form->BottomPanel->height(), 20);
    QVERIFY(status->isChecked());
    rulers->trigger();
    QVERIFY(w.form->HorzRuler->isHidden() && w.form->VertRuler->isHidden());
    QVERIFY(!rulers->isChecked());
    w.form->SetColorStripVisible(false);
    QVERIFY(!strip->isChecked());
  }

  // A hovered item's hint takes the middle panel while it shows; the text
  // it covered comes back, unless the canvas wrote the panel meanwhile.
  void statusHintsBorrowTheMiddlePanel() {
    Window w;
    QLabel& panel = *w.form->StatusPanel(1);
    panel.setText(QStringLiteral("10 x 20"));
    QStatusTipEvent hint(QStringLiteral("Вырезать"));
    QApplication::sendEvent(w.form->MainMenu2, &hint);
    QCOMPARE(panel.text(), QStringLiteral("Вырезать"));
    QStatusTipEvent gone{QString()};
    QApplication::sendEvent(w.form, &gone);
    QCOMPARE(panel.text(), QStringLiteral("10 x 20"));
    QApplication::sendEvent(w.form, &hint);
    panel.setText(QStringLiteral("30 x 40"));
    QApplication::sendEvent(w.form, &gone);
    QCOMPARE(panel.text(), QStringLiteral("30 x 40"));
  }

  void aFragmentDraggedFromAListIsPastedAndPlaced() {
    Window w;
    BlocksHolderModel source;
    source.AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    test::NoticeLog log(w.model());
    QListWidget list;
    auto* item = new QListWidgetItem(QStringLiteral("fragment"), &list);
    item->setData(FragmentTextRole, QByteArray::fromStdString(source.BlockToFragment(source.Blocks(1))));
    list.setCurrentItem(item);
    QVERIFY(w.form->StartPlacingFragment(list));
    QCOMPARE(w.model().BlockCount(), qint64(1));
    QCOMPARE(w.model().ActiveBlock(), qint64(1));
    QVERIFY(w.form->bh->FPlacingFragment);
    QCOMPARE(log.ActiveBlocks(), std::vector<std::int64_t>{1});

    QObject notAList;
    item->setData(FragmentTextRole, QByteArray("no fragment"));
    QVERIFY(!w.form->StartPlacingFragment(list));
    QVERIFY(!w.form->StartPlacingFragment(notAList));
    QCOMPARE(w.model().BlockCount(), qint64(1));
  }

  // A second observer of the canvas must not take the window's place.
  void theWindowHearsTheCanvasBesideOtherObservers() {
    Window w;
    test::NoticeLog other(w.model());
    w.model().AddDefaultBlock(btRectangle, 0, 0, 1000, 1000);
    w.model().GoToBlock(1);
    QVERIFY(w.form->isWindowModified());
    QVERIFY(other.ActiveBlocks() == std::vector<std::int64_t>{1});
  }

  void debugWindowListsTheCanvasTexts() {
    test::FakeChartHost host;
    AppContext context;
    TDebugForm debug;
    auto form = std::make_unique<THolderForm>(host, context, &debug);
    QVERIFY(form->bh->Model().FDebugMessages());
    form->bh->DoDebug("Блок нарисован");
    QCOMPARE(debug.List()->count(), 1);
    QCOMPARE(debug.List()->currentItem()->text(), QStringLiteral("Блок нарисован"));
    QCOMPARE(debug.windowTitle(), QStringLiteral("Табло отладки"));
  }
  // One drag along the strip recolours on every move, yet is one undo point:
  // it must not push the earlier edits out of the ten-step history.
  void aDragAlongTheColourStripIsOneUndoPoint() {
    Window w;
    w.model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    w.model().SetActiveBlock(1);
    for (int i = 0; i < 9; ++i) w.model().SetBlockBW(i + 2);
    QCOMPARE(w.model().History().FUndoCount(), 9);
    QTest::mousePress(w.form->ColorImg, Qt::LeftButton, {}, QPoint(10, 5));
    for (int x = 20; x <= 200; x += 10) {
      QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), w.form->ColorImg->mapToGlobal(QPointF(x, 5)), Qt::NoButton,
                       Qt::LeftButton, {});
      QApplication::sendEvent(w.form->ColorImg, &move);
    }
    QTest::mouseRelease(w.form->ColorImg, Qt::LeftButton, {}, QPoint(200, 5));
    QCOMPARE(w.model().Blocks(1).MC, *w.form->ColorImg->ColorAt(QPoint(200, 5)));
    QCOMPARE(w.model().History().FUndoCount(), 10);
    w.model().Undo();
    QCOMPARE(w.model().Blocks(1).MC, clWhite);
    QCOMPARE(w.model().Blocks(1).BW, qint64(10));
    w.model().Undo();
    QCOMPARE(w.model().Blocks(1).BW, qint64(9));  // the edits before the drag are still there
  }

  // The sheet colour is part of the chart: changing it is an edit.
  void aDoubleClickOnTheStripIsAnUndoableEditOfTheSheet() {
    Window w;
    w.model().SetModified(false);
    QTest::mouseDClick(w.form->ColorImg, Qt::LeftButton, {}, QPoint(100, 5));
    QVERIFY(w.model().SheetColor() != clWhite);
    QVERIFY(w.model().FModified());
    w.model().Undo();
    QCOMPARE(w.model().SheetColor(), clWhite);
  }

  void afterUndoTheWindowShowsTheChartsZoomAndSheet() {
    Window w;
    {
      ChartEdit edit(w.model());
      w.model().ChangeSheetSize(42000, w.model().SheetHeight());
      w.model().SetDocumentPages(3);
    }
    w.model().Undo();
    QCOMPARE(w.form->cbZoom->currentText(), QStringLiteral("100"));
    QCOMPARE(w.form->HorzRuler->Zoom(), 100);
    QCOMPARE(w.form->HorzRuler->DigitsLenght(), 793);
    QCOMPARE(w.form->VertRuler->DigitsLenght(), 1122);
    QCOMPARE(w.form->StatusPanel(0)->text(), QStringLiteral("210 X 297 mm"));
  }

  void rulersAndScrollBarsFollowEveryScroll() {
    Window w;
    w.model().SetDocumentPages(4);
    w.form->resize(500, 400);
    QApplication::processEvents();
    const int sheetLeft = w.form->HorzRuler->Precition();
    w.form->ScrollX->setValue(100);
    QVERIFY(w.form->bh->FOriginX() > 0);
    QCOMPARE(w.form->HorzRuler->Precition(), sheetLeft - int(w.form->bh->FOriginX()));
    w.form->bPgDn->click();
    QCOMPARE(w.form->bh->FOriginY(), qint64(1122));
    QCOMPARE(w.form->VertRuler->Precition(), -1122);
    const int afterOnePage = w.form->ScrollY->value();
    QVERIFY(afterOnePage > 0);
    w.form->bPgDn->click();
    QVERIFY(w.form->ScrollY->value() > afterOnePage);
    w.form->bPgUp->click();
    w.form->bPgUp->click();
    QCOMPARE(w.form->ScrollY->value(), 0);
    QCOMPARE(w.form->VertRuler->Precition(), 0);
  }

  // "Включая линии" is one check mark, so every canvas uses what it shows.
  void everyChartWindowAlignsLinesAsTheOneSwitchSays() {
    Window first;
    QAction& alignLines = first.host.table.Action(CommandId::AlsoAlignLines);
    alignLines.setChecked(true);
    QVERIFY(first.model().FAlignLines());
    THolderForm second(first.host, first.context);
    QVERIFY(second.bh->Model().FAlignLines());
    alignLines.setChecked(false);
    QVERIFY(!first.model().FAlignLines() && !second.bh->Model().FAlignLines());
  }
};

QTEST_MAIN(THolderFormTest)
#include "THolderFormTest.moc"
