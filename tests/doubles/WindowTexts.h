#pragma once
// What a window shows, read from its widgets: every text a user sees or a
// screen reader reads, and the texts that do not fit the place their widget
// has. Shared by the tests that look at the windows in other languages.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

namespace cindrel::testing {

struct ShownText {
    QString where; ///< object name and what of it, e.g. "cmdNext text"
    QString text;
};

/// A widget's name for messages: its object name, or its class.
inline QString nameOf(const QObject *object)
{
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

/// Every text the shown widgets under root (root included) show or give a
/// screen reader: captions, button and check box texts, group box titles,
/// the menu bar's menus and entries, list entries, text box contents and
/// placeholders, accessible names and descriptions.
inline QList<ShownText> shownTexts(QWidget *root)
{
    QList<ShownText> texts;
    const auto add = [&texts](const QObject *object, const char *what, const QString &text) {
        if (!text.isEmpty())
            texts.append({nameOf(object) + QLatin1Char(' ') + QLatin1String(what), text});
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (!w->isVisible() || qobject_cast<QMenu *>(w))
            continue;
        add(w, "accessible name", w->accessibleName());
        add(w, "accessible description", w->accessibleDescription());
        if (auto *label = qobject_cast<QLabel *>(w))
            add(w, "text", label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(w, "text", button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            add(w, "title", group->title());
        else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            add(w, "text", edit->text());
            add(w, "placeholder", edit->placeholderText());
        } else if (auto *plain = qobject_cast<QPlainTextEdit *>(w)) {
            add(w, "text", plain->toPlainText());
            add(w, "placeholder", plain->placeholderText());
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < list->count(); ++i)
                add(w, "entry", list->itemText(i));
        } else if (auto *bar = qobject_cast<QMenuBar *>(w)) {
            for (QAction *top : bar->actions()) {
                add(top, "menu", top->text());
                if (top->menu())
                    for (QAction *entry : top->menu()->actions())
                        add(entry, "entry", entry->text());
            }
        }
    }
    return texts;
}

/// The texts under root that do not fit their widget, one line each: a
/// label taller or wider than its place, a button, check box, group box
/// title, text box content or list entry wider than its widget.
inline QStringList clippedTexts(QWidget *root)
{
    QStringList clipped;
    const auto report = [&clipped](const QWidget *w, const QString &text, int need, int have) {
        clipped << QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(nameOf(w), text).arg(need).arg(have);
    };
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        const QFontMetrics metrics = w->fontMetrics();
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                const int need = label->heightForWidth(label->width());
                if (need > label->height())
                    report(w, label->text(), need, label->height());
            } else {
                const QSize need = metrics.size(0, label->text());
                if (need.width() > room.width())
                    report(w, label->text(), need.width(), room.width());
                else if (need.height() > room.height())
                    report(w, label->text(), need.height(), room.height());
            }
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            if (check->sizeHint().width() > check->width())
                report(w, check->text(), check->sizeHint().width(), check->width());
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            // The caption and a little air on either side.
            const int need = metrics.horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) + 8;
            if (need > button->width())
                report(w, button->text(), need, button->width());
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            const int need = metrics.horizontalAdvance(group->title()) + 16;
            if (need > group->width())
                report(w, group->title(), need, group->width());
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            // Frame and inner margins take about 4 px on either side.
            const int need = metrics.horizontalAdvance(edit->text()) + 8;
            if (need > edit->width())
                report(w, edit->text(), need, edit->width());
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            // The entry is drawn in the field beside the drop-down arrow.
            QStyleOptionComboBox option;
            option.initFrom(list);
            const int field = list->style()
                                  ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                                   list)
                                  .width();
            for (int i = 0; i < list->count(); ++i) {
                const int need = metrics.horizontalAdvance(list->itemText(i));
                if (need > field)
                    report(w, list->itemText(i), need, field);
            }
        }
    }
    return clipped;
}

} // namespace cindrel::testing
