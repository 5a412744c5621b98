#include "platform/ProfileFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <limits>
#include <utility>

#include "chart/FileIO.h"
#include "platform/Cp1251Codec.h"

namespace quobrix {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// Far beyond any settings or language file; guards against a path that
// names something else.
constexpr qint64 kMaxFileSize = 8 << 20;

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString TrimBlanks(QStringView text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.sliced(first, last - first).toString();
}

bool IsQuote(QChar c) { return c == u'"' || c == u'\''; }

bool IsEnclosedInQuotes(const QString& value) {
  return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

QString Unquote(const QString& value) { return IsEnclosedInQuotes(value) ? value.sliced(1, value.size() - 2) : value; }

// The text to store so that reading it back gives exactly `value`.
QString Quoted(const QString& value) {
  const bool needsQuotes = TrimBlanks(value) != value || IsEnclosedInQuotes(value);
  return needsQuotes ? u'"' + value + u'"' : value;
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The name of a "[Section]" line; nothing for any other line.
std::optional<QString> SectionName(const QString& line) {
  const QString text = TrimBlanks(line);
  if (!text.startsWith(u'[')) return std::nullopt;
  const qsizetype close = text.indexOf(u']');
  if (close < 0) return std::nullopt;
  return TrimBlanks(QStringView(text).sliced(1, close - 1));
}

struct KeyLine {
  QString key;
  QString value;  // as stored: blanks dropped, quotes still on
};

// Comments, section lines and lines without a key are not key lines.
std::optional<KeyLine> ParseKeyLine(const QString& line) {
  const qsizetype equals = line.indexOf(u'=');
  if (equals < 0) return std::nullopt;
  QString key = TrimBlanks(QStringView(line).first(equals));
  if (key.isEmpty() || key.startsWith(u';') || key.startsWith(u'[')) return std::nullopt;
  return KeyLine{std::move(key), TrimBlanks(QStringView(line).sliced(equals + 1))};
}

bool HoldsLineBreak(const QString& text) { return text.contains(u'\n') || text.contains(u'\r'); }

bool HasNonAscii(QByteArrayView bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

struct DecodedText {
  QString text;
  bool utf8 = false;
  bool bom = false;
};

// UTF-8 when the file says so with a byte-order mark, or when it holds
// non-ASCII bytes that are valid UTF-8 (Cyrillic text in code page 1251
// practically never is); code page 1251 otherwise.
DecodedText Decode(QByteArrayView bytes) {
  DecodedText decoded;
  decoded.bom = bytes.startsWith(kUtf8Bom);
  if (decoded.bom) bytes = bytes.sliced(kUtf8Bom.size());
  if (decoded.bom || HasNonAscii(bytes)) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    decoded.text = utf8.decode(bytes);
    decoded.utf8 = decoded.bom || !utf8.hasError();
    if (decoded.utf8) return decoded;
  }
  decoded.text = Cp1251ToUnicode(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
  return decoded;
}

// Optional sign and decimal digits, within the range of int.
std::optional<int> ParseWholeNumber(const QString& text) {
  const QStringView digits = text.startsWith(u'-') || text.startsWith(u'+') ? QStringView(text).sliced(1) : text;
  if (digits.isEmpty()) return std::nullopt;
  for (QChar c : digits)
    if (c < u'0' || c > u'9') return std::nullopt;
  bool ok = false;
  const qlonglong number = text.toLongLong(&ok);
  if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(number);
}

}  // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {
  const QFileInfo info(path_);
  if (!info.exists()) return;
  QFile file(path_);
  // Asks for what the file holds: a read of the whole size limit would
  // allocate all of it first, for every settings or language file. One byte
  // more shows a file that grew since it was measured.
  const bool opened = info.isFile() && info.size() <= kMaxFileSize && file.open(QIODevice::ReadOnly);
  const QByteArray bytes = opened ? file.read(file.size() + 1) : QByteArray();
  unreadable_ = !opened || bytes.size() > kMaxFileSize;
  if (unreadable_) return;
  const DecodedText decoded = Decode(bytes);
  const QString& text = decoded.text;
  utf8_ = decoded.utf8;
  bom_ = decoded.bom;

  lines_ = text.split(u'\n');
  if (lines_.back().isEmpty()) lines_.removeLast();  // the break after the last line
  if (!lines_.isEmpty() && !lines_.front().endsWith(u'\r') && text.contains(u'\n')) lineBreak_ = QStringLiteral("\n");
  for (QString& line : lines_)
    if (line.endsWith(u'\r')) line.chop(1);
  IndexLines();
}

void ProfileFile::IndexLines() {
  sections_.clear();
  Section* current = nullptr;  // none before the first section and in a repeated one
  for (qsizetype i = 0; i < lines_.size(); ++i) {
    if (const auto name = SectionName(lines_[i])) {
      const auto [entry, added] = sections_.try_emplace(name->toCaseFolded(), Section{i, i + 1, {}, {}});
      current = added ? &entry->second : nullptr;
      continue;
    }
    if (!current || TrimBlanks(lines_[i]).isEmpty()) continue;
    current->end = i + 1;
    const auto line = ParseKeyLine(lines_[i]);
    if (line && current->lines.try_emplace(line->key.toCaseFolded(), i).second) current->keys.append(line->key);
  }
}

const ProfileFile::Section* ProfileFile::FindSection(const QString& section) const {
  const auto found = sections_.find(section.toCaseFolded());
  return found == sections_.end() ? nullptr : &found->second;
}

std::optional<qsizetype> ProfileFile::FindKeyLine(const Section& section, const QString& key) const {
  const auto found = section.lines.find(key.toCaseFolded());
  if (found == section.lines.end()) return std::nullopt;
  return found->second;
}

std::optional<QString> ProfileFile::Find(const QString& section, const QString& key) const {
  const Section* found = FindSection(section);
  if (!found) return std::nullopt;
  const auto index = FindKeyLine(*found, key);
  if (!index) return std::nullopt;
  return Unquote(ParseKeyLine(lines_[*index])->value);
}

QStringList ProfileFile::Keys(const QString& section) const {
  const Section* found = FindSection(section);
  return found ? found->keys : QStringList();
}

QString ProfileFile::ReadString(const QString& section, const QString& key, const QString& fallback) const {
  return Find(section, key).value_or(fallback);
}

int ProfileFile::ReadInteger(const QString& section, const QString& key, int fallback) const {
  const auto value = Find(section, key);
  if (!value) return fallback;
  return ParseWholeNumber(*value).value_or(fallback);
}

bool ProfileFile::ReadBool(const QString& section, const QString& key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

bool ProfileFile::WriteString(const QString& section, const QString& key, const QString& value) {
  const bool validSection = !section.isEmpty() && TrimBlanks(section) == section && !section.contains(u']');
  const bool validKey =
      !key.isEmpty() && TrimBlanks(key) == key && !key.contains(u'=') && !key.startsWith(u';') && !key.startsWith(u'[');
  if (!validSection || !validKey || HoldsLineBreak(section) || HoldsLineBreak(key) || HoldsLineBreak(value))
    return false;

  const Section* found = FindSection(section);
  if (!found) {
    if (!lines_.isEmpty() && !TrimBlanks(lines_.back()).isEmpty()) lines_.append(QString());
    lines_.append(u'[' + section + u']');
    lines_.append(key + u'=' + Quoted(value));
  } else if (const auto index = FindKeyLine(*found, key)) {
    // Keep the key as the file spells it.
    lines_[*index] = ParseKeyLine(lines_[*index])->key + u'=' + Quoted(value);
  } else {
    lines_.insert(found->end, key + u'=' + Quoted(value));
  }
  IndexLines();
  return true;
}

bool ProfileFile::WriteInteger(const QString& section, const QString& key, int value) {
  return WriteString(section, key, QString::number(value));
}

bool ProfileFile::WriteBool(const QString& section, const QString& key, bool value) {
  return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void ProfileFile::DeleteKey(const QString& section, const QString& key) {
  const Section* found = FindSection(section);
  if (!found) return;
  for (qsizetype i = found->end - 1; i > found->header; --i) {
    const auto line = ParseKeyLine(lines_[i]);
    if (line && SameName(line->key, key)) lines_.removeAt(i);
  }
  IndexLines();
}

QByteArray ProfileFile::Bytes() const {
  QString text = lines_.join(lineBreak_);
  if (!lines_.isEmpty()) text += lineBreak_;
  // A file in code page 1251 stays in it until it must hold a character the
  // code page lacks (a file name, say); then the whole file becomes UTF-8.
  std::optional<std::string> singleByte;
  if (!utf8_) singleByte = UnicodeToCp1251(text);
  QByteArray bytes =
      singleByte ? QByteArray(singleByte->data(), static_cast<qsizetype>(singleByte->size())) : text.toUtf8();
  if (bom_) bytes.prepend(kUtf8Bom);
  return bytes;
}

bool ProfileFile::Save() const {
  if (unreadable_) return false;  // its contents are unknown: never overwrite them
  const QByteArray bytes = Bytes();
  return WriteFileAtomically(QFile::encodeName(path_).toStdString(),
                             std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool ProfileFile::WriteValue(const QString& path, const QString& section, const QString& key, const QString& value) {
  ProfileFile file(path);
  return file.WriteString(section, key, value) && file.Save();
}

}  // namespace quobrix
