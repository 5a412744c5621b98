#include "platform/PrintChoices.h"

namespace quobrix {

PrintChoices ChoicesOf(const QPrinter& printer) {
  return {.PrinterName = printer.printerName(),
          .OutputFile = printer.outputFileName(),
          .Copies = printer.copyCount(),
          .Collate = printer.collateCopies(),
          .Colour = printer.colorMode(),
          .Duplex = printer.duplex()};
}

void ApplyChoices(const PrintChoices& choices, QPrinter& printer) {
  // Naming a file turns the printer into a file writer, naming none turns
  // it back, so the printer goes first and the file after it.
  printer.setOutputFileName(QString());
  printer.setPrinterName(choices.PrinterName);
  if (!choices.OutputFile.isEmpty()) printer.setOutputFileName(choices.OutputFile);
  printer.setCopyCount(choices.Copies);
  printer.setCollateCopies(choices.Collate);
  printer.setColorMode(choices.Colour);
  printer.setDuplex(choices.Duplex);
}

}  // namespace quobrix
