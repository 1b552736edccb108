// The print module (see PrintModule.h): Qt's print dialog and the printer.

#include <QPrintDialog>
#include <QPrinter>

#include "print/PrintModule.h"

// Exported, so that no linker drops it: the program reads it from the file.
extern "C" Q_DECL_EXPORT const char cindrelPrintStamp[] = CINDREL_PRINT_STAMP;

extern "C" Q_DECL_EXPORT void cindrelPrint(const cindrel::PrintRequest *request,
                                           cindrel::OutputOutcome *outcome)
{
    using cindrel::OutputOutcome;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(request->documentName);
    printer.setCreator(request->creator);
    printer.setPageMargins(request->marginsMm, QPageLayout::Millimeter);
    // Where the system's print dialog takes only a printer of the system
    // (Windows), Qt declines the dialog without a word when there is none.
    if (CINDREL_PRINT_DIALOG_NEEDS_PRINTER && printer.outputFormat() != QPrinter::NativeFormat) {
        *outcome = {OutputOutcome::Failed, request->noPrinterReason};
        return;
    }
    QPrintDialog dialog(&printer, request->parent);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    dialog.setWindowTitle(request->dialogTitle);
    // The result is one page: nothing to choose among pages.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted)
        *outcome = {OutputOutcome::Cancelled, {}};
    else if (!(*request->paint)(printer) || printer.printerState() == QPrinter::Error)
        *outcome = {OutputOutcome::Failed, request->failedReason};
    else
        *outcome = {OutputOutcome::Done, {}};
}
