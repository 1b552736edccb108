#pragma once
// A label that looks and acts like a link.

#include <QLabel>

namespace cindrel {

/// A label that looks and acts like a link: underlined cyan Verdana, hand
/// pointer, a clicked() signal on a left click inside it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString &objectName, const QString &text, bool bold, QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

} // namespace cindrel
