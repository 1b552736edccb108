#pragma once
// The print dialog and the printer live in a module of their own
// (cindrel-print.so), which the program loads the first time the user
// prints. Qt Print Support is then mapped and relocated only when printing
// is asked for, not at every start of the program. This header is all the
// program and the module share.

#include <QMarginsF>
#include <QString>

#include "platform/Seams.h"

class QWidget;

namespace cindrel {

/// One request to print: the print dialog over `parent`, then the pages on
/// the printer and paper chosen there.
struct PrintRequest {
    QWidget *parent = nullptr;
    QString dialogTitle;
    QString documentName;
    QString creator;
    QMarginsF marginsMm;
    const PagePainter *paint = nullptr;
    /// What went wrong, in the user's language, when the printer did not
    /// take the page, and when the system has no printer at all.
    QString failedReason;
    QString noPrinterReason;
};

// The module carries the stamp of the build it belongs to
// (CINDREL_PRINT_STAMP, which CMake derives from the version and the sources
// the program and the module share) as a string in its file. The program
// looks for it there before it loads the module: a module of another build
// may expect another request, and is never loaded.

/// The module's entry, looked up by this name; it fills outcome.
inline constexpr char kPrintEntry[] = "cindrelPrint";
using PrintEntry = void (*)(const PrintRequest *request, OutputOutcome *outcome);

} // namespace cindrel
