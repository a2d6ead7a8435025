// quor3-engine's messages in the desktop's language. The full build compiles
// this file into the command line (platform/CMakeLists.txt) with the program's
// own translations; the engine alone has neither and speaks English.

#include "engine/Text.h"
#include "platform/LanguageChoice.h"

#include <clocale>

void installCommandLineLanguage()
{
    // The system's reasons ("No space left on device") in the same language;
    // numbers stay as the machine-readable output writes them.
    std::setlocale(LC_MESSAGES, "");
    // The same choice as the program's (platform/Language.cpp).
    static QTranslator translator;
    if (loadProgramTranslation(translator, QLocale::system()).isEmpty())
        return;
    quor3::setTranslator([](const char* context, const char* text) {
        const QString translated = translator.translate(context, text);
        return translated.isEmpty() ? std::string(text) : translated.toStdString();
    });
}
