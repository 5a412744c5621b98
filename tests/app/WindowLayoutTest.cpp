// The settings file across real restarts of the main window: options, recent
// files, the placement of the main window, the chart windows and the tool
// windows.
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <memory>

#include "app/SettingsFile.h"
#include "app/TMainForm.h"
#include "platform/ProfileFile.h"
#include "support/ModalAnswer.h"
#include "support/ProgramHome.h"
#include "tools/ToolWindow.h"
#include "view/AppContext.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

// A tool window with keys of its own, shown when the file says so.
class TStandInForm : public ToolWindow {
  Q_OBJECT

 public:
  explicit TStandInForm(TMainForm& main) : ToolWindow(main, main.Commands(), CommandId::Palette, main.ToolWindows()) {
    resize(120, 80);
  }
  void LoadLayout(const ProfileFile& settings) override {
    setVisible(settings.ReadBool(QStringLiteral("WinPos"), QStringLiteral("StandIn"), false));
    move(settings.ReadInteger(QStringLiteral("WinPos"), QStringLiteral("StandInX"), 20),
         settings.ReadInteger(QStringLiteral("WinPos"), QStringLiteral("StandInY"), 20));
  }
  void SaveLayout(ProfileFile& settings) const override {
    settings.WriteBool(QStringLiteral("WinPos"), QStringLiteral("StandIn"), isVisible());
    settings.WriteInteger(QStringLiteral("WinPos"), QStringLiteral("StandInX"), x());
    settings.WriteInteger(QStringLiteral("WinPos"), QStringLiteral("StandInY"), y());
  }
};

}  // namespace quobrix

using namespace quobrix;

namespace {

// One run of the program: the main window with its tool window, shown.
struct Run {
  explicit Run(QStringList commandLine = {}) : main(std::make_unique<TMainForm>(context, std::move(commandLine))) {
    standIn = new TStandInForm(*main);
    main->show();
  }
  THolderForm& Chart() const { return *main->ActiveChartWindow(); }

  AppContext context;
  std::unique_ptr<TMainForm> main;
  TStandInForm* standIn;
};

QString Value(const ProfileFile& file, const char* section, const char* key) {
  return file.ReadString(QString::fromLatin1(section), QString::fromLatin1(key));
}

QRect WorkArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void everyKeyComesBackAtTheNextStart() {
    test::ProgramHome home;
    ProgramOptions options;
    for (bool ProgramOptions::*option :
         {&ProgramOptions::MDIMode, &ProgramOptions::ShowSplash, &ProgramOptions::CenterChartInWindow,
          &ProgramOptions::ShowActiveSymbolHint, &ProgramOptions::ShowRulersInWin, &ProgramOptions::ShowStatusInWin,
          &ProgramOptions::ShowColorLineInWin, &ProgramOptions::InspectorSaveMode})
      options.*option = false;
    const QStringList recent = {home.File("a.qbs"), home.File("b b.qbs"), home.File("c.qbs")};
    {
      Run first;
      options.Language = first.context.Settings().Options().Language;
      first.context.Settings().SetOptions(options);
      for (const QString& path : recent) first.main->AddRecentFile(path);
      first.main->move(140, 130);
      first.standIn->move(300, 210);
      first.standIn->show();
      first.context.Settings().SetLastChartPlacement({50, 60, 400, 300, 150});
      QVERIFY(first.main->SaveSettings());
    }
    const ProfileFile file(home.SettingsFile());
    QCOMPARE(Value(file, "WinPos", "MainX"), QStringLiteral("140"));
    QCOMPARE(Value(file, "WinPos", "ChartZoom"), QStringLiteral("150"));
    QCOMPARE(Value(file, "Recent", "Recent1"), recent[1]);

    Run second;
    QVERIFY(second.context.Settings().Options() == options);
    QCOMPARE(second.main->RecentFiles(), recent);
    QCOMPARE(second.main->pos(), QPoint(140, 130));
    QCOMPARE(QRect(second.Chart().pos(), second.Chart().size()), QRect(50, 60, 400, 300));
    QCOMPARE(second.Chart().bh->Model().ZoomPercents(), qint64(150));
    QVERIFY(second.standIn->isVisible());
    QCOMPARE(second.standIn->pos(), QPoint(300, 210));
  }

  // The start-up chart keeps its own placement; the language is the
  // desktop's, written at once.
  void aFirstStartWithoutAFile() {
    test::ProgramHome home;
    Run run;
    const QString desktop = LanguageForDesktop(QLocale::system().uiLanguages().value(0));
    QCOMPARE(run.context.Settings().Options().Language, desktop);
    QCOMPARE(ProfileFile(home.SettingsFile()).ReadString(kMainSection, kLanguageKey), desktop);
    QCOMPARE(run.Chart().frameGeometry().bottom(), WorkArea().bottom());
    QCOMPARE(run.Chart().bh->Model().ZoomPercents(), qint64(100));
    QVERIFY(run.standIn->isHidden());
  }

  void anEmptyLanguageKeepsTheBuiltInTexts() {
    test::ProgramHome home;
    home.WriteSettings("[Main]\r\nLanguage=\r\n");
    Run run;
    QCOMPARE(run.context.Settings().Options().Language, QString());
    QCOMPARE(run.context.Settings().LanguageFile(), QString());
    QCOMPARE(run.main->windowTitle(), QString::fromUtf8("Построитель схем Quobrix 1.50"));
  }

