#include "chart/WorkProgress.h"

namespace quobrix {

namespace {

thread_local WorkProgress* installed = nullptr;

}  // namespace

ScopedWorkProgress::ScopedWorkProgress(WorkProgress& progress) : previous_(installed) { installed = &progress; }

ScopedWorkProgress::~ScopedWorkProgress() { installed = previous_; }

bool ReportProgress(std::int64_t done, std::int64_t total) { return !installed || installed->Step(done, total); }

}  // namespace quobrix
