// Writes a chart as a picture file, chosen by the file's extension:
// ".EMF" (every page, vector), ".BMP", ".PNG", ".JPG"/".JPEG" (page 1 as a
// bitmap), ".SVG" (every page, vector) and ".PDF" (one PDF page per page).
#pragma once

#include <QImage>
#include <string>

#include "chart/PictureExporter.h"
#include "platform/SvgCanvas.h"

namespace quobrix {

class PictureFileExporter : public PictureExporter {
 public:
  bool Export(const BlocksHolderModel& chart, const std::string& path, const std::string& upperExtension) override;
};

// The pictures themselves, for the file formats and the clipboard. They need
// the toolkit's application object.
// Empty, as is a failed SVG, when the installed progress cancels.
std::string EmfPicture(const BlocksHolderModel& chart);
// Page 1 at the chart's horizontal resolution, 24 bits per pixel.
QImage BitmapPicture(const BlocksHolderModel& chart);
// Every page stacked, as SVG handed to `sink` piece by piece.
bool WriteSvgPicture(const BlocksHolderModel& chart, const SvgCanvas::Sink& sink);

}  // namespace quobrix
