#pragma once
// Making and styling the forms' plain labels.

#include <QLabel>

namespace cindrel {

/// A label that shows its text as plain text (no markup, no access key),
/// with the given object name.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text = QString());

/// Gives a label its font, text colour, alignment and word wrapping; returns it.
QLabel *styleLabel(QLabel *label, const QFont &font, const QColor &color, Qt::Alignment alignment,
                   bool wordWrap = false);

} // namespace cindrel
