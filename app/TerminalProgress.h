// The progress of a command-line verb on a terminal: one line on standard
// error, "quobrix --print-pdf: 40%", rewritten as the work goes on and ended
// when it is done. Where standard error is no terminal (a log, a pipe) the
// verbs report nothing.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "chart/WorkProgress.h"

namespace quobrix {

class TerminalProgress : public WorkProgress {
 public:
  TerminalProgress(std::ostream& out, std::string verb);

  bool Step(std::int64_t done, std::int64_t total) override;

 private:
  std::ostream& out_;
  std::string verb_;
  std::optional<std::int64_t> shownPercent_;
};

// Whether the verbs' progress has somewhere to go.
bool StandardErrorIsTerminal();

}  // namespace quobrix
