// In-place text editing at the 1-based caret, line breaks as CR LF pairs.
#include "chart/TextCaretEditing.h"

#include <gtest/gtest.h>

#include "chart/BlocksHolderModel.h"

namespace quobrix {
namespace {

TEST(TextCaret, StepsOverLineBreakPairs) {
  const std::string text = "ab\r\ncd";
  std::uint16_t caret = 5;
  CaretLeft(text, caret);
  EXPECT_EQ(caret, 3);
  CaretRight(text, caret);
  EXPECT_EQ(caret, 5);
  caret = 1;
  CaretLeft(text, caret);
  EXPECT_EQ(caret, 1);
  caret = 7;
  CaretRight(text, caret);
  EXPECT_EQ(caret, 7);
}

TEST(TextCaret, BackspaceAndDeleteRemoveLineBreakPairsWhole) {
  std::string text = "ab\r\ncd";
  std::uint16_t caret = 5;
  DeleteBeforeCaret(text, caret);
  EXPECT_EQ(text, "abcd");
  EXPECT_EQ(caret, 3);
  text = "ab\r\ncd";
  caret = 3;
  DeleteAtCaret(text, caret);
  EXPECT_EQ(text, "abcd");
  EXPECT_EQ(caret, 3);
}

TEST(TextCaret, EnterThenTypingBuildsTheNextLine) {
  std::string text = "ab";
  std::uint16_t caret = 3;
  InsertLineBreakAtCaret(text, caret);
  InsertAtCaret(text, caret, 'c');
  EXPECT_EQ(text, "ab\r\nc");
  EXPECT_EQ(caret, 6);
}

TEST(TextCaret, EditsAtTheEndsChangeNothing) {
  std::string text = "ab";
  std::uint16_t caret = 1;
  DeleteBeforeCaret(text, caret);
  EXPECT_EQ(text, "ab");
  caret = 3;
  DeleteAtCaret(text, caret);
  EXPECT_EQ(text, "ab");
  EXPECT_EQ(caret, 3);
}

TEST(TextCaret, ACaretLeftBeyondTheTextIsBroughtBack) {
  std::string text = "ab";
  std::uint16_t caret = 40;  // set by a longer text in another chart window
  InsertAtCaret(text, caret, 'c');
  EXPECT_EQ(text, "abc");
  EXPECT_EQ(caret, 4);
  caret = 0;  // the start value before any block was pressed
  InsertAtCaret(text, caret, 'x');
  EXPECT_EQ(text, "xabc");
}

TEST(TypingIntoTheChart, GoesToTheActiveBlockAndMarksTheChartModified) {
  BlocksHolderModel chart;
  chart.AddDefaultBlock(btRectangle, 0, 0, 1000, 1000);
  chart.SetModified(false);
  chart.TextCaretPos() = 1;
  EXPECT_FALSE(chart.InsertTextAtCaret('a'));
  EXPECT_FALSE(chart.EditTextAtCaret(BlocksHolderModel::TextKey::LineBreak));
  EXPECT_FALSE(chart.FModified());

  chart.SetActiveBlock(1);
  EXPECT_TRUE(chart.InsertTextAtCaret('a'));
  EXPECT_TRUE(chart.EditTextAtCaret(BlocksHolderModel::TextKey::LineBreak));
  EXPECT_TRUE(chart.InsertTextAtCaret('b'));
  EXPECT_TRUE(chart.EditTextAtCaret(BlocksHolderModel::TextKey::Backspace));
  EXPECT_EQ(chart.Blocks(1).Text, "a\r\n");
  EXPECT_TRUE(chart.FModified());
  // Without a key to tie them, each key is an undo step of its own.
  EXPECT_EQ(chart.History().FUndoCount(), 4);
}

// Two charts open side by side: typing into one moves only its own caret.
TEST(TypingIntoTheChart, EachChartTypesAtItsOwnCaret) {
  BlocksHolderModel first, second;
  for (BlocksHolderModel* chart : {&first, &second}) {
    chart->AddDefaultBlock(btRectangle, 0, 0, 1000, 1000);
    chart->SetActiveBlock(1);
    chart->SetBlockText("ab");
  }
  first.TextCaretPos() = 1;
  ASSERT_TRUE(first.InsertTextAtCaret('x'));
  ASSERT_TRUE(second.InsertTextAtCaret('y'));
  EXPECT_EQ(first.Blocks(1).Text, "xab");
  EXPECT_EQ(second.Blocks(1).Text, "aby");
  EXPECT_EQ(first.TextCaretPos(), 2);
  EXPECT_EQ(second.TextCaretPos(), 4);
}

}  // namespace
}  // namespace quobrix
