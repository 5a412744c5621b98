#include "app/SingleWindowWorkspace.h"

#include <QDockWidget>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "platform/ProfileFile.h"
#include "tools/ToolWindow.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

const QString kSection = QStringLiteral("WinPos");
const QString kDocksKey = QStringLiteral("SingleWindowDocks");

// The symbol palette's rows of buttons run along the top, the colour
// palette stands on the left, the other tool windows on the right.
Qt::DockWidgetArea SideOf(const ToolWindow& window) {
  const QString name = window.objectName();
  if (name == QStringLiteral("LibraryForm")) return Qt::TopDockWidgetArea;
  return name == QStringLiteral("ColorForm") ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea;
}

QDockWidget* DockOf(const QObject& window) { return qobject_cast<QDockWidget*>(window.parent()); }

}  // namespace

SingleWindowWorkspace::SingleWindowWorkspace(QMainWindow& main) : QObject(&main), main_(main), tabs_(new QMdiArea(&main)) {
  tabs_->setObjectName(QStringLiteral("ChartTabs"));
  tabs_->setViewMode(QMdiArea::TabbedView);
  tabs_->setDocumentMode(true);
  tabs_->setTabsClosable(true);
  tabs_->setTabsMovable(true);
  main_.setCentralWidget(tabs_);
  main_.setDockOptions(QMainWindow::AllowTabbedDocks);
  connect(tabs_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* tab) {
    if (auto* window = tab ? qobject_cast<THolderForm*>(tab->widget()) : nullptr) emit ChartActivated(*window);
  });
}

// The dock has no close button: the window's command shows and hides it, so
// its check mark always tells whether it is there.
void SingleWindowWorkspace::Dock(ToolWindow& window) {
  auto* dock = new QDockWidget(window.windowTitle(), &main_);
  dock->setObjectName(window.objectName() + QStringLiteral("Dock"));
  dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  const bool shown = window.isVisible();
  window.setParent(dock, Qt::Widget);
  dock->setWidget(&window);
  main_.addDockWidget(SideOf(window), dock);
  dock->setVisible(shown);
  window.setVisible(shown);
  window.installEventFilter(this);
}

bool SingleWindowWorkspace::eventFilter(QObject* watched, QEvent* event) {
  QDockWidget* dock = DockOf(*watched);
  if (!dock) return false;
  switch (event->type()) {
    case QEvent::ShowToParent:
      dock->show();
      break;
    case QEvent::HideToParent:
      dock->hide();
      break;
    case QEvent::WindowTitleChange:
      dock->setWindowTitle(static_cast<QWidget*>(watched)->windowTitle());
      break;
    default:
      break;
  }
  return false;
}

// The main window's menu and tool bars have every command the chart
// window's menu bar has.
void SingleWindowWorkspace::Adopt(THolderForm& window) {
  window.MainMenu2->hide();
  QMdiSubWindow* tab = tabs_->addSubWindow(&window);
  tab->setAttribute(Qt::WA_DeleteOnClose);
  connect(&window, &QObject::destroyed, tab, &QObject::deleteLater);
}

void SingleWindowWorkspace::Show(THolderForm& window) {
  QWidget& tab = Frame(window);
  tab.show();
  window.show();
  tabs_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(&tab));
}

QWidget& SingleWindowWorkspace::Frame(THolderForm& window) const {
  QWidget* tab = window.parentWidget();
  return tab ? *tab : window;
}

void SingleWindowWorkspace::LoadLayout(const ProfileFile& settings) {
  const int width = settings.ReadInteger(kSection, QStringLiteral("MainW"), main_.width());
  const int height = settings.ReadInteger(kSection, QStringLiteral("MainH"), main_.height());
  main_.resize(std::max(width, main_.minimumWidth()), std::max(height, 200));
  // Laid out at their full width first: a tool window that wraps its rows
  // asks for the height of its narrowest shape, and the stored heights would
  // give way to that.
  main_.layout()->activate();
  main_.restoreState(QByteArray::fromHex(settings.ReadString(kSection, kDocksKey).toLatin1()));
  // The tool windows' own keys, read before, say which are shown; the
  // places they read are the dock's to give.
  for (QDockWidget* dock : main_.findChildren<QDockWidget*>(Qt::FindDirectChildrenOnly)) {
    dock->setVisible(dock->widget() && !dock->widget()->isHidden());
    dock->layout()->invalidate();
    dock->layout()->activate();
  }
}

void SingleWindowWorkspace::SaveLayout(ProfileFile& settings) const {
  settings.WriteInteger(kSection, QStringLiteral("MainW"), main_.width());
  settings.WriteInteger(kSection, QStringLiteral("MainH"), main_.height());
  settings.WriteString(kSection, kDocksKey, QString::fromLatin1(main_.saveState().toHex()));
}

}  // namespace quobrix
