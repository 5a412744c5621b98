// On a display scaled to 2 the interface's drawn pictures carry twice the
// device pixels, so they are drawn sharp rather than enlarged and blurred.
#include <QApplication>
#include <QTest>

#include "platform/InterfacePicture.h"
#include "view/PropertyPictures.h"

using namespace quobrix;

class PicturesAtScaleTwoTest : public QObject {
  Q_OBJECT

 private slots:
  void theScaleIsTwo() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

  void propertyPicturesCarryTwiceThePixels() {
    for (const QPixmap& picture : {FillStylePicture(bsCross), LineStylePicture(psDash), LineWidthPicture(100)}) {
      QCOMPARE(picture.devicePixelRatio(), 2.0);
      QCOMPARE(picture.size(), kLinePictureSize * 2);
      QCOMPARE(picture.deviceIndependentSize(), QSizeF(kLinePictureSize));
    }
  }

  // A line one logical pixel wide covers two device rows fully: drawn at
  // the scale, not enlarged from one row with blurred edges.
  void aLogicalPixelIsTwoSharpDevicePixels() {
    QPixmap picture = InterfacePixmap(QSize(10, 10));
    {
      QPainter painter(&picture);
      painter.fillRect(QRect(0, 4, 10, 1), Qt::black);
    }
    const QImage image = picture.toImage();
    for (int y = 0; y < image.height(); ++y) {
      const bool inLine = y == 8 || y == 9;
      QCOMPARE(qAlpha(image.pixel(10, y)), inLine ? 255 : 0);
    }
  }
};

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  PicturesAtScaleTwoTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "PicturesAtScaleTwoTest.moc"
