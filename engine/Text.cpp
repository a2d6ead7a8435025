#include "engine/Text.h"

#include <mutex>

namespace quor3
{

namespace
{
std::mutex translatorMutex;
Translator& installed()
{
    static Translator translator;
    return translator;
}
} // namespace

void setTranslator(Translator translator)
{
    const std::lock_guard lock(translatorMutex);
    installed() = std::move(translator);
}

std::string translate(const char* context, const char* text)
{
    // Texts are translated on the fetch's worker thread too.
    Translator translator;
    {
        const std::lock_guard lock(translatorMutex);
        translator = installed();
    }
    return translator ? translator(context, text) : std::string(text);
}

std::string arg(std::string text, const std::string& value)
{
    // The lowest %n present, as QString::arg does.
    std::size_t at = std::string::npos;
    char lowest = '9' + 1;
    for (std::size_t i = text.find('%'); i != std::string::npos && i + 1 < text.size(); i = text.find('%', i + 1)) {
        const char digit = text[i + 1];
        if (digit >= '1' && digit <= '9' && digit < lowest) {
            lowest = digit;
            at = i;
        }
    }
    if (at == std::string::npos)
        return text;
    // Every occurrence of that placeholder.
    const std::string placeholder{'%', lowest};
    for (std::size_t i = text.find(placeholder); i != std::string::npos; i = text.find(placeholder, i + value.size()))
        text.replace(i, 2, value);
    return text;
}

} // namespace quor3
