// quor3-engine: the statistics engine from the command line.

#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/Rebuild.h"
#include "engine/StoreDraw.h"
#include "engine/Winners.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace
{

const char* const usage = "Usage:\n"
                          "  quor3-engine rebuild PATH\n"
                          "      Rebuilds every derived data file beside the draw database PATH, as\n"
                          "      opening it in Quor 3 does, and prints the four status texts.\n"
                          "  quor3-engine add PATH M/D/YYYY D1 D2 D3\n"
                          "      Stores the draw D1 D2 D3 of that date (creating PATH when missing,\n"
                          "      cutting a full database back to its last 90 draws), rebuilds, and\n"
                          "      prints the four status texts.\n"
                          "  quor3-engine check PATH M/D/YYYY D1 D2 D3\n"
                          "      Compares the draw with the current computer choices, prints each\n"
                          "      match as its winners-log line and appends it to \"quor3 winners.txt\".\n"
                          "  quor3-engine --help\n"
                          "\n"
                          "The folder of PATH holds the derived files; the database name is the bare\n"
                          "file name, cut to 25 characters. Exit status: 0 on success, 1 on failure,\n"
                          "2 on wrong usage.\n";

class PrintedStatus : public quor3::StatusSink
{
  public:
    std::string panels[4] = {"Total Draws: ", "Last Draw Date: ", "Hottest Number: ", "Coldest Number: "};
    void setStatusText(int panel, const std::string& text) override
    {
        if (panel >= 0 && panel < 4)
            panels[panel] = text;
    }
    void print() const
    {
        for (const auto& p : panels)
            std::cout << p << '\n';
    }
};

struct Location {
    quor3::fs::path folder;
    std::string name;
};

Location locate(const std::string& path)
{
    quor3::fs::path p(path);
    Location where;
    where.folder = p.has_parent_path() ? p.parent_path() : quor3::fs::path(".");
    where.name = quor3::databaseNameFor(p);
    return where;
}

quor3::CivilDate parseDate(const std::string& text)
{
    const auto slash1 = text.find('/');
    const auto slash2 = slash1 == std::string::npos ? std::string::npos : text.find('/', slash1 + 1);
    if (slash2 == std::string::npos)
        quor3::throwDateError();
    const int month = quor3::toInt(text.substr(0, slash1));
    const int day = quor3::toInt(text.substr(slash1 + 1, slash2 - slash1 - 1));
    const int year = quor3::toInt(text.substr(slash2 + 1));
    quor3::encodeDate(year, month, day); // raises on an impossible date
    return {year, month, day};
}

int parseDigit(const std::string& text)
{
    const int d = quor3::toInt(text);
    if (d < 0 || d > 9)
        throw quor3::Error(quor3::Error::Kind::Conversion, "'" + text + "' is not a digit from 0 to 9");
    return d;
}

int run(const std::vector<std::string>& args)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << usage;
        return args.empty() ? 2 : 0;
    }
    const std::string& command = args[0];
    if (command == "rebuild" && args.size() == 2) {
        const Location where = locate(args[1]);
        PrintedStatus status;
        quor3::openDatabase(where.folder, where.name, status);
        status.print();
        return 0;
    }
    if ((command == "add" || command == "check") && args.size() == 6) {
        const Location where = locate(args[1]);
        const quor3::CivilDate date = parseDate(args[2]);
        const int a = parseDigit(args[3]), b = parseDigit(args[4]), c = parseDigit(args[5]);
        if (command == "check") {
            for (const auto& match : quor3::checkWinners(where.folder, where.name, a, b, c, date))
                std::cout << match.logLine << '\n';
            return 0;
        }
        quor3::DrawRecord draw;
        draw.DrawDate = quor3::encodeDate(date);
        draw.Digit1 = a;
        draw.Digit2 = b;
        draw.Digit3 = c;
        const quor3::StoreResult stored = quor3::storeDraw(where.folder, where.name, draw);
        PrintedStatus status;
        status.setStatusText(0, "Total Draws: " + std::to_string(stored.totalDraws));
        status.setStatusText(1, "Last Draw Date: " + status.formatDate(draw.DrawDate));
        quor3::rebuildStatistics(where.folder, where.name, quor3::FirstPanels::None, status);
        status.print();
        return 0;
    }
    std::cerr << "quor3-engine: wrong arguments\n\n" << usage;
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << "quor3-engine: " << e.what() << '\n';
        return 1;
    }
}
