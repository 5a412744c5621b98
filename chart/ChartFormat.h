// The text forms of the chart file and the chart fragment: value encodings,
// the writer's key lines and the line reader the readers share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/BlockType.h"

namespace quobrix {

inline constexpr std::string_view kChartHeader = "[Quobrix Sheme v.1.0]";
inline constexpr std::string_view kChartData = "[SHEME DATA]";
inline constexpr std::string_view kBlockData = "[BLOCK DATA]";
inline constexpr std::string_view kSectionEnd = "[END]";
inline constexpr std::string_view kChartEnd = "[SHEME END]";
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr int kBlockValueCount = 20;

// CR LF pairs become "||" and back; nothing else is escaped.
std::string EncodeLineBreaks(std::string_view text);
void AppendEncodedLineBreaks(std::string& out, std::string_view text);
std::string DecodeLineBreaks(std::string_view text);

// "Face|colour|points|BIUS", the style field one "1" or "0" per style.
std::string FontToText(const TBlockFont& font);
void AppendFontText(std::string& out, const TBlockFont& font);
// Fails when the colour or the size does not parse.
std::optional<TBlockFont> TextToFont(std::string_view text);

// A whole decimal number with an optional leading "-", nothing around it.
std::optional<std::int64_t> ParseInt64(std::string_view text);

// The text after the first "=", or the whole line when it has none.
std::string_view ValueOf(std::string_view line);

// Splits text into lines at LF, dropping a CR before it; a trailing line
// break adds no empty line.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  // The next line, or nothing at the end of the text.
  std::optional<std::string_view> Next();
  // The number of the line Next returned last, from 1; 0 before the first.
  std::int64_t LineNumber() const { return lineNumber_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::int64_t lineNumber_ = 0;
};

// The twenty values of a block section, in file order, as text.
using BlockValues = std::vector<std::string_view>;

// Fills a block from the twenty values; the owner number is returned aside.
// Fails when a value is missing or a number does not parse; `failedValue`,
// when given, then receives the position of the value at fault (from 0), or
// the number of values when some are missing.
bool BlockFromValues(const BlockValues& values, TBlock& block, std::int64_t& ownerNumber,
                     std::size_t* failedValue = nullptr);

// BlockFromValues for a reader that has each value only while it reads it:
// the values are given one at a time, in file order, and Finish answers as
// BlockFromValues would for all of them. A failed block holds some of the
// values and is meant to be dropped.
class BlockSectionReader {
 public:
  explicit BlockSectionReader(TBlock& block) : block_(block) {}
  void Add(std::string_view value);
  bool Finish(std::int64_t& ownerNumber, std::size_t* failedValue = nullptr);

 private:
  TBlock& block_;
  std::int64_t numbers_[kBlockValueCount] = {};
  std::size_t count_ = 0;
  std::optional<std::size_t> failed_;  // the first value that did not parse
};

// Appends one block section: keyed lines for the file, bare values for fragments.
void WriteBlockKeys(std::string& out, const TBlock& block, std::int64_t ownerNumber);
void WriteBlockValues(std::string& out, const TBlock& block, std::int64_t ownerNumber);

// The extension of a path's file name in capitals, with its dot; empty when none.
std::string UpperExtension(std::string_view path);

}  // namespace quobrix
