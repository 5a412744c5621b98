#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <functional>

#include "platform/QPainterCanvas.h"
#include "platform/SystemColors.h"

namespace quobrix {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF, kBlack = 0xFF000000, kRed = 0xFFFF0000;

QImage Paint(const std::function<void(QPainterCanvas&)>& draw, int size = 60, int dpi = 96) {
  QImage image(size, size, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(dpi / 0.0254));
  image.setDotsPerMeterY(qRound(dpi / 0.0254));
  image.fill(Qt::white);
  QPainter painter(&image);
  QPainterCanvas canvas(painter);
  canvas.Pen = TPen{clBlack, 1, psSolid};
  canvas.Brush = TBrush{clWhite, bsClear};
  draw(canvas);
  return image;
}

int CountPixels(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
  return n;
}

TEST(QPainterCanvas, RectangleRightAndBottomAreExclusive) {
  for (auto corners : {std::array{2, 3, 7, 9}, std::array{7, 9, 2, 3}}) {
    const QImage image = Paint([&](Canvas& c) { c.Rectangle(corners[0], corners[1], corners[2], corners[3]); });
    EXPECT_EQ(image.pixel(2, 3), kBlack);
    EXPECT_EQ(image.pixel(6, 8), kBlack);
    EXPECT_EQ(image.pixel(7, 8), kWhite);
    EXPECT_EQ(image.pixel(6, 9), kWhite);
    EXPECT_EQ(image.pixel(4, 5), kWhite);
  }
}

TEST(QPainterCanvas, SolidBrushFillsTheInsideOfShapes) {
  const QImage image = Paint([](Canvas& c) {
    c.Brush = TBrush{0x0000FF, bsSolid};
    c.Ellipse(0, 0, 40, 40);
  });
  EXPECT_EQ(image.pixel(20, 20), kRed);
  EXPECT_EQ(image.pixel(1, 1), kWhite);
}

TEST(QPainterCanvas, PolygonFillsByTheEvenOddRule) {
  // A pentagram: its centre is crossed twice and stays unfilled.
  const QImage image = Paint([](Canvas& c) {
    c.Brush = TBrush{0x0000FF, bsSolid};
    c.Polygon({{30, 2}, {48, 56}, {2, 22}, {58, 22}, {12, 56}});
  });
  EXPECT_EQ(image.pixel(30, 32), kWhite);
  EXPECT_EQ(image.pixel(30, 12), kRed);
}

TEST(QPainterCanvas, DashGapsTakeTheBrushColourOnlyWhenTheBrushIsSolid) {
  auto dashed = [](TBrushStyle style) {
    return Paint([=](Canvas& c) {
      c.Pen.Style = psDash;
      c.Brush = TBrush{0x0000FF, style};
      c.MoveTo(0, 5);
      c.LineTo(59, 5);
    });
  };
  const QImage solid = dashed(bsSolid), clear = dashed(bsClear);
  EXPECT_EQ(solid.pixel(2, 5), kBlack);
  EXPECT_EQ(solid.pixel(20, 5), kRed);  // dashes are 18 pixels on, 6 off
  EXPECT_EQ(clear.pixel(2, 5), kBlack);
  EXPECT_EQ(clear.pixel(20, 5), kWhite);
}

TEST(QPainterCanvas, HatchedBrushLeavesTheBackgroundBetweenItsLines) {
  const QImage image = Paint([](Canvas& c) {
    c.Pen.Style = psClear;
    c.Brush = TBrush{0x0000FF, bsHorizontal};
    c.Rectangle(0, 0, 40, 40);
  });
  EXPECT_GT(CountPixels(image, kRed), 40);
  EXPECT_GT(CountPixels(image, kWhite), 40 * 40 / 2);
}

TEST(QPainterCanvas, ZeroLengthStrokeIsARoundDotAsWideAsThePen) {
  const QImage image = Paint([](Canvas& c) {
    c.Pen = TPen{0x0000FF, 12, psDash};
    c.MoveTo(20, 20);
    c.LineTo(20, 20);
  });
  EXPECT_EQ(image.pixel(20, 20), kRed);
  EXPECT_EQ(image.pixel(25, 20), kRed);
  EXPECT_EQ(image.pixel(25, 25), kWhite);
}

TEST(QPainterCanvas, InvertingPenAndInvertPixelUndoThemselves) {
  const QImage once = Paint([](Canvas& c) {
    c.Pen.Mode = TPenMode::Xor;
    c.MoveTo(0, 3);
    c.LineTo(10, 3);
    c.InvertPixel(30, 30);
  });
  EXPECT_EQ(once.pixel(5, 3), kBlack);
  EXPECT_EQ(once.pixel(30, 30), kBlack);
  const QImage twice = Paint([](Canvas& c) {
    c.Pen = TPen{0x0000FF, 1, psSolid, TPenMode::Xor};
    for (int i = 0; i < 2; ++i) {
      c.MoveTo(0, 3);
      c.LineTo(10, 3);
      c.InvertPixel(30, 30);
    }
  });
  EXPECT_EQ(CountPixels(twice, kWhite), 60 * 60);
}

TEST(QPainterCanvas, SystemColoursComeFromThePalette) {
  EXPECT_EQ(ResolveColor(clBtnFace), QGuiApplication::palette().color(QPalette::Active, QPalette::Button));
  EXPECT_EQ(ResolveColor(clBtnShadow), QGuiApplication::palette().color(QPalette::Active, QPalette::Dark));
  EXPECT_EQ(ResolveColor(0x00336699), QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(ResolveColor(clSystemColor | 999), QColor(Qt::black));
}

TEST(QPainterCanvas, FontPointsScaleWithTheDeviceResolution) {
  int screen = 0, printer = 0;
  Paint(
      [&](Canvas& c) {
        c.Font.SetSize(10);
        screen = c.TextHeight("ABC");
      },
      60, 96);
  Paint(
      [&](Canvas& c) {
        c.Font.SetSize(10);
        printer = c.TextHeight("ABC");
      },
      60, 600);
  EXPECT_NEAR(double(printer) / screen, 600.0 / 96, 0.5);
}

TEST(QPainterCanvas, AmpersandIsDrawnAsACharacter) {
  const QImage image = Paint([](Canvas& c) {
    c.Font.SetSize(20);
    c.DrawTextWrapped({0, 0, 60, 60}, "&", taLeftJustify);
  });
  EXPECT_GT(CountPixels(image, kWhite), 0);
  EXPECT_LT(CountPixels(image, kWhite), 60 * 60);
}

TEST(QPainterCanvas, TextIsDrawnInTheFontColour) {
  const QImage image = Paint([](Canvas& c) {
    c.Font.SetSize(30);
    c.Font.Color = 0x0000FF;
    c.TextOut(0, 0, "\xC6");  // a Cyrillic letter of code page 1251
  });
  EXPECT_GT(CountPixels(image, kRed), 10);
  EXPECT_EQ(CountPixels(image, kBlack), 0);
}

TEST(QPainterCanvas, WrappedTextStaysInsideItsRectangle) {
  const QImage image = Paint([](Canvas& c) {
    c.Font.SetSize(12);
    c.DrawTextWrapped({10, 10, 30, 30}, "wide words that never fit here", taCenter);
  });
  const QImage inside = image.copy(10, 10, 20, 20);
  EXPECT_EQ(CountPixels(image, kWhite) - CountPixels(inside, kWhite), 60 * 60 - 20 * 20);
  EXPECT_LT(CountPixels(inside, kWhite), 20 * 20);
}

}  // namespace
}  // namespace quobrix
