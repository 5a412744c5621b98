// Lines that reach over page breaks, cut into pieces joined by off-page connectors.
#include <gtest/gtest.h>

#include "chart/wizards/PageConnectors.h"

namespace quobrix {
namespace {

PlannedBlock Line(std::int64_t x, std::int64_t y, std::int64_t h, std::uint8_t arrows = blaSimple,
                  const std::string& text = "") {
  return {btLine, x, y, 0, h, text, arrows, text.empty() ? std::uint8_t{btpInside} : std::uint8_t{btpRightSide}};
}

PlannedBlock Connector(std::int64_t x, std::int64_t top, const std::string& label) {
  return {btOffPageConnector, x - kOffPageSize / 2, top, kOffPageSize, kOffPageSize, label, blaSimple, btpInside};
}

const SheetArea kA4;  // 297 mm pages, 10 mm margins: bands 1000..28700, 30700..58400, 60400..88100

TEST(PageConnectors, LinesOnOnePageStayWhole) {
  std::vector<PlannedBlock> blocks{
      Line(0, 1000, 27000), Line(0, 31000, -300), {btRectangle, 0, 28000, 100, 3000, "", blaSimple, btpInside}};
  const std::vector<PlannedBlock> before = blocks;
  ConnectAcrossPages(blocks, kA4);
  EXPECT_EQ(blocks, before) << "a symbol is not a line, and is left to the layout";
}

// The flow runs into a connector at the bottom of the band it leaves and out
// of one at the top of the band it comes to; the label stays where the line
// starts (a decision's yes or no), the arrow where it ends.
TEST(PageConnectors, DownwardLineEndsAboveTheBreakAndGoesOnBelowIt) {
  std::vector<PlannedBlock> blocks{Line(500, 27000, 5000, blaEndArrow, "Yes")};
  ConnectAcrossPages(blocks, kA4);
  const std::vector<PlannedBlock> expected{Line(500, 27000, 28100 - 27000, blaEndArrow, "Yes"),
                                           Connector(500, 28100, "A"), Connector(500, 30700, "A"),
                                           Line(500, 31300, 32000 - 31300, blaEndArrow)};
  EXPECT_EQ(blocks, expected);
}

// A loop's return line climbs: it leaves its page at the band's top and
// comes back at the bottom of the band of the page it reaches, passing the
// pages between; each line gets a label of its own.
TEST(PageConnectors, ReturnLineClimbsOverPagesThroughOnePair) {
  std::vector<PlannedBlock> blocks{Line(-3000, 62000, 2000 - 62000), Line(0, 28000, 3000, blaEndArrow)};
  ConnectAcrossPages(blocks, kA4);
  ASSERT_EQ(blocks.size(), 8u);
  const std::vector<PlannedBlock> climb(blocks.begin(), blocks.begin() + 4);
  const std::vector<PlannedBlock> expected{Line(-3000, 62000, 61000 - 62000, blaEndArrow), Connector(-3000, 60400, "A"),
                                           Connector(-3000, 28100, "A"), Line(-3000, 28100, 2000 - 28100)};
  EXPECT_EQ(climb, expected);
  EXPECT_EQ(blocks[5].text, "B");
  EXPECT_EQ(blocks[6].text, "B");
}

TEST(PageConnectors, LabelsRunPastZ) {
  std::vector<PlannedBlock> blocks;
  for (int i = 0; i < 28; ++i) blocks.push_back(Line(i * 1000, 27000, 5000));
  ConnectAcrossPages(blocks, kA4);
  ASSERT_EQ(blocks.size(), 28u * 4);
  EXPECT_EQ(blocks[25 * 4 + 1].text, "Z");
  EXPECT_EQ(blocks[26 * 4 + 1].text, "AA");
  EXPECT_EQ(blocks[27 * 4 + 2].text, "AB");
}

}  // namespace
}  // namespace quobrix
