#include <QApplication>
#include <QPalette>
#include <QTest>
#include <functional>

#include "platform/SystemColors.h"
#include "view/TVRulerWnd2.h"

using quobrix::TRulerKind;
using quobrix::TVRulerWnd2;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    count += event->type() == QEvent::Paint;
    return false;
  }
};

using Setter = std::function<void(TVRulerWnd2&)>;

}  // namespace

class TVRulerWnd2Test : public QObject {
  Q_OBJECT

 private slots:
  void constructorValues() {
    TVRulerWnd2 r;
    QCOMPARE(r.Kind(), TRulerKind::Horizontal);
    QCOMPARE(r.Precition(), 5);
    QCOMPARE(r.DigitsLenght(), 0);
    QCOMPARE(r.Di(), 10);
    QCOMPARE(r.Flat(), false);
    QCOMPARE(r.Transparent(), false);
    QCOMPARE(r.Stretch(), false);
    QCOMPARE(r.Zoom(), 100);
    QCOMPARE(r.StartNumber(), 0);
    QCOMPARE(r.TraceMouse(), false);
  }

  void publishedPropertiesByName() {
    TVRulerWnd2 r;
    r.setObjectName("HorzRuler");
    QVERIFY(r.setProperty("Precition", 30));
    QVERIFY(r.setProperty("Zoom", 50));
    QVERIFY(r.setProperty("Kind", QVariant::fromValue(TRulerKind::Vertical)));
    QCOMPARE(r.Precition(), 30);
    QCOMPARE(r.Zoom(), 50);
    QCOMPARE(r.Kind(), TRulerKind::Vertical);
    // Stored window layouts hold the kind as its number.
    QVERIFY(r.setProperty("Kind", 0));
    QCOMPARE(r.Kind(), TRulerKind::Horizontal);
    QCOMPARE(r.property("Kind").toInt(), 0);
    for (const char* name : {"Kind", "Precition", "DigitsLenght", "Di", "Flat", "Transparent", "Stretch", "Zoom",
                             "StartNumber", "TraceMouse"})
      QVERIFY2(r.metaObject()->indexOfProperty(name) >= 0, name);
  }

  void repaintRules_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<bool>("repaints");
    QTest::newRow("same Precition") << Setter([](TVRulerWnd2& r) { r.SetPrecition(r.Precition()); }) << false;
    QTest::newRow("new Precition") << Setter([](TVRulerWnd2& r) { r.SetPrecition(7); }) << true;
    QTest::newRow("same Kind") << Setter([](TVRulerWnd2& r) { r.SetKind(r.Kind()); }) << false;
    QTest::newRow("same Di") << Setter([](TVRulerWnd2& r) { r.SetDi(r.Di()); }) << false;
    QTest::newRow("same Flat") << Setter([](TVRulerWnd2& r) { r.SetFlat(r.Flat()); }) << false;
    QTest::newRow("same Transparent") << Setter([](TVRulerWnd2& r) { r.SetTransparent(false); }) << false;
    QTest::newRow("same Stretch") << Setter([](TVRulerWnd2& r) { r.SetStretch(false); }) << false;
    QTest::newRow("same Zoom") << Setter([](TVRulerWnd2& r) { r.SetZoom(r.Zoom()); }) << true;
    QTest::newRow("same StartNumber") << Setter([](TVRulerWnd2& r) { r.SetStartNumber(0); }) << true;
    QTest::newRow("same TraceMouse") << Setter([](TVRulerWnd2& r) { r.SetTraceMouse(false); }) << true;
    QTest::newRow("same DigitsLenght") << Setter([](TVRulerWnd2& r) { r.SetDigitsLenght(0); }) << true;
  }

  void repaintRules() {
    QFETCH(Setter, set);
    QFETCH(bool, repaints);
    TVRulerWnd2 r;
    r.resize(200, 24);
    r.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r));
    PaintCounter counter;
    r.installEventFilter(&counter);
    QTRY_COMPARE(counter.count, 0);
    set(r);
    if (repaints) {
      QTRY_VERIFY(counter.count > 0);
    } else {
      QTest::qWait(50);
      QCOMPARE(counter.count, 0);
    }
  }

  void stretchSizesToParentOnce() {
    QWidget parent;
    parent.resize(300, 200);
    auto* r = new TVRulerWnd2(&parent);
    r->resize(10, 10);
    r->SetStretch(true);
    QCOMPARE(r->size(), QSize(300, 200));
    parent.resize(400, 250);
    r->SetStretch(false);
    QCOMPARE(r->size(), QSize(300, 200));
  }

  void paintsTicksInButtonColours() {
    TVRulerWnd2 r;
    r.resize(200, 24);
    r.SetFlat(true);
    r.SetPrecition(30);
    r.SetDigitsLenght(100);
    const QImage image = r.grab().toImage();
    QCOMPARE(image.pixel(30, 18), quobrix::ResolveColor(quobrix::clBtnShadow).rgb());
    QCOMPARE(image.pixel(31, 18), quobrix::ResolveColor(quobrix::clBtnHighlight).rgb());
    QCOMPARE(image.pixel(35, 18), quobrix::ResolveColor(quobrix::clBtnFace).rgb());
  }

  void transparentRulerShowsItsParent() {
    QWidget parent;
    parent.resize(200, 40);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::red);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    auto* r = new TVRulerWnd2(&parent);
    r->setGeometry(0, 0, 200, 24);
    r->SetTransparent(true);
    r->SetPrecition(30);
    r->SetDigitsLenght(100);
    const QImage image = parent.grab().toImage();
    QCOMPARE(image.pixel(5, 5), QColor(Qt::red).rgb());
    QCOMPARE(image.pixel(30, 18), quobrix::ResolveColor(quobrix::clBtnShadow).rgb());
  }
};

QTEST_MAIN(TVRulerWnd2Test)
#include "TVRulerWnd2Test.moc"
