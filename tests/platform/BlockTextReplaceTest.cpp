#include "platform/BlockTextReplace.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/Cp1251Codec.h"

namespace quobrix {
namespace {

struct Case {
  const char* what;
  TextReplaceRule rule;
  const char* text;      // UTF-8
  const char* replaced;  // UTF-8; the text itself when nothing matches
};

TextReplaceRule Plain(const char* find, const char* replacement, bool wholeWord = false, bool matchCase = true) {
  return {QString::fromUtf8(find), QString::fromUtf8(replacement), wholeWord, matchCase, false};
}

TextReplaceRule Expression(const char* find, const char* replacement, bool wholeWord = false) {
  return {QString::fromUtf8(find), QString::fromUtf8(replacement), wholeWord, true, true};
}

const Case kCases[] = {
    {"a piece inside a word", Plain("нец", "*"), "Конец", "Ко*"},
    {"every occurrence", Plain("ab", "-"), "abcabab", "-c--"},
    {"a plain piece's signs are no expression", Plain("a+b.", "$1\\1"), "a+b. aab!", "$1\\1 aab!"},
    {"capitals told apart", Plain("ДА", "нет"), "да Да ДА", "да Да нет"},
    {"capitals alike in any alphabet", Plain("да", "нет", false, false), "да Да ДА Ёж", "нет нет нет Ёж"},
    {"ё and Ё are one letter without case", Plain("ё", "е", false, false), "Ёлка ёж", "елка еж"},
    {"whole word at the text's edges", Plain("x", "y", true), "x", "y"},
    {"whole word next to punctuation", Plain("x", "y", true), "x:=x1+(x)*x_2-x;", "y:=x1+(y)*x_2-y;"},
    {"whole word in any alphabet", Plain("да", "ДА", true), "да, дальше; иди-да", "ДА, дальше; иди-ДА"},
    {"whole word at line ends", Plain("i", "j", true), "i\r\ni+1\r\nfi", "j\r\nj+1\r\nfi"},
    {"a word piece is no word", Plain("i", "j", true), "if in", "if in"},
    {"whole word of a piece that is no word", Plain("(x)", "y", true), "f (x) g(x) (x)_", "f y g(x) (x)_"},
    {"a piece across lines", Plain("1\r\nb", "1 b"), "a := 1\r\nb := 2", "a := 1 b := 2"},
    {"groups in the replacement", Expression("(\\w+) := (\\d+)", "\\2 =: \\1"), "x := 1\r\nyy := 22",
     "1 =: x\r\n22 =: yy"},
    {"the whole match, a backslash and a line break", Expression("\\d+", "<\\0\\\\>\\n"), "a1b", "a<1\\>\r\nb"},
    {"an unknown escape is kept", Expression("a", "\\t\\"), "a", "\\t\\"},
    {"a group that took no part is empty", Expression("(x)?y", "[\\1]"), "y xy", "[] [x]"},
    {"^ at every line", Expression("^a", "X"), "a\r\nab\nba", "X\r\nXb\nba"},
    {"$ before the line break", Expression("a$", "X"), "ba\r\nca", "bX\r\ncX"},
    {"the dot stops at a line break", Expression("x.*", "X"), "x1\r\nx2", "X\r\nX"},
    {"whole word around an expression", Expression("x|y", "z", true), "x xy y", "z xy z"},
    {"an empty piece matches nothing", Plain("", "z"), "abc", "abc"},
};

TEST(BlockTextReplace, MatchingRules) {
  for (const Case& c : kCases) {
    const TextReplacer replacer(c.rule);
    ASSERT_TRUE(replacer.Valid()) << c.what;
    const QString text = QString::fromUtf8(c.text);
    const QString expected = QString::fromUtf8(c.replaced);
    EXPECT_EQ(replacer.Replaced(text).toStdString(), expected.toStdString()) << c.what;
    EXPECT_EQ(replacer.Matches(text), expected != text) << c.what;
  }
}

TEST(BlockTextReplace, BrokenExpressionsSayWhereAndMatchNothing) {
  for (const char* find : {"(a", "a)(b", "[x", "x{2,1}", "*a"}) {
    const TextReplacer replacer(Expression(find, "z", true));
    EXPECT_FALSE(replacer.Valid()) << find;
    EXPECT_FALSE(replacer.Error().isEmpty()) << find;
    EXPECT_GE(replacer.ErrorColumn(), 1) << find;
    EXPECT_LE(replacer.ErrorColumn(), std::strlen(find) + 1) << find;
    EXPECT_FALSE(replacer.Matches(QString::fromUtf8(find))) << find;
    EXPECT_EQ(replacer.Replaced(QStringLiteral("a)(b")), QStringLiteral("a)(b")) << find;
  }
  EXPECT_EQ(TextReplacer(Expression("ab(", "")).ErrorColumn(), 4);
  // The same text as a plain piece is fine.
  EXPECT_TRUE(TextReplacer(Plain("(a", "z")).Valid());
}

// A plain piece is replaced as QString::replace does, whatever the piece and the text hold.
TEST(BlockTextReplace, PlainPiecesReplaceLikeStringReplace) {
  const QString alphabet = QString::fromUtf8("aAбБ.*(\\$ \r\n");
  std::mt19937 random(29);
  auto pick = [&](int longest) {
    QString s;
    for (int n = std::uniform_int_distribution(0, longest)(random); n > 0; --n)
      s += alphabet[std::uniform_int_distribution<qsizetype>(0, alphabet.size() - 1)(random)];
    return s;
  };
  for (int i = 0; i < 3000; ++i) {
    const QString text = pick(12);
    QString find = pick(3);
    if (find.isEmpty()) find = QStringLiteral("a");
    const QString replacement = pick(3);
    const bool matchCase = i % 2 == 0;
    const TextReplacer replacer({find, replacement, false, matchCase, false});
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    ASSERT_EQ(replacer.Replaced(text), QString(text).replace(find, replacement, cs))
        << text.toStdString() << " / " << find.toStdString();
    ASSERT_EQ(replacer.Matches(text), text.contains(find, cs)) << text.toStdString() << " / " << find.toStdString();
  }
}

class BlockTextsOfAChart : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* text : {"Конец", "x := 1\r\ny := 2", "нец", "прочее"}) {
      const std::int64_t n = chart.AddDefaultBlock(btRectangle, 0, 0, 1000, 800);
      chart.Blocks(n).Text = *UnicodeToCp1251(QString::fromUtf8(text));
    }
  }
  BlocksHolderModel chart;
};

