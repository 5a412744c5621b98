#include "platform/BlockTextReplace.h"

#include <algorithm>

#include "platform/Cp1251Codec.h"

namespace quobrix {

namespace {

// CR LF, CR and LF all end a line for ^, $ and the dot.
const QString kLineEnds = QStringLiteral("(*ANYCRLF)");

QRegularExpression::PatternOptions OptionsOf(const TextReplaceRule& rule) {
  QRegularExpression::PatternOptions options =
      QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::MultilineOption;
  if (!rule.matchCase) options |= QRegularExpression::CaseInsensitiveOption;
  return options;
}

QString PatternOf(const TextReplaceRule& rule) {
  const QString body = rule.regularExpression ? rule.find : QRegularExpression::escape(rule.find);
  // Not \b: a piece may begin or end with a character that is no letter.
  return kLineEnds + (rule.wholeWord ? QStringLiteral("(?<!\\w)(?:") + body + QStringLiteral(")(?!\\w)") : body);
}

}  // namespace

TextReplacer::TextReplacer(const TextReplaceRule& rule)
    : replacement_(rule.replacement), expression_(rule.regularExpression) {
  if (rule.find.isEmpty()) return;
  // The user's expression is checked alone, so that wrapping it can neither
  // mend it nor move the place of its fault.
  const QRegularExpression own(kLineEnds + rule.find, OptionsOf(rule));
  if (expression_ && !own.isValid()) {
    error_ = own.errorString();
    errorColumn_ = std::max<qsizetype>(own.patternErrorOffset() - kLineEnds.size(), 0) + 1;
    return;
  }
  pattern_ = QRegularExpression(PatternOf(rule), OptionsOf(rule));
}

bool TextReplacer::Matches(const QString& text) const {
  return Valid() && !pattern_.pattern().isEmpty() && pattern_.match(text).hasMatch();
}

QString TextReplacer::Replaced(const QString& text) const {
  if (!Matches(text)) return text;
  QString out;
  qsizetype copied = 0;
  for (auto it = pattern_.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    out += QStringView(text).mid(copied, match.capturedStart() - copied);
    out += expression_ ? Expanded(match) : replacement_;
    copied = match.capturedEnd();
  }
  out += QStringView(text).mid(copied);
  return out;
}

QString TextReplacer::Expanded(const QRegularExpressionMatch& match) const {
  QString out;
  for (qsizetype i = 0; i < replacement_.size(); ++i) {
    const QChar next = i + 1 < replacement_.size() ? replacement_[i + 1] : QChar();
    if (replacement_[i] != u'\\' || next.isNull()) {
      out += replacement_[i];
    } else if (next >= u'0' && next <= u'9') {
      out += match.captured(next.digitValue());
      ++i;
    } else if (next == u'n' || next == u'\\') {
      out += next == u'n' ? QStringLiteral("\r\n") : QStringLiteral("\\");
      ++i;
    } else {
      out += replacement_[i];
    }
  }
  return out;
}

std::vector<std::int64_t> MatchingBlocks(const BlocksHolderModel& chart, const TextReplacer& replacer) {
  std::vector<std::int64_t> found;
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n)
    if (replacer.Matches(Cp1251ToUnicode(chart.Blocks(n).Text))) found.push_back(n);
  return found;
}

std::optional<BlocksHolderModel::BlockTexts> ReplacedTexts(const BlocksHolderModel& chart,
                                                           const std::vector<std::int64_t>& blocks,
                                                           const TextReplacer& replacer) {
  BlocksHolderModel::BlockTexts texts;
  for (const std::int64_t n : blocks) {
    auto text = UnicodeToCp1251(replacer.Replaced(Cp1251ToUnicode(chart.Blocks(n).Text)));
    if (!text) return std::nullopt;
    texts.emplace_back(n, std::move(*text));
  }
  return texts;
}

}  // namespace quobrix
