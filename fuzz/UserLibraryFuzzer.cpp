// Any bytes as the user library's pair of files: the first two bytes give
// the length of the fragment file, the rest is the thumbnail file. Reading
// must end without reserving memory for counts the file cannot hold, and a
// library read must read back the same once written again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/UserLibraryFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t textSize = std::min<std::size_t>(data[0] | (data[1] << 8), size - 2);
  const std::string_view text(reinterpret_cast<const char*>(data + 2), textSize);
  const QByteArrayView thumbnails(data + 2 + textSize, static_cast<qsizetype>(size - 2 - textSize));
  const auto entries = quobrix::ParseUserLibrary(text, thumbnails);
  if (!entries) return 0;
  const auto again = quobrix::ParseUserLibrary(quobrix::LibraryTextOf(*entries), quobrix::ThumbnailFileOf(*entries));
  if (!again || again->size() != entries->size()) std::abort();
  for (std::size_t i = 0; i < entries->size(); ++i)
    if ((*again)[i].Fragment != (*entries)[i].Fragment || (*again)[i].Thumbnail != (*entries)[i].Thumbnail)
      std::abort();
  return 0;
}
