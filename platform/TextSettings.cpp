#include "platform/TextSettings.h"

#include "engine/DataFiles.h"
#include "engine/FileIo.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>

namespace
{

const QString section = QStringLiteral("Config");

// The file's lines as raw bytes, so that rewriting one key keeps the others.
std::vector<std::string> readLines(const std::filesystem::path& file)
{
    return quor3::fileExists(file) ? quor3::readTextLines(file) : std::vector<std::string>{};
}

QString text(const std::string& line)
{
    return QString::fromUtf8(line.data(), static_cast<int>(line.size()));
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

namespace Settings
{

QString readText(const QString& key, const QString& fallback)
{
    bool inSection = false;
    for (const std::string& line : readLines(filePath().toStdString())) {
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

void writeText(const QString& key, const QString& value)
{
    const std::filesystem::path file = filePath().toStdString();
    std::vector<std::string> lines = readLines(file);
    const std::string entry = (key + "=" + value).toStdString();
    std::ptrdiff_t sectionLine = -1, insertAt = -1;
    bool written = false;
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        const QString name = sectionOf(lines[i]);
        if (!name.isNull()) {
            if (sectionLine >= 0)
                break; // the section ended without the key
            if (name.compare(section, Qt::CaseInsensitive) == 0)
                sectionLine = insertAt = static_cast<std::ptrdiff_t>(i) + 1;
            continue;
        }
        if (sectionLine < 0)
            continue;
        if (isKey(lines[i], key)) {
            // The key keeps its spelling in the file; only the value changes.
            lines[i] = lines[i].substr(0, lines[i].find('=') + 1) + value.toStdString();
            written = true;
        } else if (!text(lines[i]).trimmed().isEmpty()) {
            insertAt = static_cast<std::ptrdiff_t>(i) + 1;
        }
    }
    if (!written && sectionLine >= 0)
        lines.insert(lines.begin() + insertAt, entry);
    else if (!written)
        lines.insert(lines.end(), {"[" + section.toStdString() + "]", entry});
    QDir().mkpath(QFileInfo(filePath()).absolutePath());
    quor3::replaceFileAtomically(file, quor3::joinLines(lines));
}

} // namespace Settings
