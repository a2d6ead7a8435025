#include "GuiTestSupport.h"

#include "engine/Dates.h"
#include "engine/FileIo.h"
#include "engine/Rebuild.h"
#include "platform/Dialogs.h"
#include "platform/KeyboardRules.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"

#include <QDir>

// Every window under test takes Enter as the program does; installed as the
// application object is made, before any window.
static void installProgramKeyRules()
{
    installEnterKeyRule();
}
Q_COREAPP_STARTUP_FUNCTION(installProgramKeyRules)

GuiTestEnvironment::GuiTestEnvironment()
{
    qputenv("HOME", home_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/.config").toLocal8Bit());
    QApplication::setApplicationName("Quor 3");
    QDir().mkpath(dataFolder());
    Dialogs::setTestMode(true);
    Session& session = Session::instance();
    session.folder = dataFolder().toStdString();
    session.databaseName.clear();
    session.totalDraws = 0;
}

GuiTestEnvironment::~GuiTestEnvironment()
{
    Dialogs::setTestMode(false);
}

QString GuiTestEnvironment::dataFolder() const
{
    return home_.path() + "/quor3box";
}

std::vector<quor3::DrawRecord> toRecords(const std::vector<TestDraw>& draws)
{
    std::vector<quor3::DrawRecord> records;
    for (const auto& d : draws) {
        quor3::DrawRecord r;
        r.DrawDate = quor3::encodeDate(d.year, d.month, d.day);
        r.Digit1 = d.d1;
        r.Digit2 = d.d2;
        r.Digit3 = d.d3;
        records.push_back(r);
    }
    return records;
}

std::filesystem::path GuiTestEnvironment::writeDatabase(const std::string& name,
                                                        const std::vector<TestDraw>& draws) const
{
    const auto path = dataPath() / name;
    quor3::writeWholeFile(path, quor3::encodeDraws(toRecords(draws)));
    return path;
}

std::filesystem::path GuiTestEnvironment::writeDatabase(const std::string& name, int n) const
{
    std::vector<quor3::DrawRecord> records;
    const double first = quor3::encodeDate(2002, 1, 1);
    for (int i = 0; i < n; ++i) {
        quor3::DrawRecord r;
        r.DrawDate = first + i;
        r.Digit1 = (i * 7 + 3) % 10;
        r.Digit2 = (i * 3 + 1) % 10;
        r.Digit3 = static_cast<int>((static_cast<long long>(i) * i + 5) % 10);
        records.push_back(r);
    }
    const auto path = dataPath() / name;
    quor3::writeWholeFile(path, quor3::encodeDraws(records));
    return path;
}

void GuiTestEnvironment::openDatabase(const std::string& name) const
{
    Session& session = Session::instance();
    session.folder = dataPath();
    session.databaseName = name;
    StatusBarSink sink;
    CountingDigits digits;
    quor3::openDatabase(session.folder, name, sink, digits);
}

std::string readFileText(const std::filesystem::path& file)
{
    return quor3::fileExists(file) ? quor3::readWholeFile(file) : std::string();
}
