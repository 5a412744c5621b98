#include "chart/wizards/LoopChart.h"

namespace quobrix {

namespace {

// A calculation on the main axis with its line below; moves y past it.
void AppendProcess(WizardChart& out, const std::string& word, const WizardSection& process, std::int64_t& y) {
  if (!process.on) return;
  const std::int64_t n = LineCount(process.text);
  out.Symbol(btRectangle, {8000, y + 6000, 5000, 1500 + 500 * n}, Captioned(word, process.text));
  out.Line({10500, y + 7500 + 500 * n, 0, 1000});
  y += 2500 + 500 * n;
}

// An output on the main axis with its line below; moves y past it.
void AppendOutput(WizardChart& out, const std::string& word, const WizardSection& output, std::int64_t& y) {
  if (!output.on) return;
  out.Symbol(btSRectangle, {8000, y + 6000, 5000, 1500}, Captioned(word, output.text));
  out.Line({10500, y + 7500, 0, 1000});
  y += 2500;
}

}  // namespace

// Symbols 5000 wide at X 8000 joined by lines 1000 long on the axis at
// 10500; the loop's return path runs down the left at 6500 and its exit
// down the right at 14500. y is how far the symbols added so far have
// pushed the rest down.
void AppendLoopChart(BlocksHolderModel& chart, const WizardWords& words, const LoopChartInput& in) {
  WizardChart out(chart);
  out.Symbol(btBeginEnd, {8000, 3000, 5000, 1500}, words.begin);
  out.Line({10500, 4500, 0, 1000});
  std::int64_t y = -500;
  if (in.input.on) {
    out.Symbol(btSRectangle, {8000, 5500, 5000, 1500}, Captioned(words.input, in.input.text));
    out.Line({10500, 7000, 0, 1000});
    y += 2000;
  }
  AppendProcess(out, words.process, in.process, y);

  out.Symbol(btHexagon, {8000, y + 6000, 5000, 2000}, in.loop);
  out.Line({10500, y + 8000, 0, 1000});
  out.Line({6500, y + 7000, 1500, 0});
  out.Line({13000, y + 7000, 1500, 0});
  const std::int64_t body = (in.processFor.on ? 3000 + 500 * LineCount(in.processFor.text) : 500) +
                            (in.outputFor.on ? 3000 : 500);
  out.Line({6500, y + 7000, 0, body + 1000});
  out.Line({14500, y + 7000, 0, body + 1500});
  y += 3000;
  AppendProcess(out, words.process, in.processFor, y);
  AppendOutput(out, words.output, in.outputFor, y);
  out.Line({6500, y + 6000, 4000, 0});
  out.Line({10500, y + 6500, 4000, 0});
  out.Line({10500, y + 6500, 0, 1000});
  y += 1500;

  AppendProcess(out, words.process, in.processR, y);
  AppendOutput(out, words.output, in.outputR, y);
  out.Symbol(btBeginEnd, {8000, y + 6000, 5000, 1500}, words.end);
}

}  // namespace quobrix
