#include "app/TerminalProgress.h"

#include <unistd.h>

#include <algorithm>

namespace quobrix {

TerminalProgress::TerminalProgress(std::ostream& out, std::string verb) : out_(out), verb_(std::move(verb)) {}

bool TerminalProgress::Step(std::int64_t done, std::int64_t total) {
  const std::int64_t percent = total <= 0 ? 100 : std::clamp<std::int64_t>(done, 0, total) * 100 / total;
  if (percent == shownPercent_) return true;
  shownPercent_ = percent;
  // The line is ended once the work is done, so what is said next (a
  // failure, a second piece of work) starts on a line of its own.
  out_ << "\rquobrix " << verb_ << ": " << percent << '%' << (percent == 100 ? "\n" : "");
  out_.flush();
  return true;
}

bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

}  // namespace quobrix
