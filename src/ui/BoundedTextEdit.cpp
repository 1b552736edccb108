#include "BoundedTextEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace cindrel {

BoundedPlainTextEdit::BoundedPlainTextEdit(const QString &text, int maxLength, QWidget *parent)
    : QPlainTextEdit(text, parent), maxLength_(maxLength)
{}

qsizetype BoundedPlainTextEdit::room() const
{
    // The document counts one character more than its text (the final
    // paragraph separator); a line break counts as one character.
    const qsizetype used = document()->characterCount() - 1;
    const QTextCursor cursor = textCursor();
    const qsizetype selected = cursor.selectionEnd() - cursor.selectionStart();
    return std::max<qsizetype>(0, maxLength_ - (used - selected));
}

QString BoundedPlainTextEdit::fitted(const QString &text)
{
    const qsizetype fits = room();
    if (text.size() <= fits)
        return text;
    qsizetype cut = fits;
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    emit inputRejected();
    return text.left(cut);
}

void BoundedPlainTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // Pasting and dropping come here: only what fits goes in, and the
    // document never sees the rest.
    const QString text = fitted(source->text());
    if (!text.isEmpty())
        insertPlainText(text);
    ensureCursorVisible();
}

void BoundedPlainTextEdit::keyPressEvent(QKeyEvent *event)
{
    // A key that types text (Enter types a line break) when there is no room
    // for it is refused; everything else (moving, deleting, shortcuts such
    // as paste, which ends in insertFromMimeData) is the box's own.
    QString typed = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        typed = QStringLiteral("\n");
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    const bool printable = !typed.isEmpty() && (typed == QLatin1String("\n") || typed.at(0).isPrint());
    if (printable && !command && typed.size() > room()) {
        emit inputRejected();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void BoundedPlainTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    if (!commit.isEmpty()) {
        const QString fits = fitted(commit);
        if (fits.size() != commit.size())
            event->setCommitString(fits, event->replacementStart(), event->replacementLength());
    }
    QPlainTextEdit::inputMethodEvent(event);
}

} // namespace cindrel
