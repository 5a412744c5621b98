// Properties every flowchart drawn from a program keeps, checked over a few
// hundred random programs in each language and over damaged copies of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "CodeChartTestSupport.h"
#include "RandomProgram.h"

namespace quobrix::test {
namespace {

constexpr unsigned kPrograms = 300;

struct Point {
  double x, y;
};

bool IsSymbol(const TBlock& b) { return b.BT != btLine; }
Point Start(const TBlock& l) { return {double(l.X), double(l.Y)}; }
Point End(const TBlock& l) { return {double(l.X + l.W), double(l.Y + l.H)}; }

double DistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  const double t = length2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The outline of the symbols the layout draws, as fractions of the rectangle.
std::vector<Point> Outline(const TBlock& s) {
  const double x = double(s.X), y = double(s.Y), w = double(s.W), h = double(s.H);
  const auto at = [&](double fx, double fy) { return Point{x + w * fx, y + h * fy}; };
  switch (s.BT) {
    case btSRectangle: return {at(0.1, 0), at(1, 0), at(0.9, 1), at(0, 1)};
    case btLogicIf: return {at(0.5, 0), at(1, 0.5), at(0.5, 1), at(0, 0.5)};
    case btHexagon: return {at(1.0 / 6, 0), at(5.0 / 6, 0), at(1, 0.5), at(5.0 / 6, 1), at(1.0 / 6, 1), at(0, 0.5)};
    default: return {at(0, 0), at(1, 0), at(1, 1), at(0, 1)};
  }
}

bool OnOutline(Point p, const TBlock& s) {
  if (s.BT == btCircle) return std::abs(std::hypot(p.x - (s.X + s.W / 2.0), p.y - (s.Y + s.H / 2.0)) - s.W / 2.0) <= 1;
  if (s.BT == btBeginEnd) {  // straight top and bottom between the round ends
    const bool straight = p.x >= s.X + s.H / 2.0 && p.x <= s.X + s.W - s.H / 2.0;
    return straight && (std::abs(p.y - s.Y) <= 1 || std::abs(p.y - (s.Y + s.H)) <= 1);
  }
  const std::vector<Point> outline = Outline(s);
  for (std::size_t i = 0; i < outline.size(); ++i)
    if (DistanceToSegment(p, outline[i], outline[(i + 1) % outline.size()]) <= 1) return true;
  return false;
}

bool OnAnotherLine(Point p, const TBlock& line, const BlockList& blocks) {
  return std::any_of(blocks.begin(), blocks.end(), [&](const auto& other) {
    return other.get() != &line && other->BT == btLine && DistanceToSegment(p, Start(*other), End(*other)) <= 0.5;
  });
}

const TBlock* SymbolUnder(Point p, const BlockList& blocks) {
  for (const auto& b : blocks)
    if (IsSymbol(*b) && OnOutline(p, *b)) return b.get();
  return nullptr;
}

// The open intervals (a1, a2) and (b1, b2) share more than a point.
bool Overlap(std::int64_t a1, std::int64_t a2, std::int64_t b1, std::int64_t b2) {
  return std::max(std::min(a1, a2), std::min(b1, b2)) < std::min(std::max(a1, a2), std::max(b1, b2));
}

void ExpectSoundChart(const BlocksHolderModel& chart, const std::string& program) {
  const BlockList& blocks = chart.List();
  const auto where = [&](const TBlock& b) {
    return "block " + std::to_string(chart.IndexOfBlock(&b)) + " of the chart of\n" + program;
  };
  int unentered = 0;
  for (const auto& a : blocks) {
    if (IsSymbol(*a)) {
      const std::int64_t page = a->Y / chart.SheetHeight();
      EXPECT_GE(a->Y, page * chart.SheetHeight() + chart.FSheetMargins().Top) << where(*a);
      EXPECT_LE(a->Y + a->H, (page + 1) * chart.SheetHeight() - chart.FSheetMargins().Bottom) << where(*a);
      EXPECT_LT(page, chart.DocumentPages()) << where(*a);
      for (const auto& b : blocks) {
        if (a != b && IsSymbol(*b)) {
          EXPECT_FALSE(Overlap(a->X, a->X + a->W, b->X, b->X + b->W) && Overlap(a->Y, a->Y + a->H, b->Y, b->Y + b->H))
              << "symbols overlap: " << where(*a);
        }
      }
      const bool entered = std::any_of(blocks.begin(), blocks.end(), [&](const auto& l) {
        return l->BT == btLine && l->LineArrows == blaEndArrow && OnOutline(End(*l), *a);
      });
      // Only a chart's begin, or a connector the flow reaches through its twin.
      const bool twin = std::any_of(blocks.begin(), blocks.end(),
                                    [&](const auto& b) { return b != a && b->BT == a->BT && b->Text == a->Text; });
      if (!entered) {
        EXPECT_TRUE(a->BT == btBeginEnd || ((a->BT == btCircle || a->BT == btOffPageConnector) && twin))
            << "nothing enters " << where(*a);
        unentered += a->BT == btBeginEnd;
      }
      continue;
    }
    ASSERT_TRUE(a->W == 0 || a->H == 0) << "slanted line: " << where(*a);
    EXPECT_LT(std::max(a->Y, a->Y + a->H) / chart.SheetHeight(), chart.DocumentPages()) << where(*a);
    EXPECT_EQ(a->Y / chart.SheetHeight(), (a->Y + a->H) / chart.SheetHeight())
        << "line over a page break: " << where(*a);
    for (const Point end : {Start(*a), End(*a)})
      EXPECT_TRUE(SymbolUnder(end, blocks) || OnAnotherLine(end, *a, blocks)) << "loose line end: " << where(*a);
    // An arrow where the flow enters a symbol, and where a return line joins it from the side.
    if (SymbolUnder(End(*a), blocks)) {
      EXPECT_EQ(a->LineArrows, blaEndArrow) << where(*a);
    } else if (a->W == 0) {
      EXPECT_EQ(a->LineArrows, blaSimple) << where(*a);
    }
    EXPECT_TRUE(a->LineArrows == blaSimple || a->LineArrows == blaEndArrow) << where(*a);
    for (const auto& b : blocks) {
      if (IsSymbol(*b)) {
        const bool crosses = a->W == 0 ? b->X < a->X && a->X < b->X + b->W && Overlap(a->Y, a->Y + a->H, b->Y, b->Y + b->H)
                                       : b->Y < a->Y && a->Y < b->Y + b->H && Overlap(a->X, a->X + a->W, b->X, b->X + b->W);
        EXPECT_FALSE(crosses) << "line through a symbol: " << where(*a);
      } else if (a != b && a->W == 0 && b->W == 0 && a->X == b->X) {
        EXPECT_FALSE(Overlap(a->Y, a->Y + a->H, b->Y, b->Y + b->H)) << "lines on top of each other: " << where(*a);
      } else if (a != b && a->H == 0 && b->H == 0 && a->Y == b->Y) {
        EXPECT_FALSE(Overlap(a->X, a->X + a->W, b->X, b->X + b->W)) << "lines on top of each other: " << where(*a);
      }
    }
  }
  EXPECT_GE(unentered, 1) << program;  // the begin symbols of the main chart and of each routine
}

// The program with a stretch cut out, odd characters put in, or a line doubled.
std::string Damaged(std::string program, std::mt19937& rng) {
  const auto any = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(rng); };
  static const char* inserts[] = {"(", ")", ":", ";", "end", "\n    ", "≤", "'", "\"", "\t", "begin", "if", "\xff"};
  const std::size_t at = any(program.size());
  switch (any(2)) {
    case 0: program.erase(at, any(20)); break;
    case 1: program.insert(at, inserts[any(12)]); break;
    default: {
      const std::size_t start = program.rfind('\n', at == 0 ? 0 : at - 1);
      const std::size_t from = start == std::string::npos ? 0 : start + 1;
      program.insert(from, program.substr(from, program.find('\n', from) - from + 1));
    }
  }
  return program;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines{""};
  for (char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back().push_back(c);
    }
  }
  return lines;
}

