#pragma once

#include <QLocale>

// The language of the windows and messages: English as written in the sources,
// or a translation when the desktop's language has one.
namespace Language
{

// Installs the program's translation and Qt's own (its dialogs' buttons) for
// the first of the locale's languages that is English or has a translation;
// English needs none. Needs the application object. True when a translation
// was installed.
bool install(const QLocale& locale = QLocale::system());
// Back to English, as at start.
void remove();

} // namespace Language
