#pragma once

#include "engine/DrawRecord.h"

#include <functional>
#include <string>
#include <vector>

namespace quor3
{

// The command line's chance, wheel and tickets horizon commands.

// Their lines of the usage text, in the user's language.
std::string chanceUsage();

// The database a PATH argument names, with its history made ready.
using DatabaseLocator = std::function<fs::path(const std::string& path)>;

// chance PATH [--all] [--json]; wheel --digits DIGITS --type TYPE [options];
// tickets PATH horizon [--draws N] [--json]. Returns the exit status, or -1
// for any other command line.
int runChanceCommand(const std::vector<std::string>& args, const DatabaseLocator& locate);

} // namespace quor3
