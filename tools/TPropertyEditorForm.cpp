#include "tools/TPropertyEditorForm.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartEdit.h"
#include "chart/CoordinateMath.h"
#include "platform/Cp1251Codec.h"
#include "platform/ProfileFile.h"
#include "tools/ColorBox.h"
#include "view/ActiveChart.h"
#include "view/ActiveChartFollower.h"
#include "view/AppContext.h"
#include "view/CodePageEdits.h"
#include "view/CommandTable.h"
#include "view/ProgramSettings.h"
#include "view/PropertyPictures.h"
#include "view/PropertyDialogs.h"
#include "view/PropertyValues.h"
#include "view/ScreenSnap.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

// The rows other than the text take this much of the window's height; the
// text row takes the rest.
constexpr int kOtherRowsHeight = 320;
constexpr int kSmallestTextHeight = 48;
constexpr int kScreenSnapDistance = 20;

const QString kSection = QStringLiteral("WinPos");

QString MemoText(const std::string& chartText) {
  return Cp1251ToUnicode(chartText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

TInspectorForm::TInspectorForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry, AppContext& context)
    : ToolWindow(owner, commands, CommandId::Inspector, registry), context_(context) {
  // Shown from a chart window, the inspector leaves the keyboard there.
  setAttribute(Qt::WA_ShowWithoutActivating);
  BuildLayout();
  ConnectEditors();
  new ActiveChartFollower(
      commands.Active(), *this, [this] { Refresh(false); }, [this](const ChartNotice& notice) { ChartNoticed(notice); });
  connect(&context_.Settings(), &ProgramSettings::LanguageFileChanged, this, [this] {
    NameWidths();
    Refresh(false);
  });
  Refresh(false);
}

TInspectorForm::~TInspectorForm() = default;

BlocksHolderModel* TInspectorForm::Chart() const { return Commands().Active().Chart(); }

const TBlock* TInspectorForm::ActiveBlock() const {
  const BlocksHolderModel* chart = Chart();
  return chart ? chart->ActiveBlockPtr() : nullptr;
}

// ----- following the active chart

void TInspectorForm::ChartNoticed(const ChartNotice& notice) {
  if (applying_) return;
  switch (notice.Kind) {
    case ChartChange::History:
      // Another edit: the next keystroke starts a new stretch of typing.
      EndTyping();
      break;
    case ChartChange::Blocks:
    case ChartChange::Structure:
      stale_ = true;
      Follow(false);
      break;
    case ChartChange::View:
      if (notice.View == ViewChange::Selection) Follow(false);
      break;
    case ChartChange::ActiveBlock:
      Follow(true);
      break;
    default:
      break;
  }
}

void TInspectorForm::Toggle() {
  Refresh(true);
  ToolWindow::Toggle();
}

// ----- showing the block

void TInspectorForm::Follow(bool focusText) {
  if (stale_ || shown_ != Shown{Chart(), ActiveBlock()}) {
    Refresh(focusText);
    return;
  }
  EndTyping();
  if (focusText && ActiveBlock()) mText->setFocus(Qt::OtherFocusReason);
}

void TInspectorForm::Refresh(bool focusText) {
  ShowActiveBlock(focusText);
  shown_ = {Chart(), ActiveBlock()};
  stale_ = false;
  emit Refreshed();
}

void TInspectorForm::ShowActiveBlock(bool focusText) {
  EndTyping();
  const QScopedValueRollback filling(filling_, true);
  const BlocksHolderModel* chart = Chart();
  const TBlock* block = ActiveBlock();
  if (!block) {
    // Without a chart, or in another chart than the one shown, the values
    // belong to nothing in reach; in the same chart with no active block
    // the editors keep them in safe mode.
    if (!chart || chart != shown_.chart) Clear();
    if (!chart || !context_.Settings().Options().InspectorSaveMode) SetEditorsEnabled(false);
    return;
  }
  SetEditorsEnabled(true);
  const bool filled = block->BT != btLine;
  Panel5->setEnabled(filled);
  Panel6->setEnabled(filled);
  Fill(*block);
  // The text becomes the inspector's focus; the keyboard stays where it is
  // until the user turns to the inspector.
  if (focusText) mText->setFocus(Qt::OtherFocusReason);
}

void TInspectorForm::Fill(const TBlock& block) {
  FillSizes(block);
  cbMC->SetSelected(block.MC);
  ShowFillColour(block.MC);
  cbFS->setCurrentIndex(block.FS);
  cbBC->SetSelected(block.BC);
  cbBS->setCurrentIndex(block.BS);
  FillWidth(block);
  cbLineArrows->setCurrentIndex(block.LineArrows);
  if (mText->ChartText() != block.Text) mText->setPlainText(MemoText(block.Text));
  cbTC->SetSelected(block.TF.Color);
  cbTA->setCurrentIndex(block.TA);
  cbTP->setCurrentIndex(block.TP);
}

// Places and sizes in whole millimetres; a container shows no size, since
// its members keep sizes of their own.
void TInspectorForm::FillSizes(const TBlock& block) {
  edPosX->setText(MillimetreText(block.X));
  edPosY->setText(MillimetreText(block.Y));
  const bool container = block.BT == btSelection;
  edW->setText(container ? QString() : MillimetreText(block.W));
  edH->setText(container ? QString() : MillimetreText(block.H));
}

// The width is shown as its number; no item of the list is chosen, so
// choosing any item sets its width.
void TInspectorForm::FillWidth(const TBlock& block) {
  cbBW->setCurrentIndex(-1);
  cbBW->setPlaceholderText(WidthText(block.BW));
}

// The fill styles show in the block's own fill colour.
void TInspectorForm::ShowFillColour(TColor colour) {
  if (fillStyleColour_ == colour) return;
  fillStyleColour_ = colour;
  for (int style = 0; style < cbFS->count(); ++style)
    cbFS->setItemIcon(style, FillStylePicture(static_cast<TBrushStyle>(style), colour));
}

void TInspectorForm::SetEditorsEnabled(bool enabled) { Scroll->widget()->setEnabled(enabled); }

void TInspectorForm::Clear() {
  for (QLineEdit* edit : {edPosX, edPosY, edW, edH}) edit->clear();
  for (QComboBox* list : {cbFS, cbBS, cbLineArrows, cbTA, cbTP, cbBW}) list->setCurrentIndex(-1);
  cbBW->setPlaceholderText(QString());
  mText->clear();
}

// ----- the editors' actions

void TInspectorForm::ConnectEditors() {
  for (QLineEdit* edit : {edPosX, edPosY, edW, edH})
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] { ApplyMillimetres(*edit); });
  cbMC->OnPick = [this](TColor color) {
    Apply([color](BlocksHolderModel& chart) { chart.SetBlockMC(color); });
    if (const TBlock* block = ActiveBlock()) ShowFillColour(block->MC);
  };
  cbBC->OnPick = [this](TColor color) { Apply([color](BlocksHolderModel& chart) { chart.SetBlockBC(color); }); };
  cbTC->OnPick = [this](TColor color) { ApplyTextColor(color); };
  const auto onChoice = [this](QComboBox* list, void (*set)(BlocksHolderModel&, int)) {
    connect(list, &QComboBox::activated, this, [this, set](int index) {
      Apply([set, index](BlocksHolderModel& chart) { set(chart, index); });
    });
  };
  onChoice(cbFS, [](BlocksHolderModel& c, int i) { c.SetBlockFS(static_cast<TBrushStyle>(i)); });
  onChoice(cbBS, [](BlocksHolderModel& c, int i) { c.SetBlockBS(static_cast<TPenStyle>(i)); });
  onChoice(cbLineArrows, [](BlocksHolderModel& c, int i) { c.SetBlockLineArrows(static_cast<TBlocksLineArrows>(i)); });
  onChoice(cbTA, [](BlocksHolderModel& c, int i) { c.SetBlockTA(static_cast<TAlignment>(i)); });
  onChoice(cbTP, [](BlocksHolderModel& c, int i) { c.SetBlockTP(static_cast<TBlockTextPlacement>(i)); });
  connect(cbBW, &QComboBox::activated, this, [this](int index) {
    Apply([index](BlocksHolderModel& chart) { chart.SetBlockBW(InspectorWidth(index)); });
    if (const TBlock* block = ActiveBlock()) FillWidth(*block);
  });
  connect(mText, &QPlainTextEdit::textChanged, this, &TInspectorForm::ApplyText);
  mText->installEventFilter(this);
  connect(bFont, &QPushButton::clicked, this, &TInspectorForm::ApplyFont);
}

