#include "output/ui/printersetup.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrintDialog>

#include "files/savefile.h"
#include "ui/busycursor.h"
#include "ui/commandcontext.h"
#include "ui/windowstate.h"

namespace hm {

PrintContext JobContext(CommandContext& ctx) {
    return {ctx.Own<PageMargins>(), ctx.doc.CurrentName};
}

PrinterSetup::PrinterSetup(CommandContext& ctx) : ctx_(ctx) {}

bool PrinterSetup::Choose() {
    // The print dialog proposes its PDF file under the document's name.
    if (!ctx_.doc.CurrentName.isEmpty()) printer_.setDocName(ctx_.doc.CurrentName);
    QPrintDialog dialog(&printer_, ctx_.dialogParent);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    // Every job prints all of its pages.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return ctx_.Exec(dialog) == QDialog::Accepted;
}

bool PrinterSetup::Landscape() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape;
}

bool PrinterSetup::PrintsToPdfFile() const {
    return printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty();
}

bool PrinterSetup::Print(const QString& title, const Job& job) {
    PrintOutcome outcome;
    {
        BusyCursor busy;
        if (PrintsToPdfFile()) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setResolution(printer_.resolution());
            writer.setPageLayout(printer_.pageLayout());
            writer.setTitle(title);
            writer.setCreator(QStringLiteral("Heddlemark"));
            outcome = job(writer);
            if (outcome.printed) {
                const SaveResult saved = SaveFileAtomically(printer_.outputFileName(), bytes);
                if (!saved.ok) {
                    outcome.printed = false;
                    outcome.messages.push_back(saved.error);
                }
            }
        } else {
            printer_.setDocName(title);
            outcome = job(printer_);
        }
    }
    ctx_.Show(outcome.messages);
    return outcome.printed;
}

} // namespace hm
