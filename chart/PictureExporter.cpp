#include "chart/PictureExporter.h"

namespace quobrix {

namespace {
PictureExporter* installedExporter = nullptr;
}

void SetPictureExporter(PictureExporter* exporter) { installedExporter = exporter; }

PictureExporter* InstalledPictureExporter() { return installedExporter; }

}  // namespace quobrix
