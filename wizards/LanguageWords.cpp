#include "wizards/LanguageWords.h"

#include "platform/Cp1251Codec.h"

namespace quobrix {

std::string LanguageWord(TextKey key) { return UnicodeToCp1251(LanguageText(key)).value_or(std::string{}); }

CodeChartWords CodeChartWordsOfLanguage() {
  return {LanguageWord(TextKey::WIZARD_BEGIN),  LanguageWord(TextKey::WIZARD_END), LanguageWord(TextKey::WIZARD_INPUT),
          LanguageWord(TextKey::WIZARD_OUTPUT), LanguageWord(TextKey::WIZARD_YES), LanguageWord(TextKey::WIZARD_NO)};
}

}  // namespace quobrix
