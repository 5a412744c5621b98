#include <gtest/gtest.h>

#include "chart/BlockType.h"

namespace quobrix {
namespace {

TEST(BlockRecord, StaysSmallForChartsOfAMillionBlocks) {
  // Beside its heap texts, each block of a loaded chart costs its record.
  EXPECT_LE(sizeof(TBlock), 184u);
}

TEST(BlockRecord, HyperlinkIsCopiedWithTheBlockAndReadsAsText) {
  TBlock original;
  EXPECT_TRUE(original.Hyperlink.empty());
  EXPECT_EQ(original.Hyperlink.str(), "");
  original.Hyperlink = "http://example.org/";
  TBlock copy = original;
  copy.Hyperlink = std::string("file:///other");
  EXPECT_EQ(original.Hyperlink.str(), "http://example.org/");
  EXPECT_EQ(static_cast<const std::string&>(copy.Hyperlink), "file:///other");
  copy = original;
  EXPECT_EQ(copy.Hyperlink, original.Hyperlink);
  copy.Hyperlink = "";
  EXPECT_TRUE(copy.Hyperlink.empty());
  TBlock moved = std::move(original);
  EXPECT_EQ(moved.Hyperlink.str(), "http://example.org/");
}

}  // namespace
}  // namespace quobrix
