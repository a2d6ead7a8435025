#include "engine/Errors.h"

#include <cerrno>
#include <climits>
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
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t firstDigit = i;
    long long value = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            throwConversionError(text);
        ++i;
    }
    if (i == firstDigit)
        throwConversionError(text);
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        throwConversionError(text);
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        throwConversionError(text);
    return static_cast<int>(value);
}

} // namespace quor3
