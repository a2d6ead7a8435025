#pragma once

#include <QString>
#include <QStringList>

// A Windows-style private profile file: "[Section]" lines and "Key=Value"
// lines. Sections and keys match without regard to letter case; keys are
// kept verbatim (blanks included), and every other line survives a write.
class ProfileFile
{
  public:
    explicit ProfileFile(QString path);

    // The integer under section/key; `fallback` when the key is missing or
    // empty. Quotes around the value are dropped; a value that does not start
    // with a number reads as 0.
    int readInteger(const QString& section, const QString& key, int fallback) const;
    // Writes the value, creating the file, the section or the key as needed.
    // The file is replaced whole and flushed to disk, so that a stop in the
    // middle leaves the old one; a link in its place is replaced, not followed.
    // Raises a quor3::Error naming the file when it cannot be written.
    void writeInteger(const QString& section, const QString& key, int value) const;

    const QString& path() const { return path_; }

  private:
    QStringList readLines() const;
    QString path_;
};

// The program's settings file "quor3.ini", section "Config", in the per-user
// configuration folder ($XDG_CONFIG_HOME, by default ~/.config).
namespace Settings
{
QString filePath();
int readInteger(const QString& key, int fallback);
void writeInteger(const QString& key, int value);
} // namespace Settings
