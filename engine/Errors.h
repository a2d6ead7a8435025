#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace quor3
{

// The one error type of the program. Every command that fails raises it with a
// message fit for the user; the guard at the window edge shows it and the
// program goes on. Files already written stay as written.
class Error : public std::runtime_error
{
  public:
    enum class Kind { InputOutput, Conversion, Date };
    Error(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
    Kind kind() const { return kind_; }

  private:
    Kind kind_;
};

// "Cannot <action> "<file>" in <folder>: <system reason>" with the reason from errno.
[[noreturn]] void throwIoError(const std::filesystem::path& file, const std::string& action);
// The same with a reason of our own (short file, missing record).
[[noreturn]] void throwIoError(const std::filesystem::path& file, const std::string& action, const std::string& reason);
// "'<text>' is not a valid integer value"
[[noreturn]] void throwConversionError(const std::string& text);
// "Invalid argument to date encode"
[[noreturn]] void throwDateError();

// Text to integer the way the settings and entry boxes read numbers: blanks
// around an optionally signed decimal number; anything else is a conversion
// error naming the text.
int toInt(const std::string& text);

} // namespace quor3
