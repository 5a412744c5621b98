#include "app/ProgramStart.h"

#include "app/QuobrixApplication.h"
#include "app/TMainForm.h"
#include "view/TDebugForm.h"

namespace quobrix {

int RunEditor(int& argc, char** argv, const QStringList& charts) {
  QuobrixApplication app(argc, argv);
  app.setStyle(QStringLiteral("Fusion"));
  TMainForm main(charts);
  if (TDebugForm::Requested()) {
    // It floats over the main window and lives as long as that does.
    auto* debug = new TDebugForm(&main);
    main.SetDebugForm(debug);
    debug->show();
  }
  main.show();
  return app.exec();
}

}  // namespace quobrix
