#include "chart/LeftOverUndoFolders.h"

#include <unistd.h>

#include <string_view>

#include "chart/SessionFolder.h"

namespace quobrix {

namespace {

// "~" + n + "tmp.qbs"
bool IsUndoStateName(std::string_view name) {
  constexpr std::string_view prefix = "~", suffix = "tmp.qbs";
  if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
    return false;
  const std::string_view number = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  return number.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string UndoFoldersRoot(const std::string& base) { return base + "/.quobrix-undo-" + std::to_string(::getuid()); }

void RemoveLeftOverUndoFolders(const std::string& base) {
  if (base.empty()) return;
  for (LeftOverFolder& folder : ClaimLeftOverFolders(UndoFoldersRoot(base))) folder.Remove(IsUndoStateName);
}

}  // namespace quobrix
