#include "view/THolderForm.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>

#include "chart/CoordinateMath.h"
#include "platform/Cp1251Codec.h"
#include "view/AppContext.h"
#include "view/ChartDocument.h"
#include "view/ChartWindowHost.h"
#include "view/CommandTable.h"
#include "view/FragmentDrag.h"
#include "view/TBlocksHolder.h"
#include "view/TDebugForm.h"
#include "view/TVRulerWnd2.h"
#include "view/UndoGesture.h"
#include "view/ZoomLimits.h"

namespace quobrix {

namespace {

std::string FragmentTextOf(const QAbstractItemView& list) {
  const QVariant data = list.currentIndex().data(FragmentTextRole);
  if (data.typeId() == QMetaType::QByteArray) return data.toByteArray().toStdString();
  return UnicodeToCp1251(data.toString()).value_or(std::string());
}

// The selection, the undo history and the set of blocks decide which
// commands can run, and the modified flag what saving shows; moving or
// restyling blocks does not.
bool ChangesWhatCommandsNeed(const ChartNotice& notice) {
  switch (notice.Kind) {
    case ChartChange::ActiveBlock:
    case ChartChange::History:
    case ChartChange::Structure:
    case ChartChange::Modified:
      return true;
    case ChartChange::View:
      return notice.View == ViewChange::Selection || notice.View == ViewChange::Zoom;
    default:
      return false;
  }
}

}  // namespace

THolderForm::THolderForm(ChartWindowHost& host, AppContext& context, TDebugForm* debug)
    : host_(host), context_(context) {
  setAttribute(Qt::WA_DeleteOnClose);
  BuildLayout();
  BuildPopMenu();
  BuildMainMenu2();
  BuildPosGridMenu();
  document_ = new ChartDocument(bh->Model(), *this);
  connect(document_, &ChartDocument::Changed, this, &THolderForm::FollowDocument);
  FollowDocument();
  bh->Model().ApplyChartWindowValues();
  bh->Model().SetDebugMessages(debug != nullptr);
  modelSubscription_ = bh->Model().Subscribe([this, debug](const ChartNotice& notice) {
    if (notice.Kind == ChartChange::Debug && debug)
      debug->AddMessage(QString::fromUtf8(notice.Message));
    else if (notice.Kind == ChartChange::View && notice.View != ViewChange::Selection)
      FollowChartView();
    if (ChangesWhatCommandsNeed(notice)) emit ChartChanged();
  });
  ConnectControls();
  FollowAlignLinesSwitch();
  FormCreate();
}

THolderForm::~THolderForm() = default;

void THolderForm::ConnectControls() {
  connect(ScrollX, &QScrollBar::valueChanged, this, &THolderForm::ScrollXChange);
  connect(ScrollY, &QScrollBar::valueChanged, this, &THolderForm::ScrollYChange);
  connect(bh, &TBlocksHolder::OriginChanged, this, &THolderForm::FollowScroll);
  connect(bh, &TBlocksHolder::DrawingDisarmed, this, &THolderForm::ChartChanged);
  connect(bPgUp, &QToolButton::clicked, this, [this] { bh->PageUp(); });
  connect(bPgDn, &QToolButton::clicked, this, [this] { bh->PageDown(); });
  QAction& search = host_.Commands().Action(CommandId::Search);
  bSearch->setEnabled(search.isEnabled());
  connect(&search, &QAction::enabledChanged, bSearch, &QWidget::setEnabled);
  connect(bSearch, &QToolButton::clicked, &search, &QAction::trigger);
  connect(cbZoom, &QComboBox::currentTextChanged, this, &THolderForm::cbZoomChange);
  connect(bGrid, &QToolButton::clicked, this, &THolderForm::SetUseGrid);
  connect(bLineSnap, &QToolButton::clicked, this, [this](bool down) { bh->FLineSnap = down; });
  connect(bObjSnap, &QToolButton::clicked, this, [this](bool down) { bh->FObjectSnap = down; });
  connect(sbPosGridSize, &QToolButton::clicked, this, [this] {
    const QPoint topRight = sbPosGridSize->mapToGlobal(QPoint(sbPosGridSize->width(), 0));
    PosGridMenu->popup(topRight - QPoint(PosGridMenu->sizeHint().width(), 0));
  });
  ColorImg->OnPick = [this](TColor color, StripPick kind) { ColorImgPick(color, kind); };
  new UndoGesture(*ColorImg, [this] { return &bh->Model(); });
  bh->OnMousePosChanged = [this](Qt::KeyboardModifiers shift, int x, int y) { bhMousePosChanged(shift, x, y); };
  bh->setAcceptDrops(true);
  bh->installEventFilter(this);
  connect(&context_.Settings(), &ProgramSettings::OptionsChanged, this, &THolderForm::FollowOptions);
  connect(&context_.Settings(), &ProgramSettings::LanguageFileChanged, this, &THolderForm::FollowLanguage);
}

void THolderForm::FollowLanguage() {
  ShowSheetSize();
  NamePosGridSteps();
  FollowDocument();
}

void THolderForm::FormCreate() {
  bh->FStatusPanel = StatusPanel(1);
  HorzRuler->SetDigitsLenght(10000);
  VertRuler->SetDigitsLenght(10000);
  const ProgramOptions& options = context_.Settings().Options();
  SetRulersVisible(options.ShowRulersInWin);
  SetColorStripVisible(options.ShowColorLineInWin);
  SetStatusVisible(options.ShowStatusInWin);
  FollowLineOptions();
}

// The view options are the start state of a window; the main window hands a
// changed one to the active window alone.
void THolderForm::FollowOptions(const ProgramOptions& before) {
  if (context_.Settings().Options().CenterChartInWindow != before.CenterChartInWindow) bhResize();
  if (context_.Settings().Options().NewLinesWithArrow != before.NewLinesWithArrow ||
      context_.Settings().Options().RouteNewLines != before.RouteNewLines)
    FollowLineOptions();
}

void THolderForm::FollowLineOptions() {
  bh->Model().SetDefLineArrows(context_.Settings().Options().NewLinesWithArrow ? blaEndArrow : blaSimple);
  bh->FRouteLines = context_.Settings().Options().RouteNewLines;
}

void THolderForm::FollowAlignLinesSwitch() {
  const QAction& alignLines = host_.Commands().Action(CommandId::AlsoAlignLines);
  bh->Model().SetAlignLines(alignLines.isChecked());
  connect(&alignLines, &QAction::toggled, this, [this](bool on) { bh->Model().SetAlignLines(on); });
}

void THolderForm::FormActivate() {
  host_.ChartWindowActivated(*this);
  ShowSheetSize();
  UpdateZoomBox();
  bh->setFocus();
}

void THolderForm::ShowSheetSize() {
  const auto& m = bh->Model();
  StatusPanel(0)->setText(
      QStringLiteral("%1 X %2 %3").arg(m.SheetWidth() / 100).arg(m.SheetHeight() / 100).arg(host_.MillimetreText()));
}

void THolderForm::FollowDocument() {
  setWindowTitle(document_->Title());
  setWindowModified(document_->IsModified());
  StatusPanel(2)->setText(document_->Name());
}

void THolderForm::FollowChartView() {
  UpdateZoomDisplay();
  ShowSheetSize();
}

bool THolderForm::event(QEvent* event) {
  if (event->type() != QEvent::StatusTip) return QMainWindow::event(event);
  ShowStatusHint(static_cast<QStatusTipEvent*>(event)->tip());
  return true;
}

void THolderForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // A tab of the single-window workspace is activated as a tab.
  if (event->type() == QEvent::ActivationChange && isWindow() && isActiveWindow()) FormActivate();
}

