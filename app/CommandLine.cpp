#include "app/CommandLine.h"

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool optionsEnded = false;
    for (const QString& argument : arguments.mid(1)) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument == "--version") {
            line.version = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            line.help = true;
        } else if (!optionsEnded && argument.startsWith('-') && argument != "-") {
            line.error = QStringLiteral("unknown option %1").arg(argument);
        } else if (!line.file.isEmpty()) {
            line.error = QStringLiteral("only one database can be opened, not also %1").arg(argument);
        } else {
            line.file = argument;
        }
    }
    return line;
}

QString commandLineUsage()
{
    return QStringLiteral("Usage: quor3 [FILE.c3d]\n"
                          "  Starts Quor 3 with the draw database FILE.c3d open (asking before it\n"
                          "  creates a new one); without FILE, with the database of the last run\n"
                          "  when \"Reopen Last\" in quor3.ini is 1 (the default).\n"
                          "  quor3 --version    prints the version\n"
                          "  quor3 --help       prints this text\n");
}
