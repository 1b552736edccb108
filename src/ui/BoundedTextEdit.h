#pragma once
// A multi-line text box that holds at most a given number of characters.
// QPlainTextEdit has no such bound, and it lays out a long paste slowly (a
// megabyte on one line freezes the window for most of a minute), so text is
// cut to fit before it reaches the document, however it comes: typed,
// pasted, dropped or composed by an input method.

#include <QPlainTextEdit>

namespace cindrel {

class BoundedPlainTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    BoundedPlainTextEdit(const QString &text, int maxLength, QWidget *parent = nullptr);

    int maxLength() const { return maxLength_; }

signals:
    /// Text did not fit, all or in part, and was left out.
    void inputRejected();

protected:
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    /// How many more characters fit, counting the selection as gone.
    qsizetype room() const;
    /// text cut to at most room() characters (never inside a surrogate
    /// pair); reports inputRejected when anything is left out.
    QString fitted(const QString &text);

    int maxLength_;
};

} // namespace cindrel
