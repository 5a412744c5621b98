// A chart window with a stand-in main window: the program's command table
// with the canvas commands bound, and a record of what the window asked for.
#pragma once

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <functional>
#include <vector>

#include "view/ActiveChart.h"
#include "view/AppContext.h"
#include "view/ChartCommands.h"
#include "view/ChartWindowHost.h"
#include "view/CommandTable.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix::test {

class FakeChartHost : public ChartWindowHost {
 public:
  FakeChartHost() {
    BindChartCommands(table);
    for (auto [id, name] : {std::pair{CommandId::New, "mNew"}, {CommandId::Save, "mSave"}, {CommandId::Search, "mSearch"}})
      table.Bind(id, [this, name](QAction&) { triggered.append(QString::fromLatin1(name)); });
  }
  CommandTable& Commands() override { return table; }
  bool SaveChart(THolderForm&) override {
    ++saves;
    return saveSucceeds;
  }
  void ChartWindowActivated(THolderForm& window) override {
    active = &window;
    activeChart.Set(&window);
  }
  void ChartWindowClosed(THolderForm&) override {
    active = nullptr;
    activeChart.Set(nullptr);
  }
  void AddRecentFile(const QString& path) override { recent.append(path); }
  QMenu& RecentFilesMenu() override { return recentMenu; }
  QString ActiveSymbolHint(const TBlocksHolder&, const QString& hint) const override { return hint; }
  void BringMainWindowToFront() override {}
  QString MainCaption() const override { return QStringLiteral("Main caption"); }
  QString SavePromptText(const THolderForm&) const override { return QStringLiteral("Save?"); }
  QString MillimetreText() const override { return QStringLiteral("mm"); }

  AppContext context;
  ActiveChart activeChart;
  CommandTable table{activeChart, context.Clipboard()};
  QStringList triggered;
  QStringList recent;
  QMenu recentMenu;
  THolderForm* active = nullptr;
  int saves = 0;
  bool saveSucceeds = true;
};

struct ChartWindow {
  ChartWindow() {
    form = new THolderForm(host, context);
    form->show();
    form->FormActivate();
    form->UpdateZoomDisplay();
  }
  ~ChartWindow() { delete form.data(); }
  BlocksHolderModel& model() { return form->bh->Model(); }

  FakeChartHost host;
  AppContext& context = host.context;
  QPointer<THolderForm> form;
};

}  // namespace quobrix::test