template <class Change>
void TInspectorForm::Apply(Change change) {
  BlocksHolderModel* chart = Chart();
  if (!chart || !chart->ActiveBlockPtr()) return;
  const QScopedValueRollback applying(applying_, true);
  change(*chart);
}

// Enter or leaving the edit takes a changed text: a whole number of
// millimetres. Anything else changes nothing, and the edit shows the block
// again; an emptied size stays empty, as for a container.
void TInspectorForm::ApplyMillimetres(QLineEdit& edit) {
  if (!edit.isModified()) return;
  edit.setModified(false);
  const TBlock* block = ActiveBlock();
  if (!block) return;
  const bool size = &edit == edW || &edit == edH;
  if (size && edit.text().isEmpty()) return;
  const auto value = ParseMillimetres(edit.text());
  if (!value) {
    FillSizes(*block);
    return;
  }
  const bool container = block->BT == btSelection;
  if (&edit == edPosX || &edit == edPosY) {
    const bool x = &edit == edPosX;
    const std::int64_t shift = WrapSub(*value, x ? block->X : block->Y);
    if (shift == 0) return;
    Apply([&](BlocksHolderModel& chart) {
      if (!container) {
        x ? chart.SetBlockX(*value) : chart.SetBlockY(*value);
        return;
      }
      // A container takes its members along, as a drag does.
      chart.MoveActiveBlock(x ? shift : 0, x ? 0 : shift, false);
    });
  } else {
    const bool w = &edit == edW;
    if (!container && *value == (w ? block->W : block->H)) return;
    Apply([&](BlocksHolderModel& chart) { w ? chart.SetBlockW(*value) : chart.SetBlockH(*value); });
  }
  if (const TBlock* changed = ActiveBlock()) FillSizes(*changed);
}

