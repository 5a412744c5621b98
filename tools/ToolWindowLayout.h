// The placement a tool window keeps in section "WinPos" of the settings
// file (shown or not, position, for some the size), and the list through
// which the main window reads and writes every tool window's placement
// with the rest of the window layout.
#pragma once

#include <vector>

namespace quobrix {

class ProfileFile;

class ToolWindowLayout {
 public:
  virtual ~ToolWindowLayout() = default;
  // Applies the window's keys from the settings file; a missing key keeps
  // the window's default for it.
  virtual void LoadLayout(const ProfileFile& settings) = 0;
  // Writes the window's keys into the settings file.
  virtual void SaveLayout(ProfileFile& settings) const = 0;
};

// The tool windows' layouts in the order they joined, which is the order
// the main window creates its tool windows in. When the user chose not to
// keep the window layout, the main window reads them from a file without
// keys, so every tool window takes its start-up defaults; windows placed
// off every screen are brought back afterwards.
class ToolWindowRegistry {
 public:
  void Add(ToolWindowLayout& layout);
  void Remove(const ToolWindowLayout& layout);

  void LoadLayouts(const ProfileFile& settings) const;
  void SaveLayouts(ProfileFile& settings) const;

 private:
  std::vector<ToolWindowLayout*> layouts_;
};

}  // namespace quobrix
