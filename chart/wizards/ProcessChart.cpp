#include "chart/wizards/ProcessChart.h"

#include <charconv>

namespace quobrix {

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The symbols stand at X 4000, w x h, one below the other from Y 2000 with
// lines 1000 long between them on their centre c. A decision's "no" path
// leaves its right corner and comes back under its operation; a loop's
// return path runs up on the left from its operation to the header.
class ProcessColumn {
 public:
  ProcessColumn(BlocksHolderModel& chart, std::int64_t w, std::int64_t h) : out_(chart), w_(w), h_(h) {}

  void Add(const ProcessSection& section) {
    switch (section.kind) {
      case ProcessSectionKind::Operation: return Simple(btRectangle, section.operation);
      case ProcessSectionKind::Delay: return Simple(btDelay, section.operation);
      case ProcessSectionKind::InputOutput: return Simple(btSRectangle, section.operation);
      case ProcessSectionKind::Condition: return Condition(section);
      case ProcessSectionKind::Loop: return Loop(section);
    }
  }
  // The column ends without a line leading out of it.
  void Finish() { out_.DeleteLastLine(); }

 private:
  void Simple(TBlockType type, const std::string& text) {
    out_.Symbol(type, {4000, y_, w_, h_}, text);
    out_.Line({c_, y_ + h_, 0, 1000});
    y_ += h_ + 1000;
  }

  void Condition(const ProcessSection& section) {
    out_.Symbol(btLogicIf, {4000, y_, w_, h_}, section.condition);
    out_.Line({c_, y_ + h_, 0, 1000});
    ExitOnTheRight();
    y_ += h_ + 1000;
    out_.Symbol(btRectangle, {4000, y_, w_, h_}, section.operation);
    out_.Line({c_, y_ + h_, 0, 1000});
    out_.Line({c_, y_ + h_ + 500, w_ / 2 + 1000, 0});
    y_ += h_ + 1000;
  }

  void Loop(const ProcessSection& section) {
    out_.Symbol(btHexagon, {4000, y_, w_, h_}, section.condition);
    out_.Line({3000, y_ + h_ / 2, 1000, 0});
    out_.Line({3000, y_ + h_ / 2, 0, h_ + 1000});
    out_.Line({c_, y_ + h_, 0, 1000});
    ExitOnTheRight();
    y_ += h_ + 1000;
    out_.Symbol(btRectangle, {4000, y_, w_, h_}, section.operation);
    out_.Line({3000, y_ + h_ / 2, 1000, 0});
    out_.Line({c_, y_ + h_ + 500, 0, 500});
    out_.Line({c_, y_ + h_ + 500, w_ / 2 + 1000, 0});
    y_ += h_ + 1000;
  }

  // From the right corner of the symbol at y out and down past the
  // operation below it.
  void ExitOnTheRight() {
    out_.Line({4000 + w_, y_ + h_ / 2, 1000, 0});
    out_.Line({5000 + w_, y_ + h_ / 2, 0, 3 * h_ / 2 + 1500});
  }

  WizardChart out_;
  std::int64_t w_, h_;
  std::int64_t c_ = 4000 + w_ / 2;
  std::int64_t y_ = 2000;
};

}  // namespace

std::int64_t SymbolSideFromText(std::string_view mm, std::int64_t fallbackMm, std::int64_t sheetSide) {
  const std::string_view digits = Trimmed(mm);
  const char* first = digits.data() + (digits.starts_with('+') ? 1 : 0);
  const char* last = digits.data() + digits.size();
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  const bool whole = !digits.empty() && error == std::errc{} && end == last;
  const bool fits = whole && value >= 1 && value <= sheetSide / 100;
  return (fits ? value : fallbackMm) * 100;
}

void AppendProcessChart(BlocksHolderModel& chart, const ProcessChartInput& in) {
  ProcessColumn column(chart, in.symbolWidth, in.symbolHeight);
  for (const ProcessSection& section : in.sections) column.Add(section);
  column.Finish();
}

}  // namespace quobrix
