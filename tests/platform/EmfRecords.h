// Reads a metafile back record by record, independently of the writer, so
// tests can check what a reader of the format would see.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace quobrix::test {

struct EmfRecord {
  std::uint32_t type = 0;
  std::string bytes;  // the whole record, type and size included

  std::uint32_t U32(std::size_t offset) const {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
      v = (v << 8) | static_cast<unsigned char>(bytes.at(offset + static_cast<std::size_t>(i)));
    return v;
  }
  std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
  std::u16string Utf16(std::size_t offset, std::size_t chars) const {
    std::u16string out;
    for (std::size_t i = 0; i < chars; ++i) {
      const auto lo = static_cast<unsigned char>(bytes.at(offset + 2 * i));
      const auto hi = static_cast<unsigned char>(bytes.at(offset + 2 * i + 1));
      out.push_back(static_cast<char16_t>(lo | (hi << 8)));
    }
    return out;
  }
};

// Splits the metafile into records; stops at a size that is not a multiple of
// four or runs past the end (the test then sees fewer records than expected).
inline std::vector<EmfRecord> EmfRecords(const std::string& emf) {
  std::vector<EmfRecord> out;
  std::size_t at = 0;
  while (at + 8 <= emf.size()) {
    EmfRecord head{0, emf.substr(at, 8)};
    const std::uint32_t size = head.U32(4);
    if (size < 8 || size % 4 != 0 || at + size > emf.size()) break;
    out.push_back({head.U32(0), emf.substr(at, size)});
    at += size;
  }
  return out;
}

inline std::vector<EmfRecord> RecordsOfType(const std::vector<EmfRecord>& records, std::uint32_t type) {
  std::vector<EmfRecord> out;
  for (const EmfRecord& r : records)
    if (r.type == type) out.push_back(r);
  return out;
}

// Record types the tests look for.
enum : std::uint32_t {
  kEmrHeader = 1,
  kEmrPolygon = 3,
  kEmrEof = 14,
  kEmrSetRop2 = 20,
  kEmrSelectObject = 37,
  kEmrCreatePen = 38,
  kEmrCreateBrush = 39,
  kEmrDeleteObject = 40,
  kEmrEllipse = 42,
  kEmrRectangle = 43,
  kEmrRoundRect = 44,
  kEmrLineTo = 54,
  kEmrCreateFont = 82,
  kEmrExtTextOutW = 84,
};

// The text and advance widths of an EMR_EXTTEXTOUTW record.
struct EmfText {
  std::int32_t x = 0, y = 0;
  std::u16string text;
  std::uint32_t options = 0;
  std::int32_t clip[4] = {};
  std::vector<std::int32_t> advances;
};

inline EmfText ReadText(const EmfRecord& r) {
  EmfText t;
  t.x = r.I32(36);
  t.y = r.I32(40);
  const std::uint32_t chars = r.U32(44);
  t.text = r.Utf16(r.U32(48), chars);
  t.options = r.U32(52);
  for (int i = 0; i < 4; ++i) t.clip[i] = r.I32(56 + 4 * static_cast<std::size_t>(i));
  const std::uint32_t dx = r.U32(72);
  for (std::uint32_t i = 0; i < chars; ++i) t.advances.push_back(r.I32(dx + 4 * i));
  return t;
}

}  // namespace quobrix::test
