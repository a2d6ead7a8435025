#include "GuiTestSupport.h"

#include "engine/Backups.h"
#include "engine/DataFiles.h"
#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "engine/FileIo.h"
#include "entry/CorrectionsWindow.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace
{
QMap<int, QString> panels;
}

class UpdateTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    std::filesystem::path database() const { return env->dataPath() / "ga.c3d"; }
    static QSpinBox* box(CorrectionsWindow& w, const char* name) { return child<QSpinBox>(&w, name); }
    static QListWidget* list(CorrectionsWindow& w) { return child<QListWidget>(&w, "ListBox1"); }
    static QList<int> values(CorrectionsWindow& w)
    {
        QList<int> v;
        for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4", "SpinEdit5", "SpinEdit6"})
            v.append(box(w, name)->value());
        return v;
    }
    static void setValues(CorrectionsWindow& w, const QList<int>& v)
    {
        const char* names[] = {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit6", "SpinEdit4", "SpinEdit5"};
        const int order[] = {0, 1, 2, 5, 3, 4};
        for (int i = 0; i < 6; ++i)
            box(w, names[i])->setValue(v[order[i]]);
    }
    static void reEnter(CorrectionsWindow& w) { QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton); }

    // 1-2-3 on 1 January 2002, 4-4-4 on 29 February 2004, 7-8-9 on 31 January 2005.
    void writeThree()
    {
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2002, 1, 1}, {4, 4, 4, 2004, 2, 29}, {7, 8, 9, 2005, 1, 31}});
        env->openDatabase("ga.c3d");
        panels.clear();
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        panels.clear();
        Session::instance().setStatusText = [](int panel, const QString& text) { panels[panel] = text; };
        Dialogs::clearShown();
    }
    void cleanup()
    {
        Session::instance().setStatusText = nullptr;
        env.reset();
    }

    void createdWithTodayAndZeroDigits()
    {
        CorrectionsWindow w;
        QCOMPARE(w.windowTitle(), QString("Correct It!"));
        QCOMPARE(w.size(), QSize(394, 326));
        QCOMPARE(child<QPushButton>(&w, "Button1")->text(), QString("&Re-Enter "));
        QCOMPARE(child<QLabel>(&w, "Label3")->text(), QString("First, select an entry in the database:"));
        QCOMPARE(child<QLabel>(&w, "Label1")->text(), QString("Change Entry"));
        QCOMPARE(child<QLabel>(&w, "Label2")->text(), QString("Change Date"));
        const QDate today = QDate::currentDate();
        QCOMPARE(values(w), (QList<int>{0, 0, 0, today.month(), today.day(), today.year()}));
        QCOMPARE(box(w, "SpinEdit5")->maximum(), today.daysInMonth());
        QCOMPARE(box(w, "SpinEdit6")->minimum(), 1900);
        QCOMPARE(box(w, "SpinEdit6")->maximum(), 2500);
        QCOMPARE(box(w, "SpinEdit6")->findChild<QLineEdit*>()->maxLength(), 4);
        auto* remove = child<QPushButton>(&w, "deleteButton");
        QVERIFY(remove);
        QCOMPARE(remove->text(), QString("&Delete Entry"));
        QVERIFY(w.rect().contains(remove->geometry()));
        for (auto* other : w.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(other == remove || !other->geometry().intersects(remove->geometry()),
                     qPrintable(other->objectName()));
        // Without a database file the list stays empty.
        Session::instance().databaseName = "missing.c3d";
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(list(w)->count(), 0);
    }

    void opensAtTheNewestDrawAndACorrectionKeepsThePlace()
    {
        env->writeDatabase("ga.c3d", 200);
        env->openDatabase("ga.c3d");
        CorrectionsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* l = list(w);
        QTRY_COMPARE(l->count(), 200);
        const auto visible = [l](int row) { return l->viewport()->rect().contains(l->visualItemRect(l->item(row))); };
        QVERIFY(visible(199));
        QVERIFY(!visible(0));
        QCOMPARE(l->item(0)->text(), QString::fromStdString(quor3::entryLine(quor3::readDraw(database(), 0))));
        l->setCurrentRow(190);
        box(w, "SpinEdit1")->setValue(9);
        reEnter(w);
        QVERIFY(Dialogs::shown().isEmpty());
        QCOMPARE(quor3::readDraw(database(), 190).Digit1, 9);
        QVERIFY(visible(190));
    }

    // Another program merged an older draw in front while the window was
    // open: the draw shown at the selected place has moved on by one.
    void aChangeOfADrawThatMovedWritesNothingAndReloads()
    {
        for (const bool deleting : {false, true}) {
            writeThree();
            CorrectionsWindow w;
            int refreshes = 0;
            w.setRefreshRequest([&] { ++refreshes; });
            throughGuard(&w, [&] { w.refresh(); });
            list(w)->setCurrentRow(2);
            QCOMPARE(values(w), (QList<int>{7, 8, 9, 1, 31, 2005}));
            env->writeDatabase(
                "ga.c3d",
                {{9, 9, 9, 2001, 6, 1}, {1, 2, 3, 2002, 1, 1}, {4, 4, 4, 2004, 2, 29}, {7, 8, 9, 2005, 1, 31}});
            const std::string merged = readFileText(database());
            const std::size_t backups = quor3::listBackups(database()).size();
            Dialogs::clearShown();
            if (deleting) {
                Dialogs::queueButton(QMessageBox::Yes);
                QTest::mouseClick(child<QPushButton>(&w, "deleteButton"), Qt::LeftButton);
            } else {
                setValues(w, {7, 8, 0, 1, 31, 2005});
                reEnter(w);
            }
            QCOMPARE(readFileText(database()), merged);
            QCOMPARE(quor3::listBackups(database()).size(), backups);
            QVERIFY(!Dialogs::shown().isEmpty());
            QCOMPARE(Dialogs::shown().last().text,
                     QString("ga.c3d has changed since this window listed its draws: the entry 7  8  9 of 1/31/2005 "
                             "is no longer where the list showed it. Nothing was written; the list now shows the "
                             "database as it is."));
            QCOMPARE(list(w)->count(), 4);
            QCOMPARE(list(w)->item(0)->text(), QString("6/1/2001 :        9   9   9"));
            QVERIFY(list(w)->selectedItems().isEmpty());
            QCOMPARE(refreshes, 1);
            // Picked again at its new place, the draw is changed there.
            list(w)->setCurrentRow(3);
            box(w, "SpinEdit3")->setValue(0);
            reEnter(w);
            QCOMPARE(quor3::readDraw(database(), 3).Digit3, 0);
            QCOMPARE(quor3::readDraw(database(), 2).Digit3, 4);
        }
    }

    void deleteRemovesTheSelectedDrawAfterAskingWithABackup()
    {
        writeThree();
        const std::string before = readFileText(database());
        CorrectionsWindow w;
        int refreshes = 0;
        w.setRefreshRequest([&] { ++refreshes; });
        throughGuard(&w, [&] { w.refresh(); });
        auto* remove = child<QPushButton>(&w, "deleteButton");
        QTest::mouseClick(remove, Qt::LeftButton);
        QVERIFY(Dialogs::shown().isEmpty());

        list(w)->setCurrentRow(1);
        Dialogs::queueButton(QMessageBox::No);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown()[0].text, QString("Delete the entry 4  4  4 of 2/29/2004 from ga.c3d?\nThe database "
                                                   "as it is now is kept as a backup first."));
        QCOMPARE(Dialogs::shown()[0].defaultButton, QMessageBox::No);
        QCOMPARE(readFileText(database()), before);

        Dialogs::queueButton(QMessageBox::Yes);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(Dialogs::shown().size(), 2);
        QCOMPARE(lines(list(w)), (QStringList{"1/1/2002 :        1   2   3", "1/31/2005 :        7   8   9"}));
        QCOMPARE(readFileText(database()), before.substr(0, 24) + before.substr(48));
        const auto backups = quor3::listBackups(database());
        QCOMPARE(backups.size(), std::size_t(1));
        QCOMPARE(readFileText(backups[0].file), before);
        QCOMPARE(panels.value(0), QString("Total Draws: 2"));
        QCOMPARE(Session::instance().totalDraws, 2LL);
        QCOMPARE(refreshes, 1);

        // The last draw takes the file with it: no database, as before its first draw.
        for (int k = 0; k < 2; ++k) {
            list(w)->setCurrentRow(0);
            Dialogs::queueButton(QMessageBox::Yes);
            QTest::mouseClick(remove, Qt::LeftButton);
        }
        QVERIFY(!quor3::fileExists(database()));
        QCOMPARE(list(w)->count(), 0);
        QCOMPARE(panels.value(0), QString("Total Draws: 0"));
    }

    void listIsOldestFirstAndAClickLoadsTheRecord()
    {
        writeThree();
        CorrectionsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(list(w)->count(), 3);
        QVERIFY(list(w) && list(w)->count() > 0);
        QCOMPARE(list(w)->item(0)->text(), QString::fromStdString(quor3::entryLine(quor3::readDraw(database(), 0))));
        QCOMPARE(list(w)->item(2)->text(), QString("1/31/2005 :        7   8   9"));
        QVERIFY(list(w)->selectedItems().isEmpty());
        QCOMPARE(values(w)[0], 0);
        QTest::mouseClick(list(w)->viewport(), Qt::LeftButton, {}, list(w)->visualItemRect(list(w)->item(1)).center());
        QCOMPARE(values(w), (QList<int>{4, 4, 4, 2, 29, 2004}));
        QTest::keyClick(box(w, "SpinEdit2"), Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("correct"));
        list(w)->setCurrentRow(2);
        QCOMPARE(values(w), (QList<int>{7, 8, 9, 1, 31, 2005}));
    }

    void reEnterWritesInPlaceAndRebuildsWithoutTouchingTheTotal()
    {
        writeThree();
        panels[0] = "Total Draws: kept";
        CorrectionsWindow w;
        int refreshes = 0;
        w.setRefreshRequest([&] { ++refreshes; });
        throughGuard(&w, [&] { w.refresh(); });
        list(w)->setCurrentRow(2);
        setValues(w, {4, 5, 6, 2, 3, 2005});
        reEnter(w);

        QVERIFY(Dialogs::shown().isEmpty());
        const auto draws = quor3::readDraws(database());
        QCOMPARE(draws.size(), std::size_t(3));
        QCOMPARE(draws[2].DrawDate, quor3::encodeDate(2005, 2, 3));
        QCOMPARE((QList<int>{draws[2].Digit1, draws[2].Digit2, draws[2].Digit3}), (QList<int>{4, 5, 6}));
        QCOMPARE(draws[1].Digit1, 4);
        QCOMPARE(list(w)->item(2)->text(), QString("2/3/2005 :        4   5   6"));
        QVERIFY(list(w)->selectedItems().isEmpty());
        QCOMPARE(values(w).mid(0, 3), (QList<int>{0, 0, 0}));
        QCOMPARE(panels.value(0), QString("Total Draws: kept"));
        QCOMPARE(panels.value(1), "Last Draw Date: " + shortDateText(quor3::encodeDate(2005, 2, 3)));
        QVERIFY(panels.value(2).startsWith("Hottest Number: "));
        QCOMPARE(refreshes, 1);
    }

    void correctingOneTwoThreeToFourFiveSixMovesThePositionCounts()
    {
        writeThree();
        const auto before = quor3::readCountsFile(env->dataPath() / "order.dat");
        CorrectionsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        list(w)->setCurrentRow(0);
        setValues(w, {4, 5, 6, 1, 1, 2002});
        throughGuard(&w, [&] { w.reenterDraw(); });
        const auto after = quor3::readCountsFile(env->dataPath() / "order.dat");
        QCOMPARE(after[0][1], before[0][1] - 1);
        QCOMPARE(after[0][4], before[0][4] + 1);
        QCOMPARE(after[1][2], before[1][2] - 1);
        QCOMPARE(after[1][5], before[1][5] + 1);
        QCOMPARE(after[2][3], before[2][3] - 1);
        QCOMPARE(after[2][6], before[2][6] + 1);
    }

    void reEnterTwiceDoesNothingTheSecondTime()
    {
        writeThree();
        CorrectionsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        list(w)->setCurrentRow(1);
        setValues(w, {1, 1, 1, 3, 1, 2004});
        reEnter(w);
        const std::string written = readFileText(database());
        panels.clear();
        setValues(w, {9, 9, 9, 3, 2, 2004});
        reEnter(w);
        QCOMPARE(readFileText(database()), written);
        QVERIFY(panels.isEmpty());
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void withoutASelectionNothingHappens()
    {
        writeThree();
        const std::string before = readFileText(database());
        CorrectionsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        setValues(w, {9, 9, 9, 3, 2, 2004});
        reEnter(w);
        QCOMPARE(readFileText(database()), before);
        QVERIFY(panels.isEmpty());
    }

    void aRecordsOwnDateIsShownInFullAndWrittenBackUnchanged()
    {
        writeThree();
        CorrectionsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        list(w)->setCurrentRow(2); // 31 January 2005
        list(w)->setCurrentRow(1); // 29 February 2004
        QCOMPARE(values(w), (QList<int>{4, 4, 4, 2, 29, 2004}));
        box(w, "SpinEdit1")->setValue(5);
        throughGuard(&w, [&] { w.reenterDraw(); });
        const auto draw = quor3::readDraw(database(), 1);
        QCOMPARE(draw.DrawDate, quor3::encodeDate(2004, 2, 29));
        QCOMPARE(draw.Digit1, 5);
    }

    void theDayLimitFollowsTheMonthAndYear()
    {
        CorrectionsWindow w;
        auto* day = box(w, "SpinEdit5");
        box(w, "SpinEdit6")->setValue(2004);
        box(w, "SpinEdit4")->setValue(2);
        QCOMPARE(day->maximum(), 29);
        box(w, "SpinEdit6")->setValue(2003);
        QCOMPARE(day->maximum(), 28);
        box(w, "SpinEdit4")->setValue(4);
        QCOMPARE(day->maximum(), 30);
        day->setValue(31);
        QCOMPARE(day->value(), 30);
        box(w, "SpinEdit4")->setValue(1);
        QCOMPARE(day->maximum(), 31);
        box(w, "SpinEdit6")->setValue(2100);
        box(w, "SpinEdit4")->setValue(2);
        QCOMPARE(day->maximum(), 28);
    }

    void anImpossibleDateIsRefusedAndNothingIsWritten()
    {
        writeThree();
        const std::string before = readFileText(database());
        CorrectionsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        list(w)->setCurrentRow(0);
        box(w, "SpinEdit4")->setValue(4);
        // The day box never offers 31 in April; force it to see the guard behind it.
        box(w, "SpinEdit5")->setMaximum(31);
        box(w, "SpinEdit5")->setValue(31);
        reEnter(w);
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown()[0].text, QString("Invalid argument to date encode"));
        QCOMPARE(readFileText(database()), before);
        QVERIFY(panels.isEmpty());
    }

    void aShrunkDatabaseIsNotExtendedByACorrection()
    {
        writeThree();
        CorrectionsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        list(w)->setCurrentRow(2);
        env->writeDatabase("ga.c3d", 2);
        reEnter(w);
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(quor3::countDraws(database()), 2LL);
    }
};

QTEST_MAIN(UpdateTest)
#include "CorrectionsWindowTest.moc"
