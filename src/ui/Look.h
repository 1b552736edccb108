#pragma once
// The program's shared look: colours, fonts, link labels, twips.

#include <QColor>
#include <QFont>
#include <QLabel>

namespace cindrel {

inline const QColor kBrown(128, 64, 0);
inline const QColor kCyan(0, 255, 255);

/// Twips to device-independent pixels (15 twips to a pixel).
constexpr int twips(int t) { return (t + 7) / 15; }

/// Verdana at the given size where the font exists, a close sans otherwise.
QFont verdana(qreal pointSize, bool bold = false, bool underline = false);

/// Paints a widget's background dark brown.
void setBrownBackground(QWidget *widget);

/// Sets a label's text colour.
void setTextColor(QWidget *widget, const QColor &color);

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
