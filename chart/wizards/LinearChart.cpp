#include "chart/wizards/LinearChart.h"

namespace quobrix {

// Symbols 5000 wide at X 8000, joined by lines 1500 long on their centre;
// y is how far the symbols added so far have pushed the rest down.
void AppendLinearChart(BlocksHolderModel& chart, const WizardWords& words, const LinearChartInput& in) {
  WizardChart out(chart);
  out.Symbol(btBeginEnd, {8000, 3000, 5000, 1500}, words.begin);
  out.Line({10500, 4500, 0, 1500});
  std::int64_t y = 0;
  if (in.input.on) {
    out.Symbol(btSRectangle, {8000, y + 6000, 5000, 1500}, Captioned(words.input, in.input.text));
    out.Line({10500, y + 7500, 0, 1500});
    y += 3000;
  }
  if (in.process.on) {
    const std::int64_t n = LineCount(in.process.text);
    out.Symbol(btRectangle, {8000, y + 6000, 5000, 1500 + 500 * n}, Captioned(words.process, in.process.text));
    out.Line({10500, y + 7500 + 500 * n, 0, 1500});
    y += 3000 + 500 * n;
  }
  if (in.output.on) {
    out.Symbol(btSRectangle, {8000, y + 6000, 5000, 1500}, Captioned(words.output, in.output.text));
    out.Line({10500, y + 7500, 0, 1500});
    y += 3000;
  }
  out.Symbol(btBeginEnd, {8000, y + 6000, 5000, 1500}, words.end);
}

}  // namespace quobrix
