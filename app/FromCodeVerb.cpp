#include "app/FromCodeVerb.h"

#include <memory>

#include "app/VerbSupport.h"
#include "chart/ChartFormat.h"
#include "chart/FileIO.h"
#include "platform/HeadlessGui.h"
#include "platform/PictureFileExporter.h"
#include "wizards/LanguageWords.h"

namespace quobrix {

int DrawFromCode(const std::string& program, const std::string& out) {
  const auto language = CodeLanguageOfFile(program);
  if (!language) return Fail("not a program the flowchart can be drawn from: " + program + " (use .pas or .py)");
  // A text too long to draw is refused before it is read.
  const auto size = RegularFileSize(program);
  if (size && static_cast<std::uint64_t>(*size) > kLongestProgram)
    return Fail(program + ": " + CodeFault(CodeErrorKind::TooLong, 1, 1).Message());
  const auto text = ReadWholeFile(program);
  if (!text) return Fail("cannot read " + program);
  // Pictures are drawn with the toolkit's fonts; a chart file needs none.
  const auto gui = UpperExtension(out) == ".QBS" ? nullptr : std::make_unique<HeadlessGui>();
  BlocksHolderModel chart;
  chart.ApplyChartWindowValues();
  CodeChartOptions options;
  options.language = *language;
  options.words = CodeChartWordsOfLanguage();
  if (const auto error = AppendCodeChart(chart, *text, options)) return Fail(program + ": " + error->Describe());
  PictureFileExporter pictures;
  if (!chart.SaveToFile(out, &pictures)) return Fail("cannot write " + out);
  return 0;
}

}  // namespace quobrix
