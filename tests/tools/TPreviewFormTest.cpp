// The print preview on a real chart window: its showing, paging, zoom and
// how it follows the chart.
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "support/ChartBuilder.h"
#include "support/FakeChartHost.h"
#include "tools/TPreviewForm.h"
#include "view/TBlocksHolder.h"

using namespace quobrix;

namespace {

struct Preview {
  Preview() { form.resize(800, 600); }
  BlocksHolderModel& Chart() { return w.model(); }
  void Show() {
    w.host.table.Action(CommandId::Preview).trigger();
    QApplication::processEvents();
  }
  QString PagePanel() const { return form.StatusPanel(0)->text(); }
  void Type(const char* zoom) { form.cbZoom->setEditText(QString::fromUtf8(zoom)); }
  QImage Picture() const { return form.pb->grab().toImage(); }

  test::ChartWindow w;
  QWidget owner;
  ToolWindowRegistry registry;
  TPreviewForm form{owner, w.host.table, registry, w.context};
};

}  // namespace

class TPreviewFormTest : public QObject {
  Q_OBJECT

 private slots:
  void showingStartsAtPageOneWithTheZoomOfTheZoomBox() {
    Preview p;
    p.Chart().SetDocumentPages(3);
    p.Show();
    QVERIFY(p.form.isVisible());
    QCOMPARE(p.form.Page(), 1);
    QCOMPARE(p.form.Zoom(), 50);
    QCOMPARE(p.PagePanel(), QString::fromUtf8("Страница 1 / 3"));
    // The caption ends with a blank, so two stand before the number.
    QCOMPARE(p.form.StatusPanel(1)->text(), QString::fromUtf8("Масштаб  50 %"));
    // 21000 x 29700 at 378 pixels per 100 mm and 50 %.
    QCOMPARE(p.form.pb->size(), QSize(396, 561));

    p.form.bNext->click();
    p.form.bNext->click();
    QCOMPARE(p.PagePanel(), QString::fromUtf8("Страница 3 / 3"));
    p.form.bClose->click();
    QVERIFY(!p.form.isVisible());
    p.Show();
    QCOMPARE(p.form.Page(), 1);
  }

  void theButtonsStayWithinThePages() {
    Preview p;
    p.Show();
    p.form.bPrev->click();
    p.form.bNext->click();
    QCOMPARE(p.form.Page(), 1);
    QCOMPARE(p.PagePanel(), QString::fromUtf8("Страница 1 / 1"));

    p.Chart().SetDocumentPages(2);
    p.form.bNext->click();
    p.form.bNext->click();
    QCOMPARE(p.form.Page(), 2);
    p.form.bPrev->click();
    p.form.bPrev->click();
    QCOMPARE(p.form.Page(), 1);
  }

  void thePageDrawnIsTheChartsPageAtTheZoom() {
    Preview p;
    p.Chart().SetDocumentPages(2);
    test::AddRect(p.Chart(), 1000, 29700 + 1000, 2000, 1000);
    p.Show();
    // The rectangle's top edge on page 2 at 50 %: 30700 * 378 * 50 div 1000000
    // less page 1's 29700 * 378 * 50 div 1000000, 580 - 561.
    const QPoint edge(30, 19);
    QCOMPARE(p.Picture().pixelColor(edge), QColor(Qt::white));
    p.form.bNext->click();
    QCOMPARE(p.Picture().pixelColor(edge), QColor(Qt::black));
    p.form.bMinus->click();
    QCOMPARE(p.form.Zoom(), 40);
    QCOMPARE(p.form.pb->size(), QSize(317, 449));
    QCOMPARE(p.Picture().pixelColor(15, 15), QColor(Qt::black));
  }

  void thePageStandsInTheMiddleWhileNarrowerThanTheWindow() {
    Preview p;
    p.Show();
    const int room = p.form.Scroll->viewport()->width();
    QCOMPARE(p.form.pb->x(), (room - 396) / 2);
    p.Type("500");
    QCOMPARE(p.form.pb->x(), 0);
    QVERIFY(p.form.Scroll->horizontalScrollBar()->maximum() > 0);
  }