void THolderForm::closeEvent(QCloseEvent* event) {
  if (FormClose())
    event->accept();
  else
    event->ignore();
}

bool THolderForm::FormClose() {
  auto& m = bh->Model();
  if (m.FModified()) {
    const auto answer = QMessageBox::question(this, host_.MainCaption(), host_.SavePromptText(*this),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    // A save that was cancelled or failed would lose the changes: stay open.
    if (answer == QMessageBox::Yes && !host_.SaveChart(*this)) return false;
  }
  if (document_->HasFile()) host_.AddRecentFile(document_->FileName());
  // A tab of the single-window workspace has no place of its own to give new windows.
  ChartPlacement placement = context_.Settings().LastChartPlacement();
  if (isWindow()) placement = {x(), y(), width(), height()};
  placement.Zoom = static_cast<int>(m.ZoomPercents());
  context_.Settings().SetLastChartPlacement(placement);
  host_.ChartWindowClosed(*this);
  return true;
}

void THolderForm::bhMousePosChanged(Qt::KeyboardModifiers, int, int) {
  const QString hint = host_.ActiveSymbolHint(*bh, bh->toolTip());
  if (hint.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(QCursor::pos() + QPoint(5, 5), hint, bh);
}

void THolderForm::UpdateZoomBox() {
  const QString zoom = QString::number(bh->Model().ZoomPercents());
  if (cbZoom->currentText() == zoom) return;
  updatingZoomBox_ = true;
  cbZoom->setEditText(zoom);
  updatingZoomBox_ = false;
}

void THolderForm::UpdateZoomDisplay() {
  const auto& m = bh->Model();
  HorzRuler->SetZoom(static_cast<int>(m.ZoomPercents()));
  VertRuler->SetZoom(static_cast<int>(m.ZoomPercents()));
  UpdateZoomBox();
  bhResize();
  HorzRuler->SetDigitsLenght(ToPixel(bh->ChartToPixels(m.SheetWidth())));
  VertRuler->SetDigitsLenght(ToPixel(WrapMul(bh->ChartToPixels(m.SheetHeight()), m.DocumentPages())));
}

void THolderForm::bhResize() {
  const QRect client = BHPanel->contentsRect();
  const std::int64_t sheet = bh->ChartToPixels(bh->Model().SheetWidth());
  int filler = 0;
  if (context_.Settings().Options().CenterChartInWindow && sheet >= 0 && sheet < client.width())
    filler = static_cast<int>((client.width() - sheet) / 2);
  LeftShape->setGeometry(client.x(), client.y(), filler, client.height());
  bh->setGeometry(client.x() + filler, client.y(), client.width() - filler, client.height());
  PlaceRulers();
}

void THolderForm::PlaceRulers() {
  // The graduation starts at the sheet's left edge: past the vertical ruler
  // and the filler, less what the canvas has scrolled. Doing this on every
  // resize keeps it there when the window's width changes the filler.
  const int canvasLeft = bh->mapTo(this, QPoint(0, 0)).x() - HorzRuler->mapTo(this, QPoint(0, 0)).x();
  HorzRuler->SetPrecition(static_cast<int>(canvasLeft - bh->FOriginX()));
  VertRuler->SetPrecition(static_cast<int>(-bh->FOriginY()));
}

void THolderForm::FollowScroll() {
  PlaceRulers();
  const auto& m = bh->Model();
  // A bar is moved only when its position no longer shows the origin, so a
  // bar the user drags is never pulled back by rounding.
  auto follow = [](QScrollBar& bar, std::int64_t origin, std::int64_t content, std::int64_t view) {
    if (std::max<std::int64_t>(OriginForScrollPosition(bar.value(), content, view), 0) == origin) return;
    const QSignalBlocker quiet(bar);
    bar.setValue(std::min(ScrollPositionForOrigin(origin, content, view), bar.maximum()));
  };
  follow(*ScrollX, bh->FOriginX(), bh->ChartToPixels(m.SheetWidth()), bh->width());
  follow(*ScrollY, bh->FOriginY(), bh->ChartToPixels(WrapMul(m.SheetHeight(), m.DocumentPages())), bh->height());
}

void THolderForm::SetRulersVisible(bool visible) {
  HorzRuler->setVisible(visible);
  VertRuler->setVisible(visible);
  MarkViewSwitch("mRulers", visible);
}

void THolderForm::SetStatusVisible(bool visible) {
  BottomPanel->setFixedHeight(visible ? 20 : 1);
  MarkViewSwitch("mStatus", visible);
}

void THolderForm::SetColorStripVisible(bool visible) {
  ColorPanel->setVisible(visible);
  MarkViewSwitch("mColor", visible);
}

void THolderForm::SetUseGrid(bool on) {
  bh->FUseGrid = on;
  bGrid->setChecked(on);
  bh->update();
  emit ChartChanged();
}

void THolderForm::SetShowGrid(bool on) {
  bh->FShowGrid = on;
  bh->update();
  emit ChartChanged();
}

void THolderForm::ShowStatusHint(const QString& hint) {
  QLabel& panel = *StatusPanel(1);
  // The canvas may have written the panel since the hint came: its text stays.
  const bool hintShown = !statusHint_.isEmpty() && panel.text() == statusHint_;
  if (hint.isEmpty()) {
    if (hintShown) panel.setText(shownBeforeHint_);
    statusHint_.clear();
    return;
  }
  if (!hintShown) shownBeforeHint_ = panel.text();
  statusHint_ = hint;
  panel.setText(hint);
}

void THolderForm::ScrollXChange(int position) {
  const auto& m = bh->Model();
  bh->SetOriginX(OriginForScrollPosition(position, bh->ChartToPixels(m.SheetWidth()), bh->width()));
}

void THolderForm::ScrollYChange(int position) {
  const auto& m = bh->Model();
  bh->SetOriginY(OriginForScrollPosition(position, bh->ChartToPixels(WrapMul(m.SheetHeight(), m.DocumentPages())), bh->height()));
}

void THolderForm::cbZoomChange(const QString& text) {
  if (updatingZoomBox_) return;
  if (!text.isEmpty()) {
    bool isNumber = false;
    const qint64 typed = text.toLongLong(&isNumber, 10);
    // A zoom of nothing or less, or beyond reason, is not taken.
    if (!isNumber)
      bh->Model().SetZoomPercents(50);
    else if (typed >= kSmallestZoom && typed <= kLargestZoom)
      bh->Model().SetZoomPercents(typed);
  }
  UpdateZoomDisplay();
}

void THolderForm::ColorImgPick(TColor color, StripPick kind) {
  auto& m = bh->Model();
  const bool primary = kind == StripPick::Primary;
  if (kind == StripPick::DoubleClick) {
    m.ChangeSheetColor(color);
  } else if (m.ActiveBlockPtr()) {
    primary ? m.SetBlockMC(color) : m.SetBlockBC(color);
  } else {
    primary ? m.SetDefBlockColor(color) : m.SetDefBlockBorderColor(color);
  }
}

bool THolderForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == BHPanel && event->type() == QEvent::Resize) bhResize();
  if (watched != bh) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::Wheel: {
      const auto* wheel = static_cast<QWheelEvent*>(event);
      WheelOverCanvas(wheel->angleDelta().y(), wheel->modifiers());
      return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
      return DragOverCanvas(event);
    default:
      return QMainWindow::eventFilter(watched, event);
  }
}

