#include "engine/cli/GameImportCommand.h"

#include "engine/GameImport.h"
#include "engine/Rebuild.h"
#include "engine/ResultsSource.h"
#include "engine/Text.h"

#include <algorithm>
#include <iostream>

namespace quor3
{

int runGameImportCommand(const std::vector<std::string>& args)
{
    if (args.size() < 4 || args[0] != "import" || std::find(args.begin(), args.end(), "--all-draws") == args.end())
        return -1;
    ImportMode mode = ImportMode::Merge;
    std::vector<fs::path> files;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--replace")
            mode = ImportMode::Replace;
        else if (args[i] != "--all-draws")
            files.emplace_back(args[i]);
    }
    if (files.empty())
        return -1;
    const fs::path path(args[1]);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::vector<ImportScan> scans;
    for (const fs::path& file : files) {
        scans.push_back(importFile(file));
        std::cout << fill(translate("quor3::CommandLine", "Layout: %1"), {scans.back().layout}) << '\n';
        if (scans.back().skippedCount > 0)
            std::cout << fill(translate("quor3::CommandLine", "Skipped %1 lines of %2."),
                              {std::to_string(scans.back().skippedCount), file.string()})
                      << '\n';
    }
    const std::vector<GameDrawPlan> plans = planGameImport(path, scans, files);
    std::string origin;
    for (const fs::path& file : files)
        origin += (origin.empty() ? "" : ", ") + file.string();
    int status = 0;
    for (const GameDrawImport& done :
         storeGameImport(folder, plans, mode, origin, settingsFilePath(), databaseNameFor(path))) {
        std::cout << done.plan.drawName << ": " << done.plan.databaseName << '\n'
                  << "  " << describeImport(done.outcome) << '\n';
        if (!done.rebuildFailure.empty()) {
            std::cout << "  " << done.rebuildFailure << '\n';
            status = 3;
        }
    }
    return status;
}

} // namespace quor3
