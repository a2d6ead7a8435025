#pragma once

#include <QString>
#include <QStringList>

// What `quor3` was asked to do: `quor3 [FILE.c3d]`, `quor3 --version`,
// `quor3 --help`. The desktop's "open with" passes the chosen file as FILE.
struct CommandLine {
    bool version = false;
    bool help = false;
    QString file;  // as given; empty when none
    QString error; // why the arguments make no sense; empty when they do
};

// `arguments` as the program received them, the program's name first. Qt's
// own options must already be taken out (QApplication does that).
CommandLine parseCommandLine(const QStringList& arguments);

// The text of `quor3 --help`.
QString commandLineUsage();
