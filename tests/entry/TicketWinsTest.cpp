#include "GuiTestSupport.h"

#include "engine/Dates.h"
#include "engine/Tickets.h"
#include "entry/AddDrawsWindow.h"
#include "platform/Dialogs.h"
#include "platform/ProfileFile.h"
#include "platform/Session.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

// An entered draw names each of the player's tickets it makes a winner.
class TicketWinsTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2026, 12, 1}});
        env->openDatabase("ga.c3d");
        // The suggestions' own match check stays out of the way.
        Settings::writeInteger("QCheck", 0);
        const quor3::fs::path database = Session::instance().databasePath();
        const double day = quor3::encodeDate(2026, 12, 2);
        quor3::addTicket(database, {{4, 5, 1}, quor3::BetType::Box, 100, day, 1});
        quor3::addTicket(database, {{1, 4, 5}, quor3::BetType::Straight, 50, day, 1});
        quor3::addTicket(database, {{9, 9, 9}, quor3::BetType::Straight, 100, day, 1});
        Dialogs::clearShown();
    }
    void cleanup() { env.reset(); }

    void theEntryNamesEachWinningTicket_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("announced");
        QTest::newRow("two winners") << "145"
                                     << "Your ticket 451 Box 6-way won $80.00\nYour ticket 145 Straight won $250.00";
        QTest::newRow("one winner") << "514"
                                    << "Your ticket 451 Box 6-way won $80.00";
        QTest::newRow("none") << "000" << QString();
    }
    void theEntryNamesEachWinningTicket()
    {
        QFETCH(QString, digits);
        QFETCH(QString, announced);
        AddDrawsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        child<QCalendarWidget>(&w, "Calendar1")->setSelectedDate(QDate(2026, 12, 2));
        auto* first = child<QSpinBox>(&w, "SpinEdit1");
        QTest::mouseClick(first->findChild<QLineEdit*>(), Qt::LeftButton);
        QTest::keyClicks(first, digits);
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);

        QStringList texts;
        for (const Dialogs::Shown& shown : Dialogs::shown())
            texts << shown.text;
        QCOMPARE(texts, announced.isEmpty() ? QStringList() : QStringList{announced});
    }
};

QTEST_MAIN(TicketWinsTest)
#include "TicketWinsTest.moc"
