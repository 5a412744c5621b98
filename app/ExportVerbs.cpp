#include "app/ExportVerbs.h"

#include <charconv>
#include <optional>

#include "app/VerbSupport.h"
#include "chart/ChartFormat.h"
#include "platform/HeadlessGui.h"
#include "platform/PictureFileExporter.h"
#include "platform/PrinterPrintDevice.h"
#include "render/ChartPicture.h"

namespace quobrix {

namespace {

constexpr const char* kPictureExtensions[] = {".EMF", ".BMP", ".PNG", ".JPG", ".JPEG", ".SVG", ".PDF"};
constexpr std::int32_t kMaxCopies = 999;

bool IsPictureExtension(const std::string& upperExtension) {
  for (const char* known : kPictureExtensions)
    if (upperExtension == known) return true;
  return false;
}

std::optional<std::int32_t> WholeNumber(const std::string& text) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct PrintRange {
  std::optional<std::int32_t> from, to;
  std::int32_t copies = 1;
};

// Reads "--from N", "--to M" and "--copies K" in any order, or says what is wrong.
std::optional<std::string> ReadPrintOptions(const std::vector<std::string>& options, PrintRange& range) {
  for (std::size_t i = 0; i < options.size(); i += 2) {
    const std::string& name = options[i];
    if (name != "--from" && name != "--to" && name != "--copies") return "unknown option: " + name;
    if (i + 1 >= options.size()) return name + " needs a number";
    const auto value = WholeNumber(options[i + 1]);
    if (!value) return name + " needs a whole number, not " + options[i + 1];
    if (name == "--from") range.from = *value;
    if (name == "--to") range.to = *value;
    if (name == "--copies") range.copies = *value;
  }
  return std::nullopt;
}

}  // namespace

int ExportPicture(const std::string& in, const std::string& out) {
  const std::string extension = UpperExtension(out);
  if (!IsPictureExtension(extension))
    return Fail("not a picture format: " + out + " (use .emf, .bmp, .png, .jpg, .jpeg, .svg or .pdf)");
  HeadlessGui gui;
  BlocksHolderModel chart;
  if (auto failure = LoadChart(chart, in)) return Fail(*failure);
  if (SheetIsEmpty(chart)) return Fail("the sheet of " + in + " is empty (no width or height): no picture to write");
  PictureFileExporter pictures;
  if (!chart.SaveToFile(out, &pictures)) return Fail("cannot write " + out);
  return 0;
}

int PrintPdf(const std::vector<std::string>& args) {
  const std::string& in = args[1];
  const std::string& out = args[2];
  if (UpperExtension(out) != ".PDF") return Fail("the printout must be a .pdf file: " + out);
  PrintRange range;
  if (auto failure = ReadPrintOptions({args.begin() + 3, args.end()}, range)) return Fail(*failure);
  HeadlessGui gui;
  BlocksHolderModel chart;
  if (auto failure = LoadChart(chart, in)) return Fail(*failure);
  const std::int32_t pages = chart.DocumentPages();
  const std::int32_t first = range.from.value_or(1);
  const std::int32_t last = range.to.value_or(pages);
  if (first > last)
    return Fail("nothing to print: the range " + std::to_string(first) + " to " + std::to_string(last) + " is empty");
  if (first < 1 || last > pages)
    return Fail("no pages " + std::to_string(first) + " to " + std::to_string(last) + " in a chart of " +
                std::to_string(pages) + " page(s)");
  if (range.copies < 1 || range.copies > kMaxCopies) return Fail("--copies must be 1 to " + std::to_string(kMaxCopies));
  if (!PrintToPdf(chart, out, first, last, range.copies)) return Fail("cannot write " + out);
  return 0;
}

}  // namespace quobrix
