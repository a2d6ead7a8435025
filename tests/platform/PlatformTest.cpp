#include "platform/DataFolder.h"
#include "platform/ProfileFile.h"
#include "platform/Resources.h"
#include "platform/Session.h"
#include "platform/WebPages.h"

#include "engine/DataFiles.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/Rebuild.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

namespace
{

QString readAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromLatin1(f.readAll());
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

} // namespace

TEST(ProfileFile, KeysWithBlanksRoundTripVerbatim)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("quor3.ini");
    ProfileFile ini(path);
    ini.writeInteger("Config", "Cumulative Days", 120);
    ini.writeInteger("Config", "QCheck", 0);
    EXPECT_EQ(readAll(path), "[Config]\r\nCumulative Days=120\r\nQCheck=0\r\n");
    EXPECT_EQ(ini.readInteger("Config", "Cumulative Days", 5), 120);
    EXPECT_EQ(ini.readInteger("config", "cumulative days", 5), 120);
    ini.writeInteger("Config", "Cumulative Days", 7);
    EXPECT_EQ(ini.readInteger("Config", "Cumulative Days", 5), 7);
    EXPECT_EQ(readAll(path).count("Cumulative Days"), 1);
}

TEST(ProfileFile, OtherSectionsAndLinesSurviveAWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("quor3.ini");
    write(path,
          "; kept comment\r\n[Other]\r\nQCheck=5\r\n\r\n[Config]\r\nSum Analysis Days=30\r\n\r\n[Last]\r\nx=1\r\n");
    ProfileFile ini(path);
    ini.writeInteger("Config", "QCheck", 1);
    EXPECT_EQ(readAll(path), "; kept comment\r\n[Other]\r\nQCheck=5\r\n\r\n[Config]\r\nSum Analysis Days=30\r\n"
                             "QCheck=1\r\n\r\n[Last]\r\nx=1\r\n");
    EXPECT_EQ(ini.readInteger("Other", "QCheck", 9), 5);
    EXPECT_EQ(ini.readInteger("Config", "QCheck", 9), 1);
}

TEST(ProfileFile, MissingKeysAndFilesGiveTheDefault)
{
    QTemporaryDir dir;
    ProfileFile ini(dir.filePath("none.ini"));
    EXPECT_EQ(ini.readInteger("Config", "QCheck", 1), 1);
    write(dir.filePath("odd.ini"), "[Config]\nQCheck=abc\nCumulative Days=-12 days\n");
    ProfileFile odd(dir.filePath("odd.ini"));
    EXPECT_EQ(odd.readInteger("Config", "QCheck", 1), 0);
    EXPECT_EQ(odd.readInteger("Config", "Cumulative Days", 1), -12);
    EXPECT_EQ(odd.readInteger("Config", "Sum Analysis Days", 44), 44);
    write(dir.filePath("more.ini"), "[Config]\r\nQCheck=\r\nCumulative Days=\"12\"\r\n");
    ProfileFile more(dir.filePath("more.ini"));
    EXPECT_EQ(more.readInteger("Config", "QCheck", 1), 1);
    EXPECT_EQ(more.readInteger("Config", "Cumulative Days", 1), 12);
}

TEST(ProfileFile, KeysInAnyCaseAndQuotedValuesAreRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("quor3.ini");
    write(path, "[CONFIG]\r\nREOPEN last = \"0\"\r\nsupport PAGE=\" https://example.org/h\xC3\xA9lp \"\r\n");
    const ProfileFile ini(path);
    EXPECT_EQ(ini.readInteger("Config", "Reopen Last", 1), 0);
    EXPECT_EQ(ini.readText("Config", "Support Page"), QString::fromUtf8("https://example.org/h\xC3\xA9lp"));
    ini.writeText("Config", "Support Page", "\"https://example.net/\"");
    EXPECT_EQ(ini.readText("config", "support page"), "https://example.net/");
    EXPECT_EQ(readAll(path).count("Support Page", Qt::CaseInsensitive), 1);
}

TEST(ProfileFile, AWriteKeepsOtherBytesAndTheKeysSpelling)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("quor3.ini");
    write(path, "; caf\xE9\r\n[config]\r\nqcheck=1\r\n");
    ProfileFile(path).writeInteger("Config", "QCheck", 0);
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), QByteArray("; caf\xE9\r\n[config]\r\nqcheck=0\r\n"));
}

TEST(ProfileFile, UnwritableFileIsAClearError)
{
    ProfileFile ini("/proc/quor3-cannot-exist/quor3.ini");
    EXPECT_THROW(ini.writeInteger("Config", "QCheck", 1), quor3::Error);
}

TEST(Settings, LiveInTheConfigFolder)
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    EXPECT_EQ(Settings::filePath(), dir.path() + "/quor3.ini");
    Settings::writeInteger("Sum Analysis Days", 10);
    EXPECT_EQ(Settings::readInteger("Sum Analysis Days", 1), 10);
}

TEST(WebPages, OnlyWebAddressesReachTheBrowser)
{
    QStringList asked;
    WebPages::setOpenerForTesting([&](const QString& a) {
        asked << a;
        return true;
    });
    EXPECT_TRUE(WebPages::openAddress(WebPages::ResultsAddress));
    EXPECT_FALSE(WebPages::openAddress("file:///etc/passwd"));
    EXPECT_FALSE(WebPages::openAddress("not an address"));
    EXPECT_EQ(asked, QStringList{WebPages::ResultsAddress});
    WebPages::setOpenerForTesting(nullptr);
}

