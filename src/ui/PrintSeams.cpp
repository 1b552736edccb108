#include "PrintSeams.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "Identity.h"
#include "LogCategories.h"
#include "ui/WidgetSeams.h"

namespace cindrel {

namespace {

/// Margins of a saved or printed page, in millimetres: Qt's own default for
/// printing is almost none, too close to the edge for most printers.
const QMarginsF kPageMarginsMm(18, 18, 18, 18);

} // namespace

QString QtPrintouts::askPdfPath(const QString &suggestedPath)
{
    QFileDialog dialog(windowInUse(), QCoreApplication::translate("Printouts", "Save Result as PDF"));
    dialog.setObjectName(QStringLiteral("dlgSavePdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
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

QString defaultPrintModuleFolder()
{
    // Found from the program's own folder, so that an unpacked package works too.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" CINDREL_PRINT_MODULE_FROM_BINDIR);
}

QtPrintouts::QtPrintouts(QString printModuleFolder) : printModuleFolder_(std::move(printModuleFolder)) {}

PrintEntry QtPrintouts::printEntry()
{
    if (printEntry_)
        return printEntry_;
    // The stamp is looked for in the file before the module is loaded, so
    // that a module of another build is never loaded: none of its code runs,
    // nor that of the libraries it links.
    QFile file(printModuleFolder_ + QStringLiteral("/" CINDREL_PRINT_MODULE_FILE));
    const bool ours = file.open(QIODevice::ReadOnly) && file.readAll().contains(CINDREL_PRINT_STAMP);
    // Stays loaded for the rest of the run, like a linked library.
    QLibrary module(file.fileName());
    if (const auto entry = ours ? reinterpret_cast<PrintEntry>(module.resolve(kPrintEntry)) : nullptr) {
        qCDebug(lcPrint) << "Print module loaded from" << module.fileName();
        return printEntry_ = entry;
    }
    // The user is told that printing is not installed; the log says why.
    const QString why = ours            ? module.errorString()
                        : file.isOpen() ? QStringLiteral(
                              "it is of another build, without this program's stamp " CINDREL_PRINT_STAMP)
                                        : file.errorString();
    qCWarning(lcPrint).noquote() << "Print module not loaded:" << file.fileName() + QLatin1Char(':') << why;
    return nullptr;
}

OutputOutcome QtPrintouts::print(const QString &documentName, const PagePainter &paint)
{
    const PrintEntry entry = printEntry();
    if (!entry)
        return {OutputOutcome::Failed,
                QCoreApplication::translate("Printouts", "printing is not installed with this program")};
    const PrintRequest request{
        windowInUse(),
        QCoreApplication::translate("Printouts", "Print Result"),
        documentName,
        programWindowTitle(),
        kPageMarginsMm,
        &paint,
        QCoreApplication::translate("Printouts", "the printer did not take the page"),
        QCoreApplication::translate("Printouts", "no printer is set up on this computer")};
    OutputOutcome outcome;
    entry(&request, &outcome);
    return outcome;
}

} // namespace cindrel
