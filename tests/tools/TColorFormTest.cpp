// The colour palette on a real chart window: what a press, a double click
// and a drag paint, how many undo steps they make, and its placement keys.
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include "platform/ProfileFile.h"
#include "support/ChartBuilder.h"
#include "support/FakeChartHost.h"
#include "support/TempDir.h"
#include "tools/TColorForm.h"
#include "view/ColorStrip.h"
#include "view/TBlocksHolder.h"

using namespace quobrix;

namespace {

struct Palette {
  Palette() {
    w.host.table.Action(CommandId::Palette).trigger();
    block = test::AddRect(Chart(), 1000, 1000);
  }
  BlocksHolderModel& Chart() { return w.model(); }
  void Select() { Chart().SetActiveBlock(block); }
  // A colour of the standard swatches and the point it shows at.
  static constexpr QPoint kRed{10, 30};
  static constexpr QPoint kBlue{110, 70};
  TColor ColorAt(QPoint p) const { return *form.ColorImage->ColorAt(p); }
  std::int32_t Undos() { return Chart().History().FUndoCount(); }

  test::ChartWindow w;
  QWidget owner;
  ToolWindowRegistry registry;
  TColorForm form{owner, w.host.table, registry};
  std::int64_t block = 0;
};

void Drag(QWidget* picture, Qt::MouseButton button, QPoint from, QPoint to) {
  QTest::mousePress(picture, button, {}, from);
  for (const QPoint p : {from, (from + to) / 2, to}) {
    QMouseEvent move(QEvent::MouseMove, p, picture->mapToGlobal(p), Qt::NoButton, button, {});
    QApplication::sendEvent(picture, &move);
  }
  QTest::mouseRelease(picture, button, {}, to);
}

}  // namespace

class TColorFormTest : public QObject {
  Q_OBJECT

 private slots:
  void itShowsThreePicturesOfTheirSizes() {
    Palette p;
    QVERIFY(p.form.isVisible());
    QCOMPARE(p.form.PageControl1->count(), 3);
    QCOMPARE(p.form.ColorImage->size(), QSize(200, 120));
    QCOMPARE(p.form.ColorImage2->size(), QSize(200, 120));
    QCOMPARE(p.form.ColorImage3->size(), QSize(156, 120));
    QCOMPARE(p.form.windowTitle(), QString::fromUtf8("Палитра"));
    QCOMPARE(p.form.ColorImage3->accessibleName(), QString::fromUtf8("Серые"));
    // The greys' gaps are transparent and pick nothing.
    QVERIFY(!p.form.ColorImage3->ColorAt({25, 10}));
    QVERIFY(p.form.ColorImage3->ColorAt({10, 10}));
  }

  void aPressPaintsTheActiveBlockFillOrLine() {
    Palette p;
    p.Select();
    QTest::mousePress(p.form.ColorImage, Qt::LeftButton, {}, Palette::kRed);
    QCOMPARE(p.Chart().Blocks(p.block).MC, p.ColorAt(Palette::kRed));
    QTest::mousePress(p.form.ColorImage, Qt::RightButton, {}, Palette::kBlue);
    QCOMPARE(p.Chart().Blocks(p.block).BC, p.ColorAt(Palette::kBlue));
    QCOMPARE(p.Chart().SheetColor(), clWhite);
  }

  void withNothingSelectedAPressSetsTheLookOfNewBlocks() {
    Palette p;
    const TBlock before = p.Chart().Blocks(p.block);
    QTest::mousePress(p.form.ColorImage, Qt::RightButton, {}, Palette::kBlue);
    QCOMPARE(p.Chart().DefBlockBorderColor(), p.ColorAt(Palette::kBlue));
    QTest::mousePress(p.form.ColorImage, Qt::MiddleButton, {}, Palette::kRed);
    QCOMPARE(p.Chart().DefBlockColor(), p.ColorAt(Palette::kRed));
    QCOMPARE(p.Chart().Blocks(p.block).MC, before.MC);
    QCOMPARE(p.Chart().Blocks(p.block).BC, before.BC);
    QCOMPARE(p.Undos(), 0);
  }

  void aDoubleClickSetsTheSheetColourAsOneUndoStep() {
    Palette p;
    p.Select();
    p.Chart().SetModified(false);
    QTest::mouseDClick(p.form.ColorImage2, Qt::LeftButton, {}, {100, 60});
    QCOMPARE(p.Chart().SheetColor(), *p.form.ColorImage2->ColorAt({100, 60}));
    QVERIFY(p.Chart().FModified());
    p.Chart().History().Undo();
    QCOMPARE(p.Chart().SheetColor(), clWhite);
  }

  void aDragRecoloursAsItGoesAndIsUndoneAtOnce() {
    Palette p;
    p.Select();
    Drag(p.form.ColorImage, Qt::LeftButton, Palette::kRed, Palette::kBlue);
    QCOMPARE(p.Chart().Blocks(p.block).MC, p.ColorAt(Palette::kBlue));
    QCOMPARE(p.Undos(), 1);
    // The next press is a step of its own.
    QTest::mouseClick(p.form.ColorImage, Qt::LeftButton, {}, Palette::kRed);
    QCOMPARE(p.Undos(), 2);
    p.Chart().History().Undo();
    p.Chart().History().Undo();
    QCOMPARE(p.Chart().Blocks(p.block).MC, clWhite);
  }

  void aRightDragPaintsTheLine() {
    Palette p;
    p.Select();
    Drag(p.form.ColorImage, Qt::RightButton, Palette::kBlue, Palette::kRed);
    QCOMPARE(p.Chart().Blocks(p.block).BC, p.ColorAt(Palette::kRed));
  }

  void withoutAChartWindowItPaintsNothing() {
    Palette p;
    p.w.host.ChartWindowClosed(*p.w.form);
    QTest::mouseDClick(p.form.ColorImage, Qt::LeftButton, {}, Palette::kRed);
    QCOMPARE(p.Chart().SheetColor(), clWhite);
    QVERIFY(p.form.isVisible());
  }

  void movedNearAnEdgeOfTheWorkAreaItSnapsToIt() {
    Palette p;
    const QRect area = p.form.screen()->availableGeometry();
    p.form.move(area.left() + 15, area.top() + 100);
    QCOMPARE(p.form.frameGeometry().topLeft(), QPoint(area.left(), area.top() + 100));
    p.form.move(area.left() + 100, area.top() + 100);
    QCOMPARE(p.form.frameGeometry().topLeft(), QPoint(area.left() + 100, area.top() + 100));
  }

  void itsPlacementIsKeptInTheSettings() {
    test::TempDir dir;
    const QString path = QString::fromStdString((dir.Path() / "settings.ini").string());
    {
      Palette p;
      p.form.move(140, 90);
      ProfileFile file(path);
      p.registry.SaveLayouts(file);
      QVERIFY(file.Save());
    }
    ProfileFile file(path);
    QVERIFY(file.ReadBool(QStringLiteral("WinPos"), QStringLiteral("Palette"), false));
    QCOMPARE(file.ReadInteger(QStringLiteral("WinPos"), QStringLiteral("PaletteX"), 0), 140);
    Palette again;
    again.form.hide();
    again.registry.LoadLayouts(file);
    QVERIFY(again.form.isVisible());
    QCOMPARE(again.form.pos(), QPoint(140, 90));
    again.registry.LoadLayouts(ProfileFile(QString()));
    QVERIFY(!again.form.isVisible());
    QCOMPARE(again.form.pos(), QPoint(20, 20));
  }
};

QTEST_MAIN(TColorFormTest)
#include "TColorFormTest.moc"
