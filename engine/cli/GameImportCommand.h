#pragma once

#include <string>
#include <vector>

namespace quor3
{

// import PATH FILE... --all-draws [--replace]: every draw of the files, each
// in its own database beside PATH (GameImport.h), one line per database.
// Returns the exit status, or -1 for any other command line.
int runGameImportCommand(const std::vector<std::string>& args);

} // namespace quor3
