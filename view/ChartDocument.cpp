#include "view/ChartDocument.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "platform/LanguageTable.h"
#include "chart/BlocksHolderModel.h"

namespace quobrix {

QString UntitledName(int number) {
  const QString name = LanguageText(TextKey::UNTITLED);
  return number <= 1 ? name : name + QLatin1Char(' ') + QString::number(number);
}

namespace {

// Notices that leave the chart file's text as it was.
bool LeavesTheFileAlone(const ChartNotice& notice) {
  switch (notice.Kind) {
    case ChartChange::ActiveBlock:
    case ChartChange::History:
    case ChartChange::Debug:
      return true;
    case ChartChange::View:
      return notice.View == ViewChange::Selection;
    default:
      return false;
  }
}

}  // namespace

int FreeUntitledNumber(std::vector<int> taken) {
  std::sort(taken.begin(), taken.end());
  int free = 1;
  for (const int number : taken)
    if (number == free) ++free;
  return free;
}

ChartDocument::ChartDocument(BlocksHolderModel& chart, QObject& owner) : QObject(&owner), chart_(chart) {
  subscription_ = chart_.Subscribe([this](const ChartNotice& notice) {
    if (!LeavesTheFileAlone(notice)) recoveryCopyDue_ = true;
    if (notice.Kind == ChartChange::Document || notice.Kind == ChartChange::Modified) emit Changed();
    if (notice.Kind == ChartChange::Modified && !notice.Modified) emit RecoveryCopyObsolete();
  });
}

QString ChartDocument::FileName() const { return QFile::decodeName(QByteArray::fromStdString(chart_.FileName())); }

bool ChartDocument::HasFile() const { return chart_.FileName() != kUntitled; }

bool ChartDocument::IsUntitled() const { return !HasFile() && opening_.isEmpty(); }

bool ChartDocument::IsModified() const { return chart_.FModified(); }

void ChartDocument::SetUntitledNumber(int number) {
  if (number == untitledNumber_) return;
  untitledNumber_ = number;
  emit Changed();
}

void ChartDocument::SetOpening(const QString& path) {
  opening_ = path;
  emit Changed();
}

QString ChartDocument::ShownFile() const { return HasFile() || opening_.isEmpty() ? FileName() : opening_; }

QString ChartDocument::FileTitle() const { return QFileInfo(ShownFile()).fileName(); }

QString ChartDocument::Name() const { return IsUntitled() ? UntitledName(untitledNumber_) : FileTitle(); }

QString ChartDocument::Title() const {
  const QString title = IsUntitled() ? Name() : QStringLiteral("Quobrix - [ ") + FileTitle() + QStringLiteral(" ]");
  return title + QStringLiteral("[*]");
}

}  // namespace quobrix
