#include "PrintSeams.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include "Identity.h"
#include "platform/WidgetSeams.h"

namespace cindrel {

namespace {

/// Margins of a saved or printed page, in millimetres: Qt's own default for
/// printing is almost none, too close to the edge for most printers.
const QMarginsF kPageMarginsMm(18, 18, 18, 18);

} // namespace

QString QtPrintouts::askPdfPath(const QString &suggestedPath)
{
    QFileDialog dialog(windowInUse(),
                       QCoreApplication::translate("Printouts", "Save Result as PDF"));
    dialog.setObjectName(QStringLiteral("dlgSavePdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("Printouts", "PDF documents (*.pdf)"));
    // A name typed without an extension still gets ".pdf".
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(QFileInfo(suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(suggestedPath).fileName());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

OutputOutcome QtPrintouts::writePdf(const QString &path, const QSizeF &paperMm, const PagePainter &paint)
{
    // QSaveFile writes into a temporary file beside the target and renames it
    // only on commit, so a failure anywhere leaves no partial file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {OutputOutcome::Failed, file.errorString()};
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(paperMm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
        writer.setPageMargins(kPageMarginsMm, QPageLayout::Millimeter);
        writer.setTitle(QFileInfo(path).completeBaseName());
        writer.setCreator(programWindowTitle());
        painted = paint(writer);
    }
    if (!painted) {
        file.cancelWriting();
        return {OutputOutcome::Failed, QCoreApplication::translate("Printouts", "the page could not be drawn")};
    }
    if (!file.commit())
        return {OutputOutcome::Failed, file.errorString()};
    return {OutputOutcome::Done, {}};
}

OutputOutcome QtPrintouts::print(const QString &documentName, const PagePainter &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setCreator(programWindowTitle());
    printer.setPageMargins(kPageMarginsMm, QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, windowInUse());
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    dialog.setWindowTitle(QCoreApplication::translate("Printouts", "Print Result"));
    // The result is one page: nothing to choose among pages.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted)
        return {OutputOutcome::Cancelled, {}};
    if (!paint(printer) || printer.printerState() == QPrinter::Error)
        return {OutputOutcome::Failed,
                QCoreApplication::translate("Printouts", "the printer did not take the page")};
    return {OutputOutcome::Done, {}};
}

} // namespace cindrel
