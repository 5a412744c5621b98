#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/EmfCanvas.h"
#include "platform/EmfRecords.h"
#include "platform/ExternalTool.h"
#include "platform/SystemColors.h"
#include "support/TempDir.h"

namespace quobrix {
namespace {

using test::EmfRecords;
using test::RecordsOfType;

const std::string kBegin = "\xcd\xe0\xf7\xe0\xeb\xee";  // "Начало" in code page 1251

std::vector<test::EmfRecord> Draw(const std::function<void(EmfCanvas&)>& draw) {
  EmfCanvas canvas(21000, 29700, 378);
  draw(canvas);
  return EmfRecords(canvas.Finish());
}

TEST(EmfCanvas, AlikeShapesShareOnePenAndOneBrush) {
  const auto records = Draw([](EmfCanvas& c) {
    c.Rectangle(0, 0, 10, 10);
    c.Ellipse(20, 20, 30, 30);
    c.Pen.Width = 3;
    c.Rectangle(40, 40, 50, 50);
  });
  EXPECT_EQ(RecordsOfType(records, test::kEmrCreatePen).size(), 2u);
  EXPECT_EQ(RecordsOfType(records, test::kEmrCreateBrush).size(), 1u);
  EXPECT_EQ(RecordsOfType(records, test::kEmrDeleteObject).size(), 1u);  // the replaced pen
}

struct PenCase {
  TPenStyle style;
  int width;
  std::uint32_t recordedStyle;
};

class EmfCanvasPen : public ::testing::TestWithParam<PenCase> {};

TEST_P(EmfCanvasPen, RecordsStyleWidthAndColour) {
  const PenCase c = GetParam();
  const auto records = Draw([&](EmfCanvas& canvas) {
    canvas.Pen = {0x0000FF, c.width, c.style, TPenMode::Copy};
    canvas.MoveTo(0, 0);
    canvas.LineTo(10, 10);
  });
  const auto pens = RecordsOfType(records, test::kEmrCreatePen);
  ASSERT_EQ(pens.size(), 1u);
  EXPECT_EQ(pens[0].U32(12), c.recordedStyle);
  EXPECT_EQ(pens[0].I32(16), c.width);
  EXPECT_EQ(pens[0].U32(24), 0x0000FFu);
}

INSTANTIATE_TEST_SUITE_P(Styles, EmfCanvasPen,
                         ::testing::Values(PenCase{psSolid, 1, 0}, PenCase{psDash, 1, 1}, PenCase{psDot, 1, 2},
                                           PenCase{psDashDot, 1, 3}, PenCase{psDashDotDot, 1, 4},
                                           PenCase{psClear, 1, 5}, PenCase{psInsideFrame, 4, 0x10006},
                                           PenCase{psSolid, 7, 0x10000}));

struct BrushCase {
  TBrushStyle style;
  std::uint32_t recordedStyle;
  std::uint32_t hatch;
};

class EmfCanvasBrush : public ::testing::TestWithParam<BrushCase> {};

TEST_P(EmfCanvasBrush, RecordsSolidClearAndHatchedBrushes) {
  const BrushCase c = GetParam();
  const auto records = Draw([&](EmfCanvas& canvas) {
    canvas.Brush = {0x00FF00, c.style};
    canvas.Rectangle(0, 0, 10, 10);
  });
  const auto brushes = RecordsOfType(records, test::kEmrCreateBrush);
  ASSERT_EQ(brushes.size(), 1u);
  EXPECT_EQ(brushes[0].U32(12), c.recordedStyle);
  EXPECT_EQ(brushes[0].U32(16), 0x00FF00u);
  if (c.recordedStyle == 2) {
    EXPECT_EQ(brushes[0].U32(20), c.hatch);
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, EmfCanvasBrush,
                         ::testing::Values(BrushCase{bsSolid, 0, 0}, BrushCase{bsClear, 1, 0},
                                           BrushCase{bsHorizontal, 2, 0}, BrushCase{bsVertical, 2, 1},
                                           BrushCase{bsFDiagonal, 2, 2}, BrushCase{bsBDiagonal, 2, 3},
                                           BrushCase{bsCross, 2, 4}, BrushCase{bsDiagCross, 2, 5}));

TEST(EmfCanvas, SystemColoursAreRecordedAsTheColoursTheyResolveTo) {
  const auto records = Draw([](EmfCanvas& c) {
    c.Brush = {clWindow, bsSolid};
    c.Pen.Color = clBtnShadow;
    c.Rectangle(0, 0, 10, 10);
  });
  const auto colorRef = [](TColor color) {
    const QColor q = ResolveColor(color);
    return static_cast<std::uint32_t>(q.red() | q.green() << 8 | q.blue() << 16);
  };
  EXPECT_EQ(RecordsOfType(records, test::kEmrCreateBrush).at(0).U32(16), colorRef(clWindow));
  EXPECT_EQ(RecordsOfType(records, test::kEmrCreatePen).at(0).U32(24), colorRef(clBtnShadow));
}

TEST(EmfCanvas, TextIsUnicodeWithAdvancesThatAddUpToItsMeasuredWidth) {
  int width = 0;
  const auto records = Draw([&](EmfCanvas& c) {
    c.Font.SetSize(12);
    width = c.TextWidth(kBegin);
    c.TextOut(5, 6, kBegin);
  });
  const auto texts = RecordsOfType(records, test::kEmrExtTextOutW);
  ASSERT_EQ(texts.size(), 1u);
  const auto t = test::ReadText(texts[0]);
  EXPECT_EQ(t.text, u"Начало");
  EXPECT_EQ(t.x, 5);
  EXPECT_EQ(t.y, 6);
  int sum = 0;
  for (int a : t.advances) sum += a;
  EXPECT_GT(width, 0);
  EXPECT_EQ(sum, width);
  const auto fonts = RecordsOfType(records, test::kEmrCreateFont);
  ASSERT_EQ(fonts.size(), 1u);
  EXPECT_EQ(fonts[0].I32(12), -16);  // 12 points at 96 pixels per inch
  EXPECT_EQ(fonts[0].Utf16(40, 5), u"Arial");
}

TEST(EmfCanvas, WrappedTextIsClippedToItsBoxLineByLine) {
  std::vector<test::EmfText> lines;
  int lineHeight = 0;
  const TRect box{10, 20, 10 + 60, 20 + 200};
  const auto records = Draw([&](EmfCanvas& c) {
    lineHeight = c.TextHeight("x");
    c.DrawTextWrapped(box, "one two three four five six", taLeftJustify);
  });
  for (const auto& r : RecordsOfType(records, test::kEmrExtTextOutW)) lines.push_back(test::ReadText(r));
  ASSERT_GE(lines.size(), 2u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].options, EmfWriter::ETO_CLIPPED);
    EXPECT_EQ(lines[i].clip[0], box.left);
    EXPECT_EQ(lines[i].clip[3], box.bottom);
    EXPECT_EQ(lines[i].x, box.left);
    EXPECT_EQ(lines[i].y, box.top + static_cast<int>(i) * lineHeight);
  }
}

TEST(EmfCanvas, LinesBelowTheClipBoxAreLeftOut) {
  const auto records = Draw([](EmfCanvas& c) {
    const int lineHeight = c.TextHeight("x");
    c.DrawTextWrapped({0, 0, 500, lineHeight + 1}, "a\r\nb\r\nc", taCenter);
  });
  EXPECT_EQ(RecordsOfType(records, test::kEmrExtTextOutW).size(), 2u);
}

TEST(EmfCanvas, InvertedPixelIsDrawnInNotModeAndTheCopyModeComesBack) {
  const auto records = Draw([](EmfCanvas& c) {
    c.InvertPixel(3, 4);
    c.MoveTo(0, 0);
    c.LineTo(5, 5);
  });
  const auto modes = RecordsOfType(records, test::kEmrSetRop2);
  ASSERT_EQ(modes.size(), 2u);
  EXPECT_EQ(modes[0].U32(8), 6u);   // not
  EXPECT_EQ(modes[1].U32(8), 13u);  // copy pen
}

constexpr std::uint32_t kEmrSetBkMode = 18, kEmrSetBkColor = 25, kOpaque = 2, kTransparent = 1;

// The background mode in force when each record of `type` is played.
std::vector<std::uint32_t> BackgroundModesAt(const std::vector<test::EmfRecord>& records, std::uint32_t type) {
  std::vector<std::uint32_t> modes;
  std::uint32_t mode = 0;
  for (const auto& r : records) {
    if (r.type == kEmrSetBkMode) mode = r.U32(8);
    if (r.type == type) modes.push_back(mode);
  }
  return modes;
}

TEST(EmfCanvas, DashGapsShowASolidBrushColourAndStayClearOtherwiseAndBehindText) {
  const auto records = Draw([](EmfCanvas& c) {
    c.Pen = {clBlack, 1, psDash, TPenMode::Copy};
    c.Brush = {0x0000FF, bsSolid};
    c.MoveTo(0, 0);
    c.LineTo(50, 0);
    c.TextOut(0, 10, "a");
    c.Brush.Style = bsCross;
    c.Rectangle(0, 20, 50, 40);
    c.Pen.Style = psSolid;
    c.Brush.Style = bsSolid;
    c.Rectangle(0, 50, 50, 70);
  });
  EXPECT_THAT(BackgroundModesAt(records, test::kEmrLineTo), ::testing::ElementsAre(kOpaque));
  EXPECT_THAT(BackgroundModesAt(records, test::kEmrExtTextOutW), ::testing::ElementsAre(kTransparent));
  EXPECT_THAT(BackgroundModesAt(records, test::kEmrRectangle), ::testing::ElementsAre(kTransparent, kTransparent));
  const auto colours = RecordsOfType(records, kEmrSetBkColor);
  ASSERT_EQ(colours.size(), 1u);
  EXPECT_EQ(colours[0].U32(8), 0x0000FFu);
}

// Every kind of shape and a Cyrillic text, for the outside readers.
std::string SampleMetafile(std::int64_t frameWidth, std::int64_t frameHeight) {
  EmfCanvas c(frameWidth, frameHeight, 378);
  c.Brush = {0xE0FFFF, bsSolid};
  c.Rectangle(37, 37, 300, 150);
  c.Brush = {0x00C000, bsCross};
  c.RoundRect(37, 200, 300, 300, 20, 20);
  c.Pen = {0xFF0000, 3, psSolid, TPenMode::Copy};
  c.Brush = {0x0000FF, bsSolid};
  c.Ellipse(350, 37, 550, 150);
  c.Pen = {clBlack, 1, psDash, TPenMode::Copy};
  c.Brush = {0xFFFF00, bsSolid};
  c.Polygon({{350, 300}, {450, 200}, {550, 300}});
  c.MoveTo(37, 350);
  c.LineTo(550, 350);
  c.Font.SetSize(14);
  c.TextOut(50, 60, kBegin);
  c.DrawTextWrapped({350, 160, 450, 200}, "\xea\xee\xed\xe5\xf6 \xf6\xe8\xea\xeb\xe0", taCenter);  // "конец цикла"
  return c.Finish();
}

TEST(EmfCanvasReaders, Emf2SvgReadsTheShapesAndTheCyrillicText) {
  if (!test::HaveTool("emf2svg-conv")) GTEST_SKIP() << "emf2svg-conv is not installed";
  test::TempDir dir;
  test::WriteBytes(dir.File("sample.emf"), SampleMetafile(21000, 29700));
  ASSERT_TRUE(test::RunTool("emf2svg-conv -i " + test::Quoted(dir.File("sample.emf")) + " -o " +
                            test::Quoted(dir.File("sample.svg"))));
  const std::string svg = test::ReadBytes(dir.File("sample.svg"));
  EXPECT_NE(svg.find("Начало"), std::string::npos);
  EXPECT_NE(svg.find("конец"), std::string::npos);
  EXPECT_NE(svg.find("width=\"793"), std::string::npos);
  EXPECT_NE(svg.find("rx=\"20"), std::string::npos) << "rounded rectangle";
  EXPECT_NE(svg.find("<ellipse"), std::string::npos);
  EXPECT_NE(svg.find("stroke=\"#0000FF\" stroke-width=\"3"), std::string::npos) << "blue pen of the ellipse";
  EXPECT_NE(svg.find("M 350.0000,300.0000 L 450.0000,200.0000 L 550.0000,300.0000 Z"), std::string::npos);
  EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos) << "dashed line";
}

