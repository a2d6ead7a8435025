#pragma once

#include "engine/FileIo.h"

#include <functional>
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

// True for a text holding a control character (below a blank, or DEL): such
// a text is never written into the settings file, where a line break in a
// value would start lines of its own.
bool hasControlCharacter(const std::string& text);

// Every change of the settings file is made under its lock, an advisory flock
// on the folder that holds it, which each writer takes (the program's windows,
// the command line, a timer, any thread): the file is read again under the
// lock, `change` edits its lines (returning false when it changed nothing),
// and the file is replaced atomically. So two writers never lose each other's
// sections. Raises quor3::Error naming the file when the lock cannot be had
// within 5 seconds or the file cannot be written.
void changeSettingsFile(const fs::path& file, const std::function<bool(std::vector<std::string>& lines)>& change);

// A value of the settings file as a number, the one rule of the program and
// the command line (the profile API's): a leading sign and digits, 0 for a
// value that does not start with a number.
int settingsInteger(const std::string& value);

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
    // The value as a number, as the profile API reads it: a leading sign and
    // digits; 0 for a value that does not start with a number; `fallback` when
    // the key is missing or empty.
    int readInteger(const std::string& key, int fallback) const;
    bool exists() const;
    // Writes the values (keys in this order when new), creating the file or
    // the section as needed (changeSettingsFile). A section, key or value
    // holding a control character raises quor3::Error naming the file, and
    // nothing is written.
    void write(const std::vector<std::pair<std::string, std::string>>& values) const;
    // Removes the key; a file without it is left untouched.
    void remove(const std::string& key) const;

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
// Writes the source's keys; the validators are kept only when free of control
// characters (a server's header is no line of ours).
void writeResultsSource(const fs::path& settingsFile, const std::string& databaseName, const ResultsSource& source);

// The validators are sent only while the database holds what it held when
// they were saved: a restore, an undo or any other change of the database
// since makes the next fetch a full one. "ValidFor" keeps a fingerprint of
// the database's bytes beside them.
std::string databaseFingerprint(const fs::path& database);
void saveValidatorsFingerprint(const fs::path& settingsFile, const std::string& databaseName,
                               const std::string& fingerprint);
bool validatorsDescribe(const fs::path& settingsFile, const std::string& databaseName, const fs::path& database);

// The draw (Midday, Evening, ...) the database was last imported or fetched
// as: the "Draw" key of its results section, kept also for a database without
// a source address. Empty when none is known.
std::string rememberedDrawName(const fs::path& settingsFile, const std::string& databaseName);
void rememberDrawName(const fs::path& settingsFile, const std::string& databaseName, const std::string& drawName);

// The add window's "Don't ask again for this database" answer to the question
// before a cut-back: a key per database in the section "No Cut-Back
// Question", the database's absolute path with "%XX" for every byte but
// small letters, digits, "-", ".", "_", "~" and "/" (capitals too, since keys
// match without regard to case and file names do not).
inline const char* const CutBackQuestionSection = "No Cut-Back Question";
std::string cutBackQuestionKey(const fs::path& database);
// True when the player said Yes and "Don't ask again" for this database.
bool cutBackAgreedForGood(const fs::path& settingsFile, const fs::path& database);

// The current local time as "2026-12-07T19:45:00".
std::string isoDateTimeNow();

} // namespace quor3
