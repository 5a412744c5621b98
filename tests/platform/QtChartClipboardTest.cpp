#include <gtest/gtest.h>

#include <QImage>

#include "chart/BlocksHolderModel.h"
#include "platform/QtChartClipboard.h"

namespace quobrix {
namespace {

bool HasInkIn(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) != QColor(Qt::white)) return true;
  return false;
}

class QtClipboardContents : public ::testing::Test {
 protected:
  BlocksHolderModel chart;

  void SetUp() override {
    chart.AddDefaultBlock(btRectangle, 1000, 2000, 2000, 1000);
    chart.AddDefaultBlock(btLine, 6000, 3000, -1500, 800);
  }
  ClipboardContents CopyOf(std::int64_t n) { return chart.ClipboardContentsOf(chart.Blocks(n)); }
};

TEST_F(QtClipboardContents, OfferTheFragmentABitmapAtThreeTimesTheScreenAndAMetafile) {
  const ClipboardContents contents = CopyOf(1);
  const auto data = ClipboardMimeData(contents);

  EXPECT_EQ(data->data(kFragmentMimeType).toStdString(), contents.Fragment);
  const QImage image = qvariant_cast<QImage>(data->imageData());
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(2000 * 1134 / 10000 + 5, 1000 * 1134 / 10000 + 5));
  // The block's border runs along the picture's top-left edges; inside it is white.
  EXPECT_EQ(image.pixelColor(0, 50), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::white));
  EXPECT_EQ(QImage::fromData(data->data(kPngMimeType), "PNG").size(), image.size());
  for (const char* type : kEmfMimeTypes) {
    const QByteArray emf = data->data(type);
    ASSERT_GT(emf.size(), 44) << type;
    EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF")) << type;
  }
}

TEST_F(QtClipboardContents, ALineDrawnLeftwardsStaysInsideItsBitmap) {
  const auto data = ClipboardMimeData(CopyOf(2));
  const QImage image = qvariant_cast<QImage>(data->imageData());
  ASSERT_FALSE(image.isNull());
  // The line runs from the top-right corner to the bottom-left one, 5 pixels to spare.
  const int w = image.width() - 5, h = image.height() - 5;
  EXPECT_TRUE(HasInkIn(image, QRect(w - 8, 0, 8, 8)));
  EXPECT_TRUE(HasInkIn(image, QRect(0, h - 8, 8, 8)));
  EXPECT_FALSE(HasInkIn(image, QRect(0, 0, 8, 8)));
  EXPECT_FALSE(HasInkIn(image, QRect(w - 8, h - 8, 8, 8)));
}

TEST_F(QtClipboardContents, APictureThatCannotBeMadeIsLeftOutAndTheRestGoesOn) {
  ClipboardContents contents = CopyOf(1);
  contents.Bitmap.Width = 1'000'000;
  contents.Bitmap.Height = 1'000'000;
  const auto data = ClipboardMimeData(contents);
  EXPECT_FALSE(data->hasImage());
  EXPECT_FALSE(data->hasFormat(kPngMimeType));
  EXPECT_TRUE(data->hasFormat(kEmfMimeTypes[1]));
  EXPECT_EQ(data->data(kFragmentMimeType).toStdString(), contents.Fragment);
}

TEST(QtClipboardFragment, IsReadOnlyFromItsOwnTypeAndEndsAtAZero) {
  EXPECT_FALSE(FragmentFrom(nullptr));
  QMimeData foreign;
  foreign.setText("[Quobrix Sheme v.1.0]");
  EXPECT_FALSE(FragmentFrom(&foreign));
  QMimeData terminated;
  terminated.setData(kFragmentMimeType, QByteArray("[a]\r\n\0junk", 10));
  EXPECT_EQ(FragmentFrom(&terminated), "[a]\r\n");
}

}  // namespace
}  // namespace quobrix