TEST_F(BlockTextsOfAChart, MatchingBlocksComeInTheChartsOrder) {
  EXPECT_EQ(MatchingBlocks(chart, TextReplacer(Plain("нец", ""))), (std::vector<std::int64_t>{1, 3}));
  EXPECT_TRUE(MatchingBlocks(chart, TextReplacer(Plain("НЕЦ", ""))).empty());
  EXPECT_EQ(MatchingBlocks(chart, TextReplacer(Plain("НЕЦ", "", false, false))), (std::vector<std::int64_t>{1, 3}));
  EXPECT_EQ(MatchingBlocks(chart, TextReplacer(Expression("^y", ""))), std::vector<std::int64_t>{2});
  EXPECT_TRUE(MatchingBlocks(chart, TextReplacer(Plain("", ""))).empty());
}

TEST_F(BlockTextsOfAChart, ReplacedTextsAreInTheCodePageOrNone) {
  const auto texts = ReplacedTexts(chart, {1, 3}, TextReplacer(Plain("нец", "ёж №1")));
  ASSERT_TRUE(texts);
  EXPECT_EQ(*texts, (BlocksHolderModel::BlockTexts{{1, *UnicodeToCp1251(QString::fromUtf8("Коёж №1"))},
                                                   {3, *UnicodeToCp1251(QString::fromUtf8("ёж №1"))}}));
  // The chart is left alone.
  EXPECT_EQ(Cp1251ToUnicode(chart.Blocks(1).Text), QString::fromUtf8("Конец"));
  for (const char* outside : {"→", "漢", "😀"})
    EXPECT_FALSE(ReplacedTexts(chart, {1, 3}, TextReplacer(Plain("нец", outside)))) << outside;
}

}  // namespace
}  // namespace quobrix
