// The pictures of property values that the format menus and the inspector
// show, the values as the user types and reads them, and the picture menus.
#include <QAction>
#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QTest>

#include "view/ActiveChart.h"
#include "view/AppContext.h"
#include "view/THolderForm.h"
#include "view/CommandTable.h"
#include "view/MenuBuilder.h"
#include "view/PictureMenuStyle.h"
#include "view/PropertyPictures.h"
#include "view/PropertyValues.h"

using namespace quobrix;

namespace {

bool Dark(QRgb pixel) { return qGray(pixel) < 96; }

int DarkInColumn(const QImage& image, int x) {
  int dark = 0;
  for (int y = 1; y < image.height() - 1; ++y) dark += Dark(image.pixel(x, y));
  return dark;
}

// Dark pixels off the line's own rows, within `from`..`to` across.
int MarksBeside(const QImage& image, int from, int to) {
  const int middle = image.height() / 2;
  int dark = 0;
  for (int x = from; x < to; ++x)
    for (int y = 2; y < image.height() - 2; ++y)
      if (std::abs(y - middle) > 1) dark += Dark(image.pixel(x, y));
  return dark;
}

QImage Image(const QPixmap& picture) { return picture.toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

class PropertyPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  // The inspector offers 0.01 mm, then 0.1 to 0.9 mm, then 1 to 10 mm.
  void inspectorWidthsByListItem_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<qint64>("width");
    QTest::newRow("first item, thinnest line") << 0 << qint64(1);
    QTest::newRow("0.1 mm") << 1 << qint64(10);
    QTest::newRow("0.9 mm") << 9 << qint64(90);
    QTest::newRow("1 mm") << 10 << qint64(100);
    QTest::newRow("10 mm") << 19 << qint64(1000);
    QTest::newRow("no item chosen") << -1 << qint64(1);
    QTest::newRow("beyond the list") << 20 << qint64(1);
  }
  void inspectorWidthsByListItem() {
    QFETCH(int, index);
    QFETCH(qint64, width);
    QCOMPARE(InspectorWidth(index), width);
  }

