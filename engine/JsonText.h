#pragma once

#include <string>

namespace quor3
{

// The pieces of the command line's JSON output.

// A JSON string literal: quotes, backslashes and control characters escaped;
// other bytes pass as they are.
std::string jsonString(const std::string& text);
// The shortest decimal form that reads back as the same double; null for a
// value JSON cannot hold.
std::string jsonNumber(double value);

} // namespace quor3
