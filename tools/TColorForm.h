// The colour palette: three pictures of colours on tabs. A press, a double
// click or a drag over a picture paints the colour under the mouse onto the
// active chart the way the chart window's colour strip does: the sheet on a
// double click, else the active block's fill or line, else the look of
// blocks added later. One press-to-release is one undo step. It keeps its
// visibility and position, and snaps to the edges of the work area.
#pragma once

#include "tools/ToolWindow.h"

class QTabWidget;

namespace quobrix {

class ActiveChart;
class ColorStrip;

class TColorForm : public ToolWindow {
  Q_OBJECT

 public:
  TColorForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry);

  QTabWidget* PageControl1 = nullptr;
  ColorStrip* ColorImage = nullptr;
  ColorStrip* ColorImage2 = nullptr;
  ColorStrip* ColorImage3 = nullptr;

  void LoadLayout(const ProfileFile& settings) override;
  void SaveLayout(ProfileFile& settings) const override;

 protected:
  void moveEvent(QMoveEvent* event) override;

 private:
  ColorStrip* AddPicture(const char* tab, const char* caption, const char* name, QImage picture);

  ActiveChart& active_;
};

}  // namespace quobrix
