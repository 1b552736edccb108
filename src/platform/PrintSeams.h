#pragma once
// The Printouts seam on Qt: the file dialog, the print dialog (Qt Print
// Support) and a PDF written through QPdfWriter into a QSaveFile.

#include "platform/Seams.h"

namespace cindrel {

/// The dialogs open over the window the user is working in.
class QtPrintouts : public Printouts {
public:
    QString askPdfPath(const QString &suggestedPath) override;
    /// Commits the file only when the page was painted and written whole;
    /// otherwise no file, not even a partial one, is left behind.
    OutputOutcome writePdf(const QString &path, const QSizeF &paperMm, const PagePainter &paint) override;
    OutputOutcome print(const QString &documentName, const PagePainter &paint) override;
};

} // namespace cindrel
