// Applies a language file to the captions and hints of a window's
// components. The window's texts live in the section named after its class
// without the leading "T" (TMainForm reads "[MainForm]"); the class name is
// the one moc records, namespace dropped, so every window class that is to
// be translated declares Q_OBJECT. Components are found by objectName.
#pragma once

#include <QString>

#include "view/ToolBarName.h"

class QObject;
class QWidget;

namespace quobrix {

// "MainForm" for a window of class TMainForm.
QString LanguageSection(const QObject& window);

// What each kind of component takes from the section, by its name:
//   QAction or QMenu (menu item)             caption; its tool-bar name
//                                            (kToolBarNameProperty): hint
//   QAction shown only in tool bars or tool
//   buttons, or a QToolButton on a QToolBar
//   (tool-bar button)                        hint, by its tool-bar name
//                                            where it has one
//   any other QToolButton (speed button)     caption; name + "_H": hint
//   QPushButton, QLabel, QCheckBox           caption
//   QGroupBox                                title
//   a page of a QTabWidget (tab sheet)       its tab's caption
//   QComboBox (list)                         each item with a key
//                                            (kItemTextKeyRole): its text,
//                                            or the name of an item that
//                                            shows a picture alone;
//                                            name + "_H": hint
//   QScrollBar                               name + "_H": hint
// A control that shows no caption of its own (a button that shows only its
// picture, a list, a scroll bar) is named for assistive tools by its hint.
// Besides its own components, a window translates the actions its menus,
// tool bars and itself show, wherever they live: shared command actions
// take their texts from every window that shows them. A button that shows
// an action takes its texts from the action. Other components, the window's
// own title and components of other windows (dialogs parented to this one)
// are left alone. A missing or empty value keeps the designed text, so a
// missing file changes nothing.
void TranslateWindow(const QString& path, QWidget& window);

}  // namespace quobrix
