#include "../support/FakeSystemctl.h"

#include "platform/DailyTimer.h"

#include "engine/Errors.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

QString readText(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

void writeText(const QString& path, const QString& text, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}

// A home of its own: the user's unit folder is under its ~/.config.
class DailyTimerTest : public ::testing::Test
{
  protected:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", home.filePath(".config").toLocal8Bit()); }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }
    QString ownService() const { return DailyTimer::userUnitFolder() + "/quor3-fetch.service"; }
    QString engineAt(const QString& relative) const
    {
        const QString path = home.filePath(relative);
        writeText(path, "#!/bin/sh\n", true);
        return path;
    }

    QTemporaryDir home;
    FakeSystemctl systemctl;
};

} // namespace

TEST_F(DailyTimerTest, EnableUsesInstalledUnitsOnlyWhenTheyRunThisEngine)
{
    struct Row {
        const char* what;
        const char* installedExecStart; // nullptr: no unit installed
        bool ownUnitsWritten;
    };
    const Row rows[] = {
        {"nothing installed (built by ./run.sh)", nullptr, true},
        {"installed units run this engine", "ExecStart=@ENGINE@ fetch --all", false},
        {"installed units run another engine", "ExecStart=/usr/bin/quor3-engine fetch --all", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QDir(home.filePath(".config")).removeRecursively();
        const QString engine = engineAt("bin/quor3-engine");
        if (row.installedExecStart) {
            const QString installed = home.filePath("usr/lib/systemd/user/quor3-fetch.service");
            writeText(installed, QString("[Service]\n%1\n").arg(row.installedExecStart).replace("@ENGINE@", engine));
            systemctl.setFragment(installed);
        } else {
            systemctl.setFragment({});
        }
        systemctl.setEnabled(false);
        const int before = int(systemctl.commands().size());

        DailyTimer::enable(engine);

        EXPECT_EQ(QFile::exists(ownService()), row.ownUnitsWritten);
        EXPECT_EQ(QFile::exists(DailyTimer::userUnitFolder() + "/quor3-fetch.timer"), row.ownUnitsWritten);
        if (row.ownUnitsWritten) {
            EXPECT_EQ(DailyTimer::serviceProgram(readText(ownService())), engine);
        }
        const QStringList ran = systemctl.commands().mid(before);
        ASSERT_FALSE(ran.isEmpty());
        EXPECT_EQ(ran.first(), "daemon-reload");
        EXPECT_EQ(ran.last(), "enable --now quor3-fetch.timer");
        EXPECT_EQ(ran.count("daemon-reload"), row.ownUnitsWritten ? 2 : 1) << ran.join(" | ").toStdString();
        const DailyTimer::State state = DailyTimer::state();
        EXPECT_TRUE(state.available);
        EXPECT_TRUE(state.enabled);
    }
}

TEST_F(DailyTimerTest, WrittenServiceRunsAnEngineWhoseFolderHasBlanksAndPercents)
{
    const QString engine = engineAt("my games/100% $HOME/quor3-engine");
    DailyTimer::enable(engine);
    const QString service = readText(ownService());
    EXPECT_EQ(DailyTimer::serviceProgram(service), engine);
    EXPECT_TRUE(service.contains("100%% $HOME")) << service.toStdString();
    // systemd's own reading of the units, where it is installed.
    const QString analyze = QStandardPaths::findExecutable("systemd-analyze");
    if (analyze.isEmpty())
        GTEST_SKIP() << "systemd-analyze is not installed";
    QTemporaryDir runtime;
    QProcess verify;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    verify.setProcessEnvironment(environment);
    verify.setProcessChannelMode(QProcess::MergedChannels);
    verify.start(analyze,
                 {"--user", "--man=no", "verify", ownService(), DailyTimer::userUnitFolder() + "/quor3-fetch.timer"});
    ASSERT_TRUE(verify.waitForFinished(30000));
    EXPECT_EQ(verify.exitCode(), 0) << verify.readAll().toStdString();
    // The same check fails once the engine is gone, so it did read the path.
    QFile::remove(engine);
    verify.start(analyze, {"--user", "--man=no", "verify", ownService()});
    ASSERT_TRUE(verify.waitForFinished(30000));
    EXPECT_NE(verify.exitCode(), 0);
}

TEST_F(DailyTimerTest, DisableTurnsItOffAndKeepsTheUnits)
{
    DailyTimer::enable(engineAt("bin/quor3-engine"));
    DailyTimer::disable();
    EXPECT_EQ(systemctl.commands().last(), "disable --now quor3-fetch.timer");
    const DailyTimer::State state = DailyTimer::state();
    EXPECT_TRUE(state.available);
    EXPECT_FALSE(state.enabled);
    EXPECT_TRUE(QFile::exists(ownService()));
}

TEST_F(DailyTimerTest, WithoutASessionManagerItSaysWhyAndChangesNothing)
{
    struct Row {
        const char* what;
        void (FakeSystemctl::*make)() const;
        const char* reasonHas;
    };
    const Row rows[] = {
        {"no user manager", &FakeSystemctl::withoutManager, "No medium found"},
        {"no systemctl", &FakeSystemctl::missing, "systemctl was not found"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FakeSystemctl fake;
        (fake.*row.make)();
        const DailyTimer::State state = DailyTimer::state();
        EXPECT_FALSE(state.available);
        EXPECT_FALSE(state.enabled);
        EXPECT_TRUE(state.reason.contains(row.reasonHas)) << state.reason.toStdString();
        EXPECT_TRUE(state.reason.contains("user session manager")) << state.reason.toStdString();
        EXPECT_THROW(DailyTimer::enable(engineAt("bin/quor3-engine")), quor3::Error);
        EXPECT_FALSE(QFile::exists(ownService()));
    }
}

TEST_F(DailyTimerTest, AnEngineSystemdCannotRunIsNamedBeforeAnythingRuns)
{
    const QString rows[] = {
        home.filePath("gone/quor3-engine"),
        engineAt("my \"lucky\" games/quor3-engine"),
        engineAt("back\\slash/quor3-engine"),
    };
    for (const QString& engine : rows) {
        SCOPED_TRACE(engine.toStdString());
        try {
            DailyTimer::enable(engine);
            ADD_FAILURE() << "enabled a timer for an engine it cannot run";
        } catch (const quor3::Error& e) {
            EXPECT_TRUE(QString::fromStdString(e.what()).contains(engine)) << e.what();
        }
    }
    EXPECT_TRUE(systemctl.commands().isEmpty());
    EXPECT_FALSE(QFile::exists(ownService()));
}
