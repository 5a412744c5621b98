// UTF-8 is read strictly, and code page 1251 maps to Unicode and back.
#include <gtest/gtest.h>

#include "chart/Cp1251.h"
#include "chart/Utf8.h"

namespace quobrix {
namespace {

TEST(Utf8, ReadsEveryLengthAndRefusesWhatIsNotUtf8) {
  const std::pair<const char*, char32_t> good[] = {
      {"A", U'A'}, {"\xD0\xB6", U'ж'}, {"\xE2\x89\xA4", U'≤'}, {"\xF0\x9F\x98\x80", U'\U0001F600'}};
  for (const auto& [text, expected] : good) {
    std::size_t at = 0;
    EXPECT_EQ(NextUtf8(text, at), expected);
    EXPECT_EQ(at, std::string_view(text).size());
    std::string written;
    AppendUtf8(written, expected);
    EXPECT_EQ(written, text);
  }
  const char* bad[] = {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xD0", "\xD0\x41", "\x80",
                       "\xFF"};
  for (const char* text : bad) {
    std::size_t at = 0;
    EXPECT_EQ(NextUtf8(text, at), std::nullopt) << text;
    EXPECT_EQ(at, 0u);
  }
}

TEST(Cp1251, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
  EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xA8\xB9"), "АяЁ№");
  EXPECT_EQ(Utf8ToCp1251("≤"), std::nullopt);
  EXPECT_EQ(Utf8ToCp1251("\xD0"), std::nullopt);
}

}  // namespace
}  // namespace quobrix
