#include "GuiTestSupport.h"

#include "platform/Session.h"
#include "reports/DrawListWindow.h"
#include "reports/SearchWindow.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QtTest>

// The draw lists of the display and the search window: the digits stand in
// one column whatever the width of the date, and a long history is listed
// whole, every line the same height.
class EntryListColumnsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    // The right half of a line, where the digits stand.
    static QImage digitHalf(QListWidget* list, int row)
    {
        const QRect line = list->visualItemRect(list->item(row));
        const QRect right(line.left() + line.width() / 2, line.top(), line.width() / 2, line.height());
        return list->viewport()->grab(right).toImage();
    }

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void displayDigitsStandInOneColumn()
    {
        // The same digits behind dates 8, 10 and 9 characters wide.
        env->writeDatabase("ga.c3d", {{4, 5, 6, 2002, 1, 1}, {4, 5, 6, 2002, 12, 31}, {4, 5, 6, 2002, 10, 7}});
        env->openDatabase("ga.c3d");
        DrawListWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* list = child<QListWidget>(&w, "ListBox1");
        QTRY_COMPARE(list->count(), 3);
        QCOMPARE(list->item(1)->text(), QString("12/31/2002 :        4   5   6")); // the text itself is unchanged
        QCOMPARE(digitHalf(list, 0), digitHalf(list, 1));
        QCOMPARE(digitHalf(list, 1), digitHalf(list, 2));
        QCOMPARE(list->visualItemRect(list->item(2)).height(), 16);
    }

    void searchResultDigitsStandInOneColumn()
    {
        env->writeDatabase("ga.c3d", {{4, 4, 6, 2002, 1, 1}, {4, 4, 6, 2002, 12, 31}, {1, 2, 3, 2003, 1, 1}});
        env->openDatabase("ga.c3d");
        SearchWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(child<QAbstractButton>(&w, "RadioGroup1Item10"), Qt::LeftButton); // "Doubles"
        QTest::mouseClick(child<QAbstractButton>(&w, "Button1"), Qt::LeftButton);
        auto* list = child<QListWidget>(&w, "ListBox1");
        QTRY_COMPARE(list->count(), 2);
        QVERIFY(list && list->count() > 0);
        QCOMPARE(list->item(0)->text(), QString("12/31/2002 : " + QString(8, ' ') + "4   4   6"));
        QCOMPARE(digitHalf(list, 0), digitHalf(list, 1));
    }

    // A history far beyond the program's own capacity is listed whole, newest
    // first, and scrolling to its end finds the oldest draw.
    void aLongHistoryIsListedWhole()
    {
        env->writeDatabase("big.c3d", 100000);
        Session::instance().databaseName = "big.c3d";
        DrawListWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* list = child<QListWidget>(&w, "ListBox1");
        QTRY_COMPARE(list->count(), 100000);
        QVERIFY(list->item(99999)->text().startsWith("1/1/2002 :"));
        QCOMPARE(list->currentRow(), -1);
        list->scrollToBottom();
        QCOMPARE(list->visualItemRect(list->item(99999)).height(), 16);
        QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(99999))));
    }
};

QTEST_MAIN(EntryListColumnsTest)
#include "EntryListColumnsTest.moc"
