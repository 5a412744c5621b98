#pragma once

#include <QStringList>

namespace quobrix {

// Starts the editor: the main window, which opens the chart named first on
// the command line or a new one, then runs until the main window closes.
// Qt's own options (-platform, -style ...) are the toolkit's, not charts.
// Returns the program's exit code.
int RunEditor(int& argc, char** argv);

// The charts named by the application's arguments (program name first, the
// toolkit's options already taken out), as full paths: the window title, the
// recent files and the settings must not depend on the starting folder.
QStringList ChartArguments(const QStringList& applicationArguments);

}  // namespace quobrix
