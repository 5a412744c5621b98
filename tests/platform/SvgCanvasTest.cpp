#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QXmlStreamReader>

#include "platform/SvgCanvas.h"

namespace quobrix {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// A 200 x 100 picture at the screen resolution, drawn by `draw`; the
// document as the sink received it.
template <class Draw>
std::string Picture(Draw draw) {
  std::string document;
  SvgCanvas canvas(200, 100, 378, "chart & co.qbs", [&](std::string_view piece) {
    document.append(piece);
    return true;
  });
  draw(canvas);
  EXPECT_TRUE(canvas.Finish());
  return document;
}

bool WellFormed(const std::string& document) {
  QXmlStreamReader xml(QByteArray::fromStdString(document));
  while (!xml.atEnd()) xml.readNext();
  return !xml.hasError();
}

TEST(SvgCanvas, ShapesCoverThePixelsADesktopCanvasFills) {
  const std::string svg = Picture([](SvgCanvas& c) {
    c.Rectangle(30, 40, 10, 20);  // corners either way round, right and bottom exclusive
    c.Ellipse(10, 20, 31, 41);
    c.RoundRect(10, 20, 30, 40, 6, -4);
    c.Polygon({{1, 2}, {3, 4}, {5, 2}});
  });
  EXPECT_THAT(svg, HasSubstr(R"(<path d="M10.5 20.5h19v19h-19z" fill="#ffffff" stroke="#000000"/>)"));
  EXPECT_THAT(svg, HasSubstr(R"(<ellipse cx="20.5" cy="30.5" rx="10" ry="10")"));
  EXPECT_THAT(svg, HasSubstr(R"(<rect x="10.5" y="20.5" width="19" height="19" rx="3" ry="2")"));
  EXPECT_THAT(svg, HasSubstr(R"(<polygon fill-rule="evenodd" points="1.5,2.5 3.5,4.5 5.5,2.5")"));
  EXPECT_THAT(svg, HasSubstr(R"(viewBox="0 0 200 100")"));
  EXPECT_TRUE(WellFormed(svg)) << svg;
}

TEST(SvgCanvas, StyledPenShowsTheSolidBrushInItsGaps) {
  const std::string svg = Picture([](SvgCanvas& c) {
    c.Pen = {0x0000FF, 6, psDash, TPenMode::Copy};
    c.Brush = {0x00FF00, bsSolid};
    c.Rectangle(0, 0, 10, 10);
  });
  // The gaps first, in the brush colour, then the dashes, stretched for a
  // pen wider than three pixels.
  EXPECT_THAT(svg, HasSubstr(R"(fill="#00ff00" stroke="#00ff00" stroke-width="6" stroke-linecap="butt"/>)"));
  EXPECT_THAT(svg, HasSubstr(R"(fill="none" stroke="#ff0000" stroke-width="6" stroke-linecap="butt" )"
                             R"(stroke-dasharray="36,12"/>)"));
}

TEST(SvgCanvas, HatchedBrushIsOnePatternPerStyleAndColour) {
  const std::string svg = Picture([](SvgCanvas& c) {
    c.Brush = {0x0000FF, bsCross};
    c.Rectangle(0, 0, 10, 10);
    c.Ellipse(0, 0, 10, 10);
    c.Brush = {0x0000FF, bsClear};
    c.Rectangle(0, 0, 10, 10);
  });
  EXPECT_EQ(svg.find("<pattern id=\"h6ff0000\""), svg.rfind("<pattern "));
  EXPECT_THAT(svg, HasSubstr(R"x(fill="url(#h6ff0000)")x"));
  EXPECT_THAT(svg, HasSubstr(R"(fill="none" stroke="#000000")"));
  EXPECT_TRUE(WellFormed(svg)) << svg;
}

TEST(SvgCanvas, TextsAreEscapedUtf8OnTheirBaseline) {
  const std::string svg = Picture([](SvgCanvas& c) {
    c.Font.Color = 0x0000FF;
    c.TextOut(5, 10, "<a & \"b\">\x01");
    c.TextOut(5, 30, "\xcd\xe0\xf7\xe0\xeb\xee  two");  // "Начало", two spaces
  });
  EXPECT_THAT(svg, HasSubstr(">&lt;a &amp; &quot;b&quot;&gt;</text>"));
  EXPECT_THAT(svg, HasSubstr("xml:space=\"preserve\">Начало  two</text>"));
  EXPECT_THAT(svg, HasSubstr(R"(font-family="Arial" font-size="11" fill="#ff0000")"));
  EXPECT_THAT(svg, HasSubstr("<title>chart &amp; co.qbs</title>"));
  EXPECT_TRUE(WellFormed(svg)) << svg;
}

TEST(SvgCanvas, OnlyTextSpillingOutOfItsBoxIsClipped) {
  const std::string fits = Picture([](SvgCanvas& c) { c.DrawTextWrapped({0, 0, 200, 100}, "Step 1", taCenter); });
  EXPECT_THAT(fits, Not(HasSubstr("overflow")));
  const std::string spills = Picture([](SvgCanvas& c) {
    c.DrawTextWrapped({10, 20, 50, 30}, "words that cannot fit this box", taLeftJustify);
  });
  EXPECT_THAT(spills, HasSubstr(R"(<svg x="10" y="20" width="40" height="10" overflow="hidden">)"));
  EXPECT_THAT(spills, HasSubstr(R"(<text x="0" y=")"));
  EXPECT_TRUE(WellFormed(spills)) << spills;
}

TEST(SvgCanvas, RefusedPieceStopsTheWritingAndFinishSaysSo) {
  int pieces = 0;
  SvgCanvas canvas(200, 100, 378, "t", [&](std::string_view) { return ++pieces > 1; });
  for (int i = 0; i < 5000; ++i) canvas.Rectangle(0, 0, i, i);  // several buffers full
  EXPECT_FALSE(canvas.Finish());
  EXPECT_EQ(pieces, 1);
}

}  // namespace
}  // namespace quobrix
