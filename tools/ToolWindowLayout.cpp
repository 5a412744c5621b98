#include "tools/ToolWindowLayout.h"

#include <algorithm>

namespace quobrix {

void ToolWindowRegistry::Add(ToolWindowLayout& layout) { layouts_.push_back(&layout); }

void ToolWindowRegistry::Remove(const ToolWindowLayout& layout) { std::erase(layouts_, &layout); }

void ToolWindowRegistry::LoadLayouts(const ProfileFile& settings) const {
  for (ToolWindowLayout* layout : layouts_) layout->LoadLayout(settings);
}

void ToolWindowRegistry::SaveLayouts(ProfileFile& settings) const {
  for (const ToolWindowLayout* layout : layouts_) layout->SaveLayout(settings);
}

}  // namespace quobrix
