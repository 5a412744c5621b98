#include "app/ProgramStart.h"

#include <QScopeGuard>
#include <QTimer>

#include "app/QuobrixApplication.h"
#include "app/TMainForm.h"
#include "chart/ChartClipboard.h"
#include "platform/QtChartClipboard.h"
#include "view/TDebugForm.h"

namespace quobrix {

int RunEditor(int& argc, char** argv, const QStringList& charts) {
  QuobrixApplication app(argc, argv);
  app.setStyle(QStringLiteral("Fusion"));
  // Cut, copy and paste go through the desktop's clipboard while the editor runs.
  QtChartClipboard clipboard;
  SetChartClipboard(&clipboard);
  const auto uninstall = qScopeGuard([] { SetChartClipboard(nullptr); });
  TMainForm main(charts);
  if (TDebugForm::Requested()) {
    // It floats over the main window and lives as long as that does.
    auto* debug = new TDebugForm(&main);
    main.SetDebugForm(debug);
  }
  main.show();
  // Once the start-up chart is on screen, the charts a killed program left
  // unsaved are offered.
  QTimer::singleShot(0, &main, &TMainForm::OfferRecoveredCharts);
  if (auto* debug = main.findChild<TDebugForm*>()) {
    debug->move(main.frameGeometry().bottomLeft() + QPoint(0, 1));
    debug->show();
  }
  return app.exec();
}

}  // namespace quobrix
