#include "chart/FileStamp.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "chart/ContentHash.h"

namespace quobrix {

namespace {

std::optional<std::uint64_t> HashOfFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<char> buffer(std::size_t{1} << 20);
  ContentHash hash;
  while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
    hash.Add(std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount())));
  if (in.bad()) return std::nullopt;
  return hash.Value();
}

}  // namespace

DiskState FileStamp::OnDisk() const {
  const std::optional<FileIdentity> now = IdentityOf(path);
  std::error_code error;
  if (!now) return std::filesystem::exists(path, error) ? DiskState::Changed : DiskState::Gone;
  if (now->size != identity.size) return DiskState::Changed;
  if (*now == identity && now->size > kAlwaysHashed) return DiskState::AsStamped;
  return HashOfFile(path) == hash ? DiskState::AsStamped : DiskState::Changed;
}

}  // namespace quobrix
