#include "engine/GameImport.h"

#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/History.h"
#include "engine/Rebuild.h"
#include "engine/ResultsSource.h"
#include "engine/Text.h"

#include <boost/algorithm/string/predicate.hpp>

#include <algorithm>
#include <cctype>
#include <map>

namespace quor3
{

namespace
{

// The times of day a draw is named by, in the order of the day.
const std::pair<const char*, int> timesOfDay[] = {{"morning", 0},   {"midday", 1},  {"noon", 1}, {"day", 2},
                                                  {"afternoon", 2}, {"evening", 3}, {"night", 4}};
constexpr int noTimeOfDay = 5;

std::vector<std::string> lowerWords(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

// The time word of a name ("midday" of "Midday Daily #"), or "".
std::string timeWord(const std::string& name)
{
    for (const std::string& w : lowerWords(name))
        for (const auto& [t, order] : timesOfDay)
            if (w == t)
                return w;
    return {};
}

class QuietStatus : public StatusSink
{
  public:
    void setStatusText(int, const std::string&) override {}
};

const char* const gameKey = "Game";

} // namespace

int drawTimeOfDay(const std::string& drawName)
{
    const std::string word = timeWord(drawName);
    for (const auto& [t, order] : timesOfDay)
        if (word == t)
            return order;
    return noTimeOfDay;
}

std::string gameDrawDatabaseName(const fs::path& databasePath, const std::string& drawName)
{
    std::string part = timeWord(drawName);
    if (part.empty()) {
        for (const std::string& w : lowerWords(drawName))
            part += (part.empty() ? "" : "-") + w;
    }
    const std::string tail = "-" + part + databasePath.extension().string();
    std::string game = databasePath.stem().string();
    // The draw's part is what tells the databases apart: the game's gives way.
    const std::size_t limit = 25;
    if (game.size() + tail.size() > limit) {
        game.resize(tail.size() < limit ? limit - tail.size() : 1);
        while (!game.empty() && (static_cast<unsigned char>(game.back()) & 0xC0) == 0x80)
            game.pop_back();
        if (!game.empty() && (static_cast<unsigned char>(game.back()) & 0x80))
            game.pop_back();
    }
    return databaseNameFor(game + tail);
}

std::vector<GameDrawPlan> planGameImport(const fs::path& databasePath, const std::vector<ImportScan>& scans,
                                         const std::vector<fs::path>& files)
{
    std::vector<GameDrawPlan> plans;
    auto planFor = [&plans](const std::string& drawName) -> GameDrawPlan& {
        for (GameDrawPlan& p : plans)
            if (boost::iequals(p.drawName, drawName))
                return p;
        plans.push_back(GameDrawPlan{drawName, {}, {}});
        return plans.back();
    };
    for (std::size_t f = 0; f < scans.size(); ++f) {
        const ImportScan& scan = scans[f];
        if (scan.drawNames.empty()) {
            const std::string stem = f < files.size() ? files[f].stem().string() : std::string();
            std::string name = timeWord(stem);
            if (name.empty())
                name = stem;
            else
                name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
            const ChosenDraws chosen = chooseDraw(scan, std::string());
            GameDrawPlan& plan = planFor(name);
            plan.chosen.draws.insert(plan.chosen.draws.end(), chosen.draws.begin(), chosen.draws.end());
            plan.chosen.repeatedDraws += chosen.repeatedDraws;
            continue;
        }
        for (const std::string& drawName : scan.drawNames) {
            const ChosenDraws chosen = chooseDraw(scan, drawName);
            GameDrawPlan& plan = planFor(drawName);
            plan.chosen.draws.insert(plan.chosen.draws.end(), chosen.draws.begin(), chosen.draws.end());
            plan.chosen.repeatedDraws += chosen.repeatedDraws;
        }
    }
    plans.erase(
        std::remove_if(plans.begin(), plans.end(), [](const GameDrawPlan& p) { return p.chosen.draws.empty(); }),
        plans.end());
    if (plans.empty())
        throw Error(Error::Kind::InputOutput,
                    translate("quor3::GameImport", "The files hold no draw that Quor 3 can read; nothing changed."));
    std::stable_sort(plans.begin(), plans.end(), [](const GameDrawPlan& a, const GameDrawPlan& b) {
        return drawTimeOfDay(a.drawName) < drawTimeOfDay(b.drawName);
    });
    for (GameDrawPlan& plan : plans) {
        // Several files may hold the same draw: oldest first, each date once.
        std::stable_sort(plan.chosen.draws.begin(), plan.chosen.draws.end(),
                         [](const DrawRecord& a, const DrawRecord& b) { return a.DrawDate < b.DrawDate; });
        plan.databaseName = gameDrawDatabaseName(databasePath, plan.drawName);
    }
    for (std::size_t i = 0; i < plans.size(); ++i)
        for (std::size_t j = i + 1; j < plans.size(); ++j)
            if (plans[i].databaseName == plans[j].databaseName)
                throw Error(Error::Kind::InputOutput,
                            fill(translate("quor3::GameImport",
                                           "The draws \"%1\" and \"%2\" would share the database %3; nothing "
                                           "changed. Import them one at a time with --draw."),
                                 {plans[i].drawName, plans[j].drawName, plans[i].databaseName}));
    return plans;
}

std::vector<GameDrawImport> storeGameImport(const fs::path& folder, const std::vector<GameDrawPlan>& plans,
                                            ImportMode mode, const std::string& origin, const fs::path& settingsFile,
                                            const std::string& sourceDatabase)
{
    const std::optional<ResultsSource> source = readResultsSource(settingsFile, sourceDatabase);
    for (const GameDrawPlan& plan : plans)
        refuseReservedDatabaseName(folder, plan.databaseName);
    std::vector<GameDrawImport> done;
    std::vector<std::string> names;
    for (const GameDrawPlan& plan : plans) {
        GameDrawImport one{plan, {}, {}};
        const fs::path database = folder / plan.databaseName;
        if (fileExists(database) || fileExists(historyFileFor(database)))
            ensureHistory(database);
        {
            // One change: no other writer comes between the import and its rebuild.
            const DatabaseLock lock(folder, plan.databaseName, DatabaseLock::Exclusive);
            one.outcome = storeImport(folder, plan.databaseName, plan.chosen.draws, mode, origin);
            QuietStatus status;
            one.rebuildFailure = rebuildAfterChange(folder, plan.databaseName, FirstPanels::TotalAndLastDate, status);
        }
        rememberDrawName(settingsFile, plan.databaseName, plan.drawName);
        if (source && !source->address.empty() && plan.databaseName != sourceDatabase) {
            ResultsSource own;
            own.address = source->address;
            own.drawName = plan.drawName;
            own.checkAtOpen = source->checkAtOpen;
            writeResultsSource(settingsFile, plan.databaseName, own);
        }
        names.push_back(plan.databaseName);
        done.push_back(std::move(one));
    }
    rememberGame(settingsFile, names);
    return done;
}

std::vector<std::string> gameDatabases(const fs::path& settingsFile, const std::string& databaseName)
{
    const std::string list = SettingsSection(settingsFile, resultsSectionName(databaseName)).read(gameKey).value_or("");
    std::vector<std::string> names;
    std::string name;
    for (char c : list + "|") {
        if (c != '|') {
            name += c;
        } else if (!name.empty()) {
            names.push_back(name);
            name.clear();
        }
    }
    if (std::find(names.begin(), names.end(), databaseName) == names.end())
        return {databaseName};
    return names;
}

void rememberGame(const fs::path& settingsFile, const std::vector<std::string>& databaseNames)
{
    std::string list;
    for (const std::string& name : databaseNames)
        list += (list.empty() ? "" : "|") + name;
    for (const std::string& name : databaseNames)
        SettingsSection(settingsFile, resultsSectionName(name)).write({{gameKey, list}});
}

} // namespace quor3
