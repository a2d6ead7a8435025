// quor3-engine's messages in the desktop's language. The full build compiles
// this file into the command line (platform/CMakeLists.txt) with the program's
// own translations; the engine alone has neither and speaks English.

#include "engine/Text.h"

#include <QLocale>
#include <QTranslator>

#include <clocale>

void installCommandLineLanguage()
{
    // The system's reasons ("No space left on device") in the same language;
    // numbers stay as the machine-readable output writes them.
    std::setlocale(LC_MESSAGES, "");
    // The same choice as the program's (platform/Language.cpp): the first of the
    // user's languages that is English or has a translation.
    static QTranslator translator;
    for (const QString& uiLanguage : QLocale::system().uiLanguages()) {
        const QString code = uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("en") || code == QLatin1String("c"))
            return;
        if (!translator.load(QStringLiteral(":/i18n/quor3_%1.qm").arg(code)))
            continue;
        quor3::setTranslator([](const char* context, const char* text) {
            const QString translated = translator.translate(context, text);
            return translated.isEmpty() ? std::string(text) : translated.toStdString();
        });
        return;
    }
}
