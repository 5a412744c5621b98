#include "app/Gallery.h"

#include <QImage>
#include <QPainter>
#include <memory>

#include "chart/SymbolTable.h"
#include "platform/HeadlessGui.h"
#include "platform/QPainterCanvas.h"
#include "render/DrawBlock.h"

namespace quobrix {

namespace {

constexpr std::int64_t kResolution = 378;
constexpr std::int64_t kCellW = 4500, kCellH = 3000;  // chart units
constexpr int kTypeColumns = 10;
constexpr int kLineCodes = 13;
constexpr std::int64_t kLineCellW = 3400, kLineCellH = 2000;
constexpr int kZooms[] = {100, 200};
constexpr TColor kFill = 0xD0F0FF;  // light yellow

TBlock& Add(BlockList& list, std::uint8_t type, std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h,
            const std::string& text) {
  auto b = std::make_unique<TBlock>();
  b->BT = type;
  b->X = x;
  b->Y = y;
  b->W = w;
  b->H = h;
  b->MC = kFill;
  b->Text = text;
  b->TF.SetSize(9);
  b->TF.Color = clBlack;
  list.push_back(std::move(b));
  return *list.back();
}

// Every type in a grid, its code and name inside.
std::int64_t AddTypes(BlockList& list, std::int64_t top) {
  for (const SymbolInfo& symbol : SymbolTable()) {
    const int type = symbol.type;
    const std::int64_t x = (type % kTypeColumns) * kCellW + 500, y = top + (type / kTypeColumns) * kCellH + 500;
    const bool isLine = type == btLine || type == btPoint;
    Add(list, symbol.type, x, y, 3500, isLine ? 1800 : 2000, std::to_string(type) + " " + symbol.name);
  }
  return top + (vXNOR / kTypeColumns + 1) * kCellH;
}

// Each placement with each alignment.
std::int64_t AddPlacements(BlockList& list, std::int64_t top) {
  constexpr const char* kPlacement[] = {"Inside", "Under", "Right"};
  constexpr const char* kAlignment[] = {"left", "right", "centre"};
  for (int p = 0; p < 3; ++p)
    for (int a = 0; a < 3; ++a) {
      const std::int64_t x = (p * 3 + a) * kCellW + 500, y = top + 500;
      const std::string text = std::string(kPlacement[p]) + " " + kAlignment[a] + " R&D\r\nsecond line wraps when long";
      TBlock& b = Add(list, btRectangle, x, y, p == 2 ? 2000 : 3500, 1500, text);
      b.TP = static_cast<std::uint8_t>(p);
      b.TA = static_cast<std::uint8_t>(a);
    }
  return top + 2 * kCellH;
}

// A line for every end-mark code: thin and thick, solid and dashed.
std::int64_t AddLines(BlockList& list, std::int64_t top) {
  struct Variant {
    std::int64_t width;
    TPenStyle style;
  };
  constexpr Variant kVariants[] = {{1, psSolid}, {1, psDash}, {100, psSolid}, {100, psDash}};
  for (int v = 0; v < 4; ++v)
    for (int code = 0; code < kLineCodes; ++code) {
      const std::int64_t x = code * kLineCellW + 600, y = top + v * kLineCellH + 600;
      TBlock& b = Add(list, btLine, x, y, 2400, 900, v == 0 ? std::to_string(code) : std::string());
      b.LineArrows = static_cast<std::uint8_t>(code);
      b.BW = kVariants[v].width;
      b.BS = kVariants[v].style;
      b.BC = 0x802000;
      b.TP = btpUnder;
      b.TA = taLeftJustify;
    }
  return top + 4 * kLineCellH + 600;
}

BlockList GalleryBlocks(std::int64_t& height) {
  BlockList list;
  height = AddLines(list, AddPlacements(list, AddTypes(list, 0)));
  return list;
}

}  // namespace

bool WriteGallery(const std::string& pngPath) {
  const HeadlessGui gui;
  std::int64_t height = 0;
  const BlockList blocks = GalleryBlocks(height);
  const std::int64_t width = kTypeColumns * kCellW;

  int imageW = 0, imageH = 0;
  for (int zoom : kZooms) {
    imageW = std::max(imageW, ChartToPixels(width, kResolution, zoom));
    imageH += ChartToPixels(height, kResolution, zoom);
  }
  QImage image(imageW, imageH, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    int top = 0;
    for (int zoom : kZooms) {
      const DrawBlockArgs args{.device = {.resolution = kResolution, .zoomPercents = zoom, .scrollY = -top}};
      for (const auto& b : blocks) DrawBlock(*b, canvas, args);
      top += ChartToPixels(height, kResolution, zoom);
      painter.setPen(Qt::gray);
      painter.drawLine(0, top - 1, imageW, top - 1);
    }
  }
  return image.save(QString::fromStdString(pngPath), "PNG");
}

}  // namespace quobrix
