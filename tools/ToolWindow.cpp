#include "tools/ToolWindow.h"

#include <QAction>
#include <QHideEvent>

#include "platform/ProfileFile.h"
#include "platform/WindowPlacement.h"
#include "tools/CommandCaption.h"
#include "tools/ToolWindowOrder.h"
#include "view/CommandTable.h"

namespace quobrix {

namespace {

// Smaller than this, a window the user sizes could hardly be grabbed.
constexpr QSize kSmallestSized(60, 40);

ToolWindowOrder& Order() {
  static ToolWindowOrder order;
  return order;
}

}  // namespace

ToolWindow::ToolWindow(QWidget& owner, CommandTable& commands, CommandId toggle, ToolWindowRegistry& registry)
    : QWidget(&owner, Qt::Tool | Qt::WindowStaysOnTopHint),
      commands_(commands),
      toggleId_(toggle),
      toggle_(commands.Action(toggle)),
      registry_(registry) {
  registry_.Add(*this);
  // A palette is used while a chart window is the active one.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  commands_.Bind(toggleId_, [this](QAction&) { Toggle(); });
  // F1 here opens this window's help page.
  addAction(&commands_.Action(CommandId::Help));
  TitleAfterCommand(*this, toggle_);
}

ToolWindow::~ToolWindow() {
  commands_.Unbind(toggleId_);
  registry_.Remove(*this);
  Order().Forget(*this);
}

void ToolWindow::Toggle() {
  if (isVisible() && !Order().Covered(*this)) {
    hide();
    return;
  }
  show();
  raise();
  Order().BroughtUp(*this);
}

void ToolWindow::RaiseShown() { Order().RaiseAll(); }

void ToolWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Order().BroughtUp(*this);
  toggle_.setChecked(true);
}

// The window manager raises a window the user activates.
void ToolWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Order().BroughtUp(*this);
}

// A window hidden with its minimized owner stays switched on.
void ToolWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) toggle_.setChecked(false);
}

void ToolWindow::SavePlacement(ProfileFile& settings, const QString& name, Sized sized) const {
  const QString section = QStringLiteral("WinPos");
  settings.WriteBool(section, name, isVisible());
  settings.WriteInteger(section, name + u'X', x());
  settings.WriteInteger(section, name + u'Y', y());
  if (sized == Sized::No) return;
  settings.WriteInteger(section, name + u'W', width());
  settings.WriteInteger(section, name + u'H', height());
}

void ToolWindow::LoadPlacement(const ProfileFile& settings, const QString& name, Sized sized) {
  const auto smallest = sized == Sized::Yes ? std::optional(kSmallestSized) : std::nullopt;
  const QRect placement = ReadWindowPlacement(settings, name, QRect(pos(), size()), smallest);
  move(placement.topLeft());
  if (sized == Sized::Yes) resize(placement.size());
}

}  // namespace quobrix
