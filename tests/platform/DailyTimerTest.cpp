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

// A home of its own (its ~/.config holds the user's unit folder) and a fake systemctl.
class DailyTimerTest : public ::testing::Test
{
  protected:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", home.filePath(".config").toLocal8Bit()); }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }
    QString ownUnit(const char* name) const { return DailyTimer::userUnitFolder() + '/' + name; }
    // Writes `text` to the file at `relative` in the home, executable; returns its path.
    QString put(const QString& relative, const QString& text = "#!/bin/sh\n") const
    {
        const QString path = home.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text.toUtf8());
        file.setPermissions(file.permissions() | QFile::ExeOwner);
        return path;
    }

    QTemporaryDir home;
    FakeSystemctl systemctl;
};

} // namespace

TEST_F(DailyTimerTest, EnableUsesInstalledUnitsOnlyWhenTheyRunThisEngine)
{
    const struct {
        const char* installedExecStart; // nullptr: none installed (a program built by ./run.sh)
        bool ownUnitsWritten;
    } rows[] = {{nullptr, true}, {"@ENGINE@ fetch --all", false}, {"/usr/bin/quor3-engine fetch --all", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.installedExecStart ? row.installedExecStart : "none installed");
        QDir(home.filePath(".config")).removeRecursively();
        const QString engine = put("bin/quor3-engine");
        systemctl.setFragment(
            row.installedExecStart
                ? put("usr/lib/systemd/user/quor3-fetch.service",
                      QString("[Service]\nExecStart=%1\n").arg(row.installedExecStart).replace("@ENGINE@", engine))
                : QString());
        systemctl.setEnabled(false);
        const int before = int(systemctl.commands().size());

        DailyTimer::enable(engine);

        EXPECT_EQ(QFile::exists(ownUnit("quor3-fetch.timer")), row.ownUnitsWritten);
        EXPECT_EQ(DailyTimer::serviceProgram(readText(ownUnit("quor3-fetch.service"))),
                  row.ownUnitsWritten ? engine : QString());
        const QStringList ran = systemctl.commands().mid(before);
        EXPECT_EQ(ran.first(), "daemon-reload");
        EXPECT_EQ(ran.last(), "enable --now quor3-fetch.timer");
        EXPECT_EQ(ran.count("daemon-reload"), row.ownUnitsWritten ? 2 : 1) << ran.join(" | ").toStdString();
        EXPECT_TRUE(DailyTimer::state().enabled);
    }
}

TEST_F(DailyTimerTest, WrittenServiceRunsAnEngineWhoseFolderHasBlanksAndPercents)
{
    const QString engine = put("my games/100% $HOME/quor3-engine");
    DailyTimer::enable(engine);
    EXPECT_EQ(DailyTimer::serviceProgram(readText(ownUnit("quor3-fetch.service"))), engine);
    // systemd's own reading of the units, where it is installed; it fails once
    // the engine is gone, so it did read the path.
    const QString analyze = QStandardPaths::findExecutable("systemd-analyze");
    if (analyze.isEmpty())
        GTEST_SKIP() << "systemd-analyze is not installed";
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    for (const bool engineThere : {true, false}) {
        if (!engineThere)
            QFile::remove(engine);
        QProcess verify;
        verify.setProcessChannelMode(QProcess::MergedChannels);
        verify.start(analyze,
                     {"--user", "--man=no", "verify", ownUnit("quor3-fetch.service"), ownUnit("quor3-fetch.timer")});
        ASSERT_TRUE(verify.waitForFinished(30000));
        EXPECT_EQ(verify.exitCode() == 0, engineThere) << verify.readAll().toStdString();
    }
    qunsetenv("XDG_RUNTIME_DIR");
}

TEST_F(DailyTimerTest, ATimerThatRunsAnEngineGoneIsOffUntilTurnedOnForThisOne)
{
    const QString gone = put("old-clone/quor3-engine");
    systemctl.setFragment(put("usr/lib/systemd/user/quor3-fetch.service", "ExecStart=" + gone + " fetch --all\n"));
    systemctl.setEnabled(true);
    EXPECT_TRUE(DailyTimer::state().enabled);
    QFile::remove(gone);
    const DailyTimer::State state = DailyTimer::state();
    EXPECT_TRUE(state.available);
    EXPECT_FALSE(state.enabled);
    EXPECT_TRUE(state.reason.contains(gone)) << state.reason.toStdString();

    const QString engine = put("bin/quor3-engine");
    DailyTimer::enable(engine);
    EXPECT_EQ(DailyTimer::serviceProgram(readText(ownUnit("quor3-fetch.service"))), engine);
}

TEST_F(DailyTimerTest, WithoutASessionManagerItSaysWhyAndChangesNothing)
{
    const struct {
        void (FakeSystemctl::*make)() const;
        const char* reasonHas;
    } rows[] = {{&FakeSystemctl::withoutManager, "No medium found"},
                {&FakeSystemctl::missing, "systemctl was not found"}};
    for (const auto& row : rows) {
        FakeSystemctl fake;
        (fake.*row.make)();
        const DailyTimer::State state = DailyTimer::state();
        EXPECT_FALSE(state.available);
        EXPECT_FALSE(state.enabled);
        EXPECT_TRUE(state.reason.contains(row.reasonHas) && state.reason.contains("user session manager"))
            << state.reason.toStdString();
        EXPECT_THROW(DailyTimer::enable(put("bin/quor3-engine")), quor3::Error);
        EXPECT_FALSE(QFile::exists(ownUnit("quor3-fetch.service")));
    }
}

TEST_F(DailyTimerTest, AnEngineSystemdCannotRunIsNamedBeforeAnythingRuns)
{
    for (const QString& engine : {home.filePath("gone/quor3-engine"), put("my \"lucky\" games/quor3-engine"),
                                  put("back\\slash/quor3-engine")}) {
        SCOPED_TRACE(engine.toStdString());
        try {
            DailyTimer::enable(engine);
            ADD_FAILURE() << "enabled a timer for an engine it cannot run";
        } catch (const quor3::Error& e) {
            EXPECT_TRUE(QString::fromStdString(e.what()).contains(engine)) << e.what();
        }
    }
    EXPECT_TRUE(systemctl.commands().isEmpty());
    EXPECT_FALSE(QFile::exists(ownUnit("quor3-fetch.service")));
}
