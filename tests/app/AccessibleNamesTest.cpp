// Every window and menu, walked through the accessibility tree in each
// shipped language: each control has a name, and no caption or name is
// written in another language's script.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "app/QtTranslations.h"
#include "app/TMainForm.h"
#include "support/TempDir.h"
#include "tools/TPropertyEditorForm.h"
#include "view/AppContext.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

// The roles of what a user operates; each must be named.
bool IsControl(QAccessible::Role role) {
  switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ScrollBar:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::EditableText:
    case QAccessible::MenuItem:
    case QAccessible::PageTab:
    case QAccessible::List:
      return true;
    default:
      return false;
  }
}

// Latin words a Russian or Ukrainian text may hold: the program's and
// formats' names, key names, file extensions, the name of the English
// language file, which every language shows as it is, the keyword FOR and
// the names of the programming languages a chart's program is written in.
bool IsAllowedLatinWord(const QString& word) {
  static const QStringList allowed = {"Quobrix", "Untitled", "PDF",  "SVG",    "BMP",    "EMF",       "PNG",     "Ctrl",
                                      "Alt",     "Shift",    "Del",  "Delete", "Insert", "Enter",     "Esc",     "Tab",
                                      "Home",    "End",      "PgUp", "PgDn",   "Space",  "Backspace", "qbs",     "bmp",
                                      "emf",     "svg",      "png",  "pdf",    "lng",    "XxX",       "English", "FOR",
                                      "Pascal",  "Python"};
  static const QRegularExpression functionKey(QStringLiteral("^F\\d{1,2}$"));
  return allowed.contains(word) || functionKey.match(word).hasMatch();
}

// What is wrong with `text` in the language, or nothing.
QString ScriptFault(const QString& text, bool english) {
  static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
  static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
  if (english) return cyrillic.match(text).hasMatch() ? QStringLiteral("Cyrillic") : QString();
  for (auto words = latinWord.globalMatch(text); words.hasNext();) {
    const QString word = words.next().captured();
    if (!IsAllowedLatinWord(word)) return QStringLiteral("Latin word \"%1\"").arg(word);
  }
  return {};
}

class Walk {
 public:
  explicit Walk(bool english) : english_(english) {}

  void Tree(QAccessibleInterface* face, const QString& path) {
    // Qt's own parts (named "qt_...") are named by Qt, or not at all.
    if (!face || !face->isValid() || face->state().invisible || IsQtPart(face->object())) return;
    const QString name = face->text(QAccessible::Name);
    const QObject* object = face->object();
    const QString component =
        object && !object->objectName().isEmpty() ? object->objectName() : QString::number(face->role(), 16);
    const QString here = path + u'/' + component + u'"' + name + u'"';
    if (IsControl(face->role()) && name.trimmed().isEmpty() && !face->state().disabled && !IsSeparator(face))
      faults_ << here + QStringLiteral(": no name");
    if (const QString fault = ScriptFault(name, english_); !fault.isEmpty())
      faults_ << here + QStringLiteral(": ") + fault;
    for (int i = 0; i < face->childCount(); ++i) Tree(face->child(i), here);
  }

  void Object(QObject* object) {
    Tree(QAccessible::queryAccessibleInterface(object), QString::fromLatin1(object->metaObject()->className()));
  }

  // A closed menu is out of sight, and so out of the tree; its items are
  // named by their captions.
  void Menu(const QMenu& menu) {
    for (const QAction* action : menu.actions()) {
      if (action->isSeparator() || !action->isVisible()) continue;
      const QString name = QString(action->text()).remove(u'&');
      const QString here = menu.objectName() + u'/' + action->objectName() + u'"' + name + u'"';
      if (name.trimmed().isEmpty()) faults_ << here + QStringLiteral(": no name");
      if (const QString fault = ScriptFault(name, english_); !fault.isEmpty())
        faults_ << here + QStringLiteral(": ") + fault;
    }
  }

  // The items of closed lists are out of the tree; each is named by its text
  // or, showing a picture alone, by its accessible text.
  void ListItems(const QWidget& window) {
    for (const QComboBox* list : window.findChildren<QComboBox*>()) {
      if (list->window() != &window) continue;            // a dialog of the window's own, such as a file dialog
      if (list->objectName() == u"cbLanguage") continue;  // each language is named in its own tongue
      for (int i = 0; i < list->count(); ++i) {
        const QString text = list->itemText(i);
        const QString name = text.isEmpty() ? list->itemData(i, Qt::AccessibleTextRole).toString() : text;
        const QString here = list->objectName() + QStringLiteral("[%1]\"%2\"").arg(i).arg(name);
        if (name.isEmpty()) faults_ << here + QStringLiteral(": no name");
        if (const QString fault = ScriptFault(name, english_); !fault.isEmpty())
          faults_ << here + QStringLiteral(": ") + fault;
      }
    }
  }

  const QStringList& Faults() const { return faults_; }

 private:
  static bool IsQtPart(const QObject* object) {
    return object && object->objectName().startsWith(QStringLiteral("qt_"));
  }
  static bool IsSeparator(QAccessibleInterface* face) {
    auto* action = qobject_cast<QAction*>(face->object());
    return face->role() == QAccessible::Separator || (action && action->isSeparator());
  }

  bool english_;
  QStringList faults_;
};

}  // namespace

class AccessibleNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowAndMenu_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("width");  // of the inspector's second line width
    QTest::newRow("Russian") << QString::fromUtf8("Русский") << false << QStringLiteral("0,1");
    QTest::newRow("English") << QStringLiteral("English") << true << QStringLiteral("0.1");
    QTest::newRow("Ukrainian") << QString::fromUtf8("Украинский") << false << QStringLiteral("0,1");
  }

  void everyWindowAndMenu() {
    QFETCH(QString, language);
    QFETCH(bool, english);
    QFETCH(QString, width);
    test::TempDir home;
    qputenv("QUOBRIX_HOME", home.Path().string().c_str());
    AppContext context;
    TMainForm main(context);
    main.show();  // the first showing applies the language of the options
    THolderForm* chart = main.CreateNewSheme();
    QVERIFY(chart);
    context.Settings().ChangeOptions([&language](ProgramOptions& options) { options.Language = language; });
    main.UseLanguage(language);
    std::vector<QWidget*> windows{&main};
    for (QWidget* child : main.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (child->isWindow() && QByteArray(child->metaObject()->className()).startsWith("quobrix::T"))
        windows.push_back(child);

    Walk walk(english);
    for (QWidget* window : windows) {
      window->show();
      walk.Object(window);
      walk.ListItems(*window);
      for (QMenu* menu : window->findChildren<QMenu*>()) walk.Menu(*menu);
    }
    chart->show();
    walk.Object(chart);
    for (QMenu* menu : chart->findChildren<QMenu*>()) walk.Menu(*menu);
    for (const QString& fault : walk.Faults()) qWarning().noquote() << fault;
    QCOMPARE(walk.Faults().size(), 0);
    const auto* widths = main.Inspector()->findChild<QComboBox*>(QStringLiteral("cbBW"));
    QCOMPARE(widths->itemData(1, Qt::AccessibleTextRole).toString(), width);
  }

  void cleanupTestCase() { UseQtTranslations(QStringLiteral("English")); }
};

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
