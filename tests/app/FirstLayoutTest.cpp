// The first start's window layout, with the inspector and the program window
// shown, on screens of the sizes users have: no window lies on another, every
// window is inside the work area, and the main window shows every menu and
// tool button in each language. Each screen size is a run of this program of
// its own on an offscreen screen of that size.
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstdio>

#include "app/QuobrixApplication.h"
#include "app/TMainForm.h"
#include "support/ProgramHome.h"
#include "tools/TPropertyEditorForm.h"
#include "view/AppContext.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

const char* const kScreenVariable = "QUOBRIX_TEST_SCREEN";

QString Describe(const QWidget& window) {
  const QRect r = window.frameGeometry();
  return QStringLiteral("\"%1\" %2,%3 %4x%5")
      .arg(window.windowTitle())
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height());
}

}  // namespace

class FirstLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsLieSideBySideAndShowEveryItem_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("ru") << QStringLiteral("Русский");
    QTest::newRow("en") << QStringLiteral("English");
    QTest::newRow("uk") << QStringLiteral("Украинский");
  }

  void windowsLieSideBySideAndShowEveryItem() {
    QFETCH(QString, language);
    test::ProgramHome home;
    TMainForm main(home.context);
    main.Context().Settings().ChangeOptions([&language](ProgramOptions& o) { o.Language = language; });
    main.show();
    QTRY_VERIFY(main.ActiveChartWindow() && main.ActiveChartWindow()->isVisible());
    main.Commands().Action(CommandId::Inspector).trigger();
    QTRY_VERIFY(main.Inspector()->isVisible());
    main.Commands().Action(CommandId::ChartProgram).trigger();

    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible()) windows.push_back(window);
    QVERIFY2(windows.size() >= 6, qPrintable(QString::number(windows.size())));
    const QRect work = main.screen()->availableGeometry();
    for (std::size_t i = 0; i < windows.size(); ++i) {
      QVERIFY2(work.contains(windows[i]->frameGeometry()), qPrintable(Describe(*windows[i])));
      for (std::size_t j = i + 1; j < windows.size(); ++j)
        QVERIFY2(!windows[i]->frameGeometry().intersects(windows[j]->frameGeometry()),
                 qPrintable(Describe(*windows[i]) + QStringLiteral(" covers ") + Describe(*windows[j])));
    }
    // Qt moves what does not fit behind these buttons.
    for (const char* extension : {"qt_menubar_ext_button", "qt_toolbar_ext_button"})
      for (const QToolButton* button : main.findChildren<QToolButton*>(QString::fromLatin1(extension)))
        QVERIFY2(!button->isVisible(), extension);
  }
};

// Without a screen named, runs itself once per screen size.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty(kScreenVariable)) {
    QuobrixApplication app(argc, argv);
    FirstLayoutTest test;
    return QTest::qExec(&test, argc, argv);
  }
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  int failed = 0;
  // The last screen is the first one at a device pixel ratio of 2.
  struct Screen {
    QSize size;
    int ratio;
  };
  for (const Screen screen : {Screen{QSize(1280, 800), 1}, Screen{QSize(1920, 1080), 1}, Screen{QSize(2560, 1600), 2}}) {
    const QSize size = screen.size;
    const QString config = dir.filePath(QStringLiteral("screen%1.json").arg(size.width()));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(QStringLiteral(R"({"windowFrameMargins": true, "screens": [{"name": "screen", "x": 0, "y": 0,
        "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %3}]})")
                   .arg(size.width())
                   .arg(size.height())
                   .arg(screen.ratio)
                   .toUtf8());
    file.close();
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    environment.insert(QString::fromLatin1(kScreenVariable), QString::number(size.width()));
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::ForwardedChannels);
    std::printf("screen %dx%d at ratio %d\n", size.width(), size.height(), screen.ratio);
    std::fflush(stdout);
    run.start(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
    run.waitForFinished(-1);
    if (run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0) ++failed;
  }
  return failed;
}

#include "FirstLayoutTest.moc"
