#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace cindrel {

QString installTranslations(const QLocale &locale)
{
    // The translators installed last, the program's and Qt's, go first.
    static QPointer<QTranslator> installed[2];
    for (QPointer<QTranslator> &translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator.data();
    }

    // The program's own translation decides the language: that of the first
    // UI language which has one. English, the language the program is
    // written in, stops the search, so a user who puts it before another
    // language keeps it. Without a translation the program stays in English
    // throughout, Qt's buttons included, rather than mixing two languages
    // in one message box.
    auto program = std::make_unique<QTranslator>(QCoreApplication::instance());
    bool loaded = false;
    for (const QString &name : locale.uiLanguages()) {
        const QLocale candidate(name);
        if (candidate.language() == QLocale::English)
            return {};
        loaded = program->load(candidate, QStringLiteral("cindrel"), QStringLiteral("_"),
                               QStringLiteral(":/i18n"));
        if (loaded)
            break;
    }
    if (!loaded)
        return {};
    QString language = program->language();
    QCoreApplication::installTranslator(program.get());
    installed[0] = program.release();

    // Qt's translation of its own texts (Yes, No, OK) for the same language,
    // from the system's Qt translations when they are installed.
    auto qt = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed[1] = qt.release();
    }
    return language;
}

} // namespace cindrel