// Either a sound chart, or a fault whose place lies inside the text.
void ExpectChartOrPlacedFault(const std::string& program, CodeLanguage language) {
  BlocksHolderModel chart;
  chart.ApplyChartWindowValues();
  CodeChartOptions options{language, {}, RussianWords()};
  const auto error = AppendCodeChart(chart, program, options);
  if (!error) return ExpectSoundChart(chart, program);
  EXPECT_EQ(chart.BlockCount(), 0);
  const std::vector<std::string> lines = Lines(program);
  ASSERT_GE(error->line, 1) << error->Describe() << "\n" << program;
  ASSERT_LE(error->line, static_cast<int>(lines.size())) << error->Describe() << "\n" << program;
  EXPECT_GE(error->column, 1) << error->Describe();
  EXPECT_LE(error->column, static_cast<int>(lines[static_cast<std::size_t>(error->line - 1)].size()) + 1)
      << error->Describe() << "\n" << program;
}

class CodeChartProperty : public ::testing::TestWithParam<CodeLanguage> {};

TEST_P(CodeChartProperty, RandomProgramsGiveSoundCharts) {
  for (unsigned seed = 0; seed < kPrograms; ++seed) {
    RandomProgram random(seed);
    const std::string program = GetParam() == CodeLanguage::Pascal ? random.Pascal() : random.Python();
    BlocksHolderModel chart;
    Draw(chart, program, GetParam());
    ExpectSoundChart(chart, program);
    if (HasFailure()) return;
  }
}

