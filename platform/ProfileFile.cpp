#include "platform/ProfileFile.h"

#include "engine/DataFiles.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/ResultsSource.h"

#include <QDir>

namespace
{

QString text(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The section a "[Name]" line opens, or a null string for any other line.
QString sectionOf(const std::string& line)
{
    const QString t = text(line).trimmed();
    if (!t.startsWith('[') || !t.contains(']'))
        return QString();
    return t.mid(1, t.indexOf(']') - 1).trimmed();
}

bool isKey(const std::string& line, const QString& key)
{
    const auto eq = line.find('=');
    return eq != std::string::npos && eq > 0 &&
           text(line.substr(0, eq)).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

// The file's lines as raw bytes, so that rewriting one key keeps the others.
std::vector<std::string> ProfileFile::readLines() const
{
    const std::filesystem::path file(path_.toStdString());
    return quor3::fileExists(file) ? quor3::readTextLines(file) : std::vector<std::string>{};
}

QString ProfileFile::readText(const QString& section, const QString& key, const QString& fallback) const
{
    bool inSection = false;
    for (const std::string& line : readLines()) {
        const QString name = sectionOf(line);
        if (!name.isNull()) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection || !isKey(line, key))
            continue;
        QString value = text(line.substr(line.find('=') + 1)).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2).trimmed();
        return value.isEmpty() ? fallback : value;
    }
    return fallback;
}

int ProfileFile::readInteger(const QString& section, const QString& key, int fallback) const
{
    const QString value = readText(section, key);
    // One rule with the command line's reading (quor3::settingsInteger).
    return value.isEmpty() ? fallback : quor3::settingsInteger(value.toStdString());
}

void ProfileFile::writeText(const QString& section, const QString& key, const QString& value) const
{
    // One writer of the file for the program and the command line: under the
    // settings lock, the file read again and one key changed.
    quor3::SettingsSection(std::filesystem::path(path_.toStdString()), section.toStdString())
        .write({{key.toStdString(), value.toStdString()}});
}

void ProfileFile::writeInteger(const QString& section, const QString& key, int value) const
{
    writeText(section, key, QString::number(value));
}

void ProfileFile::removeKey(const QString& section, const QString& key) const
{
    quor3::SettingsSection(std::filesystem::path(path_.toStdString()), section.toStdString()).remove(key.toStdString());
}

namespace Settings
{

QString filePath()
{
    // $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + "/.config";
    return base + "/quor3.ini";
}

int readInteger(const QString& key, int fallback)
{
    return ProfileFile(filePath()).readInteger("Config", key, fallback);
}

void writeInteger(const QString& key, int value)
{
    ProfileFile(filePath()).writeInteger("Config", key, value);
}

QString readText(const QString& key, const QString& fallback)
{
    return ProfileFile(filePath()).readText("Config", key, fallback);
}

void writeText(const QString& key, const QString& value)
{
    ProfileFile(filePath()).writeText("Config", key, value);
}

} // namespace Settings
