#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quobrix {

// Runs a headless verb ("--convert", "--info", "--help") and returns the
// exit code, or nothing when the arguments name no verb and the editor
// should start.
std::optional<int> RunCommandLine(const std::vector<std::string>& args);

}  // namespace quobrix