  void typedMillimetres_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<qint64>("hundredths");
    QTest::newRow("whole number") << "12" << true << qint64(1200);
    QTest::newRow("signed") << "-7" << true << qint64(-700);
    QTest::newRow("surrounding blanks") << " 3 " << true << qint64(300);
    QTest::newRow("letters") << "abc" << false << qint64(0);
    QTest::newRow("fraction") << "1.5" << false << qint64(0);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("largest a chart holds") << "92233720368547758" << true << qint64(9223372036854775800);
    QTest::newRow("would overflow") << "92233720368547759" << false << qint64(0);
    QTest::newRow("beyond 64 bits") << "99999999999999999999" << false << qint64(0);
    QTest::newRow("most negative that fits") << "-92233720368547758" << true << qint64(-9223372036854775800);
  }
  void typedMillimetres() {
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    QFETCH(qint64, hundredths);
    const auto value = ParseMillimetres(typed);
    QCOMPARE(value.has_value(), taken);
    if (taken) QCOMPARE(*value, hundredths);
  }

  void widthsReadAsMillimetres() {
    const QString point = QLocale().decimalPoint();
    QCOMPARE(WidthText(50), QStringLiteral("0") + point + u'5');
    QCOMPARE(WidthText(1), QStringLiteral("0") + point + QStringLiteral("01"));
    QCOMPARE(WidthText(125), QStringLiteral("1") + point + QStringLiteral("25"));
    QCOMPARE(WidthText(1000), QStringLiteral("10"));
    QCOMPARE(WidthText(-50), QStringLiteral("-0") + point + u'5');
    QVERIFY(WidthText(std::numeric_limits<std::int64_t>::min()).startsWith(u'-'));
    QCOMPARE(MillimetreText(1299), QStringLiteral("12"));
    QCOMPARE(MillimetreText(-1299), QStringLiteral("-12"));
  }

  void everyValueHasAPictureOfItsOwn() {
    std::vector<QImage> ends;
    for (int code = blaSimple; code <= blaBothFilledArrows; ++code)
      ends.push_back(Image(LineEndsPicture(static_cast<TBlocksLineArrows>(code))));
    for (std::size_t a = 0; a < ends.size(); ++a)
      for (std::size_t b = a + 1; b < ends.size(); ++b) QVERIFY2(ends[a] != ends[b], qPrintable(QString::number(a)));
    std::vector<QImage> fills;
    for (int style = bsSolid; style <= bsDiagCross; ++style)
      fills.push_back(Image(FillStylePicture(static_cast<TBrushStyle>(style))));
    for (std::size_t a = 0; a < fills.size(); ++a)
      for (std::size_t b = a + 1; b < fills.size(); ++b) QVERIFY(fills[a] != fills[b]);
    for (int style = psSolid; style < psDashDot; ++style)
      QVERIFY(Image(LineStylePicture(static_cast<TPenStyle>(style))) !=
              Image(LineStylePicture(static_cast<TPenStyle>(style + 1))));
    QVERIFY(Image(TextAlignPicture(taLeftJustify)) != Image(TextAlignPicture(taRightJustify)));
    QVERIFY(Image(TextPlacementPicture(btpUnder)) != Image(TextPlacementPicture(btpRightSide)));
  }

  // An arrow at the end sits at the line's right end, one at the start at its left.
  void marksSitAtTheEndTheyName() {
    const QImage end = Image(LineEndsPicture(blaEndArrow));
    const QImage start = Image(LineEndsPicture(blaEndArrow2));
    const int w = end.width();
    QVERIFY(MarksBeside(end, w - 20, w - 2) > 0);
    QCOMPARE(MarksBeside(end, 2, 20), 0);
    QVERIFY(MarksBeside(start, 2, 20) > 0);
    QCOMPARE(MarksBeside(start, w - 20, w - 2), 0);
    QCOMPARE(MarksBeside(Image(LineEndsPicture(blaSimple)), 2, w - 2), 0);
  }

  void widerLinesLookWider() {
    const int at = 12;  // left of every label
    const int hair = DarkInColumn(Image(LineWidthPicture(1)), at);
    const int one = DarkInColumn(Image(LineWidthPicture(100)), at);
    const int two = DarkInColumn(Image(LineWidthPicture(200)), at);
    const int five = DarkInColumn(Image(LineWidthPicture(500)), at);
    QCOMPARE(hair, 1);
    QVERIFY(hair < one && one < two && two < five);
  }

  void clearFillLeavesTheSymbolEmpty() {
    const QImage clear = Image(FillStylePicture(bsClear));
    const QImage solid = Image(FillStylePicture(bsSolid));
    const QPoint inside(clear.width() / 2, clear.height() / 2);
    QCOMPARE(QColor(clear.pixel(inside)), QColor(Qt::white));
    QVERIFY(Dark(solid.pixel(inside)));
  }

  // The menus show the same pictures as the inspector, one per tag.
  void commandItemsCarryThePictureOfTheirTag() {
    AppContext context;
    ActiveChart active;
    CommandTable commands(active, context.Clipboard());
    QCOMPARE(commands.Action(CommandId::LineEnds, blaEndArrow).icon().pixmap(kLinePictureSize).toImage(),
             LineEndsPicture(blaEndArrow).toImage());
    QCOMPARE(commands.Action(CommandId::DefaultLineWidth, 500).icon().pixmap(kLinePictureSize).toImage(),
             LineWidthPicture(500).toImage());
    QVERIFY(commands.Action(CommandId::TextAlign, taRightJustify).text() == QStringLiteral("По правому краю"));
    QVERIFY(!commands.Action(CommandId::LineEnds, blaEndArrow).text().trimmed().isEmpty());
    QVERIFY(commands.Action(CommandId::SheetColor).icon().isNull());
  }

  // Each item is its picture, 15 pixels in, on the highlight colour when
  // selected and on the button face otherwise.
  void pictureMenusDrawTheirItemsAsPictures() {
    AppContext context;
    ActiveChart active;
    CommandTable commands(active, context.Clipboard());
    QWidget holder;
    QMenu bar(&holder);
    AddMenuItem(bar, FormatMenu(false), commands);
    auto* ends = bar.findChild<QMenu*>(QStringLiteral("mLineArrows"));
    QVERIFY(ends && qobject_cast<PictureMenuStyle*>(ends->style()));
    QVERIFY(!qobject_cast<PictureMenuStyle*>(bar.findChild<QMenu*>(QStringLiteral("mFormat"))->style()));
    // Only an enabled item can be selected.
    for (QAction* item : ends->actions()) item->setEnabled(true);
    ends->show();
    QAction* second = ends->actions().at(1);
    QCOMPARE(ends->actionGeometry(second).height(), kLinePictureSize.height() + 2);
    ends->setActiveAction(second);
    const QImage shot = ends->grab().toImage();
    const QRect item = ends->actionGeometry(second);
    const QRect plain = ends->actionGeometry(ends->actions().at(0));
    QCOMPARE(QColor(shot.pixel(item.left() + 5, item.top() + 5)), ends->palette().color(QPalette::Highlight));
    QCOMPARE(QColor(shot.pixel(plain.left() + 5, plain.top() + 5)), ends->palette().color(QPalette::Button));
    // The picture's grey edge starts 15 pixels in, at the item's top.
    QCOMPARE(QColor(shot.pixel(item.left() + 15, item.top() + 5)), QColor(0xA0, 0xA0, 0xA0));
    QVERIFY(QColor(shot.pixel(item.left() + 14, item.top() + 5)) != QColor(0xA0, 0xA0, 0xA0));
    QCOMPARE(QColor(shot.pixel(item.left() + 15, item.top())), QColor(0xA0, 0xA0, 0xA0));
    ends->hide();
  }

  // QUOBRIX_PICTURE_SHEET=path.png writes every picture on one sheet to look at.
  void sheetOfPicturesForTheEye() {
    const QString path = qEnvironmentVariable("QUOBRIX_PICTURE_SHEET");
    if (path.isEmpty()) QSKIP("no sheet asked for");
    std::vector<std::vector<QPixmap>> columns(5);
    for (int v = 0; v <= bsDiagCross; ++v) columns[0].push_back(FillStylePicture(static_cast<TBrushStyle>(v)));
    for (int v = 0; v <= psDashDot; ++v) columns[0].push_back(LineStylePicture(static_cast<TPenStyle>(v)));
    for (int i = 0; i < kInspectorWidthCount; ++i) columns[1].push_back(LineWidthPicture(InspectorWidth(i)));
    for (int v = 0; v <= blaBothFilledArrows; ++v)
      columns[2].push_back(LineEndsPicture(static_cast<TBlocksLineArrows>(v)));
    for (int v = 0; v <= taCenter; ++v) columns[3].push_back(TextAlignPicture(static_cast<TAlignment>(v)));
    for (int v = 0; v <= btpRightSide; ++v)
      columns[4].push_back(TextPlacementPicture(static_cast<TBlockTextPlacement>(v)));
    QImage sheet(5 * 80, 20 * 22, QImage::Format_RGB32);
    sheet.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter painter(&sheet);
    for (std::size_t c = 0; c < columns.size(); ++c)
      for (std::size_t r = 0; r < columns[c].size(); ++r)
        painter.drawPixmap(static_cast<int>(c) * 80 + 4, static_cast<int>(r) * 22 + 2, columns[c][r]);
    painter.end();
    QVERIFY(sheet.scaled(sheet.size() * 3).save(path));
  }
};

QTEST_MAIN(PropertyPicturesTest)
#include "PropertyPicturesTest.moc"
