#include "tools/PalettePictures.h"

#include <QPainter>
#include <array>

namespace quobrix {

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 120;
constexpr int kGreysWidth = 156;

constexpr int kColumns = 8;
constexpr std::array<QRgb, 48> kStandardColours = {
    0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF,  //
    0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF,  //
    0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080,  //
    0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF,  //
    0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080,  //
    0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0xE0E0E0, 0xFFFFFF};

constexpr int kGreyColumns = 6;
constexpr int kGreyRows = 4;
constexpr int kGreyGap = 2;

}  // namespace

QImage StandardColoursPicture() {
  QImage picture(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&picture);
  const int rows = static_cast<int>(kStandardColours.size()) / kColumns;
  const int cellW = kWidth / kColumns, cellH = kHeight / rows;
  for (int i = 0; i < static_cast<int>(kStandardColours.size()); ++i)
    painter.fillRect((i % kColumns) * cellW, (i / kColumns) * cellH, cellW, cellH,
                     QColor::fromRgb(kStandardColours[static_cast<std::size_t>(i)]));
  return picture;
}

QImage HueLightnessPicture() {
  QImage picture(kWidth, kHeight, QImage::Format_RGB32);
  for (int y = 0; y < kHeight; ++y) {
    const double lightness = 1.0 - static_cast<double>(y) / (kHeight - 1);
    for (int x = 0; x < kWidth; ++x)
      picture.setPixel(x, y,
                       QColor::fromHslF(static_cast<float>(x) / kWidth, 1.0F, static_cast<float>(lightness)).rgb());
  }
  return picture;
}

QImage GreysPicture() {
  QImage picture(kGreysWidth, kHeight, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  const int cellW = kGreysWidth / kGreyColumns, cellH = kHeight / kGreyRows;
  const int count = kGreyColumns * kGreyRows;
  for (int i = 0; i < count; ++i) {
    const int level = 255 - i * 255 / (count - 1);
    painter.fillRect((i % kGreyColumns) * cellW, (i / kGreyColumns) * cellH, cellW - kGreyGap, cellH - kGreyGap,
                     QColor(level, level, level));
  }
  return picture;
}

}  // namespace quobrix
