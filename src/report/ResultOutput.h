#pragma once
// Printing the result and saving it as a PDF, as the user asks for them
// from the File menu: the dialogs and the writing go through the Printouts
// seam, a failure ends in a message box. Nothing is written otherwise.

#include <QDate>
#include <QSizeF>
#include <QString>

#include "platform/Seams.h"

namespace cindrel {

/// Where the save dialog opens: "<document name>.pdf" in documentsDir, or in
/// homeDir when documentsDir is not an existing folder (no folder is made).
QString suggestedPdfPath(const QString &documentName, const QString &documentsDir, const QString &homeDir);

/// The save dialog, then the PDF written to the chosen path on paper of
/// paperMm. Cancelling does nothing; a failure shows a critical message
/// naming the file and the reason. True when the file was written.
bool saveResultAsPdf(Printouts &printouts, MessageBoxes &boxes, const QString &suggestedPath,
                     const QSizeF &paperMm, const PagePainter &paint);

/// The print dialog, then the pages on the chosen printer. Cancelling does
/// nothing; a failure shows a critical message. True when printed.
bool printResult(Printouts &printouts, MessageBoxes &boxes, const QString &documentName,
                 const PagePainter &paint);

} // namespace cindrel
