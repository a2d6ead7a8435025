#include "engine/ResultsSource.h"

#include "engine/DataFiles.h"

#include <cctype>
#include <cstdlib>
#include <ctime>

namespace quor3
{

namespace
{

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool sameNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool isSection(const std::string& line, std::string* name)
{
    const std::string t = trimmed(line);
    if (t.empty() || t[0] != '[' || t.find(']') == std::string::npos)
        return false;
    *name = trimmed(t.substr(1, t.find(']') - 1));
    return true;
}

bool isKey(const std::string& line, const std::string& key)
{
    const auto eq = line.find('=');
    return eq != std::string::npos && eq > 0 && sameNoCase(trimmed(line.substr(0, eq)), key);
}

std::vector<std::string> linesOf(const fs::path& file)
{
    return fileExists(file) ? readTextLines(file) : std::vector<std::string>{};
}

} // namespace

fs::path settingsFilePath()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return fs::path(config) / "quor3.ini";
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : ".") / ".config" / "quor3.ini";
}

SettingsSection::SettingsSection(fs::path file, std::string section)
    : file_(std::move(file)), section_(std::move(section))
{
}

bool SettingsSection::exists() const
{
    std::string current;
    for (const std::string& line : linesOf(file_))
        if (isSection(line, &current) && sameNoCase(current, section_))
            return true;
    return false;
}

std::optional<std::string> SettingsSection::read(const std::string& key) const
{
    std::string current;
    bool inSection = false;
    for (const std::string& line : linesOf(file_)) {
        if (isSection(line, &current)) {
            inSection = sameNoCase(current, section_);
            continue;
        }
        if (!inSection || !isKey(line, key))
            continue;
        std::string value = trimmed(line.substr(line.find('=') + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = trimmed(value.substr(1, value.size() - 2));
        return value;
    }
    return std::nullopt;
}

void SettingsSection::write(const std::vector<std::pair<std::string, std::string>>& values) const
{
    std::vector<std::string> lines = linesOf(file_);
    for (const auto& [key, value] : values) {
        const std::string entry = key + "=" + value;
        std::string current;
        int sectionLine = -1;
        std::size_t insertAt = 0;
        bool written = false;
        for (std::size_t i = 0; i < lines.size() && !written; ++i) {
            if (isSection(lines[i], &current)) {
                if (sectionLine >= 0)
                    break; // the section ended without the key
                if (sameNoCase(current, section_)) {
                    sectionLine = static_cast<int>(i);
                    insertAt = i + 1;
                }
                continue;
            }
            if (sectionLine < 0)
                continue;
            if (isKey(lines[i], key)) {
                // The key keeps its spelling in the file; only the value changes.
                lines[i] = lines[i].substr(0, lines[i].find('=') + 1) + value;
                written = true;
            } else if (!trimmed(lines[i]).empty()) {
                insertAt = i + 1;
            }
        }
        if (written)
            continue;
        if (sectionLine >= 0) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
        } else {
            lines.push_back("[" + section_ + "]");
            lines.push_back(entry);
        }
    }
    std::error_code ignored;
    fs::create_directories(file_.parent_path(), ignored);
    replaceFileAtomically(file_, joinLines(lines));
}

std::string resultsSectionName(const std::string& databaseName)
{
    return "Results " + databaseName;
}

std::optional<ResultsSource> readResultsSource(const fs::path& settingsFile, const std::string& databaseName)
{
    const SettingsSection section(settingsFile, resultsSectionName(databaseName));
    ResultsSource source;
    source.address = section.read("Address").value_or("");
    if (source.address.empty())
        return std::nullopt;
    source.drawName = section.read("Draw").value_or("");
    source.checkAtOpen = section.read("CheckAtOpen").value_or("1") != "0";
    source.lastChecked = section.read("LastChecked").value_or("");
    source.etag = section.read("ETag").value_or("");
    source.lastModified = section.read("LastModified").value_or("");
    return source;
}

void writeResultsSource(const fs::path& settingsFile, const std::string& databaseName, const ResultsSource& source)
{
    // An ETag holds quotes of its own; they are kept by quoting the value.
    auto quoted = [](const std::string& v) { return v.empty() ? v : "\"" + v + "\""; };
    SettingsSection(settingsFile, resultsSectionName(databaseName))
        .write({{"Address", source.address},
                {"Draw", source.drawName},
                {"CheckAtOpen", source.checkAtOpen ? "1" : "0"},
                {"LastChecked", source.lastChecked},
                {"ETag", quoted(source.etag)},
                {"LastModified", source.lastModified}});
}

std::string isoDateTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

} // namespace quor3
