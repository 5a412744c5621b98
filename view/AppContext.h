// What the program's windows share: made once where the program starts and
// handed to each window that needs it. Nothing here is process-wide, so a
// test makes a context of its own, and two contexts side by side do not see
// each other's values.
#pragma once

#include "platform/PictureFileExporter.h"
#include "platform/QtChartClipboard.h"
#include "view/ProgramSettings.h"

namespace quobrix {

class AppContext {
 public:
  // Copy and paste go through the desktop's clipboard, or through the one
  // given, which outlives the context.
  AppContext() = default;
  explicit AppContext(ChartClipboard& clipboard) : clipboard_(&clipboard) {}

  ProgramSettings& Settings() { return settings_; }
  const ProgramSettings& Settings() const { return settings_; }

  ChartClipboard& Clipboard() const { return *clipboard_; }

  // What saving a chart under a picture's name writes the picture with.
  PictureExporter& Pictures() { return pictures_; }

 private:
  ProgramSettings settings_;
  QtChartClipboard desktopClipboard_;
  ChartClipboard* clipboard_ = &desktopClipboard_;
  PictureFileExporter pictures_;
};

}  // namespace quobrix
