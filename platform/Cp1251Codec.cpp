#include "platform/Cp1251Codec.h"

#include <QList>

#include "chart/Cp1251.h"

namespace quobrix {

char16_t Cp1251ToUnicode(unsigned char byte) { return static_cast<char16_t>(Cp1251ToCodePoint(byte)); }

std::optional<char> UnicodeToCp1251(char32_t codePoint) { return CodePointToCp1251(codePoint); }

QString Cp1251ToUnicode(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes) out.append(QChar(Cp1251ToUnicode(static_cast<unsigned char>(c))));
  return out;
}

std::optional<std::string> UnicodeToCp1251(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (char32_t codePoint : text.toUcs4()) {
    const auto byte = UnicodeToCp1251(codePoint);
    if (!byte) return std::nullopt;
    out.push_back(*byte);
  }
  return out;
}

}  // namespace quobrix
