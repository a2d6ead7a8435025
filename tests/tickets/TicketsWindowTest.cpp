#include "GuiTestSupport.h"

#include "engine/Addon.h"
#include "engine/Dates.h"
#include "engine/HistoryChange.h"
#include "engine/Tickets.h"
#include "platform/Dialogs.h"
#include "platform/Session.h"
#include "tickets/TicketsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace
{

quor3::fs::path database()
{
    return Session::instance().databasePath();
}

void addStored(quor3::TicketNumber number, quor3::BetType type, int day = 1, int draws = 1)
{
    quor3::addTicket(database(), {number, type, 100, quor3::encodeDate(2026, 12, day), draws});
}

} // namespace

class TicketsWindowTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<TicketsWindow> w;

    // As a player types it: the number, Tab, arrows to the bet (0 Straight,
    // 1 Box, ... 4 Front Pair, 5 Back Pair), Tab, arrows to the stake (0 is
    // 50 cents, 1 $1, ...), Enter. The date and the draws are set.
    void typeTicket(const QString& number, int betDowns, int stakeDowns, int draws = 1)
    {
        child<QDateEdit>(w.get(), "firstDrawEdit")->setDate(QDate(2026, 12, 1));
        child<QSpinBox>(w.get(), "drawsBox")->setValue(draws);
        auto* numberEdit = child<QLineEdit>(w.get(), "numberEdit");
        numberEdit->setFocus();
        QTest::keyClicks(numberEdit, number);
        for (auto [box, downs] : {std::pair{"typeBox", betDowns}, std::pair{"stakeBox", stakeDowns}}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* combo = child<QComboBox>(w.get(), box);
            QTRY_VERIFY(combo->hasFocus());
            combo->setCurrentIndex(0);
            for (int i = 0; i < downs; ++i)
                QTest::keyClick(combo, Qt::Key_Down);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    void openWindow()
    {
        w = std::make_unique<TicketsWindow>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        // 12/1/2026 "1 4 5", 12/2/2026 "7 7 7".
        env->writeDatabase("ga.c3d", {{1, 4, 5, 2026, 12, 1}, {7, 7, 7, 2026, 12, 2}});
        env->openDatabase("ga.c3d");
        Dialogs::clearShown();
    }
    void cleanup()
    {
        w.reset();
        env.reset();
    }

    void enterAddsTheTypedTicketSettledAgainstItsDraw_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("bet");
        QTest::addColumn<int>("stake");
        QTest::addColumn<int>("draws");
        QTest::addColumn<QStringList>("row"); // number, bet, stake, cost, prize
        QTest::newRow("6-way box wins") << "451" << 1 << 1 << 1
                                        << QStringList{"451", "Box 6-way", "$1.00", "$1.00", "$80.00"};
        QTest::newRow("front pair, two draws")
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
        openWindow();
        typeTicket(number, bet, stake, draws);
        QVERIFY2(Dialogs::shown().isEmpty(), qPrintable(Dialogs::shown().value(0).text));
        QCOMPARE(quor3::listTickets(database()).size(), std::size_t(1));
        auto* table = child<QTableWidget>(w.get(), "ticketTable");
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE((QStringList{cell(table, 3, 0), cell(table, 4, 0), cell(table, 5, 0), cell(table, 6, 0),
                              cell(table, 8, 0)}),
                 row);
        QCOMPARE(table->item(0, 3)->data(Qt::AccessibleTextRole).toString(),
                 QString("%1 %2 %3").arg(number[0]).arg(number[1]).arg(number[2]));
        // Ready for the next ticket.
        QVERIFY(child<QLineEdit>(w.get(), "numberEdit")->text().isEmpty());
        QVERIFY(child<QLineEdit>(w.get(), "numberEdit")->hasFocus());
    }

    void anAddonTicketCostsTwiceAndWinsTheAddonPrizeToo()
    {
        // 12/1/2026 "1 4 5" with the add-on digit 4: 145 is made again in place of its 4.
        quor3::DrawRecord draw = quor3::readDraws(database()).front();
        quor3::carryAddon(draw, 4);
        quor3::RecordChange change;
        change.offered = {draw};
        quor3::changeRecord(database(), change);
        openWindow();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(child<QCheckBox>(w.get(), "addonCheck")->isChecked());
        typeTicket("145", 0, 1);
        QVERIFY2(Dialogs::shown().isEmpty(), qPrintable(Dialogs::shown().value(0).text));
        auto* table = child<QTableWidget>(w.get(), "ticketTable");
        QTRY_COMPARE(table->rowCount(), 1);
        QCOMPARE((QStringList{cell(table, 4, 0), cell(table, 5, 0), cell(table, 6, 0), cell(table, 8, 0)}),
                 (QStringList{"Straight with the add-on", "$1.00", "$2.00", "$700.00"}));
        QVERIFY(quor3::listTickets(database()).front().play.addon);
    }

    void aTripleCannotBeBoxed()
    {
        openWindow();
        typeTicket("777", 1, 1);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY2(Dialogs::shown()[0].text.contains("triple"), qPrintable(Dialogs::shown()[0].text));
        QVERIFY(quor3::listTickets(database()).empty());
        QCOMPARE(child<QLineEdit>(w.get(), "numberEdit")->text(), QString("777")); // kept, to be put right
    }

    void aTicketWaitingForItsDrawIsRemovedASettledOneIsNot()
    {
        addStored({4, 5, 1}, quor3::BetType::Box);
        addStored({1, 2, 3}, quor3::BetType::Straight, 20);
        openWindow();
        auto* table = child<QTableWidget>(w.get(), "ticketTable");
        table->selectRow(0);
        QTest::mouseClick(child<QPushButton>(w.get(), "removeButton"), Qt::LeftButton);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY2(Dialogs::shown()[0].text.contains("settled"), qPrintable(Dialogs::shown()[0].text));
        QCOMPARE(quor3::listTickets(database()).size(), std::size_t(2));

        table->selectRow(1);
        table->setFocus();
        Dialogs::queueButton(QMessageBox::Yes);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(Dialogs::shown().size(), 2);
        QVERIFY(Dialogs::shown()[1].text.startsWith("Remove ticket 123 Straight"));
        QCOMPARE(quor3::listTickets(database()).size(), std::size_t(1));
        QCOMPARE(quor3::listTickets(database())[0].play.number, (quor3::TicketNumber{4, 5, 1}));
        QCOMPARE(table->rowCount(), 1);
    }

    void theSummarySaysTheBalanceInWords_data()
    {
        QTest::addColumn<bool>("withBox");
        QTest::addColumn<QString>("text");
        QTest::newRow("a gain") << true
                                << "2 tickets: spent $2.00, won $80.00. Balance of the plays drawn so far: gain "
                                   "$78.00.\nOn average these plays would have paid back $0.98; they paid $80.00.";
        QTest::newRow("a loss") << false
                                << "1 ticket: spent $1.00, won $0.00. Balance of the plays drawn so far: loss "
                                   "$1.00.\nOn average these plays would have paid back $0.50; they paid $0.00.";
    }
    void theSummarySaysTheBalanceInWords()
    {
        QFETCH(bool, withBox);
        QFETCH(QString, text);
        addStored({1, 2, 3}, quor3::BetType::Straight);
        if (withBox)
            addStored({4, 5, 1}, quor3::BetType::Box);
        TicketsWindow window;
        QCOMPARE(child<QLabel>(&window, "summaryLabel")->text(), text);
        QCOMPARE(child<QTableWidget>(&window, "monthTable")->rowCount(), 1);
    }

    void pastTheBudgetTheWindowAsksFirst()
    {
        openWindow();
        auto* budget = child<QSpinBox>(w.get(), "budgetBox");
        budget->setFocus();
        budget->selectAll();
        QTest::keyClicks(budget, "5");
        QTest::keyClick(budget, Qt::Key_Return);
        QCOMPARE(quor3::monthlyBudget(database()), std::optional<quor3::Cents>(500));
        QVERIFY(Dialogs::shown().isEmpty()); // Enter set the budget; it added nothing

        // A $6 combo goes past $5: No keeps it out, Yes adds it.
        Dialogs::queueButton(QMessageBox::No);
        typeTicket("451", 3, 1);
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown()[0].text, QString("This ticket costs $6.00, and $5.00 of the monthly budget is left "
                                                   "for Dec 2026. Add it anyway?"));
        QVERIFY(quor3::listTickets(database()).empty());
        Dialogs::queueButton(QMessageBox::Yes);
        QTest::keyClick(child<QComboBox>(w.get(), "stakeBox"), Qt::Key_Return);
        QCOMPARE(quor3::listTickets(database()).size(), std::size_t(1));
    }

    void exportWritesEveryTicketAsCsv()
    {
        addStored({4, 5, 1}, quor3::BetType::Box);
        addStored({0, 5, 6}, quor3::BetType::Combo, 1, 2);
        TicketsWindow window;
        const QString file = env->home() + "/tickets.csv";
        Dialogs::queueFile(file);
        QTest::mouseClick(child<QPushButton>(&window, "exportButton"), Qt::LeftButton);
        QVERIFY(Dialogs::shown().isEmpty());
        QCOMPARE(QString::fromStdString(readFileText(file.toStdString())),
                 QString("first_draw,draws,number,type,stake,cost,won\n2026-12-01,1,451,box,1.00,1.00,80.00\n"
                         "2026-12-01,2,056,combo,1.00,12.00,0.00\n"));
    }

    // The size given is kept, within the screen: a size kept on a larger
    // screen opens as large as this one allows.
    void theWindowKeepsItsSizeWithinTheScreen()
    {
        openWindow();
        const QSize screen = w->screen()->availableGeometry().size();
        const QSize smallest = w->minimumSizeHint();
        const QSize given = smallest + (screen - smallest).expandedTo(QSize(0, 0)) / 2;
        w->resize(given);
        w->close();
        QCOMPARE(TicketsWindow().size(), given);
        openWindow();
        w->resize(screen + QSize(300, 300));
        w->close();
        QCOMPARE(TicketsWindow().size(), screen.expandedTo(smallest));
    }
};

QTEST_MAIN(TicketsWindowTest)
#include "TicketsWindowTest.moc"
