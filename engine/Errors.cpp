#include "engine/Errors.h"

#include <cerrno>
#include <charconv>
#include <cstring>

namespace quor3
{

namespace
{
std::string describe(const std::filesystem::path& file, const std::string& action)
{
    std::string folder = file.parent_path().string();
    if (folder.empty())
        folder = ".";
    return "Cannot " + action + " \"" + file.filename().string() + "\" in " + folder;
}
} // namespace

void throwIoError(const std::filesystem::path& file, const std::string& action)
{
    const int code = errno;
    throwIoError(file, action, code ? std::strerror(code) : "input/output error");
}

void throwIoError(const std::filesystem::path& file, const std::string& action, const std::string& reason)
{
    throw Error(Error::Kind::InputOutput, describe(file, action) + ": " + reason);
}

void throwConversionError(const std::string& text)
{
    throw Error(Error::Kind::Conversion, "'" + text + "' is not a valid integer value");
}

void throwDateError()
{
    throw Error(Error::Kind::Date, "Invalid argument to date encode");
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
