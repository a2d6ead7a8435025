// quor3-engine in the desktop's language: its messages follow the locale, what
// scripts read does not.

#include "tests/engine/EngineTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace
{

// Runs quor3-engine under the locale `lang`, as a desktop of that language starts it.
CommandRun engine(const QTemporaryDir& dir, const std::string& lang, const std::string& args)
{
    return runCommand("env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=" + lang + " '" QUOR3_ENGINE_CLI "' " + args,
                      dir.filePath("err.txt").toStdString());
}

class CommandLineLanguage : public ::testing::Test
{
  protected:
    QTemporaryDir dir;
    std::string database = "'" + dir.filePath("ga.c3d").toStdString() + "'";
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_EQ(engine(dir, "C", "add " + database + " 12/6/2026 4 5 1").status, 0);
        ASSERT_EQ(engine(dir, "C", "add " + database + " 12/7/2026 3 0 7").status, 0);
    }
};

TEST_F(CommandLineLanguage, MessagesAreInTheDesktopsLanguage)
{
    const std::string missing = "'" + dir.filePath("missing.c3d").toStdString() + "'";
    const struct {
        const char* lang;
        std::string args;
        int status;
        std::string said; // on the standard output, or the error output when it fails
    } cases[] = {
        {"es_ES.UTF-8", "export " + missing, 1, "quor3-engine: No se puede abrir \"missing.c3d\""},
        {"en_US.UTF-8", "export " + missing, 1, "quor3-engine: Cannot open \"missing.c3d\""},
        {"es_ES.UTF-8", "frobnicate", 2, "quor3-engine: argumentos incorrectos\n\nUso:\n"},
        {"C", "frobnicate", 2, "quor3-engine: wrong arguments\n\nUsage:\n"},
        {"es_MX.UTF-8", "backups " + database, 0, "No hay copias de seguridad de ga.c3d.\n"},
        {"es_ES.UTF-8", "rebuild " + database, 0, "Total de sorteos: 2\n"},
        {"fr_FR.UTF-8", "rebuild " + database, 0, "Total Draws: 2\n"},
    };
    for (const auto& c : cases) {
        const CommandRun run = engine(dir, c.lang, c.args);
        EXPECT_EQ(run.status, c.status) << c.lang << ' ' << c.args;
        EXPECT_NE((c.status ? run.err : run.out).find(c.said), std::string::npos) << c.lang << ' ' << c.args << ":\n"
                                                                                  << run.out << run.err;
    }
}

TEST_F(CommandLineLanguage, WhatScriptsReadIsTheSameInEveryLanguage)
{
    for (const std::string& args :
         {"export " + database, "export " + database + " --all", "tickets " + database + " --json",
          "tickets " + database + " export", "backtest " + database + " --json", "fairness " + database + " --json"}) {
        const CommandRun english = engine(dir, "C", args);
        ASSERT_EQ(english.status, 0) << args << english.err;
        EXPECT_EQ(engine(dir, "es_ES.UTF-8", args).out, english.out) << args;
    }
    EXPECT_EQ(engine(dir, "es_ES.UTF-8", "export " + database).out,
              "date,digit1,digit2,digit3\n2026-12-06,4,5,1\n2026-12-07,3,0,7\n");
}

} // namespace
