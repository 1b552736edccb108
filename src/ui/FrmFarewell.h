#pragma once
// The farewell window: the last window of every run. It shows one of four
// support messages, a check box that opens the forum's home page, a
// promotion panel, and a refer-a-friend panel whose button sends a referral.
// However it is left, the program ends.

#include <QWidget>
#include <array>

#include "farewell/ReferralFields.h"
#include "ui/Lifecycle.h"

class QCloseEvent;

namespace cindrel {

class FrmFarewell : public QWidget {
    Q_OBJECT
public:
    /// Runs the load handling (title, icon, support message, topmost); the
    /// caller calls show(). The window is deleted when it closes.
    explicit FrmFarewell(AppContext &ctx, QWidget *parent = nullptr);

protected:
    /// However the window is closed, the program ends.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Names the field's control, installs the placeholder rules and keeps
    /// it as the field's.
    void addField(ReferralField field, QWidget *edit);

    AppContext &ctx_;
    /// The control of each referral field, in the order of kReferralFields.
    std::array<QWidget *, kReferralFields.size()> fields_{};
};

} // namespace cindrel
