// Lays its widgets out left to right in rows of equal height, starting a
// new row where the width runs out, so a window made narrower rearranges
// its buttons instead of hiding them.
#pragma once

#include <QLayout>
#include <QList>

namespace quobrix {

class WrappingLayout : public QLayout {
 public:
  explicit WrappingLayout(QWidget* parent = nullptr);
  ~WrappingLayout() override;

  void addItem(QLayoutItem* item) override;
  int count() const override;
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;

  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  // All items in one row.
  QSize sizeHint() const override;
  // The widest item.
  QSize minimumSize() const override;
  void setGeometry(const QRect& rect) override;

 private:
  // Places the items in `rect` when `apply`; returns the height used.
  int Arrange(const QRect& rect, bool apply) const;
  QSize Cell() const;

  QList<QLayoutItem*> items_;
};

}  // namespace quobrix
