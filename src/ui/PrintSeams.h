#pragma once
// The Printouts seam on Qt: the file dialog, the print dialog (Qt Print
// Support, in a module loaded on first use, see PrintModule.h) and a PDF
// written through QPdfWriter into a QSaveFile.

#include <QString>

#include "print/PrintModule.h"

namespace cindrel {

/// Where the print module is looked for: the program's private library
/// folder, found from the program's own folder (a build tree lays it out
/// as an installation does).
QString defaultPrintModuleFolder();

/// The dialogs open over the window the user is working in.
class QtPrintouts : public Printouts {
public:
    explicit QtPrintouts(QString printModuleFolder = defaultPrintModuleFolder());

    QString askPdfPath(const QString &suggestedPath) override;
    /// Commits the file only when the page was painted and written whole;
    /// otherwise no file, not even a partial one, is left behind.
    OutputOutcome writePdf(const QString &path, const QSizeF &paperMm, const PagePainter &paint) override;
    /// Fails with a message, and prints nothing, when the print module
    /// cannot be loaded.
    OutputOutcome print(const QString &documentName, const PagePainter &paint) override;

    /// The print module's entry, loading the module on first use; null
    /// when it is missing or of another build.
    PrintEntry printEntry();

private:
    QString printModuleFolder_;
    PrintEntry printEntry_ = nullptr;
};

} // namespace cindrel
