// Finding and replacing a piece of the blocks' texts: the piece as typed or
// a regular expression, anywhere or as a whole word, with capitals told
// apart or not. The texts are matched as Unicode, converted from the chart's
// code page and back: a word character is a letter of any alphabet, and the
// lines of a text (joined by CR LF) are lines to ^, $ and the dot.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "chart/BlocksHolderModel.h"

namespace quobrix {

struct TextReplaceRule {
  QString find;
  QString replacement;
  bool wholeWord = false;
  bool matchCase = true;
  bool regularExpression = false;
};

class TextReplacer {
 public:
  explicit TextReplacer(const TextReplaceRule& rule);

  // False for an expression that does not parse; an empty piece is valid and matches nothing.
  bool Valid() const { return error_.isEmpty(); }
  // Why the expression does not parse, and where in it (counted from 1).
  const QString& Error() const { return error_; }
  qsizetype ErrorColumn() const { return errorColumn_; }

  bool Matches(const QString& text) const;
  // `text` with every match replaced. In an expression's replacement \0 to
  // \9 stand for the match and its groups, \n for a line break, \\ for a
  // backslash; the replacement of a plain piece is taken as it is.
  QString Replaced(const QString& text) const;

 private:
  QString Expanded(const QRegularExpressionMatch& match) const;

  QRegularExpression pattern_;
  QString replacement_;
  bool expression_ = false;
  QString error_;
  qsizetype errorColumn_ = 0;
};

// The blocks of `chart` whose text matches, in the chart's order.
std::vector<std::int64_t> MatchingBlocks(const BlocksHolderModel& chart, const TextReplacer& replacer);

// The replaced texts of `blocks`; nothing when one of them would hold a
// character the chart's code page cannot.
std::optional<BlocksHolderModel::BlockTexts> ReplacedTexts(const BlocksHolderModel& chart,
                                                           const std::vector<std::int64_t>& blocks,
                                                           const TextReplacer& replacer);

}  // namespace quobrix
