#include "app/WrappingCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quobrix {

namespace {

constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

}  // namespace

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

int WrappingCheckBox::IndicatorWidth() const {
  return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) +
         style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

QRect WrappingCheckBox::CaptionRect(int width) const {
  const int left = IndicatorWidth();
  const QRect bounds = fontMetrics().boundingRect(QRect(left, 0, std::max(width - left, 1), 100000), kFlags, text());
  return {left, 0, bounds.width(), bounds.height()};
}

int WrappingCheckBox::heightForWidth(int width) const {
  return std::max(CaptionRect(width).height(), style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this));
}

QSize WrappingCheckBox::sizeHint() const {
  const QSize line = fontMetrics().size(Qt::TextShowMnemonic, text());
  return {IndicatorWidth() + line.width(), heightForWidth(IndicatorWidth() + line.width())};
}

// Narrow enough for the longest word.
QSize WrappingCheckBox::minimumSizeHint() const {
  int widest = 0;
  for (const QString& word : text().split(u' ', Qt::SkipEmptyParts))
    widest = std::max(widest, fontMetrics().horizontalAdvance(word));
  return {IndicatorWidth() + widest, heightForWidth(IndicatorWidth() + widest)};
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const int indicatorHeight = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
  const int firstLine = fontMetrics().height();
  QStyleOptionButton indicator = option;
  indicator.rect = QRect(0, std::max(0, (firstLine - indicatorHeight) / 2),
                         style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this), indicatorHeight);
  painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);
  const QRect caption = CaptionRect(width());
  painter.drawItemText(QRect(caption.left(), 0, width() - caption.left(), height()), kFlags, option.palette,
                       isEnabled(), text(), QPalette::WindowText);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = caption.adjusted(-1, 0, 1, 0);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace quobrix
