// The frame of the tool windows, with an example window that keeps its
// visibility and position in the settings file.
#include <QAction>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "app/TMainForm.h"
#include "platform/ProfileFile.h"
#include "support/TempDir.h"
#include "tools/ToolWindow.h"
#include "view/ActiveChart.h"
#include "view/AppContext.h"
#include "view/CommandTable.h"

namespace quobrix {

class TExampleForm : public ToolWindow {
  Q_OBJECT

 public:
  TExampleForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry, QString key, QStringList& visits,
               CommandId toggle = CommandId::Palette)
      : ToolWindow(owner, commands, toggle, registry), key_(std::move(key)), visits_(visits) {}

  void LoadLayout(const ProfileFile& settings) override {
    visits_.append(QStringLiteral("load ") + key_);
    setVisible(settings.ReadBool(kSection, key_, false));
    move(settings.ReadInteger(kSection, key_ + u'X', 20), settings.ReadInteger(kSection, key_ + u'Y', 20));
  }
  void SaveLayout(ProfileFile& settings) const override {
    visits_.append(QStringLiteral("save ") + key_);
    settings.WriteBool(kSection, key_, isVisible());
    settings.WriteInteger(kSection, key_ + u'X', x());
    settings.WriteInteger(kSection, key_ + u'Y', y());
  }

 private:
  static inline const QString kSection = QStringLiteral("WinPos");
  QString key_;
  QStringList& visits_;
};

}  // namespace quobrix

using namespace quobrix;

namespace {

struct Shell {
  QWidget owner;
  AppContext context;
  ActiveChart active;
  CommandTable commands{active, context.Clipboard()};
  ToolWindowRegistry registry;
  QStringList visits;
  QAction& Toggle() { return commands.Action(CommandId::Palette); }
};

}  // namespace

class ToolWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aToolWindowFloatsAboveItsOwnerAndStartsHidden() {
    Shell shell;
    TExampleForm window(shell.owner, shell.commands, shell.registry, QStringLiteral("Palette"), shell.visits);
    QVERIFY(window.isWindow());
    QCOMPARE(window.parentWidget(), &shell.owner);
    QVERIFY(window.windowFlags().testFlag(Qt::Tool));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window.isHidden());
    QVERIFY(shell.Toggle().isEnabled());
    QVERIFY(!shell.Toggle().isChecked());
  }

  // However the window comes and goes, the command's check mark and the
  // pressed state of its tool-bar button show whether it is there.
  void theCheckMarkFollowsTheWindow() {
    Shell shell;
    QToolBar bar(&shell.owner);
    bar.addAction(&shell.Toggle());
    auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(&shell.Toggle()));
    TExampleForm window(shell.owner, shell.commands, shell.registry, QStringLiteral("Palette"), shell.visits);
    shell.Toggle().trigger();
    QVERIFY(window.isVisible());
    QVERIFY(shell.Toggle().isChecked() && button->isChecked());
    window.close();  // the window's own close button
    QVERIFY(!shell.Toggle().isChecked() && !button->isChecked());
    button->click();
    QVERIFY(window.isVisible() && shell.Toggle().isChecked());
    shell.Toggle().trigger();
    QVERIFY(window.isHidden() && !shell.Toggle().isChecked());
    window.show();  // shown by the window layout, say
    QVERIFY(shell.Toggle().isChecked());
  }

  // A chart window comes up under the tool windows, but another tool window
  // may lie on one: its command then raises it, and only the next press
  // hides it.
  void theCommandRaisesAWindowAnotherToolWindowCovers() {
    Shell shell;
    TExampleForm lower(shell.owner, shell.commands, shell.registry, QStringLiteral("Lower"), shell.visits);
    TExampleForm upper(shell.owner, shell.commands, shell.registry, QStringLiteral("Upper"), shell.visits,
                       CommandId::Library);
    QAction& toggleUpper = shell.commands.Action(CommandId::Library);
    lower.setGeometry(100, 100, 200, 150);
    upper.setGeometry(250, 200, 200, 150);
    shell.Toggle().trigger();
    toggleUpper.trigger();
    shell.Toggle().trigger();
    QVERIFY(lower.isVisible());
    QVERIFY(upper.isVisible());
    // Now on top, the lower one goes; the upper one, uncovered again, goes too.
    shell.Toggle().trigger();
    QVERIFY(!lower.isVisible());
    toggleUpper.trigger();
    QVERIFY(!upper.isVisible());
    // Windows side by side do not cover one another.
    upper.move(400, 100);
    shell.Toggle().trigger();
    toggleUpper.trigger();
    shell.Toggle().trigger();
    QVERIFY(!lower.isVisible());
  }

  void theTitleIsTheMenuCaptionInEveryLanguage() {
    Shell shell;
    TExampleForm window(shell.owner, shell.commands, shell.registry, QStringLiteral("Palette"), shell.visits);
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Палитра"));
    shell.Toggle().setText(QStringLiteral("Palette"));  // as a language file renames the menu item
    QCOMPARE(window.windowTitle(), QStringLiteral("Palette"));
  }

  void theRegistryReadsAndWritesEveryWindowInOrder() {
    Shell shell;
    test::TempDir dir;
    const QString path = QString::fromStdString(dir.File("quobrix.ini"));
    TExampleForm palette(shell.owner, shell.commands, shell.registry, QStringLiteral("Palette"), shell.visits);
    TExampleForm inspector(shell.owner, shell.commands, shell.registry, QStringLiteral("Inspector"), shell.visits);
    palette.show();
    palette.move(120, 90);
    {
      ProfileFile settings(path);
      shell.registry.SaveLayouts(settings);
      QVERIFY(settings.Save());
    }
    palette.hide();
    palette.move(0, 0);
    inspector.show();
    shell.registry.LoadLayouts(ProfileFile(path));
    QVERIFY(palette.isVisible() && inspector.isHidden());
    QCOMPARE(palette.pos(), QPoint(120, 90));
    QCOMPARE(shell.visits, (QStringList{QStringLiteral("save Palette"), QStringLiteral("save Inspector"),
                                        QStringLiteral("load Palette"), QStringLiteral("load Inspector")}));
  }

  void aWindowThatGoesLeavesTheRegistryAndItsCommand() {
    Shell shell;
    auto window = std::make_unique<TExampleForm>(shell.owner, shell.commands, shell.registry, QStringLiteral("Palette"),
                                                 shell.visits);
    window.reset();
    shell.registry.LoadLayouts(ProfileFile(QString()));
    QVERIFY(shell.visits.isEmpty());
    QVERIFY(!shell.Toggle().isEnabled());
    shell.Toggle().trigger();
  }

  // The main window's tool windows go before the commands and the registry
  // they use.
  void theMainWindowOutlivesItsToolWindows() {
    test::TempDir home;
    qputenv("QUOBRIX_HOME", home.Path().string().c_str());
    QStringList visits;
    AppContext context;
    auto main = std::make_unique<TMainForm>(context);
    QPointer<TExampleForm> window =
        new TExampleForm(*main, main->Commands(), main->ToolWindows(), QStringLiteral("Palette"), visits);
    window->show();
    main.reset();
    QVERIFY(!window);
  }
};

QTEST_MAIN(ToolWindowTest)
#include "ToolWindowTest.moc"
