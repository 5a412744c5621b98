#include "tools/TLibraryForm.h"

#include <QAction>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "chart/SymbolTable.h"
#include "platform/ProfileFile.h"
#include "tools/PaletteButtonPictures.h"
#include "tools/WrappingLayout.h"
#include "view/ActiveChart.h"
#include "view/AppContext.h"
#include "view/ArmDrawing.h"
#include "view/CommandTable.h"
#include "view/ScreenSnap.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

const QString kSection = QStringLiteral("WinPos");

}  // namespace

TLibraryForm::TLibraryForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry, AppContext& context)
    : ToolWindow(owner, commands, CommandId::Library, registry), context_(context) {
  setObjectName(QStringLiteral("LibraryForm"));
  aToolBar1 = new QWidget(this);
  aToolBar1->setObjectName(QStringLiteral("aToolBar1"));
  new WrappingLayout(aToolBar1);
  for (const PaletteButton& button : PaletteButtons()) AddButton(button);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(aToolBar1);
  layout->addStretch();
  // A new active window draws as the switch shows.
  connect(&commands.Active(), &ActiveChart::Changed, this, &TLibraryForm::PassMultiInsertToActiveCanvas);
}

void TLibraryForm::AddButton(const PaletteButton& button) {
  auto* action = new QAction(PaletteButtonPicture(button), QString::fromUtf8(button.caption), this);
  action->setObjectName(QString::fromLatin1(button.name));
  if (*button.hint) action->setToolTip(QString::fromUtf8(button.hint));
  action->setCheckable(button.action == PaletteAction::MultiInsert);
  if (action->isCheckable()) multiInsert_ = action;
  connect(action, &QAction::triggered, this, [this, button, action] { ButtonClick(button, *action); });
  auto* face = new QToolButton(aToolBar1);
  face->setObjectName(QString::fromLatin1(button.name));
  face->setAutoRaise(true);
  face->setIconSize(QSize(kPaletteIconSize, kPaletteIconSize));
  face->setDefaultAction(action);
  aToolBar1->layout()->addWidget(face);
}

QAction& TLibraryForm::Button(const char* name) const {
  return *findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void TLibraryForm::ButtonClick(const PaletteButton& button, const QAction& action) {
  THolderForm* window = Commands().Active().Window();
  if (!window) return;
  BlocksHolderModel& chart = window->bh->Model();
  switch (button.action) {
    case PaletteAction::DrawSymbol:
      context_.Settings().SetLastLibrarySymbol(button.tag);
      ArmDrawing(chart, button.tag);
      break;
    case PaletteAction::DrawMultiLine:
      context_.Settings().SetLastLibrarySymbol(btLine);
      chart.SetDrawingMLineByHand(true);
      break;
    case PaletteAction::MultiInsert:
      window->bh->FMultiInsert = action.isChecked();
      [[fallthrough]];
    case PaletteAction::CancelInsert:
      chart.SetDrawingLineByHand(false);
      chart.SetDrawingBlockByHand(false);
      break;
  }
}

void TLibraryForm::PassMultiInsertToActiveCanvas() {
  if (THolderForm* window = Commands().Active().Window()) window->bh->FMultiInsert = multiInsert_->isChecked();
}

// The first showing puts the window, as wide as the main window and as tall
// as its rows of buttons need, in the bottom left corner of the work area;
// later showings keep where the user left it.
void TLibraryForm::showEvent(QShowEvent* event) {
  if (!placed_) PlaceAtBottomLeft();
  ToolWindow::showEvent(event);
}

void TLibraryForm::PlaceAtBottomLeft() {
  placed_ = true;
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect work = screen->availableGeometry();
  const QSize frame = frameGeometry().size() - size();
  // The column under the main window, which the start-up chart leaves free.
  const int width = std::min(aToolBar1->sizeHint().width(), parentWidget()->frameGeometry().width() - frame.width());
  resize(width, aToolBar1->layout()->heightForWidth(width));
  move(work.left(), work.bottom() + 1 - height() - frame.height());
}

void TLibraryForm::moveEvent(QMoveEvent* event) {
  ToolWindow::moveEvent(event);
  SnapToWorkAreaEdges(*this);
}

// Made narrower, the window grows as tall as its rows of buttons need.
void TLibraryForm::resizeEvent(QResizeEvent* event) {
  ToolWindow::resizeEvent(event);
  setMinimumHeight(aToolBar1->layout()->heightForWidth(width()));
}

void TLibraryForm::LoadLayout(const ProfileFile& settings) {
  if (settings.ReadBool(kSection, QStringLiteral("Library"), true)) {
    show();
    raise();
  } else {
    hide();
  }
  if (settings.Find(kSection, QStringLiteral("LibraryX"))) placed_ = true;
  LoadPlacement(settings, QStringLiteral("Library"), Sized::Yes);
}

void TLibraryForm::SaveLayout(ProfileFile& settings) const {
  SavePlacement(settings, QStringLiteral("Library"), Sized::Yes);
}

}  // namespace quobrix
