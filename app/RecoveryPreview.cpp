#include "app/RecoveryPreview.h"

#include <QPainter>
#include <algorithm>

#include "app/DocumentSupport.h"
#include "chart/BlocksHolderModel.h"
#include "platform/PictureFileExporter.h"
#include "platform/SystemColors.h"

namespace quobrix {

CopyPreview PreviewOfCopy(const std::string& copyPath, int side) {
  BlocksHolderModel chart;
  const auto loaded = WithinMemory([&] { return chart.LoadFromFile(copyPath); });
  if (!loaded || !*loaded) return {};
  CopyPreview preview;
  preview.readable = true;
  preview.blocks = chart.BlockCount();
  // Drawn small rather than shrunk, so thin lines stay visible.
  const std::int64_t larger = std::max(chart.SheetWidth(), chart.SheetHeight());
  if (larger <= 0) return preview;
  constexpr std::int64_t kResolutionUnit = 10000;  // chart units per resolution step (100 mm)
  chart.SetHorzResolution(std::int64_t{side} * kResolutionUnit / larger);
  preview.picture = BitmapPicture(chart);
  // The sheet's edge, so a white page shows on the white list.
  if (!preview.picture.isNull()) {
    QPainter painter(&preview.picture);
    painter.setPen(ResolveColor(clBtnShadow));
    painter.drawRect(preview.picture.rect().adjusted(0, 0, -1, -1));
  }
  return preview;
}

}  // namespace quobrix
