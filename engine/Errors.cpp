#include "engine/Errors.h"

#include "engine/Text.h"

#include <cerrno>
#include <charconv>
#include <cstring>

namespace quor3
{

namespace
{

// What the engine names as the action or reason of a file error, for lupdate:
// they reach describe() as variables.
[[maybe_unused]] const char* const fileErrorTexts[] = {
    QT_TRANSLATE_NOOP("quor3::Error", "read"),
    QT_TRANSLATE_NOOP("quor3::Error", "write"),
    QT_TRANSLATE_NOOP("quor3::Error", "restore"),
    QT_TRANSLATE_NOOP("quor3::Error", "open"),
    QT_TRANSLATE_NOOP("quor3::Error", "flush"),
    QT_TRANSLATE_NOOP("quor3::Error", "use the backup folder"),
    QT_TRANSLATE_NOOP("quor3::Error", "remove"),
    QT_TRANSLATE_NOOP("quor3::Error", "open the full history"),
    QT_TRANSLATE_NOOP("quor3::Error", "move to the backup folder"),
    QT_TRANSLATE_NOOP("quor3::Error", "lock"),
    QT_TRANSLATE_NOOP("quor3::Error", "import"),
    QT_TRANSLATE_NOOP("quor3::Error", "create"),
    QT_TRANSLATE_NOOP("quor3::Error", "create the full history"),
    QT_TRANSLATE_NOOP("quor3::Error", "create the backup folder"),
    QT_TRANSLATE_NOOP("quor3::Error", "use"),
    QT_TRANSLATE_NOOP("quor3::Error", "undo the last entry of"),
    QT_TRANSLATE_NOOP("quor3::Error", "replace"),
    QT_TRANSLATE_NOOP("quor3::Error", "read the last draw of"),
    QT_TRANSLATE_NOOP("quor3::Error", "import into"),
    QT_TRANSLATE_NOOP("quor3::Error", "it is not a folder"),
    QT_TRANSLATE_NOOP("quor3::Error", "it is not a regular file"),
    QT_TRANSLATE_NOOP("quor3::Error", "it is not a plain file"),
    QT_TRANSLATE_NOOP("quor3::Error", "it is a symbolic link, which Quor 3 never writes through"),
    QT_TRANSLATE_NOOP("quor3::Error", "the file holds no such record"),
    QT_TRANSLATE_NOOP("quor3::Error", "the database has changed since that entry"),
    QT_TRANSLATE_NOOP("quor3::Error", "it holds no draw"),
    QT_TRANSLATE_NOOP("quor3::Error", "the database holds no draws"),
    QT_TRANSLATE_NOOP("quor3::Error", "the file holds no draw that Quor 3 can read"),
    QT_TRANSLATE_NOOP("quor3::Error", "too many backups within one second"),
    QT_TRANSLATE_NOOP("quor3::Error", "the backup is not on the disk after it was written"),
    QT_TRANSLATE_NOOP("quor3::Error", "input/output error"),
    // SQLite's own reasons, the ones a user meets.
    QT_TRANSLATE_NOOP("quor3::Error", "database is locked"),
    QT_TRANSLATE_NOOP("quor3::Error", "file is not a database"),
    QT_TRANSLATE_NOOP("quor3::Error", "attempt to write a readonly database"),
    QT_TRANSLATE_NOOP("quor3::Error", "disk I/O error"),
    QT_TRANSLATE_NOOP("quor3::Error", "database disk image is malformed"),
    QT_TRANSLATE_NOOP("quor3::Error", "unable to open database file"),
    QT_TRANSLATE_NOOP("quor3::Error", "read the prize tables"),
    QT_TRANSLATE_NOOP("quor3::Error", "read the budget"),
    QT_TRANSLATE_NOOP("quor3::Error", "change"),
    QT_TRANSLATE_NOOP("quor3::Error", "correct"),
    QT_TRANSLATE_NOOP("quor3::Error", "add to"),
    QT_TRANSLATE_NOOP("quor3::Error", "delete a draw of"),
    QT_TRANSLATE_NOOP("quor3::Error", "open for appending"),
    QT_TRANSLATE_NOOP("quor3::Error", "export the draws to"),
    QT_TRANSLATE_NOOP("quor3::Error", "read the full history"),
    QT_TRANSLATE_NOOP("quor3::Error", "write the full history"),
    QT_TRANSLATE_NOOP("quor3::Error", "back up the full history"),
    QT_TRANSLATE_NOOP("quor3::Error", "bring the full history up to date"),
    QT_TRANSLATE_NOOP("quor3::Error", "open the tickets"),
    QT_TRANSLATE_NOOP("quor3::Error", "read the tickets"),
    QT_TRANSLATE_NOOP("quor3::Error", "write the tickets"),
    QT_TRANSLATE_NOOP("quor3::Error", "settle the tickets"),
    QT_TRANSLATE_NOOP("quor3::Error", "write the tickets to"),
    QT_TRANSLATE_NOOP("quor3::Error", "add a ticket to"),
    QT_TRANSLATE_NOOP("quor3::Error", "remove a ticket from"),
    QT_TRANSLATE_NOOP("quor3::Error", "store the prize table in"),
    QT_TRANSLATE_NOOP("quor3::Error", "remove the prize table from"),
    QT_TRANSLATE_NOOP("quor3::Error", "store the monthly budget in"),
    QT_TRANSLATE_NOOP("quor3::Error", "another Quor 3 is changing this database; try again"),
    QT_TRANSLATE_NOOP(
        "quor3::Error",
        "another Quor 3 is changing this database; try again (the lock for reading was lost while waiting)"),
    QT_TRANSLATE_NOOP("quor3::Error", "the file is a symbolic link, which Quor 3 never writes through"),
    QT_TRANSLATE_NOOP("quor3::Error", "the file is not a regular file"),
    QT_TRANSLATE_NOOP("quor3::Error", "it is a draw database, which a CSV file must never replace"),
    QT_TRANSLATE_NOOP("quor3::Error", "Quor 3 keeps its own statistics in a file of that name"),
    QT_TRANSLATE_NOOP("quor3::Error",
                      "Quor 3 keeps its own statistics in a file of that name; choose another name for the database"),
    QT_TRANSLATE_NOOP("quor3::Error", "it is in a backup folder, which holds copies of databases only"),
    QT_TRANSLATE_NOOP("quor3::Error", "it is not a Quor 3 history (another program's file); it is left as it is"),
    QT_TRANSLATE_NOOP("quor3::Error", "its layout version is missing; it is left as it is"),
    QT_TRANSLATE_NOOP("quor3::Error", "the history could not be brought up to date (is it read-only?)"),
    QT_TRANSLATE_NOOP("quor3::Error", "its first day is not a date"),
    QT_TRANSLATE_NOOP("quor3::Error", "the table in force from the earliest date can be changed, not removed"),
    QT_TRANSLATE_NOOP("quor3::Error", "it is the database's full history"),
    QT_TRANSLATE_NOOP("quor3::Error", "it is larger than 200 MB, far more than any results file holds"),
};

std::string describe(const std::filesystem::path& file, const std::string& action)
{
    std::string folder = file.parent_path().string();
    if (folder.empty())
        folder = ".";
    return fill(translate("quor3::Error", "Cannot %1 \"%2\" in %3"),
                {translate("quor3::Error", action.c_str()), file.filename().string(), folder});
}

} // namespace

void throwIoError(const std::filesystem::path& file, const std::string& action)
{
    const int code = errno;
    throwIoError(file, action, code ? std::strerror(code) : "input/output error");
}

void throwIoError(const std::filesystem::path& file, const std::string& action, const std::string& reason)
{
    throw Error(Error::Kind::InputOutput, describe(file, action) + ": " + translate("quor3::Error", reason.c_str()));
}

void throwConversionError(const std::string& text)
{
    throw Error(Error::Kind::Conversion, fill(translate("quor3::Error", "'%1' is not a valid integer value"), {text}));
}

void throwDateError()
{
    throw Error(Error::Kind::Date, translate("quor3::Error", "Invalid argument to date encode"));
}

int toInt(const std::string& text)
{
    // Blanks around the number and a leading '+' are allowed, as in the entry boxes.
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos)
        throwConversionError(text);
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
    int value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end)
        throwConversionError(text);
    return value;
}

} // namespace quor3
