// The colour palette: three pictures of colours on tabs. A press, a double
// click or a drag over a picture paints the colour under the mouse onto the
// active chart the way the chart window's colour strip does: the sheet on a
// double click, else the active block's fill or line, else the look of
// blocks added later. One press-to-release is one undo step. It keeps its
// visibility and position, and snaps to the edges of the work area.
#pragma once

#include <QPointer>

#include "tools/ToolWindow.h"

class QTabWidget;

namespace quobrix {

class ActiveChart;
class ColorStrip;
class THolderForm;

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
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ColorStrip* AddPicture(const char* tab, const char* caption, const char* name, QImage picture);
  void BeginDrag();
  void EndDrag();

  ActiveChart& active_;
  // The chart window a press on a picture began to recolour.
  QPointer<THolderForm> dragged_;
};

}  // namespace quobrix