  void withoutAChartWindowNewChartsGetTheFallbackPlacement() {
    test::ProgramHome home;
    home.WriteSettings("[WinPos]\r\nChartX=300\r\n");
    test::WriteBytes(home.dir.File("bad.qbs"), "not a chart\r\n");
    test::ModalAnswer ok(QMessageBox::Ok);
    Run run({home.File("bad.qbs")});
    QVERIFY(run.main->ChartWindows().empty());
    const ChartPlacement& p = run.context.Settings().LastChartPlacement();
    QCOMPARE(QRect(p.Left, p.Top, p.Width, p.Height), QRect(20, 20, 500, 500));
    QCOMPARE(p.Zoom, 100);
  }

  // Only the main window and the recent files are read back, while every
  // key is still written.
  void withTheLayoutOptionOff() {
    test::ProgramHome home;
    home.WriteSettings(
        "[Main]\r\nSaveWindowsPos=0\r\n[Recent]\r\nRecent0=/x.qbs\r\n"
        "[WinPos]\r\nMainX=150\r\nMainY=160\r\nChartX=30\r\nChartY=40\r\nChartW=300\r\nChartH=200\r\n"
        "ChartZoom=300\r\nStandIn=1\r\nStandInX=400\r\nStandInY=300\r\n");
    Run run;
    QCOMPARE(run.main->pos(), QPoint(150, 160));
    QCOMPARE(run.main->RecentFiles(), QStringList{QStringLiteral("/x.qbs")});
    QVERIFY(QRect(run.Chart().pos(), run.Chart().size()) != QRect(30, 40, 300, 200));
    QCOMPARE(run.Chart().bh->Model().ZoomPercents(), qint64(100));
    QVERIFY(run.standIn->isHidden());
    QCOMPARE(run.standIn->pos(), QPoint(20, 20));
    run.main->SaveSettings();
    const ProfileFile file(home.SettingsFile());
    QCOMPARE(Value(file, "WinPos", "ChartW"), QString::number(run.context.Settings().LastChartPlacement().Width));
    QCOMPARE(Value(file, "WinPos", "StandIn"), QStringLiteral("0"));
    QCOMPARE(Value(file, "Main", "ShowSplash"), QStringLiteral("1"));
  }

  void aStoredChartSmallerThan100PixelsIsRaisedTo100() {
    test::ProgramHome home;
    home.WriteSettings("[WinPos]\r\nChartX=10\r\nChartY=10\r\nChartW=50\r\nChartH=-7\r\nChartZoom=0\r\n");
    Run run;
    QCOMPARE(run.Chart().size(), QSize(100, 100));
    QCOMPARE(run.context.Settings().LastChartPlacement().Width, 100);
    QCOMPARE(run.Chart().bh->Model().ZoomPercents(), qint64(1));
  }

  // Entries the list dropped must not come back at the next start.
  void aShorterRecentListRemovesTheKeysBeyondIt() {
    test::ProgramHome home;
    QByteArray text = "[Recent]\r\n";
    for (int i = 0; i < 6; ++i) text += "Recent" + QByteArray::number(i) + "=/old" + QByteArray::number(i) + ".qbs\r\n";
    home.WriteSettings(text + "Other=kept\r\n");
    {
      TMainForm unshown(home.context);  // its layout, and with it the old list, is never read
      for (const char* path : {"/a.qbs", "/b.qbs", "/c.qbs"}) unshown.AddRecentFile(QString::fromLatin1(path));
      unshown.SaveSettings();
    }
    const ProfileFile file(home.SettingsFile());
    QCOMPARE(file.Keys(kRecentSection), (QStringList{"Recent0", "Recent1", "Recent2", "Other"}));
    Run run;
    QCOMPARE(run.main->RecentFiles(), (QStringList{"/a.qbs", "/b.qbs", "/c.qbs"}));
  }

  void windowsPlacedOnAMissingMonitorComeBack() {
    test::ProgramHome home;
    home.WriteSettings(
        "[WinPos]\r\nMainX=5000\r\nMainY=-4000\r\nChartX=-3000\r\nChartY=100\r\nChartW=300\r\nChartH=200\r\n"
        "StandIn=1\r\nStandInX=9000\r\nStandInY=9000\r\n");
    Run run;
    for (const QWidget* window : {static_cast<QWidget*>(run.main.get()), static_cast<QWidget*>(&run.Chart()),
                                  static_cast<QWidget*>(run.standIn)})
      QVERIFY2(WorkArea().contains(window->frameGeometry()), qPrintable(window->objectName()));
    QCOMPARE(run.Chart().size(), QSize(300, 200));
  }

  void theSettingsAreWrittenEvenWhenTheCloseIsRefused() {
    test::ProgramHome home;
    Run run;
    run.Chart().bh->Model().SetModified(true);
    run.main->move(100, 110);
    test::ModalAnswer cancel(QMessageBox::Cancel);
    QVERIFY(!run.main->close());
    QCOMPARE(Value(ProfileFile(home.SettingsFile()), "WinPos", "MainY"), QStringLiteral("110"));
    run.Chart().bh->Model().SetModified(false);
  }
};

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
