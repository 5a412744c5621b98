// The help window on the shipped English pages, as a user goes through it:
// the contents, a link, back and forward, the search, F1 in a chart window,
// and links that leave the help.
#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/HelpFiles.h"
#include "platform/LanguageTable.h"
#include "support/FakeChartHost.h"
#include "support/ModalAnswer.h"
#include "tools/THelpForm.h"

using namespace quobrix;

namespace {

const QString kEnglish = QStringLiteral("English.lng");

HelpBook BookIn(const QString& root) {
  return {[root](const QString& name) { return HelpPageUrl(root, kEnglish, name); },
          [root] { return HelpFolders(root, kEnglish); }, HelpWindowText};
}

struct HelpWindow {
  explicit HelpWindow(const QString& root = qEnvironmentVariable("QUOBRIX_SOURCE_DIR") + u'/')
      : form(owner, chart.host.table, registry, BookIn(root)) {}
  QString Shown() const { return QFileInfo(form.Browser->source().toLocalFile()).fileName(); }

  test::ChartWindow chart;
  QWidget owner;
  ToolWindowRegistry registry;
  THelpForm form;
};

// A tool window as the program's are, named as the property inspector.
class ExampleTool : public ToolWindow {
 public:
  ExampleTool(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry)
      : ToolWindow(owner, commands, CommandId::Palette, registry) {
    setObjectName(QStringLiteral("InspectorForm"));
  }
  void LoadLayout(const ProfileFile&) override {}
  void SaveLayout(ProfileFile&) const override {}
};

// Clicks the link whose text begins with `text`, as the user would.
void ClickLink(QTextBrowser& browser, const QString& text) {
  QTextCursor at = browser.document()->find(text);
  QVERIFY2(!at.isNull(), qPrintable(text));
  at.setPosition(at.selectionStart() + 1);
  QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(at).center());
}

// Stands for the browser the desktop would start.
class Desktop : public QObject {
  Q_OBJECT
 public:
  Desktop() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
  ~Desktop() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened.append(url); }
};

}  // namespace

class THelpFormTest : public QObject {
  Q_OBJECT

 private slots:
  void theUserGoesFromTheContentsToAPageAndBack() {
    HelpWindow help;
    help.form.ShowContents();
    QVERIFY(help.form.isVisible());
    QCOMPARE(help.Shown(), QStringLiteral("index.html"));
    QVERIFY(!help.form.bBack->isEnabled() && !help.form.bForward->isEnabled());
    for (QWidget* control : help.form.findChildren<QWidget*>())
      if (control->focusPolicy() != Qt::NoFocus)
        QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                 qPrintable(control->objectName()));

    ClickLink(*help.form.Browser, QStringLiteral("Chart window"));
    QCOMPARE(help.Shown(), QStringLiteral("HolderForm.html"));
    QCOMPARE(help.form.Browser->accessibleName(), help.form.Browser->documentTitle());
    // The page's picture is read from beside the page.
    QVERIFY(!help.form.Browser->loadResource(QTextDocument::ImageResource, QUrl("images/HolderForm.png")).isNull());
    // A screenshot wider than the window shrinks to fit it, at any width.
    for (const int width : {760, 420}) {
      help.form.resize(width, 500);
      QTRY_COMPARE(help.form.Browser->horizontalScrollBar()->maximum(), 0);
    }

    QTest::mouseClick(help.form.bBack, Qt::LeftButton);
    QCOMPARE(help.Shown(), QStringLiteral("index.html"));
    QVERIFY(help.form.bForward->isEnabled());
    QTest::mouseClick(help.form.bForward, Qt::LeftButton);
    QCOMPARE(help.Shown(), QStringLiteral("HolderForm.html"));
    QTest::mouseClick(help.form.bContents, Qt::LeftButton);
    QCOMPARE(help.Shown(), QStringLiteral("index.html"));
  }

  // The search reads the pages as shown: any case, the lessons too, and
  // every word has to be there.
  void theSearchListsThePagesHoldingTheWords() {
    HelpWindow help;
    help.form.ShowContents();
    QTest::keyClicks(help.form.edSearch, QStringLiteral("SNAPS"));
    QTest::keyClick(help.form.edSearch, Qt::Key_Return);
    QStringList titles;
    for (int row = 0; row < help.form.lbFound->count(); ++row) titles.append(help.form.lbFound->item(row)->text());
    QVERIFY2(titles.contains(QStringLiteral("Main window")), qPrintable(titles.join(u'|')));
    QCOMPARE(titles.size(), 2);  // and the first lesson

    help.form.lbFound->setCurrentRow(int(titles.indexOf(QStringLiteral("Main window"))));
    QCOMPARE(help.Shown(), QStringLiteral("MainForm.html"));
    QVERIFY(!help.form.Browser->extraSelections().isEmpty());

    help.form.edSearch->setText(QStringLiteral("snaps nowhere-else"));
    QTest::keyClick(help.form.edSearch, Qt::Key_Return);
    QCOMPARE(help.form.lbFound->count(), 1);
    QCOMPARE(help.form.lbFound->item(0)->text(), LanguageText(TextKey::HELP_WORDS_NOT_FOUND));
    QCOMPARE(help.form.lbFound->item(0)->flags(), Qt::NoItemFlags);
  }

  void f1InAChartWindowOpensThatWindowsPage() {
    HelpWindow help;
    QWidget& chart = *help.chart.form;
    chart.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &chart);
    QTest::keyClick(&chart, Qt::Key_F1);
    QTRY_VERIFY(help.form.isVisible());
    QCOMPARE(help.Shown(), QStringLiteral("HolderForm.html"));

    // F1 works in a tool window too, and opens its page.
    ExampleTool inspector(help.owner, help.chart.host.table, help.registry);
    inspector.show();
    inspector.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &inspector);
    QTest::keyClick(&inspector, Qt::Key_F1);
    QTRY_COMPARE(help.Shown(), QStringLiteral("PropertyEditor.html"));
  }

  void aLinkOutsideGoesToTheBrowserOrNamesItsAddress() {
    QTemporaryDir root;
    QDir().mkpath(root.filePath("help/en"));
    QFile page(root.filePath("help/en/index.html"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><p><a href=\"https://example.org/quobrix\">Our site</a></p></body></html>");
    page.close();
    HelpWindow help(root.path() + u'/');
    help.form.ShowContents();

    {
      // The offscreen platform the tests run on opens no address at all.
      test::ModalAnswer answer(QMessageBox::Ok);
      ClickLink(*help.form.Browser, QStringLiteral("Our site"));
      QCOMPARE(answer.texts,
               QStringList{LanguageText(TextKey::HELP_LINK_OPEN_ERROR).arg("https://example.org/quobrix")});
    }
    QCOMPARE(help.Shown(), QStringLiteral("index.html"));

    Desktop desktop;
    ClickLink(*help.form.Browser, QStringLiteral("Our site"));
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl("https://example.org/quobrix")});
  }
};

QTEST_MAIN(THelpFormTest)
#include "THelpFormTest.moc"
