#include "platform/UserLibraryFiles.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <cstdint>

#include "chart/FileIO.h"

namespace quobrix {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kLineBreakMark = "\x01\x01";
constexpr std::string_view kThumbnailMagic = "QBTHUMB1";
constexpr const char* kTextFile = kUserLibraryTextFile;
constexpr const char* kThumbnailFile = kUserLibraryThumbnailFile;
const char kBackupSuffix[] = ".bak";
const char kDamagedSuffix[] = ".damaged";

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    if (text.substr(at, from.size()) == from) {
      out += to;
      at += from.size();
    } else {
      out += text[at++];
    }
  }
  return out;
}

void AppendCount(QByteArray& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.append(static_cast<char>((value >> shift) & 0xFF));
}

// Reads the file's numbers and pieces front to back; any read past the end
// marks the whole file damaged.
class ThumbnailReader {
 public:
  explicit ThumbnailReader(QByteArrayView bytes) : rest_(bytes) {}

  std::optional<std::uint32_t> Count() {
    if (rest_.size() < 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= std::uint32_t{static_cast<std::uint8_t>(rest_[i])} << (8 * i);
    rest_ = rest_.sliced(4);
    return value;
  }
  std::optional<QByteArrayView> Piece(std::uint32_t size) {
    if (static_cast<std::uint64_t>(rest_.size()) < size) return std::nullopt;
    const QByteArrayView piece = rest_.first(size);
    rest_ = rest_.sliced(size);
    return piece;
  }
  std::size_t Remaining() const { return static_cast<std::size_t>(rest_.size()); }

 private:
  QByteArrayView rest_;
};

// A thumbnail of any other size, or anything but a PNG, is damage; the size
// is checked before the pixels are decoded.
std::optional<QImage> ThumbnailFromPng(QByteArrayView png) {
  QByteArray bytes = png.toByteArray();
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "png");
  reader.setDecideFormatFromContent(false);
  if (reader.size() != QSize(kThumbnailSize, kThumbnailSize)) return std::nullopt;
  QImage image;
  if (!reader.read(&image) || image.size() != QSize(kThumbnailSize, kThumbnailSize)) return std::nullopt;
  return image.convertToFormat(QImage::Format_RGB32);
}

std::optional<std::vector<QImage>> ParseThumbnails(QByteArrayView bytes) {
  if (!bytes.startsWith(QByteArrayView(kThumbnailMagic.data(), kThumbnailMagic.size()))) return std::nullopt;
  ThumbnailReader reader(bytes.sliced(kThumbnailMagic.size()));
  const auto count = reader.Count();
  // Every thumbnail takes at least its length: a count beyond that is damage,
  // found before anything is reserved for it.
  if (!count || *count > reader.Remaining() / 4) return std::nullopt;
  std::vector<QImage> images;
  images.reserve(*count);
  for (std::uint32_t i = 0; i < *count; ++i) {
    const auto size = reader.Count();
    const auto png = size ? reader.Piece(*size) : std::nullopt;
    const auto image = png ? ThumbnailFromPng(*png) : std::nullopt;
    if (!image) return std::nullopt;
    images.push_back(*image);
  }
  if (reader.Remaining() != 0) return std::nullopt;
  return images;
}

std::vector<std::string> ParseLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(FragmentOfLibraryLine(line));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

QByteArray PngOf(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, "png").write(image);
  return bytes;
}

std::string PathIn(const QString& dir, const char* name, const char* suffix = "") {
  return (dir + QString::fromLatin1(name) + QString::fromLatin1(suffix)).toStdString();
}

bool Exists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

bool CopyAside(const QString& dir, const char* suffix) {
  for (const char* name : {kTextFile, kThumbnailFile}) {
    const std::string path = PathIn(dir, name);
    if (!Exists(path)) continue;
    const auto bytes = ReadWholeFile(path);
    if (!bytes || !WriteFileAtomically(PathIn(dir, name, suffix), *bytes)) return false;
  }
  return true;
}

// The fragments and their thumbnails, as many of each.
std::vector<LibraryEntry> Entries(std::vector<std::string>& fragments, std::vector<QImage>& images) {
  std::vector<LibraryEntry> entries(fragments.size());
  for (std::size_t i = 0; i < entries.size(); ++i) entries[i] = {std::move(fragments[i]), std::move(images[i])};
  return entries;
}

