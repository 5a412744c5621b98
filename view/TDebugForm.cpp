#include "view/TDebugForm.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quobrix {

TDebugForm::TDebugForm(QWidget* parent) : QWidget(parent, Qt::Tool), list_(new QListWidget(this)) {
  setObjectName(QStringLiteral("DebugForm"));
  setWindowTitle(QStringLiteral("Табло отладки"));
  list_->setObjectName(QStringLiteral("ListBox1"));
  auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
  close->setObjectName(QStringLiteral("bClose"));
  auto* clear = new QPushButton(QStringLiteral("Очистить"), this);
  clear->setObjectName(QStringLiteral("bClear"));
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  connect(clear, &QPushButton::clicked, list_, &QListWidget::clear);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  buttons->addWidget(clear);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  resize(360, 300);
}

void TDebugForm::AddMessage(const QString& message) {
  list_->addItem(message);
  list_->setCurrentRow(list_->count() - 1);
}

bool TDebugForm::Requested() { return qEnvironmentVariable("QUOBRIX_DEBUG") == QStringLiteral("1"); }

}  // namespace quobrix
