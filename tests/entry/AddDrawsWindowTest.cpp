#include "GuiTestSupport.h"

#include "engine/DataFiles.h"
#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "entry/AddDrawsWindow.h"
#include "entry/DeleteFileDialog.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/ProfileFile.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

using quor3::CivilDate;

namespace
{

QMap<int, QString> panels;

const char* const ChoiceFiles[] = {"hot.dat", "cold.dat", "wm.dat", "oddeven.dat", "pr.dat", "repeats.dat"};

// Only the step that puts the cut-back database in its place fails; the
// backup taken before the cut-back goes through.
int failingRename(const char* from, const char* to)
{
    const std::string target = to;
    const std::string database = "/ga.c3d";
    if (target.size() >= database.size() &&
        target.compare(target.size() - database.size(), database.size(), database) == 0) {
        errno = EIO;
        return -1;
    }
    return std::rename(from, to);
}

} // namespace

class AddrecTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    void openDatabase(const std::string& name) { env->openDatabase(name); }
    std::filesystem::path inData(const std::string& name) const { return env->dataPath() / name; }

    static QSpinBox* box(AddDrawsWindow& w, const char* name) { return child<QSpinBox>(&w, name); }
    static void setDigits(AddDrawsWindow& w, int a, int b, int c)
    {
        box(w, "SpinEdit1")->setValue(a);
        box(w, "SpinEdit2")->setValue(b);
        box(w, "SpinEdit3")->setValue(c);
    }
    static QList<int> digits(AddDrawsWindow& w)
    {
        return {box(w, "SpinEdit1")->value(), box(w, "SpinEdit2")->value(), box(w, "SpinEdit3")->value()};
    }
    static QString labelText(AddDrawsWindow& w, const char* name) { return child<QLabel>(&w, name)->text(); }
    static void click(AddDrawsWindow& w, const char* name)
    {
        QTest::mouseClick(child<QAbstractButton>(&w, name), Qt::LeftButton);
    }
    static void pickDay(AddDrawsWindow& w, int year, int month, int day)
    {
        child<QCalendarWidget>(&w, "Calendar1")->setSelectedDate(QDate(year, month, day));
    }

    // Every choice file holds plays that 7-0-3 and 4-0-7 do not match.
    void writeQuietChoices()
    {
        for (const char* file : ChoiceFiles)
            quor3::writeTextLines(inData(file), {"9  9  9", "9  9  8", "9  8  8", "8  8  8", "8  8  9"});
        quor3::writeTextLines(inData("ordinal.dat"), {"9", "9", "9", "9", "8", "8", "8", "8", "9", "9", "9", "9"});
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        panels.clear();
        Session::instance().setStatusText = [](int panel, const QString& text) { panels[panel] = text; };
        Dialogs::clearShown();
        AddDrawsState::setLastEnteredDate({});
    }
    void cleanup()
    {
        quor3::setRenameFunctionForTesting(nullptr);
        Session::instance().setStatusText = nullptr;
        env.reset();
    }

    void controlsAndOpeningState()
    {
        env->writeDatabase("ga.c3d", 10);
        openDatabase("ga.c3d");
        AddDrawsWindow w;
        QCOMPARE(w.windowTitle(), QString("Add Winning Entries"));
        QCOMPARE(w.size(), QSize(579, 316));
        QCOMPARE(child<QPushButton>(&w, "Button1")->text(), QString("&Enter Entry"));
        QCOMPARE(child<QPushButton>(&w, "BitBtn1")->text(), QString("&Close"));
        QCOMPARE(child<QPushButton>(&w, "BitBtn1")->focusPolicy(), Qt::NoFocus);
        // Tab reaches the notify box, so that the keyboard alone can turn it.
        QCOMPARE(child<QCheckBox>(&w, "CheckBox1")->focusPolicy(), Qt::TabFocus);
        QCOMPARE(labelText(w, "Label1"), QString("Notify me if an entry matches one"));
        QCOMPARE(labelText(w, "Label2"), QString("of the Computer Choices"));
        QCOMPARE(labelText(w, "Label4"), QString("Draw Date"));
        auto* calendar = child<QCalendarWidget>(&w, "Calendar1");
        QVERIFY(calendar);
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);
        QVERIFY(!calendar->isNavigationBarVisible());
        QVERIFY(child<QWidget>(&w, "SpinButton1"));
        for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3"}) {
            QCOMPARE(box(w, name)->minimum(), 0);
            QCOMPARE(box(w, name)->maximum(), 9);
            QCOMPARE(box(w, name)->value(), 0);
            QCOMPARE(box(w, name)->findChild<QLineEdit*>()->maxLength(), 1);
        }
        // The window opens on the day after the last stored draw (10 January 2002).
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(w.calendarDate(), (CivilDate{2002, 1, 11}));
        QCOMPARE(labelText(w, "Panel2"), QString("January"));
        QCOMPARE(labelText(w, "Label3"), QString("2002"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box(w, "SpinEdit1")));
        QTest::keyClick(box(w, "SpinEdit1"), Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("addto"));

        // After an entry the button waits for the next draw and the focus
        // goes to the first digit box, ready for it.
        child<QCheckBox>(&w, "CheckBox1")->setChecked(false);
        setDigits(w, 1, 2, 3);
        click(w, "Button1");
        QVERIFY(!child<QPushButton>(&w, "Button1")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box(w, "SpinEdit1")));
        QCOMPARE(w.calendarDate(), (CivilDate{2002, 1, 12}));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void enteringADrawAppendsItAndProposesTheNextDay()
    {
        env->writeDatabase("ga.c3d", 10);
        openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow w;
        int refreshes = 0;
        w.setRefreshRequest([&] { ++refreshes; });
        throughGuard(&w, [&] { w.refresh(); });
        click(w, "SpinButton1Up");
        click(w, "SpinButton1Up");
        QCOMPARE(w.calendarDate(), (CivilDate{2002, 3, 1}));
        setDigits(w, 4, 0, 7);
        click(w, "Button1");

        QVERIFY(Dialogs::shown().isEmpty());
        const auto draws = quor3::readDraws(inData("ga.c3d"));
        QCOMPARE(draws.size(), std::size_t(11));
        QCOMPARE(draws[10].DrawDate, quor3::encodeDate(2002, 3, 1));
        QCOMPARE((QList<int>{draws[10].Digit1, draws[10].Digit2, draws[10].Digit3}), (QList<int>{4, 0, 7}));
        QCOMPARE(panels.value(0), QString("Total Draws: 11"));
        QCOMPARE(panels.value(1), "Last Draw Date: " + shortDateText(quor3::encodeDate(2002, 3, 1)));
        QVERIFY(panels.value(2).startsWith("Hottest Number: "));
        QCOMPARE(Session::instance().totalDraws, 11LL);
        QCOMPARE(quor3::readCountsFile(inData("freq.dat")).size(), std::size_t(11));
        QCOMPARE(digits(w), (QList<int>{0, 0, 0}));
        QCOMPARE(w.calendarDate(), (CivilDate{2002, 3, 2}));
        QCOMPARE(labelText(w, "Panel2"), QString("March"));
        QCOMPARE(refreshes, 1);
        QCOMPARE(AddDrawsState::lastEnteredDate(), (CivilDate{2002, 3, 1}));
    }

    void anEmptiedDigitBoxCountsAsZero()
    {
        env->writeDatabase("ga.c3d", 3);
        openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        setDigits(w, 5, 6, 7);
        box(w, "SpinEdit2")->findChild<QLineEdit*>()->clear();
        throughGuard(&w, [&] { w.enterDraw(); });
        const auto last = quor3::readDraws(inData("ga.c3d")).back();
        QCOMPARE((QList<int>{last.Digit1, last.Digit2, last.Digit3}), (QList<int>{5, 0, 7}));
        QCOMPARE(box(w, "SpinEdit2")->text(), QString("0"));
    }

    void enterInADigitBoxStoresNothing()
    {
        env->writeDatabase("ga.c3d", 3);
        openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        box(w, "SpinEdit1")->setFocus();
        QTest::keyClick(box(w, "SpinEdit1"), Qt::Key_Return);
        QTest::keyClick(box(w, "SpinEdit1"), Qt::Key_Enter);
        QCOMPARE(quor3::countDraws(inData("ga.c3d")), 3LL);
    }

    void proposedDateCrossesMonthAndYearEnds_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QDate>("proposed");
        QTest::addColumn<QString>("monthName");
        QTest::newRow("28 Feb 2003") << 2003 << 2 << 28 << QDate(2003, 3, 1) << "March";
        QTest::newRow("28 Feb 2004") << 2004 << 2 << 28 << QDate(2004, 2, 29) << "February";
        QTest::newRow("31 Dec 2002") << 2002 << 12 << 31 << QDate(2003, 1, 1) << "January";
        QTest::newRow("30 Apr 2002") << 2002 << 4 << 30 << QDate(2002, 5, 1) << "May";
        QTest::newRow("28 Feb 2100") << 2100 << 2 << 28 << QDate(2100, 3, 1) << "March";
    }
    void proposedDateCrossesMonthAndYearEnds()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QDate, proposed);
        QFETCH(QString, monthName);
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2001, 6, 1}, {3, 0, 7, year, month, day}});
        openDatabase("ga.c3d");
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.calendarDate(), (CivilDate{proposed.year(), proposed.month(), proposed.day()}));
        QCOMPARE(labelText(w, "Label3"), QString::number(proposed.year()));
        QCOMPARE(labelText(w, "Panel2"), monthName);
        QCOMPARE(AddDrawsState::lastEnteredDate(), (CivilDate{year, month, day}));
    }

    void monthArrowsMoveToTheNeighbouringMonths()
    {
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2003, 1, 30}});
        openDatabase("ga.c3d");
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.calendarDate(), (CivilDate{2003, 1, 31}));
        click(w, "SpinButton1Up");
        QCOMPARE(w.calendarDate(), (CivilDate{2003, 2, 1}));
        QCOMPARE(labelText(w, "Panel2"), QString("February"));

        pickDay(w, 2003, 2, 10);
        click(w, "SpinButton1Down");
        QCOMPARE(w.calendarDate(), (CivilDate{2003, 1, 31}));
        pickDay(w, 2003, 1, 10);
        click(w, "SpinButton1Down");
        QCOMPARE(w.calendarDate(), (CivilDate{2002, 12, 31}));
        QCOMPARE(labelText(w, "Label3"), QString("2002"));
        QCOMPARE(labelText(w, "Panel2"), QString("December"));
        click(w, "SpinButton1Up");
        QCOMPARE(w.calendarDate(), (CivilDate{2003, 1, 1}));
        QCOMPARE(labelText(w, "Label3"), QString("2003"));
    }

    void downFromMarchOfALeapYearStopsOn28February()
    {
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2004, 3, 14}});
        openDatabase("ga.c3d");
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.calendarDate(), (CivilDate{2004, 3, 15}));
        w.showPreviousMonth();
        QCOMPARE(w.calendarDate(), (CivilDate{2004, 2, 28}));
        QCOMPARE(labelText(w, "Panel2"), QString("February"));
    }

    void onlyTheShownMonthsDaysCanBePicked()
    {
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2003, 1, 30}});
        openDatabase("ga.c3d");
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        pickDay(w, 2003, 2, 3); // a greyed day of the next month
        QCOMPARE(w.calendarDate().month, 1);
        pickDay(w, 2003, 1, 5);
        QCOMPARE(w.calendarDate(), (CivilDate{2003, 1, 5}));
    }

    void aFullDatabaseIsCutBackToItsLast90Draws()
    {
        env->writeDatabase("ga.c3d", 731);
        const auto old = quor3::readDraws(inData("ga.c3d"));
        openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        setDigits(w, 2, 5, 8);
        const CivilDate date = w.calendarDate();
        // Declined, nothing is stored; agreed, the cut-back goes ahead.
        Dialogs::clearShown();
        Dialogs::queueButton(QMessageBox::No);
        throughGuard(&w, [&] { w.enterDraw(); });
        QCOMPARE(quor3::countDraws(inData("ga.c3d")), 731LL);
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown()[0].text,
                 QString("This database holds 731 draws, its limit. Storing this draw keeps the newest 90 in it for "
                         "the reports; every draw stays in the full history (732 draws) and in a backup. Store it?"));
        QCOMPARE(Dialogs::shown()[0].defaultButton, QMessageBox::Yes);
        Dialogs::queueButton(QMessageBox::Yes);
        throughGuard(&w, [&] { w.enterDraw(); });
        const auto draws = quor3::readDraws(inData("ga.c3d"));
        QCOMPARE(draws.size(), std::size_t(91));
        QCOMPARE(quor3::summarizeHistory(inData("ga.c3d")).draws, 732LL);
        for (int i = 0; i < 90; ++i) {
            QCOMPARE(draws[i].DrawDate, old[641 + i].DrawDate);
            QCOMPARE(draws[i].Digit3, old[641 + i].Digit3);
        }
        QCOMPARE(draws[90].DrawDate, quor3::encodeDate(date));
        QCOMPARE(draws[90].Digit2, 5);
        QCOMPARE(panels.value(0), QString("Total Draws: 91"));
        QCOMPARE(panels.value(1), "Last Draw Date: " + shortDateText(quor3::encodeDate(date)));
        QVERIFY(!quor3::fileExists(inData("temp.dat")));
        QCOMPARE(digits(w), (QList<int>{2, 5, 8}));
    }

    // Turned off with a Yes (not with a No), for that database alone, and
    // remembered in quor3.ini.
    void theCutBackQuestionCanBeTurnedOffForOneDatabase()
    {
        env->writeDatabase("Ga.c3d", 731);
        env->writeDatabase("ga.c3d", 731);
        openDatabase("Ga.c3d");
        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        // The third entry finds the database full again and asks nothing.
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes, QMessageBox::NoButton}) {
            if (answer == QMessageBox::NoButton)
                env->writeDatabase("Ga.c3d", 731);
            else
                Dialogs::queueCheckBox(true), Dialogs::queueButton(answer);
            setDigits(w, 2, 5, 8);
            throughGuard(&w, [&] { w.enterDraw(); });
            QCOMPARE(quor3::countDraws(inData("Ga.c3d")), answer == QMessageBox::No ? 731LL : 91LL);
        }
        QCOMPARE(Dialogs::shown().size(), 2);
        QCOMPARE(Dialogs::shown()[1].checkBox, QString("&Don't ask again for this database"));
        QVERIFY(quor3::readWholeFile(Settings::filePath().toStdString()).find("%47a.c3d=1") != std::string::npos);
        // Another database, its name differing only in case, is still asked.
        openDatabase("ga.c3d");
        throughGuard(&w, [&] { w.refresh(); });
        setDigits(w, 2, 5, 8);
        throughGuard(&w, [&] { w.enterDraw(); });
        QCOMPARE(Dialogs::shown().size(), 3);
        QCOMPARE(quor3::countDraws(inData("ga.c3d")), 731LL);
    }

    // The answer goes with its database: a new database of a deleted one's
    // name is asked again; another database keeps its answer.
    void deletingADatabaseForgetsItsCutBackAnswer()
    {
        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow w;
        auto enter = [&](const char* name, QMessageBox::StandardButton answer) {
            env->writeDatabase(name, 731);
            openDatabase(name);
            throughGuard(&w, [&] { w.refresh(); });
            if (answer != QMessageBox::NoButton)
                Dialogs::queueCheckBox(true), Dialogs::queueButton(answer);
            setDigits(w, 2, 5, 8);
            throughGuard(&w, [&] { w.enterDraw(); });
        };
        enter("ga.c3d", QMessageBox::Yes);
        enter("gb.c3d", QMessageBox::Yes);
        QVERIFY(deleteDatabaseFile(env->dataPath(), "ga.c3d"));
        enter("gb.c3d", QMessageBox::NoButton);
        QCOMPARE(quor3::countDraws(inData("gb.c3d")), 91LL);
        enter("ga.c3d", QMessageBox::No);
        QCOMPARE(Dialogs::shown().size(), 3);
        QCOMPARE(quor3::countDraws(inData("ga.c3d")), 731LL);
    }

    void sevenHundredThirtyDrawsBecome731WithoutACut()
    {
        env->writeDatabase("ga.c3d", 730);
        openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        setDigits(w, 2, 5, 8);
        throughGuard(&w, [&] { w.enterDraw(); });
        QCOMPARE(quor3::countDraws(inData("ga.c3d")), 731LL);
        QCOMPARE(panels.value(0), QString("Total Draws: 731"));
        QCOMPARE(digits(w), (QList<int>{0, 0, 0}));
    }

    void aCutBackStoppedAtTheRenameLeavesTheOldDatabaseWhole()
    {
        env->writeDatabase("ga.c3d", 731);
        const std::string before = readFileText(inData("ga.c3d"));
        openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        const QString total = panels.value(0);
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        quor3::setRenameFunctionForTesting(&failingRename);
        Dialogs::queueButton(QMessageBox::Yes); // the cut-back's question
        click(w, "Button1");
        QCOMPARE(Dialogs::shown().size(), 2);
        QVERIFY(Dialogs::shown().last().text.contains("ga.c3d"));
        QCOMPARE(readFileText(inData("ga.c3d")), before);
        QVERIFY(!quor3::fileExists(inData("temp.dat")));
        QCOMPARE(panels.value(0), total);
    }

    void theFirstDrawCreatesTheDatabase()
    {
        Session& session = Session::instance();
        session.databaseName = "new.c3d";
        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        const QDate today = QDate::currentDate();
        QCOMPARE(w.calendarDate(), (CivilDate{today.year(), today.month(), today.day()}));
        setDigits(w, 1, 2, 3);
        throughGuard(&w, [&] { w.enterDraw(); });
        QCOMPARE(quor3::countDraws(inData("new.c3d")), 1LL);
        QCOMPARE(panels.value(0), QString("Total Draws: 1"));
        QVERIFY(panels.value(3).startsWith("Coldest Number: "));
        QVERIFY(quor3::fileExists(inData("hot.dat")));
        QCOMPARE(digits(w), (QList<int>{0, 0, 0}));
    }

    void withoutADatabaseTheHeldYearIsKept()
    {
        Session::instance().databaseName = "none.c3d";
        AddDrawsState::setLastEnteredDate({2001, 5, 9});
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        const QDate today = QDate::currentDate();
        QCOMPARE(w.calendarDate().year, 2001);
        QCOMPARE(w.calendarDate().month, today.month());
        QCOMPARE(labelText(w, "Label3"), QString("2001"));
        QVERIFY(!quor3::fileExists(inData("none.c3d")));
    }

    void theHeldDateOutlivesTheWindow()
    {
        env->writeDatabase("ga.c3d", {{1, 2, 3, 1999, 7, 4}});
        openDatabase("ga.c3d");
        {
            AddDrawsWindow w;
            throughGuard(&w, [&] { w.refresh(); });
        }
        Session::instance().databaseName = "other.c3d";
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.calendarDate().year, 1999);
    }

    void theNotifySettingAndItsLabels()
    {
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        auto* check = child<QCheckBox>(&w, "CheckBox1");
        QVERIFY(check->isChecked()); // no QCheck key: notify
        QTest::mouseClick(child<QLabel>(&w, "Label2"), Qt::LeftButton);
        QVERIFY(!check->isChecked());
        QCOMPARE(Settings::readInteger("QCheck", 7), 0);
        QTest::mouseClick(child<QLabel>(&w, "Label1"), Qt::LeftButton);
        QVERIFY(check->isChecked());
        QCOMPARE(Settings::readInteger("QCheck", 7), 1);
        // A double click is a click and a double click: toggled twice.
        auto* notifyLabel = child<QLabel>(&w, "Label1");
        QTest::mouseDClick(notifyLabel, Qt::LeftButton);
        QVERIFY(!check->isChecked());
        w.clickNotifyLabel();
        QVERIFY(check->isChecked());
        w.doubleClickChoicesLabel();
        QVERIFY(!check->isChecked());
        w.clickChoicesLabel();
        QVERIFY(check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(Settings::readInteger("QCheck", 7), 0);
        check->setChecked(true); // not saved by itself
        QCOMPARE(Settings::readInteger("QCheck", 7), 0);
        click(w, "BitBtn1");
        QCOMPARE(Settings::readInteger("QCheck", 7), 1);

        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow again;
        throughGuard(&again, [&] { again.refresh(); });
        QVERIFY(!child<QCheckBox>(&again, "CheckBox1")->isChecked());
    }

    void theSameDateEnteredTwiceIsStoredTwice()
    {
        env->writeDatabase("ga.c3d", 5);
        openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        const CivilDate date = w.calendarDate();
        throughGuard(&w, [&] { w.enterDraw(); });
        pickDay(w, date.year, date.month, date.day);
        throughGuard(&w, [&] { w.enterDraw(); });
        const auto draws = quor3::readDraws(inData("ga.c3d"));
        QCOMPARE(draws.size(), std::size_t(7));
        QCOMPARE(draws[5].DrawDate, draws[6].DrawDate);
    }

    void aDateAfterTodayIsStoredOnlyWhenConfirmed()
    {
        const QDate today = QDate::currentDate();
        const QDate yesterday = today.addDays(-1);
        const QDate tomorrow = today.addDays(1);
        env->writeDatabase("ga.c3d", {{1, 2, 3, yesterday.year(), yesterday.month(), yesterday.day()}});
        openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        // Today is no later than today.
        QCOMPARE(w.calendarDate(), (CivilDate{today.year(), today.month(), today.day()}));
        throughGuard(&w, [&] { w.enterDraw(); });
        QVERIFY(Dialogs::shown().isEmpty());
        QCOMPARE(quor3::countDraws(inData("ga.c3d")), 2LL);

        QCOMPARE(w.calendarDate(), (CivilDate{tomorrow.year(), tomorrow.month(), tomorrow.day()}));
        setDigits(w, 4, 5, 6);
        throughGuard(&w, [&] { w.enterDraw(); });
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown()[0].text, QString("%1/%2/%3 is after today. Store it?")
                                               .arg(tomorrow.month())
                                               .arg(tomorrow.day())
                                               .arg(tomorrow.year()));
        QCOMPARE(Dialogs::shown()[0].defaultButton, QMessageBox::No);
        QCOMPARE(quor3::countDraws(inData("ga.c3d")), 2LL);
        Dialogs::queueButton(QMessageBox::Yes);
        throughGuard(&w, [&] { w.enterDraw(); });
        QCOMPARE(quor3::countDraws(inData("ga.c3d")), 3LL);
        QCOMPARE(quor3::readDraws(inData("ga.c3d")).back().DrawDate,
                 quor3::encodeDate(tomorrow.year(), tomorrow.month(), tomorrow.day()));
    }

    void matchesAreAnnouncedAndLoggedInOrder()
    {
        env->writeDatabase("ga.c3d", 10);
        openDatabase("ga.c3d");
        writeQuietChoices();
        quor3::writeTextLines(inData("hot.dat"), {"3  0  7", "9  9  9", "9  9  9", "9  9  9", "9  9  9"});
        quor3::writeTextLines(inData("cold.dat"), {"9  9  9", "9  9  9", "0  3  7", "9  9  9", "9  9  9"});
        quor3::writeTextLines(inData("wm.dat"), {"7  0  0", "9  9  9", "9  9  9", "9  9  9"});
        std::filesystem::remove(inData("pr.dat"));
        quor3::writeTextLines(inData("repeats.dat"), {"9  9  9", "7  0  3", "9  9  9", "9  9  9", "9  9  9"});
        AddDrawsWindow w;
        w.refresh(); // 11 January 2002
        setDigits(w, 7, 0, 3);
        click(w, "Button1");

        const auto& shown = Dialogs::shown();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].text, QString("W I N N E R\nHot Category: 3  0  7"));
        QCOMPARE(shown[1].text, QString("W I N N E R\nCold Category: 0  3  7"));
        QCOMPARE(shown[2].text, QString("W I N N E R\n% Repeats Category: 7  0  3"));
        for (const auto& s : shown) {
            QCOMPARE(s.title, QString("Quor 3"));
            QCOMPARE(s.position, std::optional<QPoint>(QPoint(375, 230)));
        }
        const auto log = quor3::readTextLines(inData("quor3 winners.txt"));
        QCOMPARE(log.size(), std::size_t(4));
        QCOMPARE(log[0], std::string("Log began on: 1/11/2002"));
        QCOMPARE(log[1], std::string("1/11/2002[Quor3 Picked: 3  0  7] [Actual: 703] Hot Category ga.c3d"));
        QCOMPARE(log[2], std::string("1/11/2002[Quor3 Picked: 0  3  7] [Actual: 703] Cold Category ga.c3d"));
        QCOMPARE(log[3], std::string("1/11/2002[Quor3 Picked: 7  0  3] [Actual: 703] % Repeats Category ga.c3d"));
        // The entered draw is stored after the check, on the entered date.
        const auto last = quor3::readDraws(inData("ga.c3d")).back();
        QCOMPARE(last.DrawDate, quor3::encodeDate(2002, 1, 11));
        QCOMPARE(last.Digit1, 7);
    }

    void repeatedDigitsMatchOnlyTheSameDigitsAsOften()
    {
        env->writeDatabase("ga.c3d", 10);
        openDatabase("ga.c3d");
        writeQuietChoices();
        quor3::writeTextLines(inData("oddeven.dat"), {"1  2  2", "2  1  1", "9  9  9", "9  9  9", "9  9  9"});
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        setDigits(w, 1, 1, 2);
        throughGuard(&w, [&] { w.enterDraw(); });
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown()[0].text, QString("W I N N E R\nOdd/Even Category: 2  1  1"));
    }

    void aMalformedChoiceLineStopsTheEntry()
    {
        env->writeDatabase("ga.c3d", 10);
        openDatabase("ga.c3d");
        writeQuietChoices();
        quor3::writeTextLines(inData("hot.dat"), {"3  0  7", "9  9  9", "9  9  9", "9  9  9", "9  9  9"});
        quor3::writeTextLines(inData("cold.dat"), {"9  9  9", "9  9  9"});
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        setDigits(w, 7, 0, 3);
        click(w, "Button1");
        QCOMPARE(Dialogs::shown().size(), 2);
        QCOMPARE(Dialogs::shown()[0].text, QString("W I N N E R\nHot Category: 3  0  7"));
        QCOMPARE(Dialogs::shown()[1].text, QString("'' is not a valid integer value"));
        QCOMPARE(quor3::countDraws(inData("ga.c3d")), 10LL);
        QCOMPARE(quor3::readTextLines(inData("quor3 winners.txt")).size(), std::size_t(2));
        QCOMPARE(digits(w), (QList<int>{7, 0, 3}));
    }

    void withNotifyOffNoChoiceIsReadAndTheLogIsUntouched()
    {
        env->writeDatabase("ga.c3d", 10);
        openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        quor3::writeTextLines(inData("hot.dat"), {"3  0  7", "x"});
        AddDrawsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        setDigits(w, 7, 0, 3);
        click(w, "Button1");
        QVERIFY(Dialogs::shown().isEmpty());
        QVERIFY(!quor3::fileExists(inData("quor3 winners.txt")));
        QCOMPARE(quor3::countDraws(inData("ga.c3d")), 11LL);
    }

    void anEmptyDatabaseFileIsReportedAndTodayStays()
    {
        quor3::writeWholeFile(inData("empty.c3d"), "");
        Session::instance().databaseName = "empty.c3d";
        AddDrawsWindow w;
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activate);
        QCOMPARE(Dialogs::shown().size(), 1);
        const QDate today = QDate::currentDate();
        QCOMPARE(w.calendarDate(), (CivilDate{today.year(), today.month(), today.day()}));
    }
};

QTEST_MAIN(AddrecTest)
#include "AddDrawsWindowTest.moc"
