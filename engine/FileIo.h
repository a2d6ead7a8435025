#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quor3
{

namespace fs = std::filesystem;

// Whole-file reads and writes. Every statistic reads its file in one call and
// every derived file is created (truncated) and written in one call.
bool fileExists(const fs::path& file);
std::string readWholeFile(const fs::path& file);
void writeWholeFile(const fs::path& file, const std::string& bytes);
void appendToFile(const fs::path& file, const std::string& bytes);
// Writes the bytes to a scratch file, flushes it to disk and renames it over
// the target in one step, so that the target is always whole.
void replaceFileAtomically(const fs::path& file, const fs::path& scratch, const std::string& bytes);

// Tests replace the rename step to stop a replacement at its worst moment.
using RenameFunction = int (*)(const char* from, const char* to);
void setRenameFunctionForTesting(RenameFunction rename);

} // namespace quor3
