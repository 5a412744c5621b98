// The single-window workspace on a real main window: docks that show and
// hide with their tool windows, chart windows as tabs whose closing goes
// through the chart window's own prompt, and the dock layout kept in the
// settings file.
#include <QDockWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "app/SingleWindowWorkspace.h"
#include "platform/ProfileFile.h"
#include "support/FakeChartHost.h"
#include "support/ModalAnswer.h"
#include "support/TempDir.h"
#include "tools/TLibraryForm.h"

using namespace quobrix;

namespace {

struct Workspace {
  Workspace() {
    workspace.Dock(*palette);
    main.resize(900, 700);
    main.show();
  }
  ~Workspace() { delete palette; }
  QDockWidget& Dock() { return *qobject_cast<QDockWidget*>(palette->parentWidget()); }
  THolderForm& NewChart() {
    auto* chart = new THolderForm(host, host.context);
    workspace.Adopt(*chart);
    workspace.Show(*chart);
    return *chart;
  }
  std::size_t Tabs() { return main.findChild<QMdiArea*>()->subWindowList().size(); }

  test::FakeChartHost host;
  QMainWindow main;
  ToolWindowRegistry registry;
  TLibraryForm* palette = new TLibraryForm(main, host.table, registry, host.context);
  SingleWindowWorkspace workspace{main};
};

}  // namespace

class SingleWindowWorkspaceTest : public QObject {
  Q_OBJECT

 private slots:
  // The window's command shows and hides it, docked as it is, and the check
  // mark follows.
  void aDockShowsAndHidesWithItsWindow() {
    Workspace w;
    QAction& library = w.host.table.Action(CommandId::Library);
    QVERIFY(!w.Dock().isVisible());
    w.palette->show();
    QVERIFY(w.Dock().isVisible() && w.palette->isVisible());
    QVERIFY(library.isChecked());
    w.palette->hide();
    QVERIFY(!w.Dock().isVisible());
    QVERIFY(!library.isChecked());
    QCOMPARE(w.main.dockWidgetArea(&w.Dock()), Qt::TopDockWidgetArea);
    QVERIFY(!w.palette->isWindow());
  }

  void chartWindowsAreTabsAndTheTabInFrontIsTheActiveChart() {
    Workspace w;
    THolderForm* activated = nullptr;
    QObject::connect(&w.workspace, &SingleWindowWorkspace::ChartActivated,
                     [&activated](THolderForm& window) { activated = &window; });
    THolderForm& first = w.NewChart();
    THolderForm& second = w.NewChart();
    QVERIFY(!first.isWindow() && !second.isWindow());
    QVERIFY(!second.MainMenu2->isVisible());
    QCOMPARE(w.Tabs(), std::size_t{2});
    QCOMPARE(activated, &second);
    w.workspace.Show(first);
    QCOMPARE(activated, &first);
    // A window that goes takes its tab along.
    delete &first;
    QTRY_COMPARE(w.Tabs(), std::size_t{1});
  }

  // Closing a tab is closing its chart window: a changed chart asks first,
  // and Cancel keeps the tab.
  void closingATabAsksAboutItsChart() {
    Workspace w;
    THolderForm& chart = w.NewChart();
    chart.bh->Model().ChangeSheetColor(clBlack);
    {
      test::ModalAnswer cancel(QMessageBox::Cancel);
      QVERIFY(!w.workspace.Frame(chart).close());
      QCOMPARE(cancel.texts.size(), qsizetype(1));
    }
    QCOMPARE(w.Tabs(), std::size_t{1});
    test::ModalAnswer no(QMessageBox::No);
    QVERIFY(w.workspace.Frame(chart).close());
    QTRY_COMPARE(w.Tabs(), std::size_t{0});
  }

  // The layout read back puts the dock where it was, and shows what the
  // tool window's own keys say is shown.
  void theDockLayoutIsKeptInTheSettings() {
    test::TempDir folder;
    const QString path = QString::fromStdString(folder.File("quobrix.ini"));
    {
      Workspace w;
      w.palette->show();
      w.main.addDockWidget(Qt::LeftDockWidgetArea, &w.Dock());
      ProfileFile settings(path);
      w.workspace.SaveLayout(settings);
      QVERIFY(settings.Save());
    }
    Workspace w;
    w.palette->show();
    QCOMPARE(w.main.dockWidgetArea(&w.Dock()), Qt::TopDockWidgetArea);
    w.workspace.LoadLayout(ProfileFile(path));
    QCOMPARE(w.main.dockWidgetArea(&w.Dock()), Qt::LeftDockWidgetArea);
    QVERIFY(w.Dock().isVisible());
  }
};

QTEST_MAIN(SingleWindowWorkspaceTest)
#include "SingleWindowWorkspaceTest.moc"
