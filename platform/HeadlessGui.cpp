#include "platform/HeadlessGui.h"

#include <cstdio>

namespace quobrix {

namespace {

int argc = 1;
char programName[] = "quobrix";
char* argv[] = {programName, nullptr};

// A headless run speaks to its caller in one line of its own; the toolkit's
// notes about the desktop session (no runtime folder, no display) are not
// for that caller. Errors still get through.
void DropToolkitNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

HeadlessGui::HeadlessGui() {
  if (qGuiApp != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  previousHandler_ = qInstallMessageHandler(DropToolkitNotes);
  app_ = std::make_unique<QGuiApplication>(argc, argv);
}

HeadlessGui::~HeadlessGui() {
  if (!app_) return;
  app_.reset();
  qInstallMessageHandler(previousHandler_);
}

}  // namespace quobrix
