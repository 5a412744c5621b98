// Earlier versions of the program wrote every undo state to a file in a
// folder of each running program's own:
//
//   <base>/.quobrix-undo-UID/XXXXXX/~0tmp.qbs
//
// The history now lives in memory, so nothing is written there any more, but
// a program of an earlier version that was killed left its folder behind, and
// such copies of a big chart are large. The start-up cleanup removes them.
#pragma once

#include <string>

namespace quobrix {

// Removes the undo folders under `base` whose programs have ended. Folders
// of programs still running (an earlier version started beside this one)
// are left alone, and so is a root that is not a real folder of this user's.
void RemoveLeftOverUndoFolders(const std::string& base);

// The folder that held this user's undo folders under `base`.
std::string UndoFoldersRoot(const std::string& base);

}  // namespace quobrix
