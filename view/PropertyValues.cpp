#include "view/PropertyValues.h"

#include <QLocale>
#include <limits>

namespace quobrix {

namespace {

constexpr std::int64_t kHundredths = 100;

}  // namespace

std::optional<std::int64_t> ParseMillimetres(const QString& text) {
  bool ok = false;
  const qlonglong millimetres = text.trimmed().toLongLong(&ok);
  if (!ok) return std::nullopt;
  constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / kHundredths;
  if (millimetres > limit || millimetres < -limit) return std::nullopt;
  return millimetres * kHundredths;
}

QString MillimetreText(std::int64_t hundredths) { return QString::number(hundredths / kHundredths); }

QString WidthText(std::int64_t hundredths) {
  // Unsigned, so the most negative width has a magnitude too.
  const std::uint64_t magnitude =
      hundredths < 0 ? 0 - static_cast<std::uint64_t>(hundredths) : static_cast<std::uint64_t>(hundredths);
  QString text = QString::number(magnitude / kHundredths);
  if (const std::uint64_t fraction = magnitude % kHundredths; fraction != 0) {
    QString digits = QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
    if (digits.endsWith(u'0')) digits.chop(1);
    text += QLocale().decimalPoint() + digits;
  }
  return hundredths < 0 ? u'-' + text : text;
}

std::int64_t InspectorWidth(int index) {
  if (index >= 1 && index <= 9) return 10 * index;
  if (index >= 10 && index <= 19) return (index - 9) * kHundredths;
  return 1;
}

}  // namespace quobrix