void THolderForm::WheelOverCanvas(int delta, Qt::KeyboardModifiers modifiers) {
  if (delta == 0) return;
  const bool down = delta < 0;
  if (!modifiers.testFlag(Qt::ControlModifier)) {
    if (down && ScrollY->value() < ScrollY->maximum()) ScrollY->setValue(ScrollY->value() + 5);
    if (!down && ScrollY->value() > ScrollY->minimum()) ScrollY->setValue(ScrollY->value() - 5);
    return;
  }
  auto& m = bh->Model();
  const bool zoomIn = context_.Settings().Options().WheelUpZoomsIn ? !down : down;
  const std::int64_t zoom = SteppedZoom(m.ZoomPercents(), zoomIn ? 5 : -5);
  if (zoom == m.ZoomPercents()) return;
  m.SetZoomPercents(zoom);
  UpdateZoomDisplay();
}

bool THolderForm::StartPlacingFragment(const QObject& source) {
  const auto* list = qobject_cast<const QAbstractItemView*>(&source);
  if (!list || !bh->Model().PasteFragment(FragmentTextOf(*list))) return false;
  bh->FPlacingFragment = true;
  return true;
}

// A fragment dragged from a fragment list is pasted as soon as the drag
// enters the canvas and then follows the mouse until the button is released.
bool THolderForm::DragOverCanvas(QEvent* event) {
  if (event->type() == QEvent::DragEnter) {
    auto* enter = static_cast<QDragEnterEvent*>(event);
    if (!qobject_cast<const QAbstractItemView*>(enter->source())) return false;
    enter->acceptProposedAction();
    StartPlacingFragment(*enter->source());
    return true;
  }
  if (!bh->FPlacingFragment) return false;
  if (event->type() == QEvent::DragMove) {
    auto* move = static_cast<QDragMoveEvent*>(event);
    move->acceptProposedAction();
    const QPoint p = move->position().toPoint();
    bh->CanvasMouseMove(Qt::LeftButton, move->modifiers(), p.x(), p.y());
    return true;
  }
  // Dropped or carried away: the fragment stays where it was last shown.
  bh->CanvasMouseUp();
  if (event->type() == QEvent::Drop) static_cast<QDropEvent*>(event)->ignore();
  return true;
}

}  // namespace quobrix