// Pages little taller than the largest symbol break nearly every chart,
// most of them inside loops and decisions.
TEST_P(CodeChartProperty, RandomProgramsOnShortPagesGiveSoundCharts) {
  for (unsigned seed = 0; seed < kPrograms; ++seed) {
    RandomProgram random(seed);
    const std::string program = GetParam() == CodeLanguage::Pascal ? random.Pascal() : random.Python();
    BlocksHolderModel chart;
    OnShortPages(chart);
    AppendProgram(chart, program, GetParam());
    ExpectSoundChart(chart, program);
    if (HasFailure()) return;
  }
}

// Each off-page connector the flow runs into has one twin it comes out of.
TEST(CodeChartPages, LongProgramGoesFromPageToPageThroughConnectorPairs) {
  const std::string program = LongPascalProgram(17);
  BlocksHolderModel chart;
  Draw(chart, program, CodeLanguage::Pascal);
  ExpectSoundChart(chart, program);
  EXPECT_GE(chart.DocumentPages(), 4);
  std::map<std::string, std::pair<int, int>> pairs;  // label: connectors entered, connectors left
  for (const auto& block : chart.List()) {
    if (block->BT != btOffPageConnector) continue;
    const bool entered = std::any_of(chart.List().begin(), chart.List().end(), [&](const auto& line) {
      return line->BT == btLine && OnOutline(End(*line), *block);
    });
    ++(entered ? pairs[block->Text].first : pairs[block->Text].second);
  }
  EXPECT_GE(pairs.size(), 3u);
  for (const auto& [label, ends] : pairs) EXPECT_EQ(ends, std::pair(1, 1)) << label;
}

TEST_P(CodeChartProperty, DamagedProgramsGiveSoundChartsOrFaultsInsideTheText) {
  std::mt19937 rng(20);
  for (unsigned seed = 0; seed < kPrograms; ++seed) {
    RandomProgram random(seed);
    const std::string program = GetParam() == CodeLanguage::Pascal ? random.Pascal() : random.Python();
    for (int i = 0; i < 3; ++i) ExpectChartOrPlacedFault(Damaged(program, rng), GetParam());
    if (HasFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, CodeChartProperty,
                         ::testing::Values(CodeLanguage::Pascal, CodeLanguage::Python),
                         [](const ::testing::TestParamInfo<CodeLanguage>& language) {
                           return language.param == CodeLanguage::Pascal ? "Pascal" : "Python";
                         });

}  // namespace
}  // namespace quobrix::test
