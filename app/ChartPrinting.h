// The print and page setup commands on the active chart window: the
// system's print dialog in front of the chart's print job, and its page
// setup dialog in the chart's own unit. One printer is kept for the run, so
// both dialogs come back with the user's last choices.
#pragma once

#include <QObject>
#include <QPrinter>

class QWidget;

namespace quobrix {

class BlocksHolderModel;
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
  void Print(QWidget& parent, const BlocksHolderModel& chart);
  // Shows the sheet's size and margins in the page setup dialog and takes
  // what the user confirms as one undo step.
  void PageSetup(QWidget& parent, BlocksHolderModel& chart);

  QPrinter& Printer() { return printer_; }

 private:
  bool PrintPageRange(const BlocksHolderModel& chart, int first, int last, int copies);

  QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace quobrix
