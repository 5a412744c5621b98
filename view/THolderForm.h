// The chart document window: one top-level window per chart, holding the
// chart canvas `bh` with its rulers, scroll bars, page buttons, status line,
// zoom box, colour strip, context menu and menu bar. The menus show the
// program's shared commands, which act on the active chart window. Its
// title and file name follow the chart's document.
#pragma once

#include <QMainWindow>
#include <array>

#include "chart/ChartNotice.h"
#include "view/ColorStrip.h"

class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;
class QToolButton;

namespace quobrix {

class ChartDocument;
class ChartWindowHost;
struct ProgramOptions;
class AppContext;
class TBlocksHolder;
class TDebugForm;
class TVRulerWnd2;

class THolderForm : public QMainWindow {
  Q_OBJECT

 public:
  // `debug` receives the canvas's diagnostic texts when given.
  THolderForm(ChartWindowHost& host, AppContext& context, TDebugForm* debug = nullptr);
  ~THolderForm() override;

  AppContext& Context() const { return context_; }

  TBlocksHolder* bh = nullptr;
  TVRulerWnd2* HorzRuler = nullptr;
  TVRulerWnd2* VertRuler = nullptr;
  QWidget* BottomPanel = nullptr;
  QWidget* ColorPanel = nullptr;
  ColorStrip* ColorImg = nullptr;
  QWidget* RightPanel = nullptr;
  QScrollBar* ScrollY = nullptr;
  QToolButton* bPgUp = nullptr;
  QToolButton* bSearch = nullptr;
  QToolButton* bPgDn = nullptr;
  QFrame* BHPanel = nullptr;
  QWidget* LeftShape = nullptr;
  QWidget* Status = nullptr;
  QToolButton* bObjSnap = nullptr;
  QToolButton* bLineSnap = nullptr;
  QToolButton* bGrid = nullptr;
  QToolButton* sbPosGridSize = nullptr;
  QComboBox* cbZoom = nullptr;
  QScrollBar* ScrollX = nullptr;
  QMenu* PopMenu = nullptr;
  QMenu* PosGridMenu = nullptr;
  QMenuBar* MainMenu2 = nullptr;

  ChartDocument& Document() const { return *document_; }

  // The three panels of the status line: sheet size, positions, file name.
  QLabel* StatusPanel(int index) const { return statusPanels_[static_cast<std::size_t>(index)]; }

  // Takes the window as the active chart window and refreshes the status line.
  void FormActivate();
  void UpdateZoomDisplay();
  // Status line: the sheet size.
  void ShowSheetSize();
  // Centres the sheet in the canvas panel while the option asks for it.
  void bhResize();
  void bhMousePosChanged(Qt::KeyboardModifiers shift, int x, int y);

  // The "Вид" switches of this window.
  void SetRulersVisible(bool visible);
  void SetStatusVisible(bool visible);
  void SetColorStripVisible(bool visible);

  // The position grid: snapping to it (shown on `bGrid`), and showing it,
  // which draws the grid while snapping to it is on.
  void SetUseGrid(bool on);
  void SetShowGrid(bool on);

  // Shows what a hovered menu item or tool button does in the middle panel
  // of the status line; an empty hint gives the panel back its own text.
  void ShowStatusHint(const QString& hint);

  // A drag from a fragment list entered the canvas: pastes the list's current
  // fragment, which then follows the mouse until the button is released.
  bool StartPlacingFragment(const QObject& source);

  // The colour strip's effect on the chart.
  void ColorImgPick(TColor color, StripPick kind);

 signals:
  // Something changed in the chart that decides which commands can run or
  // how they show: the active block, the blocks there are, the undo
  // history, the zoom, the grid switches, the modified flag.
  void ChartChanged();

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout();
  QWidget* BuildBottomPanel();
  QWidget* BuildRightPanel();
  void BuildPopMenu();
  void BuildMainMenu2();
  void MarkViewSwitch(const char* name, bool shown);
  void BuildPosGridMenu();
  // The texts written from the interface language's words.
  void FollowLanguage();
  void NamePosGridSteps();
  void ConnectControls();

  void FormCreate();
  // Title, modified mark and the status line's file name as the document has them.
  void FollowDocument();
  // Shows the options that changed since `before`.
  void FollowOptions(const ProgramOptions& before);
  // The chart's default line ends and the routing of lines drawn by hand
  // follow the program's options.
  void FollowLineOptions();
  void UpdateZoomBox();
  // Zoom box, rulers, centring and status line as the chart is now, however
  // its zoom or sheet changed (an undo, a load, a command).
  void FollowChartView();
  // Rulers and scroll bars show where the canvas looks, whatever scrolled it.
  void FollowScroll();
  void PlaceRulers();
  // "Включая линии" is one switch for every chart: the canvases follow it.
  void FollowAlignLinesSwitch();
  // The steps before the window goes; false keeps it open.
  bool FormClose();

  void ScrollXChange(int position);
  void ScrollYChange(int position);
  void cbZoomChange(const QString& text);
  void WheelOverCanvas(int delta, Qt::KeyboardModifiers modifiers);
  bool DragOverCanvas(QEvent* event);

  ChartWindowHost& host_;
  AppContext& context_;
  ChartDocument* document_ = nullptr;
  std::array<QLabel*, 3> statusPanels_{};
  // What the middle status panel showed before a hint took it.
  QString shownBeforeHint_;
  QString statusHint_;
  bool updatingZoomBox_ = false;
  ChartSubscription modelSubscription_;
};

}  // namespace quobrix