LoadedLibrary ReadPair(const QString& dir, const char* suffix) {
  const std::string textPath = PathIn(dir, kTextFile, suffix), thumbnailPath = PathIn(dir, kThumbnailFile, suffix);
  if (!Exists(textPath) && !Exists(thumbnailPath)) return {LibraryLoad::NoFiles, {}, {}};
  const auto text = ReadWholeFile(textPath);
  const auto thumbnails = ReadWholeFile(thumbnailPath);
  const auto failed = [](std::initializer_list<const std::string*> paths) {
    LoadedLibrary result{LibraryLoad::Failed, {}, {}};
    for (const std::string* path : paths) result.Damaged.append(QString::fromStdString(*path));
    return result;
  };
  if (!text) return failed({&textPath});
  if (!thumbnails) return failed({&thumbnailPath});
  auto images = ParseThumbnails(QByteArrayView(thumbnails->data(), qsizetype(thumbnails->size())));
  if (!images) return failed({&thumbnailPath});
  std::vector<std::string> fragments = ParseLines(*text);
  if (fragments.size() != images->size()) return failed({&textPath, &thumbnailPath});
  return {LibraryLoad::Loaded, Entries(fragments, *images), {}};
}

}  // namespace

std::string LibraryLineOf(std::string_view fragment) { return ReplaceAll(fragment, kLineBreak, kLineBreakMark); }

std::string FragmentOfLibraryLine(std::string_view line) { return ReplaceAll(line, kLineBreakMark, kLineBreak); }

bool FitsOnLibraryLine(std::string_view fragment) {
  const std::string line = LibraryLineOf(fragment);
  return line.find_first_of("\r\n") == std::string::npos && FragmentOfLibraryLine(line) == fragment;
}

std::string LibraryTextOf(const std::vector<LibraryEntry>& entries) {
  std::string text;
  for (const LibraryEntry& entry : entries) (text += LibraryLineOf(entry.Fragment)) += kLineBreak;
  return text;
}

QByteArray ThumbnailFileOf(const std::vector<LibraryEntry>& entries) {
  QByteArray bytes(kThumbnailMagic.data(), static_cast<qsizetype>(kThumbnailMagic.size()));
  AppendCount(bytes, static_cast<std::uint32_t>(entries.size()));
  for (const LibraryEntry& entry : entries) {
    const QByteArray png = PngOf(entry.Thumbnail);
    AppendCount(bytes, static_cast<std::uint32_t>(png.size()));
    bytes += png;
  }
  return bytes;
}

std::optional<std::vector<LibraryEntry>> ParseUserLibrary(std::string_view text, QByteArrayView thumbnails) {
  auto images = ParseThumbnails(thumbnails);
  if (!images) return std::nullopt;
  std::vector<std::string> fragments = ParseLines(text);
  if (fragments.size() != images->size()) return std::nullopt;
  return Entries(fragments, *images);
}

LoadedLibrary ReadUserLibrary(const QString& dir) { return ReadPair(dir, ""); }

LoadedLibrary ReadUserLibraryBackup(const QString& dir) { return ReadPair(dir, kBackupSuffix); }

bool WriteUserLibrary(const QString& dir, const std::vector<LibraryEntry>& entries, OldLibrary old) {
  if (old != OldLibrary::Replace && !CopyAside(dir, old == OldLibrary::KeepAsBackup ? kBackupSuffix : kDamagedSuffix))
    return false;
  AtomicFileWriter text(PathIn(dir, kTextFile));
  AtomicFileWriter thumbnails(PathIn(dir, kThumbnailFile));
  const QByteArray thumbnailBytes = ThumbnailFileOf(entries);
  text.Write(LibraryTextOf(entries));
  thumbnails.Write(std::string_view(thumbnailBytes.constData(), static_cast<std::size_t>(thumbnailBytes.size())));
  // Nothing is put in place unless both are written.
  if (!text.Ok() || !thumbnails.Ok()) return false;
  return text.Commit() && thumbnails.Commit();
}

}  // namespace quobrix
