// Tells the desktop that chart files belong to this program: a MIME package
// for the chart file type, a desktop entry that opens charts with this
// program file, and the program's icon, all under the user's own data folder.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quobrix {

struct DesktopRegistrationReport {
  QStringList written;   // the files that were missing or different
  QStringList failures;  // one line for each step that failed
};

// Writes under `dataHome` (the XDG data folder) what is missing or differs
// from what `programPath` needs, each file replaced whole or not at all, then
// asks the desktop's tools, where installed, to rebuild their indexes. A
// program path no desktop entry can hold writes nothing and is one failure.
DesktopRegistrationReport RegisterChartFileType(const QString& dataHome, const QString& programPath);

// The Exec line's command for the program file: quoted and escaped where the
// desktop entry format asks for it. Nothing for a path the format cannot
// hold (a control character such as a line break) or one that is not
// absolute (it could read as an option or depend on the folder).
std::optional<QString> DesktopExecCommand(const QString& programPath);

}  // namespace quobrix
