#include "render/BlockText.h"

#include <algorithm>

#include "chart/DeviceGeometry.h"

namespace quobrix {

namespace {

constexpr std::int64_t kZoomDivisor = 100;

void DrawLinesUnder(const std::vector<std::string>& lines, Canvas& canvas, int x1, int x2, int y2,
                    std::uint8_t alignment, int lineHeight) {
  const int gap = canvas.Pen.Width;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int width = canvas.TextWidth(lines[i]);
    int x = 0;
    switch (alignment) {
      case taCenter:
        x = static_cast<std::int32_t>(x1 + (std::int64_t{x2} - x1 - width) / 2);
        break;
      case taLeftJustify:
        x = OffsetPixels(x1, gap);
        break;
      case taRightJustify:
        x = static_cast<std::int32_t>(std::int64_t{x2} - width - gap);
        break;
      default:
        return;
    }
    canvas.TextOut(x, static_cast<std::int32_t>(y2 + std::int64_t(i) * lineHeight), lines[i]);
  }
}

// The lines are centred on the block's middle; the halves above and below
// are truncated separately.
void DrawLinesBeside(const std::vector<std::string>& lines, Canvas& canvas, int y1, int x2, int y2, int lineHeight) {
  const int x = OffsetPixels(x2, canvas.Pen.Width);
  const std::int64_t n = static_cast<std::int64_t>(lines.size());
  const std::int64_t middle = y1 + (std::int64_t{y2} - y1 - lineHeight) / 2;
  for (std::int64_t i = 0; i < n; ++i) {
    const std::int64_t y = middle - ((n - 1 - i) * lineHeight) / 2 + (i * lineHeight) / 2;
    canvas.TextOut(x, static_cast<std::int32_t>(y), lines[static_cast<std::size_t>(i)]);
  }
}

}  // namespace

std::string WithCaretMark(const std::string& text, int caretPos) {
  const std::size_t at = caretPos < 1 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(caretPos) - 1, text.size());
  std::string marked = text;
  marked.insert(at, 1, kCaretMark);
  return marked;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t brk = text.find_first_of("\r\n", start);
    if (brk == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, brk - start));
    start = brk + (text.compare(brk, 2, "\r\n") == 0 ? 2 : 1);
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

void DrawBlockText(const TBlock& block, Canvas& canvas, int x1, int y1, int x2, int y2, std::int64_t zoomPercents,
                   bool viewOnly, bool isActive, int caretPos) {
  canvas.Brush.Style = bsClear;
  canvas.Font = block.TF;
  canvas.Font.SetSize(static_cast<std::int32_t>(WrapMul(block.TF.Size(), zoomPercents) / kZoomDivisor));

  const std::string text = !viewOnly && isActive ? WithCaretMark(block.Text, caretPos) : block.Text;
  switch (block.TP) {
    case btpInside: {
      if (block.TA > taCenter) return;
      const TRect inner = {OffsetPixels(x1, kTextMargin), OffsetPixels(y1, kTextMargin), OffsetPixels(x2, -kTextMargin),
                           OffsetPixels(y2, -kTextMargin)};
      canvas.DrawTextWrapped(inner, text, static_cast<TAlignment>(block.TA));
      break;
    }
    case btpUnder:
      DrawLinesUnder(SplitLines(text), canvas, x1, x2, y2, block.TA, canvas.TextHeight(kLineHeightSample));
      break;
    case btpRightSide:
      DrawLinesBeside(SplitLines(text), canvas, y1, x2, y2, canvas.TextHeight(kLineHeightSample));
      break;
    default:
      break;
  }
}

}  // namespace quobrix
