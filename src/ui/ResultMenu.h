#pragma once
// The File menu's "&Print Result..." and "&Save Result as PDF...": usable
// only while the result step is in front, they put the result report on
// paper or into a PDF file through the Printouts seam.

#include <QDateTime>
#include <QObject>

#include "ui/Lifecycle.h"

class QAction;
class QMenu;

namespace cindrel {

class ResultMenu : public QObject {
    Q_OBJECT
public:
    /// Adds mnuPrint, mnuSaveAsPdf and the separator mnuSepFile to `file`
    /// in front of `before`; both entries start disabled.
    ResultMenu(AppContext &ctx, QMenu *file, QAction *before);

    /// A wizard step came to the front. The result step (2) comes only
    /// after scoring, so that is when the test's date and time are taken.
    void stepInFront(int step);

private:
    AppContext &ctx_;
    QAction *print_ = nullptr;
    QAction *save_ = nullptr;
    QDateTime takenAt_;
};

} // namespace cindrel
