// Shared by the command-line verbs: one-line failures and chart loading.
#pragma once

#include <optional>
#include <string>

#include "chart/BlocksHolderModel.h"

namespace quobrix {

// Writes "quobrix: reason" to standard error and returns the failure exit code.
int Fail(const std::string& reason);

// Loads a chart for a verb, or says in one line why it cannot. A chart
// whose block list damage cut short loads, with a warning line.
std::optional<std::string> LoadChart(BlocksHolderModel& chart, const std::string& path);

}  // namespace quobrix
