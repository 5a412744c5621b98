#include "app/ChartPrinting.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QTimer>
#include <algorithm>
#include <array>

#include "app/WorkProgressDialog.h"
#include "chart/BlocksHolderModel.h"
#include "chart/PrintJob.h"
#include "platform/LanguageTable.h"
#include "platform/PrinterPrintDevice.h"
#include "view/ChartDocument.h"
#include "view/CommandTable.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

constexpr double kHundredthsPerMillimetre = 100.0;

double Millimetres(std::int64_t hundredths) { return static_cast<double>(hundredths) / kHundredthsPerMillimetre; }

std::int64_t Hundredths(double millimetres) { return qRound64(millimetres * kHundredthsPerMillimetre); }

// A sheet of a named paper size in either orientation shows under its name;
// any other keeps its own width and height.
QPageLayout SheetLayout(const BlocksHolderModel& chart) {
  const auto& m = chart.FSheetMargins();
  const QMarginsF margins(Millimetres(m.Left), Millimetres(m.Top), Millimetres(m.Right), Millimetres(m.Bottom));
  const QSizeF sheet(Millimetres(chart.SheetWidth()), Millimetres(chart.SheetHeight()));
  const bool landscape = sheet.width() > sheet.height();
  const QPageSize named(landscape ? sheet.transposed() : sheet, QPageSize::Millimeter, QString(),
                        QPageSize::ExactMatch);
  if (named.id() != QPageSize::Custom)
    return QPageLayout(named, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, margins,
                       QPageLayout::Millimeter, QMarginsF());
  return QPageLayout(QPageSize(sheet, QPageSize::Millimeter, QString(), QPageSize::ExactMatch), QPageLayout::Portrait,
                     margins, QPageLayout::Millimeter, QMarginsF());
}

// The toolkit's page setup dialog shows a paper size it has no name for as
// Letter, and OK would then take Letter. Once the dialog is up, such a
// sheet goes into the dialog's own size fields, and its margins after them,
// since choosing a size resets them. A dialog made otherwise is left alone.
void ShowCustomSheet(QPageSetupDialog& dialog, const QPageLayout& sheet) {
  if (sheet.pageSize().id() != QPageSize::Custom) return;
  auto* sizes = dialog.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
  auto* units = dialog.findChild<QComboBox*>(QStringLiteral("unitCombo"));
  auto field = [&dialog](const char* name) { return dialog.findChild<QDoubleSpinBox*>(QString::fromLatin1(name)); };
  const std::array fields{field("pageWidth"), field("pageHeight"),  field("leftMargin"),
                          field("topMargin"), field("rightMargin"), field("bottomMargin")};
  if (!sizes || !units || std::ranges::count(fields, nullptr) > 0) return;
  int custom = -1;
  for (int i = 0; i < sizes->count(); ++i)
    if (!sizes->itemData(i).isValid()) custom = i;
  const int millimetres = units->findData(QVariant::fromValue(QPageLayout::Millimeter));
  if (custom < 0 || millimetres < 0) return;
  units->setCurrentIndex(millimetres);
  sizes->setCurrentIndex(custom);
  const QSizeF size = sheet.fullRect(QPageLayout::Millimeter).size();
  const QMarginsF margins = sheet.margins(QPageLayout::Millimeter);
  const std::array values{size.width(),  size.height(),   margins.left(),
                          margins.top(), margins.right(), margins.bottom()};
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->setValue(values[i]);
}

}  // namespace

ChartPrinting::ChartPrinting(QObject& owner, CommandTable& commands) : QObject(&owner) {
  // The sheet fills the paper; its own margins keep the blocks off the edges.
  printer_.setFullPage(true);
  lastUsed_ = ChoicesOf(printer_);
  commands.BindChart(CommandId::Print, [self = QPointer(this)](THolderForm& w, QAction&) {
    if (self) self->Print(w, w.Document());
  });
  commands.BindChart(CommandId::PageSetup, [self = QPointer(this)](THolderForm& w, QAction&) {
    if (self) self->PageSetup(w, w.bh->Model());
  });
}

void ChartPrinting::Print(QWidget& parent, ChartDocument& document) {
  const BlocksHolderModel& chart = document.Chart();
  ApplyChoices(document.PrintedWith.value_or(lastUsed_), printer_);
  const int pages = chart.DocumentPages();
  QPrintDialog dialog(&printer_, &parent);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                    QAbstractPrintDialog::PrintShowPageSize);
  dialog.setMinMax(1, pages);
  printer_.setPrintRange(QPrinter::AllPages);
  printer_.setFromTo(1, pages);
  if (dialog.exec() != QDialog::Accepted) return;
  document.PrintedWith = lastUsed_ = ChoicesOf(printer_);
  const bool range = printer_.printRange() == QPrinter::PageRange;
  const int first = range ? printer_.fromPage() : 1;
  const int last = range ? printer_.toPage() : pages;
  bool cancelled = false;
  const bool printed = [&] {
    WorkProgressDialog progress(parent, LanguageText(TextKey::PRINT_PROGRESS_MSG)
                                            .arg(QFileInfo(QString::fromStdString(chart.FileName())).fileName()));
    const bool done = PrintPageRange(chart, first, last, printer_.copyCount());
    cancelled = progress.Cancelled();
    return done;
  }();
  if (!printed && !cancelled)
    QMessageBox::warning(&parent, QApplication::applicationName(), LanguageText(TextKey::PRINT_ERROR_MSG));
}

bool ChartPrinting::PrintPageRange(const BlocksHolderModel& chart, int first, int last, int copies) {
  if (IsOverlongPrintout(first, last, copies)) return false;
  // The job lays out the copies itself, a page's copies together; the
  // printer must not repeat the whole job on top.
  printer_.setCopyCount(1);
  PrinterPrintDevice device(printer_, chart);
  const bool printed = PrintPages(device, chart.FileName(), first, last, copies);
  printer_.setCopyCount(copies);
  return printed;
}

void ChartPrinting::PageSetup(QWidget& parent, BlocksHolderModel& chart) {
  const QPageLayout sheet = SheetLayout(chart);
  printer_.setPageLayout(sheet);
  QPageSetupDialog dialog(&printer_, &parent);
  QTimer::singleShot(0, &dialog, [&dialog, &sheet] { ShowCustomSheet(dialog, sheet); });
  if (dialog.exec() != QDialog::Accepted) return;
  const QPageLayout layout = printer_.pageLayout();
  const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
  const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
  chart.ChangePageSetup(Hundredths(paper.width()), Hundredths(paper.height()),
                        {.Left = Hundredths(margins.left()),
                         .Right = Hundredths(margins.right()),
                         .Top = Hundredths(margins.top()),
                         .Bottom = Hundredths(margins.bottom())});
}

}  // namespace quobrix
