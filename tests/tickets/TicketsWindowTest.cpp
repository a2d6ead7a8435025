#include "GuiTestSupport.h"

#include "engine/Dates.h"
#include "engine/Tickets.h"
#include "platform/Dialogs.h"
#include "platform/Session.h"
#include "tickets/TicketsWindow.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(QList<int>)

namespace
{

// The database's draws: 12/1/2026 "1 4 5", 12/2/2026 "7 7 7".
const std::vector<TestDraw> Draws = {{1, 4, 5, 2026, 12, 1}, {7, 7, 7, 2026, 12, 2}};

quor3::fs::path database()
{
    return Session::instance().databasePath();
}

} // namespace

class TicketsWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    // Types a ticket as a player does: the number, then Tab and arrow keys
    // through bet and stake; the date and the draws are set; Enter adds.
    static void typeTicket(TicketsWindow& w, const QString& number, int betDowns, int stakeDowns,
                           const QDate& first = QDate(2026, 12, 1), int draws = 1)
    {
        child<QDateEdit>(&w, "firstDrawEdit")->setDate(first);
        child<QSpinBox>(&w, "drawsBox")->setValue(draws);
        auto* numberEdit = child<QLineEdit>(&w, "numberEdit");
        numberEdit->setFocus();
        QTest::keyClicks(numberEdit, number);
        QTest::keyClick(numberEdit, Qt::Key_Tab);
        auto* typeBox = child<QComboBox>(&w, "typeBox");
        QTRY_VERIFY(typeBox->hasFocus());
        typeBox->setCurrentIndex(0);
        for (int i = 0; i < betDowns; ++i)
            QTest::keyClick(typeBox, Qt::Key_Down);
        QTest::keyClick(typeBox, Qt::Key_Tab);
        auto* stakeBox = child<QComboBox>(&w, "stakeBox");
        QTRY_VERIFY(stakeBox->hasFocus());
        stakeBox->setCurrentIndex(0);
        for (int i = 0; i < stakeDowns; ++i)
            QTest::keyClick(stakeBox, Qt::Key_Down);
        QTest::keyClick(stakeBox, Qt::Key_Return);
    }
    static QString summary(TicketsWindow& w) { return child<QLabel>(&w, "summaryLabel")->text(); }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        env->writeDatabase("ga.c3d", Draws);
        env->openDatabase("ga.c3d");
        Dialogs::clearShown();
    }
    void cleanup() { env.reset(); }

    // Bet: 0 Straight, 1 Box, 2 Straight/Box, 3 Combo, 4 Front Pair, 5 Back
    // Pair. Stake: 0 50 cents, 1 $1, ... 5 $5.
    void enterAddsTheTypedTicketSettledAgainstItsDraw_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("bet");
        QTest::addColumn<int>("stake");
        QTest::addColumn<int>("draws");
        QTest::addColumn<QStringList>("row"); // number, bet, stake, cost, prize
        QTest::newRow("6-way box wins") << "451" << 1 << 1 << 1
                                        << QStringList{"451", "Box 6-way", "$1.00", "$1.00", "$80.00"};
        QTest::newRow("straight misses") << "451" << 0 << 1 << 1
                                         << QStringList{"451", "Straight", "$1.00", "$1.00", "$0.00"};
        QTest::newRow("combo at 50 cents")
            << "154" << 3 << 0 << 1 << QStringList{"154", "Combo", "$0.50", "$3.00", "$250.00"};
        QTest::newRow("front pair over two draws")
            << "148" << 4 << 2 << 2 << QStringList{"148", "Front Pair", "$2.00", "$4.00", "$100.00"};
        QTest::newRow("leading zero kept")
            << "056" << 5 << 1 << 1 << QStringList{"056", "Back Pair", "$1.00", "$1.00", "$0.00"};
    }
    void enterAddsTheTypedTicketSettledAgainstItsDraw()
    {
        QFETCH(QString, number);
        QFETCH(int, bet);
        QFETCH(int, stake);
        QFETCH(int, draws);
        QFETCH(QStringList, row);
        TicketsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        typeTicket(w, number, bet, stake, QDate(2026, 12, 1), draws);

        QVERIFY2(Dialogs::shown().isEmpty(), qPrintable(Dialogs::shown().value(0).text));
        QCOMPARE(quor3::listTickets(database()).size(), std::size_t(1));
        auto* table = child<QTableWidget>(&w, "ticketTable");
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE((QStringList{cell(table, 3, 0), cell(table, 4, 0), cell(table, 5, 0), cell(table, 6, 0),
                              cell(table, 8, 0)}),
                 row);
        QCOMPARE(table->item(0, 3)->data(Qt::AccessibleTextRole).toString(),
                 QString("%1 %2 %3").arg(number[0]).arg(number[1]).arg(number[2]));
        // Ready for the next ticket.
        QVERIFY(child<QLineEdit>(&w, "numberEdit")->text().isEmpty());
        QVERIFY(child<QLineEdit>(&w, "numberEdit")->hasFocus());
    }

    void aTripleCannotBeBoxed()
    {
        TicketsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        typeTicket(w, "777", 1, 1);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY2(Dialogs::shown()[0].text.contains("triple"), qPrintable(Dialogs::shown()[0].text));
        QVERIFY(quor3::listTickets(database()).empty());
        QCOMPARE(child<QTableWidget>(&w, "ticketTable")->rowCount(), 0);
        // What was typed stays, to be put right.
        QCOMPARE(child<QLineEdit>(&w, "numberEdit")->text(), QString("777"));
    }

    void aTicketWaitingForItsDrawIsRemovedASettledOneIsNot()
    {
        quor3::TicketPlay settled{{4, 5, 1}, quor3::BetType::Box, 100, quor3::encodeDate(2026, 12, 1), 1};
        quor3::TicketPlay waiting{{1, 2, 3}, quor3::BetType::Straight, 100, quor3::encodeDate(2026, 12, 20), 1};
        quor3::addTicket(database(), settled);
        quor3::addTicket(database(), waiting);
        TicketsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* table = child<QTableWidget>(&w, "ticketTable");
        auto* remove = child<QPushButton>(&w, "removeButton");

        table->selectRow(0);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY2(Dialogs::shown()[0].text.contains("settled"), qPrintable(Dialogs::shown()[0].text));
        QCOMPARE(quor3::listTickets(database()).size(), std::size_t(2));

        Dialogs::clearShown();
        table->selectRow(1);
        table->setFocus();
        Dialogs::queueButton(QMessageBox::Yes);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown()[0].text.startsWith("Remove ticket 123 Straight"));
        const auto left = quor3::listTickets(database());
        QCOMPARE(left.size(), std::size_t(1));
        QCOMPARE(left[0].play.number, (quor3::TicketNumber{4, 5, 1}));
        QCOMPARE(table->rowCount(), 1);
    }

    void theSummarySaysTheBalanceInWords_data()
    {
        QTest::addColumn<QStringList>("numbers"); // each a $1 box on 12/1/2026, or straight with an 's'
        QTest::addColumn<QString>("balance");
        QTest::addColumn<QString>("average");
        QTest::newRow("a win") << QStringList{"451", "123s"}
                               << "2 tickets: spent $2.00, won $80.00. "
                                  "Balance of the plays drawn so far: gain $78.00."
                               << "On average these plays would have paid back $0.98; they paid $80.00.";
        QTest::newRow("a loss") << QStringList{"123s", "999s", "456s"}
                                << "3 tickets: spent $3.00, won $0.00. Balance of the plays drawn so far: "
                                   "loss $3.00."
                                << "On average these plays would have paid back $1.50; they paid $0.00.";
    }
    void theSummarySaysTheBalanceInWords()
    {
        QFETCH(QStringList, numbers);
        QFETCH(QString, balance);
        QFETCH(QString, average);
        for (const QString& n : numbers) {
            const auto number = quor3::numberFromText(n.left(3).toStdString());
            quor3::addTicket(database(), {*number, n.endsWith('s') ? quor3::BetType::Straight : quor3::BetType::Box,
                                          100, quor3::encodeDate(2026, 12, 1), 1});
        }
        TicketsWindow w;
        const QStringList lines = summary(w).split('\n');
        QCOMPARE(lines.value(0), balance);
        QCOMPARE(lines.value(1), average);
        QVERIFY(!summary(w).contains("-$"));
        auto* months = child<QTableWidget>(&w, "monthTable");
        QCOMPARE(months->rowCount(), 1);
    }

    void pastTheBudgetTheWindowAsksFirst()
    {
        TicketsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* budget = child<QSpinBox>(&w, "budgetBox");
        budget->setFocus();
        budget->selectAll();
        QTest::keyClicks(budget, "5");
        QTest::keyClick(budget, Qt::Key_Return);
        QCOMPARE(quor3::monthlyBudget(database()), std::optional<quor3::Cents>(500));
        QVERIFY(Dialogs::shown().isEmpty()); // Enter set the budget, it added nothing

        // A $6 combo goes past $5: No keeps it out, Yes adds it.
        Dialogs::queueButton(QMessageBox::No);
        typeTicket(w, "451", 3, 1);
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown()[0].text,
                 QString("This ticket costs $6.00, and $5.00 of the monthly budget is left for Dec 2026. "
                         "Add it anyway?"));
        QVERIFY(quor3::listTickets(database()).empty());
        Dialogs::queueButton(QMessageBox::Yes);
        QTest::keyClick(child<QComboBox>(&w, "stakeBox"), Qt::Key_Return);
        QCOMPARE(Dialogs::shown().size(), 2);
        QCOMPARE(quor3::listTickets(database()).size(), std::size_t(1));
    }

    void exportWritesEveryTicketAsCsv()
    {
        quor3::addTicket(database(), {{4, 5, 1}, quor3::BetType::Box, 100, quor3::encodeDate(2026, 12, 1), 1});
        quor3::addTicket(database(), {{0, 5, 6}, quor3::BetType::Combo, 50, quor3::encodeDate(2026, 12, 1), 2});
        TicketsWindow w;
        const QString file = env->home() + "/tickets.csv";
        Dialogs::queueFile(file);
        QTest::mouseClick(child<QPushButton>(&w, "exportButton"), Qt::LeftButton);
        QVERIFY(Dialogs::shown().isEmpty());
        QCOMPARE(QString::fromStdString(readFileText(file.toStdString())),
                 QString("first_draw,draws,number,type,stake,cost,won\n"
                         "2026-12-01,1,451,box,1.00,1.00,80.00\n"
                         "2026-12-01,2,056,combo,0.50,6.00,0.00\n"));
    }

    void theWindowKeepsItsSize()
    {
        {
            TicketsWindow w;
            w.show();
            w.resize(900, 700);
            w.close();
        }
        TicketsWindow again;
        QCOMPARE(again.size(), QSize(900, 700));
    }
};

QTEST_MAIN(TicketsWindowTest)
#include "TicketsWindowTest.moc"
