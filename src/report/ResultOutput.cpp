#include "ResultOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace cindrel {

QString suggestedPdfPath(const QString &documentName, const QString &documentsDir, const QString &homeDir)
{
    const bool haveDocuments = !documentsDir.isEmpty() && QFileInfo(documentsDir).isDir();
    const QDir folder(haveDocuments ? documentsDir : homeDir);
    return folder.absoluteFilePath(documentName + QStringLiteral(".pdf"));
}

bool saveResultAsPdf(Printouts &printouts, MessageBoxes &boxes, const QString &suggestedPath,
                     const QSizeF &paperMm, const PagePainter &paint)
{
    const QString path = printouts.askPdfPath(suggestedPath);
    if (path.isEmpty())
        return false;
    const OutputOutcome outcome = printouts.writePdf(path, paperMm, paint);
    if (outcome.status == OutputOutcome::Done)
        return true;
    if (outcome.status == OutputOutcome::Failed) {
        const QString file = QDir::toNativeSeparators(path);
        boxes.critical(
            outcome.reason.isEmpty()
                ? QCoreApplication::translate("ResultOutput", "The result could not be saved as %1.").arg(file)
                : QCoreApplication::translate("ResultOutput", "The result could not be saved as %1: %2")
                      .arg(file, outcome.reason));
    }
    return false;
}

bool printResult(Printouts &printouts, MessageBoxes &boxes, const QString &documentName,
                 const PagePainter &paint)
{
    const OutputOutcome outcome = printouts.print(documentName, paint);
    if (outcome.status == OutputOutcome::Failed) {
        boxes.critical(outcome.reason.isEmpty()
                           ? QCoreApplication::translate("ResultOutput", "The result could not be printed.")
                           : QCoreApplication::translate("ResultOutput", "The result could not be printed: %1")
                                 .arg(outcome.reason));
    }
    return outcome.status == OutputOutcome::Done;
}

} // namespace cindrel
