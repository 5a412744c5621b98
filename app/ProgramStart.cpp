#include "app/ProgramStart.h"

#include <QFileInfo>
#include <QTimer>
#include <string_view>

#include "app/QuobrixApplication.h"
#include "app/StopSignals.h"
#include "app/TMainForm.h"
#include "view/AppContext.h"
#include "view/TDebugForm.h"

namespace quobrix {

namespace {

bool StyleGiven(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (arg == "-style" || arg == "--style" || arg.starts_with("-style=") || arg.starts_with("--style=")) return true;
  }
  return false;
}

}  // namespace

QStringList ChartArguments(const QStringList& applicationArguments) {
  QStringList charts;
  for (qsizetype i = 1; i < applicationArguments.size(); ++i)
    charts.append(QFileInfo(applicationArguments[i]).absoluteFilePath());
  return charts;
}

int RunEditor(int& argc, char** argv) {
  const bool styleGiven = StyleGiven(argc, argv);
  QuobrixApplication app(argc, argv);
  if (!styleGiven) app.setStyle(QStringLiteral("Fusion"));
  AppContext context;
  TMainForm main(context, ChartArguments(QApplication::arguments()));
  StopSignals stopSignals;
  QObject::connect(&stopSignals, &StopSignals::Received, &main, &TMainForm::EndSession);
  if (TDebugForm::Requested()) {
    // It floats over the main window and lives as long as that does.
    auto* debug = new TDebugForm(&main);
    main.SetDebugForm(debug);
  }
  main.show();
  // Once the start-up chart is on screen, the folders are looked at and the
  // charts a killed program left unsaved are offered.
  QTimer::singleShot(0, &main, &TMainForm::CheckFoldersAtStart);
  QTimer::singleShot(0, &main, &TMainForm::OfferRecoveredCharts);
  if (auto* debug = main.findChild<TDebugForm*>()) {
    debug->move(main.frameGeometry().bottomLeft() + QPoint(0, 1));
    debug->show();
  }
  return app.exec();
}

}  // namespace quobrix
