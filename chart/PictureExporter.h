#pragma once

#include <string>

namespace quobrix {

class BlocksHolderModel;

// Writes a chart as a picture. The chart model is free of any toolkit, so
// whoever saves pictures hands the model an exporter that draws them.
class PictureExporter {
 public:
  virtual ~PictureExporter() = default;
  // `upperExtension` is the path's extension in capitals with its dot (".BMP").
  // Returns false for an extension it does not write or when writing fails.
  virtual bool Export(const BlocksHolderModel& chart, const std::string& path, const std::string& upperExtension) = 0;
};

}  // namespace quobrix
