#include "app/TranslateWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "platform/ItemTextKey.h"
#include "platform/ProfileFile.h"
#include "view/ControlHint.h"

namespace quobrix {

namespace {

enum class ComponentKind {
  MenuItem,
  ToolBarButton,
  SpeedButton,
  Caption,
  GroupBox,
  TabSheet,
  List,
  ScrollBar,
  Untranslated
};

// The tab control that shows `page` as one of its pages, or null.
QTabWidget* TabControlOf(const QObject& page) {
  const auto* widget = qobject_cast<const QWidget*>(&page);
  if (!widget || !widget->parentWidget()) return nullptr;
  auto* tabs = qobject_cast<QTabWidget*>(widget->parentWidget()->parentWidget());
  return tabs && tabs->indexOf(widget) >= 0 ? tabs : nullptr;
}

// A tool button that shows an action is a tool-bar button, whether a
// QToolBar made it or a window laid it out itself.
bool ShownOnlyInToolBars(const QAction& action) {
  bool inToolBar = false;
  for (const QObject* shownIn : action.associatedObjects()) {
    if (qobject_cast<const QMenu*>(shownIn) || qobject_cast<const QMenuBar*>(shownIn)) return false;
    inToolBar = inToolBar || qobject_cast<const QToolBar*>(shownIn) || qobject_cast<const QToolButton*>(shownIn);
  }
  return inToolBar;
}

// The first matching kind wins, in the order of the list in the header.
ComponentKind KindOf(const QObject& component) {
  if (const auto* action = qobject_cast<const QAction*>(&component))
    return ShownOnlyInToolBars(*action) ? ComponentKind::ToolBarButton : ComponentKind::MenuItem;
  if (qobject_cast<const QMenu*>(&component)) return ComponentKind::MenuItem;
  if (const auto* button = qobject_cast<const QToolButton*>(&component)) {
    if (button->defaultAction()) return ComponentKind::Untranslated;
    return qobject_cast<const QToolBar*>(button->parentWidget()) ? ComponentKind::ToolBarButton
                                                                 : ComponentKind::SpeedButton;
  }
  if (qobject_cast<const QPushButton*>(&component) || qobject_cast<const QLabel*>(&component) ||
      qobject_cast<const QCheckBox*>(&component))
    return ComponentKind::Caption;
  if (qobject_cast<const QGroupBox*>(&component)) return ComponentKind::GroupBox;
  if (TabControlOf(component)) return ComponentKind::TabSheet;
  if (qobject_cast<const QComboBox*>(&component)) return ComponentKind::List;
  if (qobject_cast<const QScrollBar*>(&component)) return ComponentKind::ScrollBar;
  return ComponentKind::Untranslated;
}

void SetCaption(QObject& component, const QString& caption) {
  if (auto* action = qobject_cast<QAction*>(&component)) action->setText(caption);
  if (auto* menu = qobject_cast<QMenu*>(&component)) menu->setTitle(caption);
  if (auto* button = qobject_cast<QAbstractButton*>(&component)) button->setText(caption);
  if (auto* label = qobject_cast<QLabel*>(&component)) label->setText(caption);
  if (auto* box = qobject_cast<QGroupBox*>(&component)) box->setTitle(caption);
  if (QTabWidget* tabs = TabControlOf(component))
    tabs->setTabText(tabs->indexOf(qobject_cast<QWidget*>(&component)), caption);
}

bool ShowsNoCaption(const QWidget& widget) {
  const auto* button = qobject_cast<const QAbstractButton*>(&widget);
  return !qobject_cast<const QLabel*>(&widget) && !qobject_cast<const QGroupBox*>(&widget) &&
         (!button || button->text().isEmpty());
}

void SetHint(QObject& component, const QString& hint) {
  if (auto* action = qobject_cast<QAction*>(&component)) {
    action->setToolTip(hint);
    action->setStatusTip(hint);
    for (QObject* shownIn : action->associatedObjects())
      if (auto* button = qobject_cast<QToolButton*>(shownIn);
          button && button->toolButtonStyle() == Qt::ToolButtonIconOnly)
        button->setAccessibleName(hint);
  }
  if (auto* widget = qobject_cast<QWidget*>(&component))
    ShowsNoCaption(*widget) ? SetControlHint(*widget, hint) : widget->setToolTip(hint);
}

// An item that shows a picture alone is named in its tool tip and for
// assistive tools.
void NameItem(QComboBox& list, int index, const QString& name) {
  if (!list.itemText(index).isEmpty()) return list.setItemText(index, name);
  list.setItemData(index, name, Qt::AccessibleTextRole);
  list.setItemData(index, name, Qt::ToolTipRole);
}

class Translator {
 public:
  Translator(const QString& path, const QString& section) : file_(path), section_(section) {}

