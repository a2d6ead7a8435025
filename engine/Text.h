#pragma once

#include <functional>
#include <initializer_list>
#include <string>

// Marks a text for lupdate where it is translated later, from a variable (the
// same definition as Qt's, for code that has no Qt).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace quor3
{

// The user's language for the engine's messages. The engine itself knows only
// English; a program with translations installs a translator, and the texts
// are written as translate("Context", "Text") so that lupdate collects them.
using Translator = std::function<std::string(const char* context, const char* text)>;

// An empty translator leaves every text in English.
void setTranslator(Translator translator);
// `text` in the user's language; placeholders (%1, %2) are filled afterwards with fill().
std::string translate(const char* context, const char* text);
// `text` with %1 ... %9 replaced by values[0] ... values[8] in one pass, so that
// a value holding "%2" stays as it is.
std::string fill(const std::string& text, std::initializer_list<std::string> values);

} // namespace quor3
