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

std::string fill(const std::string& text, std::initializer_list<std::string> values)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() && text[i] == '%' ? static_cast<std::size_t>(text[i + 1] - '1') : 9;
        if (n < values.size()) {
            out += values.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace quor3
