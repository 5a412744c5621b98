#include "chart/ChartFormat.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace quobrix {

namespace {

void AppendNumber(std::string& out, std::int64_t v) {
  char buf[24];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, end);
}

constexpr std::int64_t kMaxFontPoints = 1000000;

// Positions of the block values that are no numbers.
constexpr std::size_t kText = 12, kFont = 13, kHyperlink = 18;

template <typename Field>
Field LowBits(std::int64_t v) {
  return static_cast<Field>(static_cast<std::uint64_t>(v));
}

}  // namespace

std::string EncodeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendEncodedLineBreaks(out, text);
  return out;
}

void AppendEncodedLineBreaks(std::string& out, std::string_view text) {
  for (std::size_t pos = 0;;) {
    const std::size_t hit = text.find("\r\n", pos);
    out.append(text.substr(pos, hit == std::string_view::npos ? std::string_view::npos : hit - pos));
    if (hit == std::string_view::npos) return;
    out.append("||");
    pos = hit + 2;
  }
}

std::string DecodeLineBreaks(std::string_view text) {
  // "||" and CR LF are of one length: the copy keeps the text's exact size
  // (a million loaded block texts add up).
  std::string out(text);
  for (std::size_t hit = out.find("||"); hit != std::string::npos; hit = out.find("||", hit + 2))
    out.replace(hit, 2, "\r\n");
  return out;
}

void AppendFontText(std::string& out, const TBlockFont& font) {
  out.append(font.Name);
  out += '|';
  AppendNumber(out, font.Color);
  out += '|';
  AppendNumber(out, font.Size());
  out += '|';
  for (bool style : {font.Bold, font.Italic, font.Underline, font.StrikeOut}) out += style ? '1' : '0';
}

std::string FontToText(const TBlockFont& font) {
  std::string out;
  AppendFontText(out, font);
  return out;
}

std::optional<TBlockFont> TextToFont(std::string_view text) {
  std::string_view fields[3];
  for (auto& field : fields) {
    const std::size_t bar = text.find('|');
    field = text.substr(0, bar);
    text = bar == std::string_view::npos ? std::string_view() : text.substr(bar + 1);
  }
  const auto color = ParseInt64(fields[1]);
  const auto size = ParseInt64(fields[2]);
  if (!color || !size) return std::nullopt;
  TBlockFont font;
  font.Name = std::string(fields[0]);
  font.Color = LowBits<TColor>(*color);
  font.SetSize(static_cast<int>(std::clamp(*size, -kMaxFontPoints, kMaxFontPoints)));
  bool* styles[] = {&font.Bold, &font.Italic, &font.Underline, &font.StrikeOut};
  for (std::size_t i = 0; i < 4; ++i) *styles[i] = i < text.size() && text[i] == '1';
  return font;
}

std::optional<std::int64_t> ParseInt64(std::string_view text) {
  std::int64_t v = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, v);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return v;
}

std::string_view ValueOf(std::string_view line) {
  const std::size_t eq = line.find('=');
  return eq == std::string_view::npos ? line : line.substr(eq + 1);
}

std::optional<std::string_view> LineReader::Next() {
  if (AtEnd()) return std::nullopt;
  const std::size_t lf = text_.find('\n', pos_);
  const std::size_t end = lf == std::string_view::npos ? text_.size() : lf;
  std::string_view line = text_.substr(pos_, end - pos_);
  pos_ = lf == std::string_view::npos ? text_.size() : lf + 1;
  if (!line.empty() && line.back() == '\r' && lf != std::string_view::npos) line.remove_suffix(1);
  ++lineNumber_;
  return line;
}

bool BlockFromValues(const BlockValues& values, TBlock& block, std::int64_t& ownerNumber, std::size_t* failedValue) {
  BlockSectionReader section(block);
  for (const std::string_view value : values) section.Add(value);
  return section.Finish(ownerNumber, failedValue);
}

void BlockSectionReader::Add(std::string_view value) {
  const std::size_t i = count_++;
  if (i >= kBlockValueCount || failed_) return;
  if (i == kText) {
    block_.Text = DecodeLineBreaks(value);
  } else if (i == kHyperlink) {
    block_.Hyperlink = value;
  } else if (i == kFont) {
    auto font = TextToFont(value);
    if (font)
      block_.TF = std::move(*font);
    else
      failed_ = i;
  } else if (const auto v = ParseInt64(value)) {
    numbers_[i] = *v;
  } else {
    failed_ = i;
  }
}

