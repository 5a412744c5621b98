#include "tools/WrappingLayout.h"

#include <QWidget>

namespace quobrix {

WrappingLayout::WrappingLayout(QWidget* parent) : QLayout(parent) {
  setContentsMargins(0, 0, 0, 0);
  setSpacing(0);
}

WrappingLayout::~WrappingLayout() { qDeleteAll(items_); }

void WrappingLayout::addItem(QLayoutItem* item) { items_.append(item); }

int WrappingLayout::count() const { return static_cast<int>(items_.size()); }

QLayoutItem* WrappingLayout::itemAt(int index) const { return items_.value(index); }

QLayoutItem* WrappingLayout::takeAt(int index) {
  return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

QSize WrappingLayout::Cell() const {
  QSize cell;
  for (const QLayoutItem* item : items_) cell = cell.expandedTo(item->sizeHint());
  return cell;
}

int WrappingLayout::heightForWidth(int width) const { return Arrange(QRect(0, 0, width, 0), false); }

QSize WrappingLayout::sizeHint() const {
  const QMargins m = contentsMargins();
  return QSize(Cell().width() * count() + m.left() + m.right(), Cell().height() + m.top() + m.bottom());
}

QSize WrappingLayout::minimumSize() const {
  const QMargins m = contentsMargins();
  return Cell() + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void WrappingLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  Arrange(rect, true);
}

int WrappingLayout::Arrange(const QRect& rect, bool apply) const {
  const QRect area = rect.marginsRemoved(contentsMargins());
  const QSize cell = Cell();
  const int perRow = std::max(1, cell.width() > 0 ? area.width() / cell.width() : 1);
  int index = 0;
  for (QLayoutItem* item : items_) {
    if (apply) {
      const QPoint at(area.x() + (index % perRow) * cell.width(), area.y() + (index / perRow) * cell.height());
      item->setGeometry(QRect(at, cell));
    }
    ++index;
  }
  const int rows = (count() + perRow - 1) / perRow;
  const QMargins m = contentsMargins();
  return rows * cell.height() + m.top() + m.bottom();
}

}  // namespace quobrix
