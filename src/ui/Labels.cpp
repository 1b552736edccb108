#include "Labels.h"

#include "ui/Colours.h"

namespace cindrel {

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *styleLabel(QLabel *label, const QFont &font, const QColor &color, Qt::Alignment alignment,
                   bool wordWrap)
{
    label->setFont(font);
    setTextColor(label, color);
    label->setAlignment(alignment);
    label->setWordWrap(wordWrap);
    return label;
}

} // namespace cindrel