bool BlockSectionReader::Finish(std::int64_t& ownerNumber, std::size_t* failedValue) {
  auto fail = [failedValue](std::size_t position) {
    if (failedValue) *failedValue = position;
    return false;
  };
  if (count_ < kBlockValueCount) return fail(count_);
  if (failed_) return fail(*failed_);
  const std::int64_t* n = numbers_;
  block_.X = n[0];
  block_.Y = n[1];
  block_.W = n[2];
  block_.H = n[3];
  block_.BT = LowBits<std::uint8_t>(n[4]);
  block_.MC = LowBits<TColor>(n[5]);
  block_.SC = LowBits<TColor>(n[6]);
  block_.FS = LowBits<std::uint8_t>(n[7]);
  block_.GF = LowBits<std::uint8_t>(n[8]);
  block_.BC = LowBits<TColor>(n[9]);
  block_.BW = n[10];
  block_.BS = LowBits<std::uint8_t>(n[11]);
  block_.TA = LowBits<std::uint8_t>(n[14]);
  block_.TP = LowBits<std::uint8_t>(n[15]);
  block_.Compl = LowBits<std::uint8_t>(n[16]);
  ownerNumber = n[17];
  block_.LineArrows = LowBits<std::uint8_t>(n[19]);
  return true;
}

namespace {

// Writes one block section with as few appends as it can: a saved chart is
// mostly these lines. Runs of number lines are built in a buffer of its own.
class SectionWriter {
 public:
  SectionWriter(std::string& out, bool withKeys) : out_(out), withKeys_(withKeys) {}
  ~SectionWriter() { Flush(); }
  SectionWriter(const SectionWriter&) = delete;
  SectionWriter& operator=(const SectionWriter&) = delete;

  void Mark(std::string_view mark) {
    Flush();
    out_.append(mark).append(kLineEnd);
  }
  void Number(std::string_view key, std::int64_t v) {
    // The longest key, 20 digits and a sign, CR LF.
    constexpr std::size_t kLongestLine = 16 + 21 + 2;
    if (sizeof buffer_ - used_ < kLongestLine) Flush();
    if (withKeys_) Put(key);
    used_ = static_cast<std::size_t>(std::to_chars(buffer_ + used_, buffer_ + sizeof buffer_, v).ptr - buffer_);
    Put(kLineEnd);
  }
  // A text line; `append` appends the value to the string it is given.
  template <class Append>
  void Text(std::string_view key, Append&& append) {
    Flush();
    if (withKeys_) out_.append(key);
    append(out_);
    out_.append(kLineEnd);
  }

 private:
  void Put(std::string_view text) {
    std::memcpy(buffer_ + used_, text.data(), text.size());
    used_ += text.size();
  }
  void Flush() {
    out_.append(buffer_, used_);
    used_ = 0;
  }

  std::string& out_;
  bool withKeys_;
  char buffer_[512];
  std::size_t used_ = 0;
};

// One writer for both layouts: the fragment leaves the keys out.
void WriteBlock(std::string& out, const TBlock& b, std::int64_t ownerNumber, bool withKeys) {
  SectionWriter w(out, withKeys);
  w.Mark(kBlockData);
  w.Number("X=", b.X);
  w.Number("Y=", b.Y);
  w.Number("W=", b.W);
  w.Number("H=", b.H);
  w.Number("BT=", b.BT);
  w.Number("MC=", b.MC);
  w.Number("SC=", b.SC);
  w.Number("FS=", b.FS);
  w.Number("GF=", b.GF);
  w.Number("BC=", b.BC);
  w.Number("BW=", b.BW);
  w.Number("BS=", b.BS);
  w.Text("Text=", [&](std::string& to) { AppendEncodedLineBreaks(to, b.Text); });
  w.Text("TF=", [&](std::string& to) { AppendFontText(to, b.TF); });
  w.Number("TA=", b.TA);
  w.Number("TP=", b.TP);
  w.Number("Compl=", b.Compl);
  w.Number("Owner=", ownerNumber);
  w.Text("Hyperlink=", [&](std::string& to) { to.append(b.Hyperlink.str()); });
  w.Number("LineArrows=", b.LineArrows);
  w.Mark(kSectionEnd);
}

}  // namespace

void WriteBlockKeys(std::string& out, const TBlock& block, std::int64_t ownerNumber) {
  WriteBlock(out, block, ownerNumber, true);
}

void WriteBlockValues(std::string& out, const TBlock& block, std::int64_t ownerNumber) {
  WriteBlock(out, block, ownerNumber, false);
}

std::string UpperExtension(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  std::string ext(name.substr(dot));
  for (char& c : ext)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return ext;
}

}  // namespace quobrix
