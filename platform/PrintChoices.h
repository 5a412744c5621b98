// What the user picks in the print dialog beyond the pages: where the
// printout goes, how many copies, in colour or not, on one side or both.
// The sheet's size and margins are the chart's own and not among them.
#pragma once

#include <QPrinter>
#include <QString>

namespace quobrix {

struct PrintChoices {
  QString PrinterName;
  // The file a printout to file goes to; empty for a printer.
  QString OutputFile;
  int Copies = 1;
  bool Collate = true;
  QPrinter::ColorMode Colour = QPrinter::Color;
  QPrinter::DuplexMode Duplex = QPrinter::DuplexNone;

  bool operator==(const PrintChoices&) const = default;
};

PrintChoices ChoicesOf(const QPrinter& printer);
void ApplyChoices(const PrintChoices& choices, QPrinter& printer);

}  // namespace quobrix
