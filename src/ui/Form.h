#pragma once
// Ties a top-level widget to the registry of loaded forms, so that shutdown
// can unload it, and gives every form one unload path: its unload handling,
// then hiding and destroying it, at most once.

#include <QWidget>

#include "app/FormRegistry.h"

class QCloseEvent;

namespace cindrel {

class Form : public LoadedForm {
public:
    Form(FormRegistry &registry, QWidget &widget);
    ~Form() override;
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    /// Unloads the form, unless its unload is already under way.
    void unload() { registry_.unload(this); }
    void runUnload() override;

protected:
    /// The form's own unload handling; runs once, before the form goes.
    virtual void onUnload() {}
    /// For closeEvent: every close request unloads the form; it is never refused.
    void handleClose(QCloseEvent *event);

    FormRegistry &registry_;

private:
    QWidget &widget_;
};

} // namespace cindrel
