// Keyboard editing of the chart canvas through real key events.
#include <QTest>

#include "support/NoticeLog.h"
#include "support/ViewFixture.h"

using namespace quobrix;

namespace {

void Type(QWidget& w, const char* utf8) {
  QTest::sendKeyEvent(QTest::KeyAction::Click, &w, Qt::Key_unknown, QString::fromUtf8(utf8), Qt::NoModifier);
}

}  // namespace

class TBlocksHolderKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void typingEntersTextAtTheCaretInTheChartCodePage() {
    test::ViewFixture f;
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    f.model().SetActiveBlock(1);
    f.model().SetModified(false);
    f.model().TextCaretPos() = 1;
    Type(f.bh(), "ж");
    Type(f.bh(), "a");
    QCOMPARE(f.model().Blocks(1).Text, std::string("\xE6" "a"));
    QCOMPARE(int(f.model().TextCaretPos()), 3);
    QVERIFY(f.model().FModified());  // so closing asks to save the typed text
  }

  void aStretchOfTypingIsOneUndoPointUntilAPress() {
    test::ViewFixture f(590, 400, 1000);
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 3000, 2000);
    f.model().SetActiveBlock(1);
    f.model().TextCaretPos() = 1;
    for (const char* ch : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) Type(f.bh(), ch);
    QTest::keyClick(&f.bh(), Qt::Key_Backspace);
    QCOMPARE(f.model().History().FUndoCount(), 1);
    QTest::mouseClick(&f.bh(), Qt::LeftButton, {}, QPoint(200, 150));
    Type(f.bh(), "x");
    QCOMPARE(f.model().Blocks(1).Text, std::string("012345678x"));
    QCOMPARE(f.model().History().FUndoCount(), 2);
    f.model().Undo();
    QCOMPARE(f.model().Blocks(1).Text, std::string("012345678"));
    f.model().Undo();
    QCOMPARE(f.model().Blocks(1).Text, std::string());
  }

  void charactersOutsideTheCodePageAreRefused() {
    test::ViewFixture f;
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    f.model().SetActiveBlock(1);
    f.model().TextCaretPos() = 1;
    Type(f.bh(), "日");
    QCOMPARE(f.model().Blocks(1).Text, std::string());
    QCOMPARE(int(f.model().TextCaretPos()), 1);
  }

  void enterBackspaceDeleteAndArrowsWorkOnLineBreakPairs() {
    test::ViewFixture f;
    f.model().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);
    f.model().SetActiveBlock(1);
    f.model().Blocks(1).Text = "ab";
    f.model().TextCaretPos() = 3;
    QTest::keyClick(&f.bh(), Qt::Key_Return);
    Type(f.bh(), "c");
    Type(f.bh(), "d");
    QCOMPARE(f.model().Blocks(1).Text, std::string("ab\r\ncd"));
    QTest::keyClick(&f.bh(), Qt::Key_Left);
    QTest::keyClick(&f.bh(), Qt::Key_Left);
    QCOMPARE(int(f.model().TextCaretPos()), 5);
    QTest::keyClick(&f.bh(), Qt::Key_Left);
    QCOMPARE(int(f.model().TextCaretPos()), 3);
    QTest::keyClick(&f.bh(), Qt::Key_Delete);
    QCOMPARE(f.model().Blocks(1).Text, std::string("abcd"));
    QTest::keyClick(&f.bh(), Qt::Key_Backspace);
    QCOMPARE(f.model().Blocks(1).Text, std::string("acd"));
  }

  void keypadZoomStepsStayWithinTheirBounds_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::newRow("plus at 995") << int(Qt::Key_Plus) << qint64(995) << qint64(1005);
    QTest::newRow("plus at 1000") << int(Qt::Key_Plus) << qint64(1000) << qint64(1000);
    QTest::newRow("minus at 15") << int(Qt::Key_Minus) << qint64(15) << qint64(5);
    QTest::newRow("minus at 10") << int(Qt::Key_Minus) << qint64(10) << qint64(10);
  }
  void keypadZoomStepsStayWithinTheirBounds() {
    QFETCH(int, key);
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    test::ViewFixture f;
    f.model().SetZoomPercents(from);
    QTest::keyClick(&f.bh(), Qt::Key(key), Qt::KeypadModifier);
    QCOMPARE(f.model().ZoomPercents(), to);
  }

  void escapeDropsTheSelectionAndDissolvesAMultiSelection() {
    test::ViewFixture f;
    auto& m = f.model();
    m.AddDefaultBlock(btRectangle, 0, 0, 1000, 1000);
    m.AddDefaultBlock(btRectangle, 2000, 0, 1000, 1000);
    m.MakeMultiSelection(0, 0, 3000, 1000, {1, 2});
    std::int64_t notified = -1;
    const auto watch = test::OnActiveBlockChanged(m, [&](std::int64_t n) { notified = n; });
    QTest::keyClick(&f.bh(), Qt::Key_Escape);
    QCOMPARE(m.ActiveBlock(), qint64(0));
    QCOMPARE(m.BlockCount(), qint64(2));
    QCOMPARE(notified, qint64(0));
  }

  void keysDoNothingWhileViewOnly() {
    test::ViewFixture f;
    f.model().AddDefaultBlock(btRectangle, 0, 0, 1000, 1000);
    f.model().SetViewOnly(true);
    f.model().SetZoomPercents(100);
    QTest::keyClick(&f.bh(), Qt::Key_Plus, Qt::KeypadModifier);
    Type(f.bh(), "a");
    QCOMPARE(f.model().ZoomPercents(), qint64(100));
    QCOMPARE(f.model().Blocks(1).Text, std::string());
  }
};

QTEST_MAIN(TBlocksHolderKeysTest)
#include "TBlocksHolderKeysTest.moc"
