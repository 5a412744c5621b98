// The order in which a print command sends pages to a printer.
#pragma once

#include <cstdint>
#include <string>

namespace quobrix {

// A printer as the print command uses it. The toolkit's printer implements
// it; tests record the calls.
class PrintDevice {
 public:
  virtual ~PrintDevice() = default;
  // False when the job cannot start (no printer, the output cannot be opened).
  virtual bool BeginJob(const std::string& title) = 0;
  virtual void PrintPage(std::int32_t page) = 0;
  virtual void NewSheet() = 0;
  // False when the job could not be finished.
  virtual bool EndJob() = 0;
  // Drops a job begun: nothing of it reaches the paper or the file.
  virtual void AbortJob() = 0;
};

// Prints pages first..last, each `copies` times before the next page (copies
// are not collated), with a new sheet after every printed page except the
// last. A range whose first page comes after its last, or no copies, starts
// no job and succeeds. Each sheet is a step of the installed progress; when
// it cancels, the job is aborted. Returns false when the device fails or the
// job was cancelled.
bool PrintPages(PrintDevice& device, const std::string& title, std::int32_t first, std::int32_t last,
                std::int32_t copies);

}  // namespace quobrix
