// The print and page setup commands on the active chart window: the
// system's print dialog in front of the chart's print job, and its page
// setup dialog in the chart's own unit. The print dialog comes back with
// what the chart was last printed with; a chart not yet printed starts from
// the last printout of the run, so a printer picked once is picked for good
// while each chart keeps its own copies, file and printer afterwards.
#pragma once

#include <QObject>
#include <QPrinter>

#include "platform/PrintChoices.h"

class QWidget;

namespace quobrix {

class BlocksHolderModel;
class ChartDocument;
class CommandTable;

class ChartPrinting : public QObject {
  Q_OBJECT

 public:
  // Binds the print and page setup commands.
  ChartPrinting(QObject& owner, CommandTable& commands);

  // Asks for the pages (1 to the chart's page count) and the copies, then
  // prints the pages in order, every copy of a page before the next page,
  // titled with the chart's file name, with a progress dialog whose Cancel
  // drops the job. Says so when the job fails; cancelling is no failure.
  // What the user confirms stays with the document.
  void Print(QWidget& parent, ChartDocument& document);
  // Shows the sheet's size and margins in the page setup dialog and takes
  // what the user confirms as one undo step.
  void PageSetup(QWidget& parent, BlocksHolderModel& chart);

  QPrinter& Printer() { return printer_; }

 private:
  bool PrintPageRange(const BlocksHolderModel& chart, int first, int last, int copies);

  QPrinter printer_{QPrinter::HighResolution};
  PrintChoices lastUsed_;
};

}  // namespace quobrix
