#pragma once

#include <QString>

// Text values in the settings file "quor3.ini", section "Config", beside the
// integer ones of Settings::readInteger: paths and addresses. Keys match
// without regard to letter case, and every other line of the file survives a
// write byte for byte. Values are UTF-8, so a path with any letters in it
// comes back as it was written.
namespace Settings
{
// The value under `key`; `fallback` when the key is missing or empty. Quotes
// around the value are dropped.
QString readText(const QString& key, const QString& fallback = QString());
// Writes the value (an empty one clears it), creating the file or the key as
// needed; the file is replaced atomically. Raises a quor3::Error naming the
// file when it cannot be written.
void writeText(const QString& key, const QString& value);
} // namespace Settings
