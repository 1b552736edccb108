#pragma once
// The program in the user's language: its own translation and Qt's, chosen
// by the system's locale settings.

#include <QLocale>
#include <QString>

namespace cindrel {

/// Installs the program's translation for the first of the locale's UI
/// languages that has one or is English (for the system locale: LANGUAGE,
/// then LC_ALL, LC_MESSAGES, LANG), and Qt's own for the same language, so that the
/// standard buttons of message boxes read alike. Replaces what an earlier
/// call installed. Returns the language installed, e.g. "de_DE", or an
/// empty text when the program stays in English. Call it before any window
/// or message box is built.
QString installTranslations(const QLocale &locale = QLocale::system());

} // namespace cindrel
