#include "GuiTestSupport.h"

#include "engine/Backups.h"
#include "engine/Dates.h"
#include "engine/FileIo.h"
#include "entry/RestoreBackupWindow.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <ctime>
#include <map>
#include <memory>

namespace fs = std::filesystem;

namespace
{

std::time_t clockNow = 0;

std::time_t testClock()
{
    return clockNow;
}

std::map<int, QString> panels;

void clickRow(QTableWidget* grid, int row)
{
    const QRect place = grid->visualItemRect(grid->item(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, place.center());
}

} // namespace

class RestoreBackupWindowTest : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<GuiTestEnvironment> env;
    std::string oldest, newer, current;

    fs::path data(const std::string& name) const { return env->dataPath() / name; }

    // Two backups an hour apart (1 draw, then 2), and the database now (3 draws).
    void makeBackups()
    {
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2026, 1, 1}});
        oldest = quor3::readWholeFile(data("ga.c3d"));
        quor3::backupDatabase(data("ga.c3d"));
        clockNow += 3600;
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2026, 1, 1}, {4, 5, 6, 2026, 1, 2}});
        newer = quor3::readWholeFile(data("ga.c3d"));
        quor3::backupDatabase(data("ga.c3d"));
        clockNow += 3600;
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2026, 1, 1}, {4, 5, 6, 2026, 1, 2}, {7, 8, 9, 2026, 1, 3}});
        current = quor3::readWholeFile(data("ga.c3d"));
        env->openDatabase("ga.c3d");
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        clockNow = 1796567400;
        quor3::setBackupClockForTesting(&testClock);
        panels.clear();
        Session::instance().setStatusText = [](int panel, const QString& text) { panels[panel] = text; };
    }
    void cleanup()
    {
        quor3::setBackupClockForTesting(nullptr);
        Session::instance().setStatusText = nullptr;
        env.reset();
    }

    void listsTheBackupsNewestFirst()
    {
        makeBackups();
        RestoreBackupWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* grid = child<QTableWidget>(&window, "backupGrid");
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(cell(grid, 1, 0), QString("2"));
        QCOMPARE(cell(grid, 2, 0), shortDateText(quor3::encodeDate(2026, 1, 2)));
        QCOMPARE(cell(grid, 1, 1), QString("1"));
        QCOMPARE(cell(grid, 2, 1), shortDateText(quor3::encodeDate(2026, 1, 1)));
        QVERIFY(child<QLabel>(&window, "headingLabel")->text().startsWith("Backups of ga.c3d, newest first."));
    }

    void theNewestIsSelectedSoRestoreWorksAtOnceFromTheKeyboard()
    {
        makeBackups();
        RestoreBackupWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* grid = child<QTableWidget>(&window, "backupGrid");
        QTRY_VERIFY(grid->hasFocus());
        QCOMPARE(grid->currentRow(), 0);
        QVERIFY(child<QPushButton>(&window, "restoreButton")->isEnabled());
        clockNow += 3600;
        Dialogs::queueButton(QMessageBox::Yes);
        QTest::keyClick(grid, Qt::Key_R, Qt::AltModifier);
        // A mnemonic clicks the button a moment later.
        QTRY_COMPARE(quor3::readWholeFile(data("ga.c3d")), newer);
    }

    void theListShowsLocalTimesAndWhyEachBackupWasTaken()
    {
        // UTC+5:30: a name in UTC and a time shown in local time differ in their minutes.
        qputenv("TZ", "XYZ-5:30");
        ::tzset();
        makeBackups();
        clockNow -= 3600;
        quor3::backupDatabase(data("ga.c3d"), quor3::backupReason::Import); // two within one second
        RestoreBackupWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* grid = child<QTableWidget>(&window, "backupGrid");
        QCOMPARE(grid->rowCount(), 3);
        std::tm local{};
        localtime_r(&clockNow, &local);
        const QString minuteAndSecond =
            QString(":%1:%2").arg(local.tm_min, 2, 10, QChar('0')).arg(local.tm_sec, 2, 10, QChar('0'));
        QVERIFY2(cell(grid, 0, 0).contains(minuteAndSecond), qPrintable(cell(grid, 0, 0)));
        QVERIFY2(!cell(grid, 0, 0).contains('('), qPrintable(cell(grid, 0, 0)));
        QCOMPARE(cell(grid, 3, 0), QString("before an import"));
        QCOMPARE(cell(grid, 3, 1), QString());
        qunsetenv("TZ");
        ::tzset();
    }

    void restoreAsksThenKeepsTheCurrentDatabaseAsABackup()
    {
        makeBackups();
        RestoreBackupWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* grid = child<QTableWidget>(&window, "backupGrid");
        clickRow(grid, 1);
        auto* restore = child<QPushButton>(&window, "restoreButton");
        QVERIFY(restore->isEnabled());

        Dialogs::clearShown();
        Dialogs::queueButton(QMessageBox::No);
        QTest::mouseClick(restore, Qt::LeftButton);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown()[0].text.contains("(1 draw, the last of"));
        QCOMPARE(quor3::readWholeFile(data("ga.c3d")), current);
        QCOMPARE(quor3::listBackups(data("ga.c3d")).size(), std::size_t(2));

        clockNow += 3600;
        Dialogs::clearShown();
        Dialogs::queueButton(QMessageBox::Yes);
        QTest::mouseClick(restore, Qt::LeftButton);
        QCOMPARE(quor3::readWholeFile(data("ga.c3d")), oldest);
        const auto backups = quor3::listBackups(data("ga.c3d"));
        QCOMPARE(backups.size(), std::size_t(3));
        QCOMPARE(quor3::readWholeFile(backups[0].file), current);
        QCOMPARE(Dialogs::shown().size(), 2);
        QVERIFY2(Dialogs::shown()[1].text.contains(QString::fromStdString(backups[0].file.filename().string())),
                 qPrintable(Dialogs::shown()[1].text));
        QCOMPARE(panels[0], QString("Total Draws: 1"));
        QCOMPARE(Session::instance().totalDraws, 1LL);
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void f1OpensTheBackupsTopic()
    {
        RestoreBackupWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(child<QTableWidget>(&window, "backupGrid"), Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("backups"));
    }

    void withoutBackupsThereIsNothingToRestore()
    {
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2026, 1, 1}});
        env->openDatabase("ga.c3d");
        RestoreBackupWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(child<QTableWidget>(&window, "backupGrid")->rowCount(), 0);
        QCOMPARE(child<QLabel>(&window, "headingLabel")->text(), QString("There are no backups of ga.c3d yet."));
        QVERIFY(!child<QPushButton>(&window, "restoreButton")->isEnabled());
    }
};

QTEST_MAIN(RestoreBackupWindowTest)
#include "RestoreBackupWindowTest.moc"
