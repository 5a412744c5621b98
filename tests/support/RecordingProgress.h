// A progress for tests: it lists every step it is told and cancels the work
// once `done` reaches a chosen step. Header-only.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "chart/WorkProgress.h"

namespace quobrix::testsupport {

class RecordingProgress : public WorkProgress {
 public:
  explicit RecordingProgress(std::optional<std::int64_t> cancelAt = std::nullopt) : cancelAt_(cancelAt) {}

  bool Step(std::int64_t done, std::int64_t total) override {
    steps.emplace_back(done, total);
    return done != cancelAt_;
  }

  std::vector<std::pair<std::int64_t, std::int64_t>> steps;

 private:
  std::optional<std::int64_t> cancelAt_;
  ScopedWorkProgress installed_{*this};
};

}  // namespace quobrix::testsupport
