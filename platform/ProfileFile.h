#pragma once

#include <QString>

#include <string>
#include <vector>

// A Windows-style private profile file: "[Section]" lines and "Key=Value"
// lines. Sections and keys match without regard to letter case; keys are
// kept verbatim (blanks included), and every other line survives a write byte
// for byte. Values are UTF-8, so a path with any letters in it comes back as
// it was written.
class ProfileFile
{
  public:
    explicit ProfileFile(QString path);

    // The value under section/key; `fallback` when the key is missing or
    // empty. Blanks and quotes around the value are dropped.
    QString readText(const QString& section, const QString& key, const QString& fallback = QString()) const;
    // As readText; a value that does not start with a number reads as 0.
    int readInteger(const QString& section, const QString& key, int fallback) const;
    // Writes the value (an empty one clears it), creating the file, the
    // section or the key as needed. Under the settings lock the file is read
    // again and only this key changed (quor3::changeSettingsFile), so that
    // another writer's change is kept; it is replaced whole and flushed to
    // disk, so that a stop in the middle leaves the old one; a link in its
    // place is replaced, not followed. Raises a quor3::Error naming the file
    // when it cannot be written or the value holds a control character.
    void writeText(const QString& section, const QString& key, const QString& value) const;
    void writeInteger(const QString& section, const QString& key, int value) const;
    // Removes the key from the section, rewriting the file as writeText
    // does; a file without the key is left untouched.
    void removeKey(const QString& section, const QString& key) const;

    const QString& path() const { return path_; }

  private:
    std::vector<std::string> readLines() const;
    QString path_;
};

// The program's settings file "quor3.ini", section "Config", in the per-user
// configuration folder ($XDG_CONFIG_HOME, by default ~/.config): numbers, and
// texts such as paths and addresses.
namespace Settings
{
QString filePath();
int readInteger(const QString& key, int fallback);
void writeInteger(const QString& key, int value);
QString readText(const QString& key, const QString& fallback = QString());
void writeText(const QString& key, const QString& value);
} // namespace Settings
