// The print preview: one page of the active chart at a chosen zoom, drawn
// by the chart's own page drawing as it will be printed, with buttons to
// step through the pages and to change the zoom. Created at start and kept
// for the run, so the page and the zoom last from one showing to the next;
// it follows the active chart as it changes.
#pragma once

#include <array>

#include "tools/ToolWindow.h"

class QComboBox;
class QLabel;
class QScrollArea;
class QToolButton;

namespace quobrix {

class AppContext;
class ActiveChart;
class BlocksHolderModel;

class TPreviewForm : public ToolWindow {
  Q_OBJECT

 public:
  TPreviewForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry, AppContext& context);

  // What the preview command does: shows the active chart from page 1, at
  // the zoom the zoom box names, in a maximized window.
  void Toggle() override;

  // The page being shown, 1-based, and the zoom in percent.
  int Page() const { return page_; }
  int Zoom() const { return zoom_; }

  QToolButton* bPrev = nullptr;
  QToolButton* bNext = nullptr;
  QLabel* LabZoom = nullptr;
  QComboBox* cbZoom = nullptr;
  QToolButton* bMinus = nullptr;
  QToolButton* bPlus = nullptr;
  QToolButton* bRefresh = nullptr;
  QToolButton* bClose = nullptr;
  QScrollArea* Scroll = nullptr;
  QWidget* pb = nullptr;
  // The status bar's panels: the page, the zoom.
  QLabel* StatusPanel(int index) const { return statusPanels_[static_cast<std::size_t>(index)]; }

  // The preview keeps no placement of its own.
  void LoadLayout(const ProfileFile&) override {}
  void SaveLayout(ProfileFile&) const override {}

 private:
  AppContext& context_;
  QWidget* BuildToolBar();
  QWidget* BuildStatusBar();
  void bPrevClick();
  void bNextClick();
  void StepZoom(int step);
  void cbZoomChange(const QString& text);
  // Sizes the paint box for the page at the current zoom and shows the
  // page and the zoom in the status bar.
  void FollowChart();
  void ShowPageNumber();
  void PaintPage(QWidget& box) const;

  ActiveChart& active_;
  int page_ = 1;
  int zoom_ = 50;
  std::array<QLabel*, 2> statusPanels_{};
};

}  // namespace quobrix
