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
  }
  main.show();
  if (auto* debug = main.findChild<TDebugForm*>()) {
    debug->move(main.frameGeometry().bottomLeft() + QPoint(0, 1));
    debug->show();
  }
  return app.exec();
}

}  // namespace quobrix