TEST(Pictures, TheProductPictureIsClearAroundAndOpaqueWithin)
{
    initPlatformResources();
    const QImage product(":/pictures/product.png");
    ASSERT_EQ(product.size(), QSize(112, 111));
    for (const QPoint corner : {QPoint(0, 0), QPoint(111, 0), QPoint(0, 110), QPoint(111, 110)})
        EXPECT_EQ(qAlpha(product.pixel(corner)), 0) << corner.x() << "," << corner.y();
    // The balls and their white digits.
    int white = 0;
    for (int y = 40; y < 72; ++y)
        for (int x = 12; x < 100; ++x) {
            const QRgb pixel = product.pixel(x, y);
            ASSERT_EQ(qAlpha(pixel), 255) << x << "," << y;
            white += qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
        }
    EXPECT_GT(white, 50);
}

TEST(DataFolder, FindsFilesWhateverTheirLetterCase)
{
    QTemporaryDir dir;
    write(dir.filePath("SetsCfg.ini"), "7\r\n");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "setscfg.ini"), dir.filePath("SetsCfg.ini"));
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "none.ini"), dir.filePath("none.ini"));
    qputenv("HOME", dir.path().toLocal8Bit());
    ensureDataFolder();
    EXPECT_TRUE(QDir(dir.filePath("quor3box")).exists());
}

namespace
{

int failingRename(const char*, const char*)
{
    errno = EIO;
    return -1;
}

} // namespace

TEST(ProfileFile, AStoppedWriteLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("quor3.ini");
    write(path, "[Config]\r\nQCheck=1\r\nCumulative Days=30\r\n");
    quor3::setRenameFunctionForTesting(&failingRename);
    EXPECT_THROW(ProfileFile(path).writeInteger("Config", "QCheck", 0), quor3::Error);
    quor3::setRenameFunctionForTesting(nullptr);
    EXPECT_EQ(readAll(path), "[Config]\r\nQCheck=1\r\nCumulative Days=30\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"quor3.ini"});
}

TEST(ProfileFile, ALinkIsReplacedAndAReadOnlyFileKept)
{
    QTemporaryDir dir, outside;
    write(outside.filePath("target.ini"), "[Config]\r\nQCheck=1\r\n");
    const QString path = dir.filePath("quor3.ini");
    ASSERT_TRUE(QFile::link(outside.filePath("target.ini"), path));
    ProfileFile(path).writeInteger("Config", "QCheck", 0);
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(readAll(path), "[Config]\r\nQCheck=0\r\n");
    EXPECT_EQ(readAll(outside.filePath("target.ini")), "[Config]\r\nQCheck=1\r\n");

    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    try {
        ProfileFile(path).writeInteger("Config", "QCheck", 1);
        FAIL() << "a read-only settings file was written";
    } catch (const quor3::Error& e) {
        EXPECT_NE(std::string(e.what()).find("Permission denied"), std::string::npos) << e.what();
    }
    EXPECT_EQ(readAll(path), "[Config]\r\nQCheck=0\r\n");
}

TEST(Session, ALongNameIsCutToTwentyFiveCharactersAsTheEngineCutsIt)
{
    // Characters outside the Basic Multilingual Plane count once, as in quor3-engine.
    const QString name = QString::fromUtf8("0123456789012345678901\U0001F600\U0001F601\U0001F602\U0001F603.c3d");
    Session session;
    session.chooseDatabase("/data/" + name);
    EXPECT_EQ(session.folder, std::filesystem::path("/data"));
    EXPECT_EQ(session.databaseName, "0123456789012345678901\U0001F600\U0001F601\U0001F602");
    EXPECT_EQ(session.databaseName, quor3::databaseNameFor(name.toStdString()));
    session.chooseDatabase("/data/ga.c3d");
    EXPECT_EQ(session.databaseName, "ga.c3d");
}

// The databases of a folder share its derived files: with the program open on
// one, a command-line change to the other leaves them describing the other
// until the open database takes them back, before its windows read them.
TEST(Session, TakesTheSharedStatisticsBackAfterAnotherDatabaseChanged)
{
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    const auto add = [&](const std::string& name, const std::string& date, const std::string& digits) {
        const std::string command = std::string("'") + QUOR3_ENGINE_CLI + "' add '" + (folder / name).string() + "' " +
                                    date + " " + digits + " >/dev/null 2>&1";
        return std::system(command.c_str());
    };
    ASSERT_EQ(add("a.c3d", "1/1/2030", "1 1 1"), 0);
    ASSERT_EQ(add("a.c3d", "1/2/2030", "2 2 2"), 0);
    const std::string own = quor3::readWholeFile(folder / quor3::files::Freq);
    Session& session = Session::instance();
    session.chooseDatabase(QString::fromStdString((folder / "a.c3d").string()));
    EXPECT_FALSE(session.keepStatisticsOwn()); // they are its own

    ASSERT_EQ(add("b.c3d", "1/1/2030", "9 8 7"), 0);
    EXPECT_NE(quor3::readWholeFile(folder / quor3::files::Freq), own);
    EXPECT_TRUE(session.keepStatisticsOwn());
    EXPECT_EQ(quor3::readWholeFile(folder / quor3::files::Freq), own);
    EXPECT_TRUE(quor3::derivedFilesBelongTo(folder, "a.c3d"));
    session.databaseName.clear();
}
