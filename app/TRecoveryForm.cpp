#include "app/TRecoveryForm.h"

#include <QBoxLayout>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "app/DocumentSupport.h"
#include "app/RecoveryPreview.h"
#include "platform/LanguageTable.h"

namespace quobrix {

namespace {

constexpr int kCopyRole = Qt::UserRole;
constexpr int kPictureSide = 64;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// A chart never saved goes by the interface language's name for it.
QString ShownName(const RecoveredChart& chart) {
  if (chart.OriginalName == kUntitled) return UntitledName(1);
  return QFile::decodeName(QByteArray::fromStdString(chart.OriginalName));
}

QString EntryText(const RecoveredChart& chart, const CopyPreview& preview) {
  const QString gap = QStringLiteral("    ");
  QString text = ShownName(chart) + gap;
  if (preview.readable) text += LanguageText(TextKey::RECOVERY_BLOCKS).arg(preview.blocks) + gap;
  return text + QLocale().toString(QDateTime::fromSecsSinceEpoch(chart.SavedAt), QLocale::ShortFormat);
}

}  // namespace

TRecoveryForm::TRecoveryForm(QWidget& owner, LeftOverCopies& copies,
                             std::function<bool(const RecoveredChart&)> restore)
    : QDialog(&owner), copies_(copies), restore_(std::move(restore)) {
  setObjectName(QStringLiteral("RecoveryForm"));
  setWindowTitle(LanguageText(TextKey::RECOVERY_TITLE));
  LabelRecovery = Named(
      new QLabel(QStringLiteral("Эти схемы не были сохранены, когда программа завершилась в прошлый раз:"), this),
      "LabelRecovery");
  LabelRecovery->setWordWrap(true);
  lbCharts = Named(new QListWidget(this), "lbCharts");
  lbCharts->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lbCharts->setIconSize(QSize(kPictureSide, kPictureSide));
  LabelRecovery->setBuddy(lbCharts);
  for (const RecoveredChart& chart : copies_.Charts()) {
    const CopyPreview preview = PreviewOfCopy(chart.CopyPath, kPictureSide);
    auto* entry = new QListWidgetItem(QPixmap::fromImage(preview.picture), EntryText(chart, preview), lbCharts);
    entry->setData(kCopyRole, QByteArray::fromStdString(chart.CopyPath));
    entry->setSelected(true);
  }
  bRestore = Named(new QPushButton(QStringLiteral("Восстановить"), this), "bRestore");
  bRestore->setDefault(true);
  bDelete = Named(new QPushButton(QStringLiteral("Удалить"), this), "bDelete");
  bClose = Named(new QPushButton(QStringLiteral("Закрыть"), this), "bClose");
  connect(bRestore, &QPushButton::clicked, this, &TRecoveryForm::bRestoreClick);
  connect(bDelete, &QPushButton::clicked, this, &TRecoveryForm::bDeleteClick);
  connect(bClose, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(bRestore);
  buttons->addWidget(bDelete);
  buttons->addWidget(bClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelRecovery);
  layout->addWidget(lbCharts, 1);
  layout->addLayout(buttons);
  resize(520, 300);
}

void TRecoveryForm::bRestoreClick() {
  ForEachSelected([this](const RecoveredChart& chart) {
    if (!restore_(chart)) return false;
    copies_.Discard(chart.CopyPath);
    return true;
  });
}

void TRecoveryForm::bDeleteClick() {
  ForEachSelected([this](const RecoveredChart& chart) {
    copies_.Discard(chart.CopyPath);
    return true;
  });
}

void TRecoveryForm::ForEachSelected(const std::function<bool(const RecoveredChart&)>& handle) {
  for (QListWidgetItem* entry : lbCharts->selectedItems()) {
    const std::string copy = entry->data(kCopyRole).toByteArray().toStdString();
    const auto& charts = copies_.Charts();
    const auto chart = std::find_if(charts.begin(), charts.end(),
                                    [&](const RecoveredChart& c) { return c.CopyPath == copy; });
    // Discarding changes the list of copies: hand over a copy of the entry.
    if (chart != charts.end() && handle(RecoveredChart(*chart))) delete entry;
  }
  if (lbCharts->count() == 0) accept();
}

}  // namespace quobrix
