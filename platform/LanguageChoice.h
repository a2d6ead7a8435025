#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// Loads into `translator` the program's own translation for the first of the
// locale's languages that is English or has one. Returns that language's code
// ("es"), or an empty string for English, where nothing is loaded. Qt Core
// only: the command line shares it with the program.
inline QString loadProgramTranslation(QTranslator& translator, const QLocale& locale)
{
    for (const QString& uiLanguage : locale.uiLanguages()) {
        // "es-ES", "es_419", "es" -> "es"
        const QString code = uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("en") || code == QLatin1String("c"))
            return QString();
        if (translator.load(QStringLiteral(":/i18n/quor3_%1.qm").arg(code)))
            return code;
    }
    return QString();
}
