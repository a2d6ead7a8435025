#include "EngineTestSupport.h"

#include "engine/Dates.h"

#include <gtest/gtest.h>

#include <ctime>

namespace
{

CommandRun engine(const TempFolder& dir, const std::string& args)
{
    return runCommand(std::string("'") + QUOR3_ENGINE_CLI + "' " + args, dir / "err.txt");
}

std::string today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday) + "/" +
           std::to_string(local.tm_year + 1900);
}

} // namespace

TEST(ChanceCommands, JsonFormsForScripts)
{
    TempFolder dir;
    const std::string db = "'" + (dir / "g.c3d").string() + "'";
    ASSERT_EQ(engine(dir, "add " + db + " 3/1/2002 3 0 7").status, 0);
    ASSERT_EQ(engine(dir, "add " + db + " 3/2/2002 3 3 3").status, 0);
    // One $1 straight a day for the last 30 days.
    for (int k = 0; k < 30; ++k)
        ASSERT_EQ(engine(dir, "tickets " + db + " add " + today() + " 451 straight 1").status, 0);

    const struct {
        std::string args;
        std::string expected; // a part of the output
    } cases[] = {
        {"wheel --digits 12345 --type fullbox --json",
         "{\"plays\": 35, \"cost_per_draw\": 35, \"draws\": 365, \"cost\": 12775, \"chance_any_win\": 0.125, "
         "\"payback\": 0.4828571428571429, "},
        {"wheel --digits 1234 --key 5 --type keybox --no-triples --database " + db + " --repeat --json",
         "\"filters\": [{\"name\": \"no triples\", \"chance\": 0.99, \"history\": 0.5}, {\"name\": \"a digit of the "
         "last draw\", \"chance\": 0.271, \"history\": 1}]}"},
        {"tickets " + db + " horizon --draws 730 --json",
         "{\"draws\": 730, \"cost\": 730, \"expected_back\": 365, \"chance_ahead\": 0.1662498788802"},
        {"chance " + db + " --json", "{\"id\": \"triples\", \"seen\": 0.5, \"chance\": 0.01, \"low\": 0, \"high\": 0, "
                                     "\"verdict\": \"unusual: chance gives this about 1 time in 25\""},
    };
    for (const auto& c : cases) {
        const CommandRun run = engine(dir, c.args);
        EXPECT_EQ(run.status, 0) << c.args << run.err;
        EXPECT_NE(run.out.find(c.expected), std::string::npos) << c.args << "\n" << run.out.substr(0, 2000);
    }
}
