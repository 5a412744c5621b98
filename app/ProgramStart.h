#pragma once

#include <QStringList>

namespace quobrix {

// Starts the editor: the main window, which opens the chart named first in
// `charts` or a new one, then runs until the main window closes. Returns the
// program's exit code.
int RunEditor(int& argc, char** argv, const QStringList& charts);

}  // namespace quobrix
