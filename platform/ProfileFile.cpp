#include "platform/ProfileFile.h"

#include "engine/DataFiles.h"
#include "engine/Errors.h"

#include <QDir>
#include <QFileInfo>

#include <climits>

namespace
{

bool isSection(const QString& line, QString* name)
{
    const QString t = line.trimmed();
    if (!t.startsWith('[') || !t.contains(']'))
        return false;
    *name = t.mid(1, t.indexOf(']') - 1).trimmed();
    return true;
}

bool isKey(const QString& line, const QString& key)
{
    const int eq = line.indexOf('=');
    return eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

QStringList ProfileFile::readLines() const
{
    const std::filesystem::path file(path_.toStdString());
    if (!quor3::fileExists(file))
        return {};
    QStringList lines;
    for (const auto& line : quor3::readTextLines(file))
        lines << QString::fromLatin1(line.data(), static_cast<int>(line.size())); // every byte kept
    return lines;
}

int ProfileFile::readInteger(const QString& section, const QString& key, int fallback) const
{
    QString current;
    bool inSection = false;
    for (const QString& line : readLines()) {
        if (isSection(line, &current)) {
            inSection = current.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection || !isKey(line, key))
            continue;
        QString value = line.mid(line.indexOf('=') + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2).trimmed();
        if (value.isEmpty())
            return fallback;
        // Leading sign and digits, as the profile API reads them.
        int end = 0;
        if (end < value.size() && (value[end] == '-' || value[end] == '+'))
            ++end;
        while (end < value.size() && value[end].isDigit())
            ++end;
        bool ok = false;
        const long long number = value.left(end).toLongLong(&ok);
        if (!ok)
            return 0;
        return static_cast<int>(
            qBound<long long>(static_cast<long long>(INT_MIN), number, static_cast<long long>(INT_MAX)));
    }
    return fallback;
}

void ProfileFile::writeInteger(const QString& section, const QString& key, int value) const
{
    QStringList lines = readLines();
    const QString entry = key + "=" + QString::number(value);
    QString current;
    int sectionLine = -1;
    int insertAt = -1;
    bool written = false;
    for (int i = 0; i < lines.size() && !written; ++i) {
        if (isSection(lines[i], &current)) {
            if (sectionLine >= 0)
                break; // the section ended without the key
            if (current.compare(section, Qt::CaseInsensitive) == 0) {
                sectionLine = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionLine < 0)
            continue;
        if (isKey(lines[i], key)) {
            // The key keeps its spelling in the file; only the value changes.
            lines[i] = lines[i].left(lines[i].indexOf('=') + 1) + QString::number(value);
            written = true;
        } else if (!lines[i].trimmed().isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (!written) {
        if (sectionLine >= 0) {
            lines.insert(insertAt, entry);
        } else {
            lines << "[" + section + "]" << entry;
        }
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    std::vector<std::string> out;
    for (const QString& line : lines)
        out.push_back(line.toLatin1().toStdString());
    // A stop in the middle leaves the old file, never an empty one.
    quor3::replaceFileAtomically(std::filesystem::path(path_.toStdString()), quor3::joinLines(out));
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

} // namespace Settings
