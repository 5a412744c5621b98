#include "app/CommandLine.h"

#include <iostream>
#include <new>

#include "app/ExportVerbs.h"
#include "app/FromCodeVerb.h"
#include "app/Gallery.h"
#include "app/TerminalProgress.h"
#include "app/ToCodeVerb.h"
#include "app/VerbSupport.h"
#include "chart/BlocksHolderModel.h"
#include "platform/PictureFileExporter.h"

namespace quobrix {

namespace {

constexpr const char* kUsage =
    "Usage: quobrix [CHART.qbs]\n"
    "       quobrix --convert IN OUT   load the chart IN and save it as OUT (by OUT's extension)\n"
    "       quobrix --export IN OUT    write the chart IN as the picture OUT: .emf .bmp .png .jpg .jpeg .svg .pdf\n"
    "       quobrix --print-pdf IN OUT.pdf [--from N] [--to M] [--copies K]\n"
    "                                  print pages N..M of IN, K copies of each, into OUT.pdf\n"
    "       quobrix --info CHART       print the chart's pages, sheet and block count\n"
    "       quobrix --gallery OUT.png  draw every symbol, text placement and line end into OUT.png\n"
    "       quobrix --from-code PROGRAM OUT\n"
    "                                  draw the flowchart of PROGRAM (.pas or .py) into the chart or picture OUT\n"
    "       quobrix --to-code CHART OUT\n"
    "                                  write the program the flowchart CHART draws into OUT (.pas or .py)\n"
    "       quobrix --help             show this text\n";

int Convert(const std::string& in, const std::string& out) {
  BlocksHolderModel chart;
  if (auto failure = LoadChart(chart, in)) return Fail(*failure);
  PictureFileExporter pictures;
  if (!chart.SaveToFile(out, &pictures)) return Fail("cannot write " + out);
  return 0;
}

int Info(const std::string& path) {
  BlocksHolderModel chart;
  if (auto failure = LoadChart(chart, path)) return Fail(*failure);
  std::cout << path << ": " << chart.BlockCount() << " blocks, " << chart.DocumentPages() << " page(s) of "
            << chart.SheetWidth() / 100 << " x " << chart.SheetHeight() / 100 << " mm, zoom " << chart.ZoomPercents()
            << "%\n";
  return 0;
}

int RunVerb(const std::vector<std::string>& args) {
  const std::string& verb = args[0];
  if (verb == "--help") {
    std::cout << kUsage;
    return 0;
  }
  if (verb == "--convert" && args.size() == 3) return Convert(args[1], args[2]);
  if (verb == "--export" && args.size() == 3) return ExportPicture(args[1], args[2]);
  if (verb == "--print-pdf" && args.size() >= 3) return PrintPdf(args);
  if (verb == "--info" && args.size() == 2) return Info(args[1]);
  if (verb == "--from-code" && args.size() == 3) return DrawFromCode(args[1], args[2]);
  if (verb == "--to-code" && args.size() == 3) return WriteProgramOfChart(args[1], args[2]);
  if (verb == "--gallery" && args.size() == 2) return WriteGallery(args[1]) ? 0 : Fail("cannot write " + args[1]);
  return Fail("unknown verb or wrong arguments: " + verb + " (see quobrix --help)");
}

}  // namespace

std::optional<int> RunCommandLine(const std::vector<std::string>& args) {
  if (args.empty() || args[0].rfind("--", 0) != 0) return std::nullopt;
  std::optional<TerminalProgress> progress;
  std::optional<ScopedWorkProgress> installed;
  if (StandardErrorIsTerminal()) installed.emplace(progress.emplace(std::cerr, args[0]));
  try {
    return RunVerb(args);
  } catch (const std::bad_alloc&) {
    return Fail("out of memory (" + args[0] + ")");
  }
}

}  // namespace quobrix
