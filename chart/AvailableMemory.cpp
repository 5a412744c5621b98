#include "chart/AvailableMemory.h"

#include <sys/resource.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

namespace quobrix {

namespace {

constexpr std::int64_t kReadingFactor = 3;
constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();

std::string ProcFile(const char* path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The value of a "Name:   1234 kB" line, in bytes.
std::optional<std::int64_t> KibValue(std::string_view text, std::string_view name) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    if (!line.starts_with(name) || line.substr(name.size(), 1) != ":") continue;
    line.remove_prefix(name.size() + 1);
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    std::int64_t kib = 0;
    const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), kib);
    if (error != std::errc() || kib < 0 || kib > kMost / 1024) return std::nullopt;
    return kib * 1024;
  }
  return std::nullopt;
}

// What the address-space limit leaves beside what the process already maps.
std::optional<std::int64_t> RoomUnderAddressLimit() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
  const auto mapped = KibValue(ProcFile("/proc/self/status"), "VmSize");
  const auto cap = static_cast<std::int64_t>(std::min<rlim_t>(limit.rlim_cur, kMost));
  return std::max<std::int64_t>(0, cap - mapped.value_or(0));
}

}  // namespace

std::int64_t MemoryToReadChart(std::int64_t fileSize) {
  return fileSize > kMost / kReadingFactor ? kMost : std::max<std::int64_t>(fileSize, 0) * kReadingFactor;
}

bool ChartFitsInMemory(std::int64_t fileSize, std::optional<std::int64_t> available) {
  return !available || MemoryToReadChart(fileSize) <= *available;
}

std::optional<std::int64_t> AvailableMemory() {
  const std::string meminfo = ProcFile("/proc/meminfo");
  std::optional<std::int64_t> available = KibValue(meminfo, "MemAvailable");
  if (available) *available += KibValue(meminfo, "SwapFree").value_or(0);
  if (const auto room = RoomUnderAddressLimit()) available = std::min(available.value_or(kMost), *room);
  return available;
}

}  // namespace quobrix