// LibreOffice places the picture on a drawing page in its own size, in
// hundredths of a millimetre, shrinking only what does not fit the page.
std::string LibreOfficePictureBox(std::int64_t frameWidth, std::int64_t frameHeight, std::string* svg) {
  test::TempDir dir;
  test::WriteBytes(dir.File("sample.emf"), SampleMetafile(frameWidth, frameHeight));
  test::ConvertWithLibreOffice(dir.File("sample.emf"), "svg", dir.Path().string());
  *svg = test::ReadBytes(dir.File("sample.svg"));
  const std::size_t box = svg->find("class=\"BoundingBox\"");
  return box == std::string::npos ? std::string() : svg->substr(box, svg->find("/>", box) - box);
}

TEST(EmfCanvasReaders, LibreOfficeShowsTheFrameSizeAndTheText) {
  if (!test::HaveTool("soffice")) GTEST_SKIP() << "LibreOffice is not installed";
  std::string svg;
  const std::string box = LibreOfficePictureBox(15000, 10000, &svg);
  ASSERT_FALSE(svg.empty()) << "LibreOffice wrote no SVG";
  // The frame is inclusive of its far edge; readers differ by that one unit.
  EXPECT_THAT(box, ::testing::ContainsRegex("width=\"1500[01]\" height=\"1000[01]\"")) << box;
  EXPECT_NE(svg.find("Начало"), std::string::npos);
  EXPECT_NE(svg.find("конец"), std::string::npos);
}

}  // namespace
}  // namespace quobrix
