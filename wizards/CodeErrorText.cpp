#include "wizards/CodeErrorText.h"

#include <array>

#include "platform/LanguageTable.h"

namespace quobrix {

namespace {

QString Token(const std::string& utf8) { return LanguageText(TextKey::CODE_TOKEN).arg(QString::fromStdString(utf8)); }

QString Found(const std::string& found) {
  if (found.empty()) return LanguageText(TextKey::CODE_END_OF_TEXT);
  if (found == "\n") return LanguageText(TextKey::CODE_END_OF_LINE);
  return Token(found);
}

QString Character(const std::string& found) { return Found(found) + QString::fromStdString(CodePointName(found)); }

// In the order of CodeExpected, after Tokens.
TextKey PhraseOf(CodeExpected expected) {
  static constexpr std::array kPhrases = {TextKey::CODE_EXPECT_OPERAND,           TextKey::CODE_EXPECT_OPERATOR,
                                          TextKey::CODE_EXPECT_EXPRESSION,        TextKey::CODE_EXPECT_CONDITION,
                                          TextKey::CODE_EXPECT_STATEMENT,         TextKey::CODE_EXPECT_INDENTED_BLOCK,
                                          TextKey::CODE_EXPECT_LINE_END,          TextKey::CODE_EXPECT_PROGRAM_NAME,
                                          TextKey::CODE_EXPECT_ROUTINE_NAME,      TextKey::CODE_EXPECT_FUNCTION_NAME,
                                          TextKey::CODE_EXPECT_PARAMETER_NAME,    TextKey::CODE_EXPECT_FIELD_NAME,
                                          TextKey::CODE_EXPECT_ATTRIBUTE_NAME,    TextKey::CODE_EXPECT_RESULT_TYPE,
                                          TextKey::CODE_EXPECT_LOOP_VARIABLE,     TextKey::CODE_EXPECT_LOOP_RANGE,
                                          TextKey::CODE_EXPECT_CASE_LABEL,        TextKey::CODE_EXPECT_CHARACTER_CODE,
                                          TextKey::CODE_EXPECT_EXPRESSION_BEFORE, TextKey::CODE_EXPECT_EXPRESSION_AFTER,
                                          TextKey::CODE_EXPECT_VARIABLE_BEFORE};
  static_assert(kPhrases.size() == static_cast<std::size_t>(CodeExpected::VariableBefore));
  return kPhrases.at(static_cast<std::size_t>(expected) - 1);
}

QString Expected(const CodeError& error) {
  QString tokens;
  for (const std::string& token : error.tokens)
    tokens = tokens.isEmpty() ? Token(token) : LanguageText(TextKey::CODE_OR).arg(tokens, Token(token));
  if (error.expected == CodeExpected::Tokens) return tokens;
  const QString& phrase = LanguageText(PhraseOf(error.expected));
  return tokens.isEmpty() ? phrase : phrase.arg(tokens);
}

QString What(const CodeError& error) {
  switch (error.kind) {
    case CodeErrorKind::NotUtf8:
      return LanguageText(TextKey::CODE_NOT_UTF8);
    case CodeErrorKind::OutsideCodePage:
      return LanguageText(TextKey::CODE_OUTSIDE_CODE_PAGE).arg(Character(error.found));
    case CodeErrorKind::UnexpectedCharacter:
      return LanguageText(TextKey::CODE_UNEXPECTED_CHARACTER).arg(Character(error.found));
    case CodeErrorKind::UnclosedString:
      return LanguageText(TextKey::CODE_UNCLOSED_STRING);
    case CodeErrorKind::UnclosedComment:
      return LanguageText(TextKey::CODE_UNCLOSED_COMMENT);
    case CodeErrorKind::Expected:
      return LanguageText(TextKey::CODE_EXPECTED).arg(Expected(error), Found(error.found));
    case CodeErrorKind::Unsupported:
      return LanguageText(TextKey::CODE_UNSUPPORTED).arg(Found(error.found));
    case CodeErrorKind::BadIndentation:
      return LanguageText(TextKey::CODE_BAD_INDENTATION);
    case CodeErrorKind::TooDeep:
      return LanguageText(TextKey::CODE_TOO_DEEP).arg(kMaxNesting);
    case CodeErrorKind::TooLong:
      return LanguageText(TextKey::CODE_TOO_LONG).arg(kLongestProgram >> 20);
    case CodeErrorKind::TooManyBranches:
      return LanguageText(TextKey::CODE_TOO_MANY_BRANCHES).arg(kMaxChainedDecisions);
  }
  return QString::fromStdString(error.Message());
}

}  // namespace

QString CodeErrorText(const CodeError& error) {
  return LanguageText(TextKey::CODE_ERROR).arg(QString::number(error.line), QString::number(error.column), What(error));
}

}  // namespace quobrix
