#include "platform/Cp1251Codec.h"

#include <gtest/gtest.h>

namespace quobrix {
namespace {

TEST(Cp1251Codec, EveryByteRoundTripsThroughUnicode) {
  for (int b = 0; b < 256; ++b) {
    const char16_t u = Cp1251ToUnicode(static_cast<unsigned char>(b));
    const auto back = UnicodeToCp1251(char32_t(u));
    ASSERT_TRUE(back.has_value()) << "byte " << b;
    EXPECT_EQ(static_cast<unsigned char>(*back), b);
  }
}

TEST(Cp1251Codec, CyrillicLettersAndPunctuationMapToTheirCodePoints) {
  EXPECT_EQ(Cp1251ToUnicode(0xC0), u'А');
  EXPECT_EQ(Cp1251ToUnicode(0xFF), u'я');
  EXPECT_EQ(Cp1251ToUnicode(0xA8), u'Ё');
  EXPECT_EQ(Cp1251ToUnicode(0xB8), u'ё');
  EXPECT_EQ(Cp1251ToUnicode(0xA6), u'¦');  // the caret mark of in-place editing
  EXPECT_EQ(Cp1251ToUnicode(0x88), u'€');
  EXPECT_EQ(Cp1251ToUnicode(0xB9), u'№');
  EXPECT_EQ(Cp1251ToUnicode(0xAA), u'Є');  // Ukrainian letters
  EXPECT_EQ(Cp1251ToUnicode(0xB3), u'і');
  EXPECT_EQ(Cp1251ToUnicode(0xBF), u'ї');
}

TEST(Cp1251Codec, TextConvertsBothWays) {
  const std::string bytes = "\xCA\xEE\xED\xE5\xF6 end";  // "Конец end"
  EXPECT_EQ(Cp1251ToUnicode(bytes), QString::fromUtf8("Конец end"));
  EXPECT_EQ(UnicodeToCp1251(QString::fromUtf8("Конец end")), bytes);
}

TEST(Cp1251Codec, CharactersOutsideTheCodePageAreRefused) {
  EXPECT_FALSE(UnicodeToCp1251(char32_t(U'ק')).has_value());
  EXPECT_FALSE(UnicodeToCp1251(QString::fromUtf8("日本")).has_value());
  EXPECT_FALSE(UnicodeToCp1251(QString::fromUtf8("a😀b")).has_value());
  EXPECT_FALSE(UnicodeToCp1251(char32_t(0xC4)).has_value());  // Ä has no place in 1251
}

}  // namespace
}  // namespace quobrix
