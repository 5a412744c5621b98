#pragma once

#include <string>

namespace quobrix {

class BlocksHolderModel;

// Writes a chart as a picture. The chart model is free of any toolkit, so
// the program installs the exporter that draws pictures at start-up.
class PictureExporter {
 public:
  virtual ~PictureExporter() = default;
  // `upperExtension` is the path's extension in capitals with its dot (".BMP").
  // Returns false for an extension it does not write or when writing fails.
  virtual bool Export(const BlocksHolderModel& chart, const std::string& path, const std::string& upperExtension) = 0;
};

// The exporter SaveToFile hands picture paths to; none at first.
void SetPictureExporter(PictureExporter* exporter);
PictureExporter* InstalledPictureExporter();

}  // namespace quobrix
