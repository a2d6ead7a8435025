#pragma once

#include <QString>

// The daily check for new results: the systemd user timer quor3-fetch.timer
// and its service, which runs `quor3-engine fetch --all`. The desktop's user
// session manager keeps whether it is on; nothing of it is in quor3.ini.
// Every question goes to `systemctl --user`, found on PATH.
namespace DailyTimer
{

struct State {
    // False where no user session manager answers (no systemctl, or
    // `systemctl --user` cannot reach one): `reason` then says so plainly.
    bool available = false;
    // Enabled, and its service runs a program that is there: a timer left by
    // a copy of Quor 3 that has since gone counts as off (`reason` says so),
    // and turning it on again makes it run this one.
    bool enabled = false;
    QString reason;
};

// The quor3-engine beside the running program.
QString enginePath();

// Asks the user session manager whether the timer is enabled, and what it runs.
State state();

// Makes the timer run `engine` (by default the quor3-engine beside this
// program) and turns it on. Units installed where systemctl finds them are
// used when their service runs this engine; otherwise (a program that was
// only built, or units of another install) units of our own are written into
// the user's unit folder, which comes first. Raises quor3::Error saying why
// it cannot.
void enable(const QString& engine = enginePath());
// Turns the timer off; its units stay.
void disable();

// $XDG_CONFIG_HOME/systemd/user (~/.config/systemd/user): where enable()
// writes units of its own.
QString userUnitFolder();
// The program that the service file's ExecStart= runs, as its line names it
// (quotes and %% undone); empty when it has none.
QString serviceProgram(const QString& serviceText);

} // namespace DailyTimer
