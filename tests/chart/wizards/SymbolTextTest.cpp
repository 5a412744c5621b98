// Symbol sizes for their texts and the page bands symbols are kept in.
#include <gtest/gtest.h>

#include "CodeChartTestSupport.h"
#include "chart/wizards/SheetBands.h"
#include "chart/wizards/SymbolText.h"

namespace quobrix::test {
namespace {

TextMetrics TenPoints() {
  TBlockFont font;
  font.SetSize(10);
  return MetricsOf(font);
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines{""};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      lines.emplace_back();
      ++i;
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

TEST(SymbolText, MetricsFollowTheFontSize) {
  const TextMetrics ten = TenPoints();
  EXPECT_EQ(ten.em, 352);  // 10 pt = 10/72 inch = 352.7 hundredths of a millimetre
  EXPECT_EQ(ten.lineHeight, 422);
  EXPECT_EQ(ten.margin, 106);  // 4 pixels at 378 pixels per 100 mm
  TBlockFont large;
  large.SetSize(20);
  EXPECT_EQ(MetricsOf(large).em, 705);
}

TEST(SymbolText, NarrowLettersMeasureNarrowerAndCyrillicLikeLatin) {
  const TextMetrics m = TenPoints();
  EXPECT_LT(TextWidth("iiii", m), TextWidth("WWWW", m) / 2);
  EXPECT_EQ(TextWidth("", m), 0);
  EXPECT_NEAR(double(TextWidth(Cp("Сумма"), m)), double(TextWidth("Cymma", m)), 150.0);
  EXPECT_GT(TextWidth(Cp("Ш"), m), TextWidth(Cp("ш"), m));
}

TEST(SymbolText, AShortTextKeepsTheSmallestSizeAndStandsInTheMiddle) {
  const FittedSymbol fitted = FitSymbol(btRectangle, {"a := 1"}, {5000, 1500}, TenPoints());
  EXPECT_EQ(fitted.width, 5000);
  EXPECT_EQ(fitted.height, 1600);  // rounded up to whole even millimetres
  EXPECT_EQ(fitted.text, "\r\na := 1");
  EXPECT_EQ(FitSymbol(btRectangle, {"a", "b", "c"}, {5000, 1500}, TenPoints()).text, "a\r\nb\r\nc");
  EXPECT_EQ(FitSymbol(btRectangle, {"a"}, {5000, 3000}, TenPoints()).text, "\r\n\r\n\r\na");
}

TEST(SymbolText, ALongerTextWidensTheSymbolUpToTwiceItsWidth) {
  const TextMetrics m = TenPoints();
  const std::string line = "total := total + price * count - discount";
  const FittedSymbol fitted = FitSymbol(btRectangle, {line}, {5000, 1500}, m);
  EXPECT_GT(fitted.width, 5000);
  EXPECT_LT(fitted.width, 10000);
  EXPECT_GE(fitted.width - 2 * m.margin, TextWidth(line, m));
  EXPECT_EQ(fitted.width % 200, 0);
  // The slanted sides of a diamond leave less room for the same text.
  EXPECT_GT(FitSymbol(btLogicIf, {line}, {5000, 1500}, m).width, fitted.width);
  EXPECT_GT(FitSymbol(btSRectangle, {line}, {5000, 1500}, m).width, fitted.width);
}

TEST(SymbolText, TextWiderThanTwiceTheSymbolWrapsBetweenWords) {
  const TextMetrics m = TenPoints();
  std::string line;
  for (int i = 0; i < 30; ++i) line += "term" + std::to_string(i) + " + ";
  line += "end";
  const FittedSymbol fitted = FitSymbol(btRectangle, {line}, {5000, 1500}, m);
  EXPECT_EQ(fitted.width, 10000);
  const std::vector<std::string> lines = LinesOf(fitted.text);
  ASSERT_GT(lines.size(), 2u);
  std::string joined;
  for (const std::string& wrapped : lines) {
    EXPECT_LE(TextWidth(wrapped, m), fitted.width - 2 * m.margin) << wrapped;
    if (!wrapped.empty()) joined += (joined.empty() ? "" : " ") + wrapped;
  }
  EXPECT_EQ(joined, line) << "wrapping loses or changes nothing";
  EXPECT_GE(fitted.height, static_cast<std::int64_t>(lines.size()) * m.lineHeight + 2 * m.margin);
}

TEST(SheetBands, SymbolsMoveBelowAPageBreakOrMarginThatWouldCutThem) {
  const SheetArea a4;  // 297 mm pages, 10 mm margins: bands 1000..28700, 30700..58400 ...
  EXPECT_EQ(FitOnPage(27000, 1600, a4), 27000);
  EXPECT_EQ(FitOnPage(27200, 1600, a4), 32300) << "crosses the bottom margin";
  EXPECT_EQ(FitOnPage(29000, 1600, a4), 32300) << "stands in the gap between pages";
  EXPECT_EQ(FitOnPage(30000, 1600, a4), 32300) << "starts in the top margin";
  EXPECT_EQ(FitOnPage(31000, 1600, a4), 32300) << "leaves no room above it for an off-page connector";
  EXPECT_EQ(FitOnPage(27000, 1600, a4, 1000), 32300) << "would be parted from what follows it";
  EXPECT_EQ(FitOnPage(27000, 1600, a4, 30000), 27000) << "nothing could keep that much with it";
  EXPECT_EQ(FitOnPage(27000, 28000, a4), 27000) << "taller than a band";
  EXPECT_EQ(PageOf(-1, a4), -1);
  EXPECT_EQ(PageOf(29700, a4), 1);
}

// Lines meet where a line leaving them over a page break can end in an
// off-page connector on the page they are on.
TEST(SheetBands, JoinsKeepRoomForOffPageConnectors) {
  const SheetArea sheet = WithOffPageRoom(SheetArea{});  // bands 1000..27900, 30700..57600 ...
  EXPECT_EQ(FitJoin(27900, sheet), 27900);
  EXPECT_EQ(FitJoin(28000, sheet), 32300) << "too near the page break";
  EXPECT_EQ(FitJoin(30000, sheet), 32300) << "in the top margin";
  EXPECT_EQ(FitJoin(31000, sheet), 32300) << "too near the band's top";
  EXPECT_EQ(FitJoin(32300, sheet), 32300);
}

}  // namespace
}  // namespace quobrix::test
