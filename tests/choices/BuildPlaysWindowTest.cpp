#include "GuiTestSupport.h"

#include "choices/BuildPlaysWindow.h"
#include "engine/History.h"
#include "platform/Dialogs.h"
#include "platform/Session.h"
#include "tickets/TicketsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <memory>

// Build Plays by keyboard: a wheel, a filter, its price, and "Play..." into My Tickets.
class BuildPlaysWindowTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void wheelFiltersAndPlaysIntoMyTickets()
    {
        env->writeDatabase("b.c3d", 60);
        env->openDatabase("b.c3d");
        BuildPlaysWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* digits = child<QLineEdit>(&w, "digitsEdit");
        auto* price = child<QLabel>(&w, "resultLabel");
        QTRY_VERIFY(digits->hasFocus());
        QTest::keyClicks(digits, "12345");
        QTRY_COMPARE(w.result().plays.size(), std::size_t(35));
        QVERIFY2(price->text().startsWith("35 plays: $35.00 a draw") && price->text().contains("12.5%") &&
                     price->text().contains("$0.48 for each dollar"),
                 qPrintable(price->text()));

        // A one-key box wheel: 5 the key, 1234 the others.
        QTest::keyClick(&w, Qt::Key_D, Qt::AltModifier);
        QTest::keyClick(digits, Qt::Key_Backspace);
        QTest::keyClick(&w, Qt::Key_W, Qt::AltModifier);
        QTest::keyClick(child<QComboBox>(&w, "typeBox"), Qt::Key_Down);
        QTest::keyClick(child<QComboBox>(&w, "typeBox"), Qt::Key_Down);
        QTest::keyClick(&w, Qt::Key_K, Qt::AltModifier);
        QTest::keyClicks(child<QComboBox>(&w, "keyBox"), "5");
        QTRY_COMPARE(w.result().plays.size(), std::size_t(15));

        // Sums 7 to 11, no triples: the plays and the filters' shares.
        QTest::keyClick(&w, Qt::Key_M, Qt::AltModifier);
        auto* sumLow = child<QSpinBox>(&w, "sumLow");
        QTRY_VERIFY(sumLow->hasFocus());
        QTest::keyClick(sumLow, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(sumLow, "7");
        QTest::keyClick(sumLow, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "11");
        QTest::keyClick(&w, Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(!child<QCheckBox>(&w, "triplesBox")->isChecked());
        quor3::WheelRequest request;
        request.digits = {1, 2, 3, 4};
        request.key = 5;
        request.type = quor3::WheelType::KeyBox;
        request.filters.sum = quor3::WheelRange{7, 11};
        request.filters.triples = false;
        const auto history = quor3::readHistory(Session::instance().databasePath());
        const quor3::WheelResult expected = quor3::buildWheel(request, history, quor3::defaultPrizeTable());
        QTRY_COMPARE(w.result().plays.size(), expected.plays.size());
        QCOMPARE(w.result().filters.size(), std::size_t(2));
        QCOMPARE(w.result().filters[0].history, expected.filters[0].history);
        QCOMPARE(cell(child<QTableWidget>(&w, "filterTable"), 1, 1), QString("99.0%"));

        // Play...: asked, then added to My Tickets, which shows them and the year.
        Dialogs::queueButton(QMessageBox::Yes);
        ModalSafetyNet net;
        std::size_t listed = 0;
        QString year;
        whenModalActive<TicketsWindow>([&](TicketsWindow* tickets) {
            listed = tickets->tickets().size();
            year = child<QLabel>(tickets, "yearLabel")->text();
            tickets->close();
        });
        QTest::keyClick(&w, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(listed, expected.plays.size());
        QCOMPARE(quor3::listTickets(Session::instance().databasePath()).size(), expected.plays.size());
        QVERIFY2(year.contains("Chance of ending the year ahead"), qPrintable(year));
    }
};

QTEST_MAIN(BuildPlaysWindowTest)
#include "BuildPlaysWindowTest.moc"
