#include "tools/TLibraryForm.h"

#include <QAction>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "chart/SymbolTable.h"
#include "platform/ProfileFile.h"
#include "tools/PaletteButtonPictures.h"
#include "tools/WrappingLayout.h"
#include "view/CommandTable.h"
#include "view/ToolBarName.h"
#include "view/ActiveChart.h"
#include "view/AppContext.h"
#include "view/ArmDrawing.h"
#include "view/ScreenSnap.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

const QString kSection = QStringLiteral("WinPos");

// Assistive tools toggle a checkable button instead of clicking it, and a
// tool button hands a toggle to its action as a check mark alone: here the
// toggle runs the command as a click does, and the button goes on showing
// the command's check mark.
class CommandButton : public QToolButton {
 public:
  using QToolButton::QToolButton;

 protected:
  void checkStateSet() override {
    QAction* command = defaultAction();
    if (!command || isChecked() == command->isChecked()) return;
    command->trigger();
    setChecked(command->isChecked());
  }
};

CommandKey PaletteCommand(const PaletteButton& button) {
  switch (button.action) {
    case PaletteAction::MultiInsert:
      return {CommandId::MultiInsert};
    case PaletteAction::CancelInsert:
      return {CommandId::CancelInsert};
    case PaletteAction::DrawMultiLine:
      return {CommandId::InsertPolyline};
    case PaletteAction::DrawSymbol:
      break;
  }
  return {CommandId::InsertSymbol, button.tag};
}

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
}

// Each button is the command's action itself, as on a tool bar: the menus
// that show the action show the button's picture, and the language file's
// key for the hint is the button's name.
void TLibraryForm::AddButton(const PaletteButton& button) {
  QAction& command = Commands().Action(PaletteCommand(button).id, PaletteCommand(button).tag);
  command.setIcon(PaletteButtonPicture(button));
  if (*button.hint) {
    command.setToolTip(QString::fromUtf8(button.hint));
    command.setStatusTip(command.toolTip());
  }
  const QString name = QString::fromLatin1(button.name);
  if (command.objectName() != name) command.setProperty(kToolBarNameProperty, name);
  auto* face = new CommandButton(aToolBar1);
  face->setObjectName(name);
  face->setAutoRaise(true);
  face->setIconSize(QSize(kPaletteIconSize, kPaletteIconSize));
  face->setDefaultAction(&command);
  aToolBar1->layout()->addWidget(face);
}

// The first showing puts the window, as wide as the main window and as tall
// as its rows of buttons need, in the bottom left corner of the work area;
// later showings keep where the user left it.
void TLibraryForm::showEvent(QShowEvent* event) {
  if (!placed_ && isWindow()) PlaceAtBottomLeft();
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
