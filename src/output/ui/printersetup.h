#pragma once
// The printer of one print job: chosen in the platform's print dialog (run
// through the command context, so tests can fill it in), then given to the
// job. "Print to file" works without any printer installed: the PDF is made in
// memory and written whole, so a file that cannot be written is reported with
// the system's text and nothing is left half written.

#include <QPrinter>
#include <functional>

#include "output/printjob.h"

namespace hm {

class CommandContext;

// Margins of the page setup and the current name, as every job needs them.
PrintContext JobContext(CommandContext& ctx);

class PrinterSetup {
  public:
    explicit PrinterSetup(CommandContext& ctx);

    // Shows the print dialog; false when it is cancelled.
    bool Choose();
    bool Landscape() const;

    using Job = std::function<PrintOutcome(QPagedPaintDevice& device)>;
    // Runs the job on the chosen printer or into the chosen PDF file under the
    // busy cursor, then shows its messages (and a write failure). Returns
    // whether the pages were printed.
    bool Print(const QString& title, const Job& job);

  private:
    bool PrintsToPdfFile() const;

    CommandContext& ctx_;
    QPrinter printer_{QPrinter::HighResolution};
};

} // namespace hm
