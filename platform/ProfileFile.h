// Settings and language files are INI (profile) files: "[Section]" lines
// followed by "key=value" lines. Names are matched without regard to letter
// case; blanks around a value are dropped and one pair of enclosing single or
// double quotes is removed, so a value that must keep its outer blanks is
// written in quotes. Files are stored in code page 1251; UTF-8 files are
// accepted too. Writing changes only the lines it must and keeps every other
// line of the file as it was.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <unordered_map>

namespace quobrix {

class ProfileFile {
 public:
  // Reads the file; a missing or unreadable file reads as empty. A file that
  // exists but cannot be read (no permission, not a regular file, far too
  // large) is never overwritten by Save().
  explicit ProfileFile(QString path);

  // Nothing when the section or the key is missing.
  std::optional<QString> Find(const QString& section, const QString& key) const;
  QString ReadString(const QString& section, const QString& key, const QString& fallback = {}) const;
  // The keys of the section in file order, each once.
  QStringList Keys(const QString& section) const;
  // A value that is not a whole decimal number gives the fallback.
  int ReadInteger(const QString& section, const QString& key, int fallback) const;
  // A whole number other than 0 is true, 0 is false.
  bool ReadBool(const QString& section, const QString& key, bool fallback) const;

  // Changes the text in memory; Save() writes it. A key already present is
  // rewritten in place, a new key goes to the end of its section, a new
  // section to the end of the file. False (and nothing changed) for a
  // section, key or value that no profile line can hold.
  bool WriteString(const QString& section, const QString& key, const QString& value);
  bool WriteInteger(const QString& section, const QString& key, int value);
  bool WriteBool(const QString& section, const QString& key, bool value);
  // Removes every line of the key from the section; the section stays.
  void DeleteKey(const QString& section, const QString& key);

  // The text as Save() writes it, in the file's encoding.
  QByteArray Bytes() const;
  // Writes the whole file through a temporary file that replaces the old one
  // only once it is complete and on disk, so a failed save (a full disk, say)
  // leaves the old file intact. A file its owner may not write is refused.
  bool Save() const;

  // One read-modify-save of a single key, as the settings dialog needs.
  static bool WriteValue(const QString& path, const QString& section, const QString& key, const QString& value);

 private:
  // Where a section's lines are and which line holds each of its keys, so
  // that reading a language file key by key stays linear in its length.
  struct Section {
    qsizetype header = 0;                          // index of the "[Section]" line
    qsizetype end = 0;                             // one past its last non-blank line
    std::unordered_map<QString, qsizetype> lines;  // the first line of each key, by case-folded name
    QStringList keys;                              // each key once, as first spelled, in file order
  };
  // Run whenever lines_ change.
  void IndexLines();
  const Section* FindSection(const QString& section) const;
  std::optional<qsizetype> FindKeyLine(const Section& section, const QString& key) const;

  QString path_;
  QStringList lines_;
  std::unordered_map<QString, Section> sections_;  // the first of each name, by case-folded name
  bool utf8_ = false;
  bool bom_ = false;
  bool unreadable_ = false;
  QString lineBreak_ = QStringLiteral("\r\n");
};

}  // namespace quobrix
