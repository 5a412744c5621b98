#include <QAction>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <vector>

#include "app/LoadLanguage.h"
#include "platform/LanguageTable.h"

// Stand-ins named like the program's windows (translation finds sections by
// class name, without the namespace), kept apart from the real classes.
namespace standin {

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  TMainForm() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("Вид"));
    mInspector = view->addAction(QStringLiteral("Редактор свойств"));
    mInspector->setObjectName(QStringLiteral("mInspector"));
    mLibrary = view->addAction(QStringLiteral("Библиотека символов"));
    mLibrary->setObjectName(QStringLiteral("mLibrary"));
  }
  QAction* mInspector;
  QAction* mLibrary;
};

class TSearchForm : public QWidget {
  Q_OBJECT

 public:
  TSearchForm() {
    bSearch = new QPushButton(QStringLiteral("Поиск"), this);
    bSearch->setObjectName(QStringLiteral("bSearch"));
  }
  QPushButton* bSearch;
};

}  // namespace standin

using namespace quobrix;
using standin::TMainForm;
using standin::TSearchForm;

class LoadLanguageTest : public QObject {
  Q_OBJECT

 private:
  struct Windows {
    TMainForm main;
    TSearchForm search;
    QWidget inspector;
    QWidget library;
    std::vector<QWidget*> translated{&main, &search};
    std::vector<ToolWindowTitle> titles{{&inspector, main.mInspector}, {&library, main.mLibrary}};
  };

  // The program folder, with a trailing "/".
  QString ProgramFolder() const { return dir_.path() + u'/'; }

  void WriteLanguage(const QString& name, const QByteArray& text) {
    QDir(dir_.path()).mkpath(QStringLiteral("lang"));
    QFile file(LanguageFilePath(ProgramFolder(), name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
  }

  QTemporaryDir dir_;

 private slots:
  void init() { LoadLanguageTable(QString()); }

  void withoutALanguageNoFileIsReadButToolWindowsAreTitled() {
    WriteLanguage(QString(), "[General]\nProgram=read by mistake\n");  // "lang/.lng"
    Windows windows;
    QString languageFile;
    QVERIFY(LoadLanguage(languageFile, ProgramFolder(), windows.translated, windows.titles));
    QCOMPARE(languageFile, QString());
    QCOMPARE(LanguageText(TextKey::Program), QString::fromUtf8("Построитель схем Quobrix"));
    QCOMPARE(windows.inspector.windowTitle(), QString::fromUtf8("Редактор свойств"));
    QCOMPARE(windows.library.windowTitle(), QString::fromUtf8("Библиотека символов"));
  }

  void languageTranslatesTheTableTheWindowsAndTheToolWindowTitles() {
    WriteLanguage(QStringLiteral("English"),
                  "[General]\nProgram=Quobrix chart builder\n"
                  "[MainForm]\nmInspector=Property editor\n"
                  "[SearchForm]\nbSearch=Search\n");
    Windows windows;
    QString languageFile = QStringLiteral("English");
    QVERIFY(LoadLanguage(languageFile, ProgramFolder(), windows.translated, windows.titles));
    QCOMPARE(languageFile, ProgramFolder() + QStringLiteral("lang/English.lng"));
    QCOMPARE(LanguageText(TextKey::Program), QStringLiteral("Quobrix chart builder"));
    QCOMPARE(windows.search.bSearch->text(), QStringLiteral("Search"));
    QCOMPARE(windows.inspector.windowTitle(), QStringLiteral("Property editor"));
    QCOMPARE(windows.library.windowTitle(), QString::fromUtf8("Библиотека символов"));
  }

  void missingLanguageFileKeepsTheBuiltInTextsAndReportsFailure() {
    Windows windows;
    QString languageFile = QStringLiteral("Klingon");
    QVERIFY(!LoadLanguage(languageFile, ProgramFolder(), windows.translated, windows.titles));
    QCOMPARE(languageFile, ProgramFolder() + QStringLiteral("lang/Klingon.lng"));
    QCOMPARE(LanguageText(TextKey::DIMENSION_MM), QString::fromUtf8("мм"));
    QCOMPARE(windows.inspector.windowTitle(), QString::fromUtf8("Редактор свойств"));
  }

  // The name comes from a file anyone may edit; it must not reach a file
  // outside the language folder.
  void aNameThatIsNotAPlainFileNameReadsNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("parent folder") << QStringLiteral("../Outside");
    QTest::newRow("absolute path") << dir_.path() + QStringLiteral("/Outside");
    QTest::newRow("backslash") << QStringLiteral("..\\Outside");
    QTest::newRow("dots alone") << QStringLiteral("..");
  }

  void aNameThatIsNotAPlainFileNameReadsNothing() {
    QFETCH(QString, name);
    QFile outside(dir_.filePath(QStringLiteral("Outside.lng")));
    QVERIFY(outside.open(QIODevice::WriteOnly));
    outside.write("[General]\nProgram=read from outside\n");
    outside.close();
    Windows windows;
    QString languageFile = name;
    QVERIFY(!LoadLanguage(languageFile, ProgramFolder(), windows.translated, windows.titles));
    QCOMPARE(languageFile, QString());
    QCOMPARE(LanguageText(TextKey::Program), QString::fromUtf8("Построитель схем Quobrix"));
    QVERIFY(IsPlainLanguageName(QString::fromUtf8("Украинский")));
  }
};

QTEST_MAIN(LoadLanguageTest)
#include "LoadLanguageTest.moc"
