#include "LengthBounds.h"

#include <QLineEdit>

namespace cindrel {

void boundLength(QLineEdit *edit, int maxLength, std::function<void()> tooLong)
{
    edit->setMaxLength(maxLength);
    QObject::connect(edit, &QLineEdit::inputRejected, edit, std::move(tooLong), Qt::QueuedConnection);
}

} // namespace cindrel