  void minusStopsAtTenAndPlusAtAThousand() {
    Preview p;
    p.Show();
    const auto step = [&p](QToolButton* button, const char* from) {
      p.Type(from);
      button->click();
      return p.form.cbZoom->currentText();
    };
    QCOMPARE(step(p.form.bMinus, "15"), QStringLiteral("10 %"));
    QCOMPARE(step(p.form.bMinus, "10"), QStringLiteral("10 %"));
    QCOMPARE(step(p.form.bPlus, "995"), QStringLiteral("1000 %"));
    // The page would otherwise grow without end.
    QCOMPARE(step(p.form.bPlus, "1000"), QStringLiteral("1000 %"));
    QCOMPARE(p.form.Zoom(), 1000);
  }

  void aTypedZoomIsReadAndNonsenseKeepsTheLastOne_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("zoom");
    QTest::newRow("75 without %") << QStringLiteral("75") << 75;
    QTest::newRow("75 %") << QStringLiteral("75 %") << 75;
    QTest::newRow("75% without the blank") << QStringLiteral("75%") << 75;
    QTest::newRow("zero") << QStringLiteral("0") << 50;
    QTest::newRow("negative") << QStringLiteral("-20") << 50;
    QTest::newRow("a word") << QString::fromUtf8("много") << 50;
    QTest::newRow("empty") << QString() << 50;
    QTest::newRow("beyond what the view allows") << QStringLiteral("20000") << 50;
  }

  void aTypedZoomIsReadAndNonsenseKeepsTheLastOne() {
    QFETCH(QString, typed);
    QFETCH(int, zoom);
    Preview p;
    p.Show();
    p.form.cbZoom->setEditText(typed);
    QCOMPARE(p.form.Zoom(), zoom);
    QCOMPARE(p.form.StatusPanel(1)->text(), QString::fromUtf8("Масштаб  ") + QString::number(zoom) + " %");
  }

  void aChartThatLosesPagesBringsThePageBack() {
    Preview p;
    p.Chart().SetDocumentPages(3);
    p.Show();
    p.form.bNext->click();
    p.form.bNext->click();
    p.Chart().SetDocumentPages(2);
    QCOMPARE(p.form.Page(), 2);
    QCOMPARE(p.PagePanel(), QString::fromUtf8("Страница 2 / 2"));
  }

  void itFollowsTheActiveChartWindow() {
    Preview p;
    p.Chart().SetDocumentPages(3);
    p.Show();
    p.form.bNext->click();
    p.form.bNext->click();
    auto* other = new THolderForm(p.w.host, p.w.context);
    other->show();
    other->FormActivate();
    other->bh->Model().SetSheetWidth(10000);
    QCOMPARE(p.form.Page(), 1);
    QCOMPARE(p.PagePanel(), QString::fromUtf8("Страница 1 / 1"));
    QCOMPARE(p.form.pb->width(), 189);
    delete other;
    // No chart window: nothing to show, nothing drawn.
    QVERIFY(p.form.pb->isHidden());
    QCOMPARE(p.PagePanel(), QString());
  }

  void aSheetBeyondWhatAWidgetMeasuresStaysWithinIt() {
    Preview p;
    p.Chart().SetSheetWidth(std::int64_t{1} << 60);
    p.Show();
    QCOMPARE(p.form.pb->width(), QWIDGETSIZE_MAX);
  }

  void escapeClosesIt() {
    Preview p;
    p.Show();
    QTest::keyClick(&p.form, Qt::Key_Escape);
    QVERIFY(!p.form.isVisible());
  }

  void theCommandNeedsAChartWindow() {
    Preview p;
    QVERIFY(p.w.host.table.Action(CommandId::Preview).isEnabled());
    delete p.w.form.data();
    QVERIFY(!p.w.host.table.Action(CommandId::Preview).isEnabled());
  }
};

QTEST_MAIN(TPreviewFormTest)
#include "TPreviewFormTest.moc"
