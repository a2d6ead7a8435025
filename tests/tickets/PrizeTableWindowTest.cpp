#include "GuiTestSupport.h"

#include "engine/Dates.h"
#include "engine/Tickets.h"
#include "platform/Dialogs.h"
#include "platform/Session.h"
#include "tickets/PrizeTableWindow.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

// A prize table typed in from 12/2 settles that draw by it and the one before
// by the default; removed again, the default settles both.
class PrizeTableWindowTest : public QObject
{
    Q_OBJECT

  private slots:
    void aChangeAppliesFromItsDate()
    {
        GuiTestEnvironment env;
        // A 6-way box over two draws; 451 comes in another order on both.
        env.writeDatabase("ga.c3d", {{1, 4, 5, 2026, 12, 1}, {5, 1, 4, 2026, 12, 2}});
        env.openDatabase("ga.c3d");
        const quor3::fs::path database = Session::instance().databasePath();
        quor3::addTicket(database, {{4, 5, 1}, quor3::BetType::Box, 100, quor3::encodeDate(2026, 12, 1), 2});
        PrizeTableWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* list = child<QListWidget>(&w, "tableList");
        QCOMPARE(lines(list), QStringList{"From the earliest date"});
        QCOMPARE(child<QLabel>(&w, "return_box6")->text(), QString("$0.48 per $1"));

        child<QDateEdit>(&w, "fromEdit")->setDate(QDate(2026, 12, 2));
        auto* box6 = child<QDoubleSpinBox>(&w, "prize_box6");
        box6->setFocus();
        box6->selectAll();
        QTest::keyClicks(box6, "83.50");
        QCOMPARE(child<QLabel>(&w, "return_box6")->text(), QString("$0.50 per $1"));
        QTest::keyClick(box6, Qt::Key_Return);
        QVERIFY2(Dialogs::shown().isEmpty(), qPrintable(Dialogs::shown().value(0).text));
        QCOMPARE(lines(list).size(), 2);
        QCOMPARE(quor3::listTickets(database)[0].won, quor3::Cents(8000 + 8350));

        Dialogs::queueButton(QMessageBox::Yes);
        QTest::mouseClick(child<QPushButton>(&w, "removeButton"), Qt::LeftButton);
        QCOMPARE(lines(list).size(), 1);
        QCOMPARE(quor3::listTickets(database)[0].won, quor3::Cents(16000));
    }

    // Each bet's odds both ways and its payback, alone and with the add-on,
    // follow the prizes as they are typed.
    void theOddsFollowThePrizes()
    {
        GuiTestEnvironment env;
        env.writeDatabase("ga.c3d", {{1, 4, 5, 2026, 12, 1}});
        env.openDatabase("ga.c3d");
        PrizeTableWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* odds = child<QTableWidget>(&w, "oddsTable");
        const auto row = [odds](int r) {
            QStringList cells;
            for (int c = 0; c < odds->columnCount(); ++c)
                cells << odds->item(r, c)->text();
            return cells;
        };
        QCOMPARE(odds->rowCount(), 24);
        QCOMPARE(row(0), (QStringList{"Straight", "1 in 1,000", "1 in 1,000", "0.50"}));
        QCOMPARE(row(1), (QStringList{"Straight, add-on", "1 in 333", "1 in 333", "0.60"}));
        QCOMPARE(row(2), (QStringList{"Straight with the add-on", "", "1 in 270", "0.55"}));
        QCOMPARE(row(7), (QStringList{"Box 6-way, add-on", "1 in 56", "1 in 62", "0.61"}));

        auto* straight = child<QDoubleSpinBox>(&w, "prize_straight");
        straight->setFocus();
        straight->selectAll();
        QTest::keyClicks(straight, "700");
        QCOMPARE(row(0).last(), QString("0.70"));
        QCOMPARE(row(2).last(), QString("0.65"));
        QCOMPARE(row(1).last(), QString("0.60"));
    }
};

QTEST_MAIN(PrizeTableWindowTest)
#include "PrizeTableWindowTest.moc"
