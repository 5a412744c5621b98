// The help, the lessons and the web link: which file each command opens, and
// the shipped pages themselves (a page for every window and menu in every
// language, and no link that leads nowhere).
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/HelpFiles.h"
#include "app/TMainForm.h"
#include "chart/ChartFormat.h"
#include "platform/LanguageTable.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramFolders.h"
#include "support/ProgramHome.h"
#include "tools/THelpForm.h"

using namespace quobrix;

namespace {

const QStringList kLanguages = {QStringLiteral("ru"), QStringLiteral("en"), QStringLiteral("uk")};

// Windows made on demand, which a started main window does not hold yet.
const QStringList kDialogs = {"SettingsForm", "AboutForm", "WizLSForm", "WizIFForm", "WizForForm", "WizProcForm",
                              "LibraryForm", "UserLibForm", "InspectorForm", "PreviewForm", "SearchForm",
                              "SheetSizeForm", "ShemeInfoForm", "ColorForm", "HolderForm", "MainForm"};

QString Source() { return qEnvironmentVariable("QUOBRIX_SOURCE_DIR") + u'/'; }

void Write(const QString& path, const QByteArray& text) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text);
}

QStringList HtmlFiles(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) files.append(it.next());
  return files;
}

// Receives what the commands ask the desktop to open.
class Browser : public QObject {
  Q_OBJECT
 public:
  Browser() {
    for (const char* scheme : {"file", "http", "https"})
      QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
  }
  ~Browser() override {
    for (const char* scheme : {"file", "http", "https"}) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  }
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened.append(url); }
};

}  // namespace

class HelpFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void theLanguageFileChoosesTheHelpLanguage_data() {
    QTest::addColumn<QString>("languageFile");
    QTest::addColumn<QString>("code");
    QTest::newRow("built-in texts") << QString() << "ru";
    QTest::newRow("Russian") << "/opt/q/lang/Русский.lng" << "ru";
    QTest::newRow("Ukrainian") << "/opt/q/lang/Украинский.lng" << "uk";
    QTest::newRow("English") << "/opt/q/lang/English.lng" << "en";
    QTest::newRow("a language of the user's own") << "/opt/q/lang/Deutsch.lng" << "en";
  }
  void theLanguageFileChoosesTheHelpLanguage() {
    QFETCH(QString, languageFile);
    QFETCH(QString, code);
    QCOMPARE(HelpLanguageCode(languageFile), code);
  }

  void aLanguageWithoutItsOwnHelpGetsTheRussianOne() {
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    QCOMPARE(HelpPageUrl(root, "English.lng"), QUrl());
    Write(root + "help/ru/index.html", "<html></html>");
    QCOMPARE(HelpPageUrl(root, "English.lng"), QUrl::fromLocalFile(root + "help/ru/index.html"));
    Write(root + "help/en/index.html", "<html></html>");
    QCOMPARE(HelpPageUrl(root, "English.lng"), QUrl::fromLocalFile(root + "help/en/index.html"));
  }

  // The item's number names the lesson: the English menu still says
  // "Иструментарий", and a user's language file may say anything.
  void theLessonIsChosenByItsNumberAndAMissingOneIsNothing() {
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    Write(root + "lessons/uk/tools.html", "<html></html>");
    QCOMPARE(LessonUrl(root, "Украинский.lng", 2), QUrl::fromLocalFile(root + "lessons/uk/tools.html"));
    QCOMPARE(LessonUrl(root, "Украинский.lng", 1), QUrl());
    QCOMPARE(LessonUrl(root, "Украинский.lng", 3), QUrl());
    QCOMPARE(LessonUrl(root, "Украинский.lng", 0), QUrl());
  }

  void theSiteShortcutGivesAnAbsoluteOrARelativeAddress() {
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    QCOMPARE(SiteUrl(root), QUrl());
    Write(root + "site.url", "[InternetShortcut]\r\nURL=https://example.org/quobrix/\r\n");
    QCOMPARE(SiteUrl(root), QUrl("https://example.org/quobrix/"));
    Write(root + "site.url", "[InternetShortcut]\r\nURL=help/index.html\r\n");
    QCOMPARE(SiteUrl(root), QUrl::fromLocalFile(root + "help/index.html"));
    Write(root + "site.url", "[Other]\r\nURL=https://example.org/\r\n");
    QCOMPARE(SiteUrl(root), QUrl());
  }

  // The program's folder in the tests holds no help: the commands ask the
  // desktop for nothing and the help window says where the help was looked for.
  void missingHelpAndLessonsAreToldInTheHelpWindow() {
    test::ProgramHome home;
    TMainForm main(home.context);
    Browser browser;
    THelpForm& help = *main.findChild<THelpForm*>();
    const QString told = LanguageText(TextKey::HELP_MISSING_MSG).arg(QDir::toNativeSeparators(ResourceDir()));
    for (QAction* item : {&main.Commands().Action(CommandId::Help), &main.Commands().Action(CommandId::Lesson, 1),
                          &main.Commands().Action(CommandId::Lesson, 2)}) {
      help.Browser->clear();
      QVERIFY(item->isEnabled());
      item->trigger();
      QVERIFY(help.isVisible());
      QCOMPARE(help.Browser->toPlainText(), told);
    }
    QVERIFY(browser.opened.isEmpty());
  }

  void theShippedShortcutOpensTheBundledHelp() {
    const QUrl site = SiteUrl(Source());
    QVERIFY(site.isLocalFile());
    QVERIFY(QFileInfo(site.toLocalFile()).isFile());
  }

  void everyWindowAndMenuHasAPageInEveryLanguage() {
    test::ProgramHome home;
    TMainForm main(home.context);
    QSet<QString> names(kDialogs.begin(), kDialogs.end());
    for (QWidget* window : main.findChildren<QWidget*>())
      if (window->isWindow() && window->objectName().endsWith(QStringLiteral("Form")) &&
          window->objectName() != QStringLiteral("DebugForm"))
        names.insert(window->objectName());
    for (QAction* menu : main.menuBar()->actions())
      if (menu->menu()) names.insert(menu->menu()->objectName());
    QVERIFY(names.contains(QStringLiteral("mHelp")));
    for (const QString& code : kLanguages)
      for (const QString& name : names) {
        const QString page = Source() + "help/" + code + u'/' + HelpPageName(name) + ".html";
        QVERIFY2(QFileInfo(page).isFile(), qPrintable(page));
      }
  }

  // The desktop tells a chart by its first line and names the file type and
  // the program in the language files' words.
  void theDesktopFilesMatchTheChartFileAndTheLanguageFiles() {
    QFile package(Source() + "desktop/quobrix.xml");
    QVERIFY(package.open(QIODevice::ReadOnly));
    const QString mime = QString::fromUtf8(package.readAll());
    QVERIFY(mime.contains("value=\"" + QString::fromUtf8(kChartHeader.data(), kChartHeader.size()) + "\""));
    QVERIFY(mime.contains("<glob pattern=\"*.qbs\"/>"));
    const ProfileFile entry(Source() + "desktop/quobrix.desktop");
    const struct {
      const char* file;
      const char* comment;
      const char* lang;
    } languages[] = {{"English", "<comment>", ""},
                     {"Русский", "<comment xml:lang=\"ru\">", "[ru]"},
                     {"Украинский", "<comment xml:lang=\"uk\">", "[uk]"}};
    for (const auto& language : languages) {
      const ProfileFile texts(Source() + "lang/" + QString::fromUtf8(language.file) + ".lng");
      const QString fileType = texts.ReadString("General", "QUOBRIX_FILE_TYPE");
      QVERIFY(!fileType.isEmpty());
      QVERIFY2(mime.contains(QString::fromUtf8(language.comment) + fileType + "</comment>"), language.file);
      QCOMPARE(entry.ReadString("Desktop Entry", "Comment" + QString::fromUtf8(language.lang)),
               texts.ReadString("General", "Program"));
    }
  }

  void everyLanguageHasTheSamePages() {
    const auto pages = [](const QString& folder) {
      QStringList names = QDir(folder).entryList({"*.html"}, QDir::Files);
      names.sort();
      return names;
    };
    for (const QString& folder : {QStringLiteral("help/"), QStringLiteral("lessons/")})
      for (const QString& code : kLanguages) QCOMPARE(pages(Source() + folder + code), pages(Source() + folder + "ru"));
  }

  void everyLinkOfTheHelpAndTheLessonsResolves() {
    static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    const QStringList files = HtmlFiles(Source() + "help") + HtmlFiles(Source() + "lessons");
    QVERIFY(files.size() > 3 * 20);
    for (const QString& file : files) {
      QFile html(file);
      QVERIFY(html.open(QIODevice::ReadOnly));
      const QString text = QString::fromUtf8(html.readAll());
      QVERIFY2(text.contains(QStringLiteral("<meta charset=\"utf-8\">")), qPrintable(file));
      for (auto m = link.globalMatch(text); m.hasNext();) {
        const QString target = m.next().captured(1);
        QVERIFY2(!target.isEmpty(), qPrintable(file));
        if (target.contains(QStringLiteral("://"))) continue;
        const QString path = target.section(u'#', 0, 0);
        const QString fragment = target.section(u'#', 1);
        const QString resolved = path.isEmpty() ? file : QFileInfo(file).dir().filePath(path);
        QVERIFY2(QFileInfo(resolved).isFile(), qPrintable(file + " -> " + target));
        if (fragment.isEmpty()) continue;
        QFile linked(resolved);
        QVERIFY(linked.open(QIODevice::ReadOnly));
        QVERIFY2(QString::fromUtf8(linked.readAll()).contains("id=\"" + fragment + u'"'), qPrintable(file + " -> " + target));
      }
    }
  }
};

QTEST_MAIN(HelpFilesTest)
#include "HelpFilesTest.moc"
