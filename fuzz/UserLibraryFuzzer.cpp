// Any bytes as the user library's pair of files. The first byte says where
// the thumbnail file comes from: below kMadeThumbnails, a well-formed file
// of that many plain thumbnails, so that mutations reach the fragment lines
// and their pairing instead of ending in the PNG decoder; otherwise the
// bytes after the fragment file, as read from disk. The next two bytes give
// the length of the fragment file. Reading must end without reserving memory
// for counts the file cannot hold, and a library read must read back the
// same once written again.
#include <QImage>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/UserLibraryFiles.h"

namespace {

constexpr std::uint8_t kMadeThumbnails = 16;

const QByteArray& MadeThumbnailFile(std::uint8_t count) {
  static const std::array<QByteArray, kMadeThumbnails> files = [] {
    QImage white(quobrix::kThumbnailSize, quobrix::kThumbnailSize, QImage::Format_RGB32);
    white.fill(Qt::white);
    std::array<QByteArray, kMadeThumbnails> made;
    for (std::size_t n = 0; n < made.size(); ++n)
      made[n] = quobrix::ThumbnailFileOf(std::vector<quobrix::LibraryEntry>(n, {"", white}));
    return made;
  }();
  return files[count];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::size_t textSize = std::min<std::size_t>(data[1] | (data[2] << 8), size - 3);
  const std::string_view text(reinterpret_cast<const char*>(data + 3), textSize);
  const QByteArrayView thumbnails = data[0] < kMadeThumbnails
                                        ? QByteArrayView(MadeThumbnailFile(data[0]))
                                        : QByteArrayView(data + 3 + textSize, static_cast<qsizetype>(size - 3 - textSize));
  const auto entries = quobrix::ParseUserLibrary(text, thumbnails);
  if (!entries) return 0;
  const auto again = quobrix::ParseUserLibrary(quobrix::LibraryTextOf(*entries), quobrix::ThumbnailFileOf(*entries));
  if (!again || again->size() != entries->size()) std::abort();
  for (std::size_t i = 0; i < entries->size(); ++i)
    if ((*again)[i].Fragment != (*entries)[i].Fragment || (*again)[i].Thumbnail != (*entries)[i].Thumbnail)
      std::abort();
  return 0;
}
