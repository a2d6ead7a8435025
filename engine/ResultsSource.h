#pragma once

#include "engine/FileIo.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quor3
{

// The program's settings file "quor3.ini" in the per-user configuration
// folder ($XDG_CONFIG_HOME when absolute, else ~/.config), as the program
// finds it, so that the command line and a timer read the same sources.
fs::path settingsFilePath();

// A Windows-style profile file read and written without the user interface:
// sections and keys match without regard to letter case, and every other line
// survives a write.
class SettingsSection
{
  public:
    SettingsSection(fs::path file, std::string section);
    // The value of `key` (quotes around it dropped); nothing when the file,
    // the section or the key is missing.
    std::optional<std::string> read(const std::string& key) const;
    bool exists() const;
    // Writes the values (keys in this order when new), creating the file or
    // the section as needed; the file is replaced atomically.
    void write(const std::vector<std::pair<std::string, std::string>>& values) const;

  private:
    fs::path file_;
    std::string section_;
};

// Where a database's new results come from: "[Results NAME.c3d]" in the
// settings file.
struct ResultsSource {
    std::string address;
    std::string drawName; // empty when the file names one draw or none
    bool checkAtOpen = true;
    std::string lastChecked; // ISO date-time of the last successful fetch
    std::string etag;
    std::string lastModified;
};

std::string resultsSectionName(const std::string& databaseName);
// Nothing when the database has no source (no section, or no address).
std::optional<ResultsSource> readResultsSource(const fs::path& settingsFile, const std::string& databaseName);
void writeResultsSource(const fs::path& settingsFile, const std::string& databaseName, const ResultsSource& source);

// The current local time as "2026-12-07T19:45:00".
std::string isoDateTimeNow();

} // namespace quor3
