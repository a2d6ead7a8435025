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

// An entered draw names, in one message, each of the player's tickets it makes a winner.
class TicketWinsTest : public QObject
{
    Q_OBJECT

  private slots:
    void theEntryNamesEachWinningTicket_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QStringList>("announced");
        QTest::newRow("two winners") << "145"
                                     << QStringList{"Your ticket 451 Box 6-way won $80.00\n"
                                                    "Your ticket 145 Straight won $250.00"};
        QTest::newRow("none") << "000" << QStringList();
    }
    void theEntryNamesEachWinningTicket()
    {
        QFETCH(QString, digits);
        QFETCH(QStringList, announced);
        GuiTestEnvironment env;
        env.writeDatabase("ga.c3d", {{1, 2, 3, 2026, 12, 1}});
        env.openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0); // the suggestions' own match check stays out of the way
        const double day = quor3::encodeDate(2026, 12, 2);
        for (const quor3::TicketPlay& play : {quor3::TicketPlay{{4, 5, 1}, quor3::BetType::Box, 100, day, 1},
                                              quor3::TicketPlay{{1, 4, 5}, quor3::BetType::Straight, 50, day, 1},
                                              quor3::TicketPlay{{9, 9, 9}, quor3::BetType::Straight, 100, day, 1}})
            quor3::addTicket(Session::instance().databasePath(), play);
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
        QCOMPARE(texts, announced);
    }
};

QTEST_MAIN(TicketWinsTest)
#include "TicketWinsTest.moc"
