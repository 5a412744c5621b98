#include "chart/Utf8.h"

namespace quobrix {

namespace {

struct LeadByte {
  std::size_t length;
  char32_t bits;
  char32_t smallest;  // below it the form is overlong
};

std::optional<LeadByte> ReadLead(unsigned char byte) {
  if (byte < 0x80) return LeadByte{1, byte, 0};
  if ((byte & 0xE0) == 0xC0) return LeadByte{2, byte & 0x1Fu, 0x80};
  if ((byte & 0xF0) == 0xE0) return LeadByte{3, byte & 0x0Fu, 0x800};
  if ((byte & 0xF8) == 0xF0) return LeadByte{4, byte & 0x07u, 0x10000};
  return std::nullopt;
}

}  // namespace

std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& at) {
  if (at >= text.size()) return std::nullopt;
  const auto lead = ReadLead(static_cast<unsigned char>(text[at]));
  if (!lead || text.size() - at < lead->length) return std::nullopt;
  char32_t codePoint = lead->bits;
  for (std::size_t i = 1; i < lead->length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    codePoint = (codePoint << 6) | (next & 0x3Fu);
  }
  if (codePoint < lead->smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
    return std::nullopt;
  at += lead->length;
  return codePoint;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  const auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
  if (codePoint < 0x80) {
    put(codePoint);
  } else if (codePoint < 0x800) {
    put(0xC0 | (codePoint >> 6));
    put(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    put(0xE0 | (codePoint >> 12));
    put(0x80 | ((codePoint >> 6) & 0x3F));
    put(0x80 | (codePoint & 0x3F));
  } else {
    put(0xF0 | (codePoint >> 18));
    put(0x80 | ((codePoint >> 12) & 0x3F));
    put(0x80 | ((codePoint >> 6) & 0x3F));
    put(0x80 | (codePoint & 0x3F));
  }
}

}  // namespace quobrix
