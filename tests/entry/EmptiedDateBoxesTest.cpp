// A date box of the corrections window that the user empties reads as its
// smallest value: month 1, day 1, year 1900; the other two parts of the date
// stay as the record had them.

#include "GuiTestSupport.h"

#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "entry/CorrectionsWindow.h"
#include "platform/Dialogs.h"
#include "platform/Session.h"

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

class EmptiedDateBoxesTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        Session::instance().setStatusText = [](int, const QString&) {};
        Dialogs::clearShown();
    }
    void cleanup()
    {
        Session::instance().setStatusText = nullptr;
        env.reset();
    }

    void anEmptiedBoxReadsAsItsSmallestValue_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        // The record is 7-8-9 on 17 October 2005.
        QTest::newRow("month") << "SpinEdit4" << 2005 << 1 << 17;
        QTest::newRow("day") << "SpinEdit5" << 2005 << 10 << 1;
        QTest::newRow("year") << "SpinEdit6" << 1900 << 10 << 17;
    }
    void anEmptiedBoxReadsAsItsSmallestValue()
    {
        QFETCH(QString, boxName);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2002, 1, 1}, {7, 8, 9, 2005, 10, 17}});
        env->openDatabase("ga.c3d");

        CorrectionsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* list = child<QListWidget>(&w, "ListBox1");
        auto* box = child<QSpinBox>(&w, boxName.toLatin1().constData());
        auto* reenter = child<QPushButton>(&w, "Button1");
        QVERIFY(list && box && reenter);
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 2, 5000);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(child<QSpinBox>(&w, "SpinEdit6")->value(), 2005);

        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::mouseClick(reenter, Qt::LeftButton);

        QVERIFY2(Dialogs::shown().isEmpty(), qPrintable(Dialogs::shown().value(0).text));
        const auto draws = quor3::readDraws(env->dataPath() / "ga.c3d");
        QCOMPARE(draws.size(), std::size_t(2));
        QCOMPARE(quor3::monthDayYear(draws[1].DrawDate), quor3::monthDayYear(quor3::CivilDate{year, month, day}));
        QCOMPARE(draws[1].Digit1, 7);
        QCOMPARE(box->value(), box->minimum());
    }
};

QTEST_MAIN(EmptiedDateBoxesTest)
#include "EmptiedDateBoxesTest.moc"