  void Translate(QObject& component) const {
    const QString name = component.objectName();
    if (name.isEmpty()) return;  // made at run time, like the recent-file entries
    switch (KindOf(component)) {
      case ComponentKind::MenuItem:
        IfGiven(name, [&](const QString& text) { SetCaption(component, text); });
        IfGiven(component.property(kToolBarNameProperty).toString(),
                [&](const QString& text) { SetHint(component, text); });
        break;
      case ComponentKind::Caption:
      case ComponentKind::GroupBox:
      case ComponentKind::TabSheet:
        IfGiven(name, [&](const QString& text) { SetCaption(component, text); });
        break;
      case ComponentKind::ToolBarButton: {
        const QString toolBarName = component.property(kToolBarNameProperty).toString();
        IfGiven(toolBarName.isEmpty() ? name : toolBarName, [&](const QString& text) { SetHint(component, text); });
        break;
      }
      case ComponentKind::SpeedButton:
        IfGiven(name, [&](const QString& text) { SetCaption(component, text); });
        IfGiven(name + QStringLiteral("_H"), [&](const QString& text) { SetHint(component, text); });
        break;
      case ComponentKind::List:
        Items(*qobject_cast<QComboBox*>(&component));
        IfGiven(name + QStringLiteral("_H"), [&](const QString& text) { SetHint(component, text); });
        break;
      case ComponentKind::ScrollBar:
        IfGiven(name + QStringLiteral("_H"), [&](const QString& text) { SetHint(component, text); });
        break;
      case ComponentKind::Untranslated:
        break;
    }
  }

 private:
  void Items(QComboBox& list) const {
    for (int i = 0; i < list.count(); ++i)
      IfGiven(list.itemData(i, kItemTextKeyRole).toString(), [&](const QString& text) { NameItem(list, i, text); });
  }

  template <typename Apply>
  void IfGiven(const QString& key, Apply apply) const {
    if (key.isEmpty()) return;
    const QString text = file_.ReadString(section_, key);
    if (!text.isEmpty()) apply(text);
  }

  ProfileFile file_;
  QString section_;
};

// Dialogs and other windows parented to this one have texts of their own;
// pop-up menus and floating dock panels belong to the window that shows them.
bool IsAnotherWindow(const QObject& object) {
  const auto* widget = qobject_cast<const QWidget*>(&object);
  return widget && widget->isWindow() && widget->windowType() != Qt::Popup && !qobject_cast<const QDockWidget*>(widget);
}

class WindowTranslation {
 public:
  explicit WindowTranslation(const Translator& translator) : translator_(translator) {}

  void Components(const QObject& parent) {
    for (QObject* child : parent.children()) {
      if (IsAnotherWindow(*child)) continue;
      Once(*child);
      Components(*child);
    }
  }
  // The actions a widget shows, its own or shared.
  void ShownActions(const QWidget& widget) {
    for (QAction* action : widget.actions()) Once(*action);
  }

 private:
  void Once(QObject& component) {
    if (done_.contains(&component)) return;
    done_.insert(&component);
    translator_.Translate(component);
    if (const auto* widget = qobject_cast<const QWidget*>(&component)) ShownActions(*widget);
  }

  const Translator& translator_;
  QSet<const QObject*> done_;
};

}  // namespace

QString LanguageSection(const QObject& window) {
  const QString className = QString::fromLatin1(window.metaObject()->className());
  const QString withoutNamespace = className.sliced(className.lastIndexOf(u':') + 1);
  return withoutNamespace.mid(1);
}

void TranslateWindow(const QString& path, QWidget& window) {
  const Translator translator(path, LanguageSection(window));
  WindowTranslation translation(translator);
  translation.ShownActions(window);
  translation.Components(window);
}

}  // namespace quobrix
