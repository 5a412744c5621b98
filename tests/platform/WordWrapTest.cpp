#include <gtest/gtest.h>

#include "platform/WordWrap.h"

namespace quobrix {
namespace {

struct WrapCase {
  const char* name;
  std::string text;
  int width;  // in characters: every character measures 1
  std::vector<std::string> lines;
};

class WordWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WordWrap, BreaksAtLineBreaksAndBetweenWords) {
  const WrapCase& c = GetParam();
  EXPECT_EQ(WrapWords(c.text, c.width, [](const std::string& s) { return static_cast<int>(s.size()); }), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, WordWrap,
                         ::testing::Values(WrapCase{"fits", "ab cd", 5, {"ab cd"}},
                                           WrapCase{"wraps", "ab cd ef", 5, {"ab cd", "ef"}},
                                           WrapCase{"long_word_alone", "abcdefgh ij", 4, {"abcdefgh", "ij"}},
                                           WrapCase{"crlf", "ab\r\ncd", 10, {"ab", "cd"}},
                                           WrapCase{"lf_and_cr", "a\nb\rc", 10, {"a", "b", "c"}},
                                           WrapCase{"empty_lines_kept", "a\r\n\r\nb", 10, {"a", "", "b"}},
                                           WrapCase{"empty", "", 10, {""}},
                                           WrapCase{"spaces_at_break_dropped", "ab   cd", 3, {"ab", "cd"}}),
                         [](const ::testing::TestParamInfo<WrapCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quobrix
