// A chart window with the print commands bound, printed through the
// toolkit's print dialog answered as a user would, and the readers that
// check what came out.
#pragma once

#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <functional>

#include "app/ChartPrinting.h"
#include "support/ChartBuilder.h"
#include "support/FakeChartHost.h"
#include "support/ModalAnswer.h"
#include "support/TempDir.h"
#include "view/TBlocksHolder.h"

namespace quobrix::test {

inline QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(-1);
  return QString::fromUtf8(process.readAllStandardOutput());
}

template <class W>
W& Find(QWidget& dialog, const char* name) {
  W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
  if (!widget) qFatal("no %s in the dialog", name);
  return *widget;
}

struct Printing {
  Printing() {
    Chart().SetFileName("report.qbs");
    Chart().SetDocumentPages(3);
    // One labelled block on each page, 20 mm from the page's left and top.
    for (const char* label : {"PAGEONE", "PAGETWO", "PAGETHREE"}) {
      const std::int64_t n = AddRect(Chart(), 2000, 2000 + (Chart().BlockCount()) * 29700, 8000, 2000);
      Chart().Blocks(n).Text = label;
    }
  }
  BlocksHolderModel& Chart() { return w.model(); }
  // Prints through the print dialog; `choose` sets the dialog up.
  void PrintThroughDialog(const std::function<void(QWidget&)>& choose) {
    ModalAnswer answer([&](QWidget& dialog) {
      if (!qobject_cast<QPrintDialog*>(&dialog)) return;
      choose(dialog);
      QMetaObject::invokeMethod(&dialog, "accept");
    });
    w.host.table.Action(CommandId::Print).trigger();
  }
  // Prints into the PDF file `pdf`; `choose` sets the rest of the dialog.
  void Print(const QString& pdf, const std::function<void(QWidget&)>& choose) {
    PrintThroughDialog([&](QWidget& dialog) {
      Find<QLineEdit>(dialog, "filename").setText(pdf);
      choose(dialog);
    });
  }
  // The text of every page of the PDF, in order.
  static QStringList Pages(const QString& pdf) {
    QStringList pages = Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).split(u'\f');
    pages.removeLast();  // after the last page's form feed
    for (QString& page : pages) page = page.simplified();
    return pages;
  }

  TempDir dir;
  ChartWindow w;
  QObject owner;
  ChartPrinting printing{owner, w.host.table};
};

}  // namespace quobrix::test
