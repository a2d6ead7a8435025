#include "engine/ResultsSource.h"

#include "engine/DataFiles.h"
#include "engine/Errors.h"
#include "engine/Text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

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

const char* const SettingsBusy = QT_TRANSLATE_NOOP("quor3::Error", "another Quor 3 is changing it; try again");
const char* const ControlCharacter =
    QT_TRANSLATE_NOOP("quor3::Error", "a value holds a control character (a line break or the like)");

// The advisory lock of the settings file, held for one change: a flock on its
// folder, which leaves no file of its own behind. Each take opens the folder
// anew, so that two threads of one process exclude each other as two
// processes do.
class SettingsLock
{
  public:
    explicit SettingsLock(const fs::path& file)
    {
        const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
        fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0)
            throwIoError(file, "lock");
        // Polled, so that the wait is bounded.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
                const int code = errno;
                ::close(fd_);
                if (code == EWOULDBLOCK)
                    throwIoError(file, "write", SettingsBusy);
                errno = code;
                throwIoError(file, "lock");
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    ~SettingsLock() { ::close(fd_); }
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

  private:
    int fd_ = -1;
};

// The scratch copies (".quor3.ini.PID-N") that a writer killed mid-write left;
// called holding the lock, when no live writer of this file can be at work
// without it.
void removeLeftoverScratchCopies(const fs::path& file)
{
    const std::string prefix = "." + file.filename().string() + ".";
    std::error_code error;
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string tail = name.substr(prefix.size());
        const auto dash = tail.find('-');
        if (dash == std::string::npos || dash == 0 || dash > 9 || dash + 1 == tail.size() ||
            tail.find_first_not_of("0123456789-") != std::string::npos || tail.find('-', dash + 1) != std::string::npos)
            continue;
        const pid_t owner = static_cast<pid_t>(std::stol(tail.substr(0, dash)));
        if (owner <= 0 || owner == ::getpid() || ::kill(owner, 0) == 0 || errno != ESRCH)
            continue;
        ::unlink(it->path().c_str());
    }
}

} // namespace

int settingsInteger(const std::string& value)
{
    std::size_t end = 0;
    if (end < value.size() && (value[end] == '-' || value[end] == '+'))
        ++end;
    const std::size_t digits = end;
    while (end < value.size() && std::isdigit(static_cast<unsigned char>(value[end])))
        ++end;
    if (end == digits)
        return 0;
    const long long number = std::strtoll(value.substr(0, std::min<std::size_t>(end, 19)).c_str(), nullptr, 10);
    return static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, number)));
}

bool hasControlCharacter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; });
}

void changeSettingsFile(const fs::path& file, const std::function<bool(std::vector<std::string>& lines)>& change)
{
    std::error_code ignored;
    fs::create_directories(file.parent_path(), ignored);
    const SettingsLock lock(file);
    removeLeftoverScratchCopies(file);
    std::vector<std::string> lines = linesOf(file);
    if (change(lines))
        replaceFileAtomically(file, joinLines(lines));
}

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

int SettingsSection::readInteger(const std::string& key, int fallback) const
{
    const std::optional<std::string> value = read(key);
    return !value || value->empty() ? fallback : settingsInteger(*value);
}

void SettingsSection::write(const std::vector<std::pair<std::string, std::string>>& values) const
{
    const bool unsafe = hasControlCharacter(section_) || section_.find(']') != std::string::npos ||
                        std::any_of(values.begin(), values.end(), [](const auto& v) {
                            return hasControlCharacter(v.first) || hasControlCharacter(v.second) ||
                                   v.first.find('=') != std::string::npos;
                        });
    if (unsafe)
        throwIoError(file_, "write", ControlCharacter);
    changeSettingsFile(file_, [&](std::vector<std::string>& lines) {
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
        return true;
    });
}

void SettingsSection::remove(const std::string& key) const
{
    changeSettingsFile(file_, [&](std::vector<std::string>& lines) {
        bool inSection = false, removed = false;
        std::string current;
        for (auto line = lines.begin(); line != lines.end();) {
            if (isSection(*line, &current)) {
                inSection = sameNoCase(current, section_);
            } else if (inSection && isKey(*line, key)) {
                line = lines.erase(line);
                removed = true;
                continue;
            }
            ++line;
        }
        return removed;
    });
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
    // A validator is the server's text: one with a control character is not
    // kept (the next fetch is a full one), never written as lines of its own.
    auto validator = [](const std::string& v) { return hasControlCharacter(v) ? std::string() : v; };
    // An ETag holds quotes of its own; they are kept by quoting the value.
    auto quoted = [](const std::string& v) { return v.empty() ? v : "\"" + v + "\""; };
    SettingsSection(settingsFile, resultsSectionName(databaseName))
        .write({{"Address", source.address},
                {"Draw", source.drawName},
                {"CheckAtOpen", source.checkAtOpen ? "1" : "0"},
                {"LastChecked", source.lastChecked},
                {"ETag", quoted(validator(source.etag))},
                {"LastModified", validator(source.lastModified)}});
}

std::string databaseFingerprint(const fs::path& database)
{
    if (!fileExists(database))
        return {};
    // FNV-1a of the bytes and their count: a change of any draw changes it.
    const std::string bytes = readWholeFile(database);
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%zu-%016llx", bytes.size(), static_cast<unsigned long long>(hash));
    return text;
}

void saveValidatorsFingerprint(const fs::path& settingsFile, const std::string& databaseName,
                               const std::string& fingerprint)
{
    SettingsSection(settingsFile, resultsSectionName(databaseName)).write({{"ValidFor", fingerprint}});
}

bool validatorsDescribe(const fs::path& settingsFile, const std::string& databaseName, const fs::path& database)
{
    const std::string saved =
        SettingsSection(settingsFile, resultsSectionName(databaseName)).read("ValidFor").value_or("");
    return !saved.empty() && saved == databaseFingerprint(database);
}

std::string rememberedDrawName(const fs::path& settingsFile, const std::string& databaseName)
{
    return SettingsSection(settingsFile, resultsSectionName(databaseName)).read("Draw").value_or("");
}

void rememberDrawName(const fs::path& settingsFile, const std::string& databaseName, const std::string& drawName)
{
    if (drawName.empty() || hasControlCharacter(drawName))
        return;
    SettingsSection(settingsFile, resultsSectionName(databaseName)).write({{"Draw", drawName}});
}

std::string cutBackQuestionKey(const fs::path& database)
{
    std::error_code error;
    fs::path path = fs::absolute(database, error);
    if (error)
        path = database;
    std::string text = path.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    std::string key;
    for (unsigned char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
            c == '/') {
            key += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            key += escaped;
        }
    }
    return key;
}

bool cutBackAgreedForGood(const fs::path& settingsFile, const fs::path& database)
{
    return SettingsSection(settingsFile, CutBackQuestionSection).readInteger(cutBackQuestionKey(database), 0) != 0;
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
