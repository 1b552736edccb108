#pragma once
// A label that looks and acts like a link, by mouse and by keyboard.

#include <QLabel>

#include "links/SitePages.h"

namespace cindrel {

/// A label that looks and acts like a link: underlined cyan Verdana, hand
/// pointer, a clicked() signal on a left click inside it. Tab reaches it
/// (a click leaves the focus where it was), a yellow frame shows while it
/// has the focus, and Enter, Return or Space emits clicked() as a click does.
/// A screen reader describes the label by what it opens.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    /// A link whose clicked() the caller connects to what it opens.
    LinkLabel(const QString &objectName, const QString &text, bool bold, QWidget *parent,
              const QString &description);
    /// A link to a page of the site: clicked() opens it in the browser.
    LinkLabel(const QString &objectName, const QString &text, bool bold, QWidget *parent, Browser &browser,
              SitePage page);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed_ = false;
};

} // namespace cindrel
