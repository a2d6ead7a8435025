#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption versionOption(QStringLiteral("version"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(versionOption);
    parser.addOption(helpOption);

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    line.version = parser.isSet(versionOption);
    line.help = parser.isSet(helpOption);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        line.error =
            QCoreApplication::translate("CommandLine", "only one database can be opened, not also %1").arg(files.at(1));
    else if (!files.isEmpty())
        line.file = files.first();
    return line;
}

QString commandLineUsage()
{
    return QCoreApplication::translate("CommandLine",
                                       "Usage: quor3 [FILE.c3d]\n"
                                       "  Starts Quor 3 with the draw database FILE.c3d open (asking before it\n"
                                       "  creates a new one); without FILE, with the database of the last run\n"
                                       "  when \"Reopen Last\" in quor3.ini is 1 (the default).\n"
                                       "  quor3 --version    prints the version\n"
                                       "  quor3 --help       prints this text\n");
}
