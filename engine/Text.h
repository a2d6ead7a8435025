#pragma once

#include <functional>
#include <string>

namespace quor3
{

// The user's language for the engine's messages. The engine itself knows only
// English; a program with translations installs a translator, and the texts
// are written as translate("Context", "Text") so that lupdate collects them.
using Translator = std::function<std::string(const char* context, const char* text)>;

// An empty translator leaves every text in English.
void setTranslator(Translator translator);
// `text` in the user's language; placeholders (%1, %2) are filled afterwards with arg().
std::string translate(const char* context, const char* text);
// `text` with its lowest-numbered placeholder (%1, then %2, ...) replaced by `value`.
std::string arg(std::string text, const std::string& value);

} // namespace quor3
