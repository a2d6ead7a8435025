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
#include <QTest>

#include <memory>

class PrizeTableWindowTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

    static quor3::fs::path database() { return Session::instance().databasePath(); }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        // A 6-way box ticket over two draws: 451 comes on 12/1 and 12/2.
        env->writeDatabase("ga.c3d", {{1, 4, 5, 2026, 12, 1}, {5, 1, 4, 2026, 12, 2}});
        env->openDatabase("ga.c3d");
        quor3::addTicket(database(), {{4, 5, 1}, quor3::BetType::Box, 100, quor3::encodeDate(2026, 12, 1), 2});
        Dialogs::clearShown();
    }
    void cleanup() { env.reset(); }

    void theDefaultTableIsShownWithWhatEachBetPaysBack()
    {
        PrizeTableWindow w;
        auto* list = child<QListWidget>(&w, "tableList");
        QCOMPARE(lines(list), QStringList{"From the earliest date"});
        QCOMPARE(child<QDoubleSpinBox>(&w, "prize_straight")->value(), 500.0);
        QCOMPARE(child<QDoubleSpinBox>(&w, "prize_box6")->value(), 80.0);
        QCOMPARE(child<QLabel>(&w, "return_straight")->text(), QString("$0.50 per $1"));
        QCOMPARE(child<QLabel>(&w, "return_box6")->text(), QString("$0.48 per $1"));
        QVERIFY(!child<QPushButton>(&w, "removeButton")->isEnabled());
    }

    // A table typed in from 12/2 settles the second draw by it, the first by the old one.
    void aChangeAppliesFromItsDate()
    {
        PrizeTableWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        child<QDateEdit>(&w, "fromEdit")->setDate(QDate(2026, 12, 2));
        auto* box6 = child<QDoubleSpinBox>(&w, "prize_box6");
        box6->setFocus();
        box6->selectAll();
        QTest::keyClicks(box6, "83.50");
        QCOMPARE(child<QLabel>(&w, "return_box6")->text(), QString("$0.50 per $1"));
        QTest::keyClick(box6, Qt::Key_Return);
        QVERIFY2(Dialogs::shown().isEmpty(), qPrintable(Dialogs::shown().value(0).text));

        QCOMPARE(lines(child<QListWidget>(&w, "tableList")).size(), 2);
        const auto tickets = quor3::listTickets(database());
        QCOMPARE(tickets.size(), std::size_t(1));
        QCOMPARE(tickets[0].won, quor3::Cents(8000 + 8350));

        // Removed again, the default pays both draws.
        Dialogs::queueButton(QMessageBox::Yes);
        QTest::mouseClick(child<QPushButton>(&w, "removeButton"), Qt::LeftButton);
        QCOMPARE(lines(child<QListWidget>(&w, "tableList")).size(), 1);
        QCOMPARE(quor3::listTickets(database())[0].won, quor3::Cents(16000));
    }
};

QTEST_MAIN(PrizeTableWindowTest)
#include "PrizeTableWindowTest.moc"
