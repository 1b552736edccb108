#include "Form.h"

#include <QCloseEvent>

#include "LogCategories.h"
#include "PassOverFailure.h"

namespace cindrel {

Form::Form(FormRegistry &registry, QWidget &widget) : registry_(registry), widget_(widget)
{
    registry_.add(this);
}

Form::~Form()
{
    registry_.remove(this);
}

void Form::runUnload()
{
    // Unloading goes on whatever the handling did.
    passOverFailure(lcShutdown(), "the unload handling of a window", [this] { onUnload(); });
    registry_.remove(this);
    widget_.hide();
    widget_.deleteLater();
}

void Form::handleClose(QCloseEvent *event)
{
    event->accept();
    unload();
}

} // namespace cindrel