void TInspectorForm::ApplyText() {
  if (filling_) return;
  const std::string text = mText->ChartText();
  // The first keystroke of a stretch of typing records the undo point the
  // whole stretch shares.
  if (!typingKey_) typingKey_ = EditKey::New();
  Apply([this, &text](BlocksHolderModel& chart) {
    ChartEdit edit(chart, typingKey_);
    chart.SetBlockText(text);
  });
  if (!ActiveBlock()) EndTyping();
}

void TInspectorForm::ApplyFont() {
  const BlocksHolderModel* chart = Chart();
  const TBlockFont* font = chart ? chart->GetBlockFont() : nullptr;
  if (!font) return;
  const auto chosen = ChooseBlockFont(this, *font, windowTitle());
  if (!chosen) return;
  Apply([&chosen](BlocksHolderModel& c) { c.SetBlockFont(*chosen); });
  bFont->setText(Cp1251ToUnicode(chosen->Name));
}

void TInspectorForm::ApplyTextColor(TColor color) {
  Apply([color](BlocksHolderModel& chart) { chart.SetBlockFontColor(color); });
}

void TInspectorForm::EndTyping() { typingKey_ = {}; }

// ----- the window

// The first showing puts the window in the top-right corner of the work area.
// It is placed before it shows: a window manager places a window moved while
// it maps it by its inside, which would put the title bar above the screen.
void TInspectorForm::setVisible(bool visible) {
  if (visible && !placed_) PlaceAtTopRight();
  ToolWindow::setVisible(visible);
}

void TInspectorForm::PlaceAtTopRight() {
  placed_ = true;
  const QScreen* screen = this->screen();
  if (!screen) return;
  layout()->activate();
  // The frame is taken to be as large as the main window's, which shows.
  const QSize frame = parentWidget()->frameGeometry().size() - parentWidget()->size();
  const QRect work = screen->availableGeometry();
  move(work.right() + 1 - width() - frame.width(), work.top());
}

void TInspectorForm::showEvent(QShowEvent* event) {
  Refresh(false);
  ToolWindow::showEvent(event);
}

void TInspectorForm::resizeEvent(QResizeEvent* event) {
  ToolWindow::resizeEvent(event);
  PanelText->setFixedHeight(std::max(height() - kOtherRowsHeight, kSmallestTextHeight));
}

// Dragged near an edge of the work area, the window snaps to it.
void TInspectorForm::moveEvent(QMoveEvent* event) {
  ToolWindow::moveEvent(event);
  const QScreen* screen = this->screen();
  if (!screen || !isVisible()) return;
  const QRect frame = frameGeometry();
  const QPoint snapped = SnapToEdges(frame, screen->availableGeometry(), kScreenSnapDistance);
  if (snapped != frame.topLeft()) move(snapped);
}

void TInspectorForm::contextMenuEvent(QContextMenuEvent* event) { PopupMenu->popup(event->globalPos()); }

bool TInspectorForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mText && event->type() == QEvent::FocusOut) EndTyping();
  return ToolWindow::eventFilter(watched, event);
}

// ----- placement keys

void TInspectorForm::LoadLayout(const ProfileFile& settings) {
  const auto left = settings.Find(kSection, QStringLiteral("InspectorX"));
  const auto top = settings.Find(kSection, QStringLiteral("InspectorY"));
  if (left && top) {
    LoadPlacement(settings, QStringLiteral("Inspector"), Sized::No);
    placed_ = true;
  }
  if (settings.ReadBool(kSection, QStringLiteral("Inspector"), false)) show();
}

void TInspectorForm::SaveLayout(ProfileFile& settings) const {
  SavePlacement(settings, QStringLiteral("Inspector"), Sized::No);
}

}  // namespace quobrix
