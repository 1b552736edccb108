#include "ResultMenu.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStandardPaths>

#include "platform/Platform.h"
#include "report/ResultOutput.h"
#include "report/ResultReport.h"
#include "ui/ReportPainter.h"

namespace cindrel {

ResultMenu::ResultMenu(AppContext &ctx, QMenu *file, QAction *before) : QObject(file), ctx_(ctx)
{
    print_ = new QAction(tr("&Print Result..."), file);
    print_->setObjectName(QStringLiteral("mnuPrint"));
    print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    save_ = new QAction(tr("&Save Result as PDF..."), file);
    save_->setObjectName(QStringLiteral("mnuSaveAsPdf"));
    save_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->insertAction(before, print_);
    file->insertAction(before, save_);
    file->insertSeparator(before)->setObjectName(QStringLiteral("mnuSepFile"));
    stepInFront(0);

    // Only the result in front is printed or saved: a disabled action is
    // never triggered.
    const auto report = [this] { return buildResultReport(ctx_.dependency, takenAt_, QLocale()); };
    const auto painter = [](const ResultReport &r) {
        return [r](QPagedPaintDevice &device) { return paintResultReport(device, r); };
    };
    connect(print_, &QAction::triggered, this, [this, report, painter] {
        const ResultReport r = report();
        printResult(ctx_.services.printouts, ctx_.services.boxes, r.documentName, painter(r));
    });
    connect(save_, &QAction::triggered, this, [this, report, painter] {
        const ResultReport r = report();
        const QString suggested = suggestedPdfPath(
            r.documentName, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QDir::homePath());
        saveResultAsPdf(ctx_.services.printouts, ctx_.services.boxes, suggested, localePaperSize(), painter(r));
    });
}

void ResultMenu::stepInFront(int step)
{
    const bool result = step == 2;
    if (result)
        takenAt_ = ctx_.services.clock.now();
    print_->setEnabled(result);
    save_->setEnabled(result);
}

} // namespace cindrel
