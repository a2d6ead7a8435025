#include "engine/DrawDaysSetting.h"

#include "engine/ResultsSource.h"

namespace quor3
{

namespace
{

const char* const DrawDaysKey = "DrawDays";

} // namespace

std::optional<DrawDays> chosenDrawDays(const fs::path& settingsFile, const std::string& databaseName)
{
    const std::optional<std::string> text =
        SettingsSection(settingsFile, resultsSectionName(databaseName)).read(DrawDaysKey);
    return text ? drawDaysFromText(*text) : std::nullopt;
}

void chooseDrawDays(const fs::path& settingsFile, const std::string& databaseName, const std::optional<DrawDays>& days)
{
    SettingsSection(settingsFile, resultsSectionName(databaseName))
        .write({{DrawDaysKey, days ? drawDaysText(*days) : std::string()}});
}

DrawDays drawDaysOf(const fs::path& settingsFile, const std::string& databaseName, const std::vector<double>& drawDates)
{
    return chosenDrawDays(settingsFile, databaseName).value_or(learnDrawDays(drawDates));
}

} // namespace quor3
