// What the benchmark programs share: a scratch folder, a large sample chart,
// sizes from the environment, and paired figures.
//
// Every comparison is measured in pairs: each repetition measures our side
// and its baseline one right after the other, so both see the same machine,
// and the ratio is taken pair by pair. A benchmark reports the median ratio
// with the lowest and highest (the machine's noise), and the median of each
// side with its own spread; a summary of every figure is printed at the end.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "chart/BlocksHolderModel.h"

namespace quobrix::bench {

// A folder under the temporary directory, made on first use.
inline std::string BenchFolder(const std::string& name) {
  const auto p = std::filesystem::temp_directory_path() / name;
  std::filesystem::create_directories(p);
  return p.string();
}

// A whole number from the environment, or `fallback` when unset or not a number.
inline std::int64_t FromEnvironment(const char* name, std::int64_t fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  return *end == '\0' && value > 0 ? value : fallback;
}

// Pairs per comparison: QUOBRIX_BENCH_REPETITIONS, or `fallback`.
inline std::int64_t Repetitions(std::int64_t fallback) {
  return FromEnvironment("QUOBRIX_BENCH_REPETITIONS", fallback);
}

// Wall-clock seconds of one call of `f`.
template <class F>
double SecondsOf(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Seconds per call of `f`, called as often as fits in `atLeast` seconds (once at least).
template <class F>
double SecondsPerCall(F&& f, double atLeast = 0.2) {
  int calls = 0;
  double total = 0;
  while (calls == 0 || total < atLeast) {
    total += SecondsOf(f);
    ++calls;
  }
  return total / calls;
}

struct Spread {
  double median = 0, min = 0, max = 0;
};

inline Spread SpreadOf(std::vector<double> values) {
  if (values.empty()) return {};
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return {median, values.front(), values.back()};
}

inline std::vector<std::string>& SummaryLines() {
  static std::vector<std::string> lines;
  return lines;
}

// Prints every figure reported in this run, one line each.
inline void PrintSummary() {
  std::printf("\nMedians of pairs (min..max) over the repetitions:\n");
  for (const std::string& line : SummaryLines()) std::printf("  %s\n", line.c_str());
  std::fflush(stdout);
}

inline std::string Format(const Spread& s, const char* format) {
  char buf[160];
  std::snprintf(buf, sizeof buf, format, s.median, s.min, s.max);
  return buf;
}

// One comparison measured in pairs: ours against a baseline, each value in
// `unit` after multiplying by `scale` (1000 for seconds shown in ms).
class PairedFigures {
 public:
  PairedFigures(std::string what, std::string oursName, std::string baselineName, std::string unit, double scale)
      : what_(std::move(what)),
        oursName_(std::move(oursName)),
        baselineName_(std::move(baselineName)),
        unit_(std::move(unit)),
        scale_(scale) {}

  void Add(double ours, double baseline) {
    ours_.push_back(ours * scale_);
    baseline_.push_back(baseline * scale_);
    ratios_.push_back(baseline > 0 ? ours / baseline : 0);
  }

  Spread Ratio() const { return SpreadOf(ratios_); }

  // Puts the medians on the benchmark's counters and the figure in the summary.
  void Report(benchmark::State& state, const std::string& counterPrefix = "") const {
    const Spread ratio = Ratio(), ours = SpreadOf(ours_), baseline = SpreadOf(baseline_);
    state.counters[counterPrefix + "ratio"] = ratio.median;
    state.counters[counterPrefix + "ratio_min"] = ratio.min;
    state.counters[counterPrefix + "ratio_max"] = ratio.max;
    state.counters[counterPrefix + "ours_" + unit_] = ours.median;
    state.counters[counterPrefix + "base_" + unit_] = baseline.median;
    const std::string number = "%.4g (%.4g..%.4g)";
    SummaryLines().push_back(what_ + ": ratio " + Format(ratio, number.c_str()) + " of " +
                             std::to_string(ratios_.size()) + " pairs; " + oursName_ + " " +
                             Format(ours, (number + " " + unit_).c_str()) + ", " + baselineName_ + " " +
                             Format(baseline, (number + " " + unit_).c_str()));
  }

 private:
  std::string what_, oursName_, baselineName_, unit_;
  double scale_;
  std::vector<double> ours_, baseline_, ratios_;
};

// Symbols with two-line texts and joining lines, down the sheet; every tenth
// block groups the nine before it.
inline void FillSampleChart(BlocksHolderModel& chart, std::int64_t blocks) {
  for (std::int64_t i = 1; i <= blocks; ++i) {
    if (i % 10 == 0) {
      std::vector<std::int64_t> members;
      for (std::int64_t k = i - 9; k < i; ++k) members.push_back(k);
      chart.MakeMultiSelection(0, i * 100, 9000, 900, members);
      chart.Blocks(i).Compl = ckGroup;
      continue;
    }
    const auto type = static_cast<std::uint8_t>(i % 3 == 0 ? int{btLine} : 3 + int(i % 30));
    const auto n = chart.AddDefaultBlock(type, (i % 7) * 2500, i * 100, 2000, 900);
    chart.Blocks(n).Text = "Step " + std::to_string(i) + "\r\nx := x + 1";
  }
}

}  // namespace quobrix::bench
