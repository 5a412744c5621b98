// Long work on a chart (printing, exporting many pages) says how far it has
// come and learns whether to go on: the editor shows a progress dialog with
// Cancel, the command-line verbs a line on a terminal. The work reports to the
// progress installed on its thread; without one it simply goes on.
#pragma once

#include <cstdint>

namespace quobrix {

class WorkProgress {
 public:
  virtual ~WorkProgress() = default;
  // `done` of `total` steps are finished. False when the user has cancelled:
  // the work stops and leaves nothing half written.
  virtual bool Step(std::int64_t done, std::int64_t total) = 0;
};

// Installs a progress on this thread for its own lifetime; the one installed
// before comes back afterwards.
class ScopedWorkProgress {
 public:
  explicit ScopedWorkProgress(WorkProgress& progress);
  ~ScopedWorkProgress();
  ScopedWorkProgress(const ScopedWorkProgress&) = delete;
  ScopedWorkProgress& operator=(const ScopedWorkProgress&) = delete;

 private:
  WorkProgress* previous_;
};

// Tells the installed progress; false when the work is to stop.
bool ReportProgress(std::int64_t done, std::int64_t total);

}  // namespace quobrix
