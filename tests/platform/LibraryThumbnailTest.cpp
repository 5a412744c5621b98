// Thumbnails and icons of the user library: the picture keeps its aspect,
// centred, and the icon sits in its frame.
#include <gtest/gtest.h>

#include <QImage>
#include <list>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartClipboard.h"
#include "platform/LibraryThumbnail.h"
#include "platform/SystemColors.h"
#include "platform/UserLibraryFiles.h"

namespace quobrix {
namespace {

const QSize kThumb(kThumbnailSize, kThumbnailSize);

QImage Filled(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// A picture of w x h pixels that is red all over: a red rectangle one pixel
// larger on every side, at one chart unit per pixel.
ClipboardPicture RedPicture(int w, int h) {
  static std::list<TBlock> blocks;
  TBlock& block = blocks.emplace_back();
  block.BT = btRectangle;
  block.X = block.Y = -1;
  block.W = w + 2;
  block.H = h + 2;
  block.BC = block.MC = 0x0000FF;
  ClipboardPicture picture;
  picture.Width = w;
  picture.Height = h;
  picture.Resolution = 10000;
  picture.Block = &block;
  return picture;
}

TEST(LibraryThumbnail, TheLongerSideFillsTheThumbnailAndTheShorterIsCentred) {
  EXPECT_EQ(FittedRect(300, 100, kThumb), QRect(0, 40, 120, 40));
  EXPECT_EQ(FittedRect(100, 300, kThumb), QRect(40, 0, 40, 120));
  EXPECT_EQ(FittedRect(57, 57, kThumb), QRect(0, 0, 120, 120));
}

TEST(LibraryThumbnail, ScaledSidesRoundHalvesToEven) {
  EXPECT_EQ(FittedRect(80, 3, kThumb), QRect(0, 58, 120, 4));  // 4.5
  EXPECT_EQ(FittedRect(80, 5, kThumb), QRect(0, 56, 120, 8));  // 7.5
  EXPECT_EQ(FittedRect(3, 80, kThumb), QRect(58, 0, 4, 120));
}

TEST(LibraryThumbnail, AWidePictureIsAsWideAsTheThumbnailAndCentredVertically) {
  const QImage thumbnail = ThumbnailOf(RedPicture(600, 200));
  ASSERT_EQ(thumbnail.size(), kThumb);
  for (int x : {0, 60, 119}) {
    EXPECT_EQ(thumbnail.pixelColor(x, 60), QColor(Qt::red)) << x;
    EXPECT_EQ(thumbnail.pixelColor(x, 5), QColor(Qt::white)) << x;
    EXPECT_EQ(thumbnail.pixelColor(x, 114), QColor(Qt::white)) << x;
  }
}

TEST(LibraryThumbnail, ASquarePictureFillsTheThumbnail) {
  const QImage thumbnail = ThumbnailOf(RedPicture(30, 30));
  for (QPoint p : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 119), QPoint(119, 119)})
    EXPECT_EQ(thumbnail.pixelColor(p), QColor(Qt::red)) << p.x() << "," << p.y();
}

TEST(LibraryThumbnail, TheIconIsFramedInButtonShadowAroundTheShiftedThumbnail) {
  const QImage icon = IconOf(Filled(120, 120, Qt::red), 40);
  ASSERT_EQ(icon.size(), QSize(40, 40));
  const QRgb frame = ResolveColor(clBtnShadow).rgb();
  for (QPoint p : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 39), QPoint(39, 39), QPoint(20, 0), QPoint(39, 20)})
    EXPECT_EQ(icon.pixel(p), frame) << p.x() << "," << p.y();
  EXPECT_EQ(icon.pixelColor(1, 1), QColor(Qt::white));  // the shift leaves the first row and column
  EXPECT_EQ(icon.pixelColor(2, 2), QColor(Qt::red));
  EXPECT_EQ(icon.pixelColor(38, 38), QColor(Qt::red));
}

// The darkest red value in column 60 above the thumbnail's middle, where a
// wide block's top edge runs.
int DarkestAboveTheMiddle(const QImage& thumbnail) {
  int darkest = 255;
  for (int y = 0; y < 60; ++y) darkest = std::min(darkest, qRed(thumbnail.pixel(60, y)));
  return darkest;
}

// Drawn at the thumbnail's size, a block's one-pixel outline stays a black
// line instead of fading away when shrunk; a block of many metres still
// shows its outline.
TEST(LibraryThumbnail, BlockOutlinesStayVisible) {
  BlocksHolderModel chart;
  chart.AddDefaultBlock(btRectangle, 0, 0, 20000, 10000);
  chart.AddDefaultBlock(btRectangle, 0, 0, 5'000'000, 2'500'000);
  const QImage thumbnail = ThumbnailOfBlock(chart, chart.Blocks(1));
  EXPECT_EQ(DarkestAboveTheMiddle(thumbnail), 0);
  EXPECT_EQ(qRed(thumbnail.pixel(60, 60)), 255);
  EXPECT_LT(DarkestAboveTheMiddle(ThumbnailOfBlock(chart, chart.Blocks(2))), 224);
}

}  // namespace
}  // namespace quobrix
