#include "GuiTestSupport.h"

#include "analysis/OddEvenWindow.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QLabel>
#include <QTest>

class OddEvenTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

    QString text(OddEvenWindow& w, int number) { return w.label(number)->text(); }

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void oneDraw123()
    {
        env->writeDatabase("o.c3d", {{1, 2, 3}});
        Session::instance().databaseName = "o.c3d";
        OddEvenWindow w;
        QCOMPARE(w.label(2), child<QLabel>(&w, "Label2"));
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(text(w, 2), QString("2"));
        QCOMPARE(text(w, 4), QString("1"));
        QCOMPARE(text(w, 6), QString(" 66.7"));
        QCOMPARE(text(w, 8), QString(" 33.3"));
        QCOMPARE(text(w, 10), QString("2.00"));
        QCOMPARE(text(w, 12), QString("1.00"));
        QCOMPARE(text(w, 14), QString("0.0"));
        QCOMPARE(text(w, 16), QString("0.0"));
        QCOMPARE(w.label(2)->x(), 356);
        QCOMPARE(text(w, 3), QString("/"));
    }

    // Every label bold but the four "/" separators, all 15 pixels high.
    void labelsAreBoldButTheSeparators()
    {
        OddEvenWindow w;
        for (int n = 1; n <= 18; ++n) {
            auto* label = child<QLabel>(&w, qPrintable(QString("Label%1").arg(n)));
            QVERIFY2(label, qPrintable(QString("Label%1").arg(n)));
            const bool separator = n <= 16 && n % 4 == 3;
            QCOMPARE(label->font().bold(), !separator);
            QCOMPARE(label->font().pixelSize(), 15);
        }
    }

    void lastFiveOfFiveOddDraws()
    {
        env->writeDatabase("o.c3d", std::vector<TestDraw>(5, TestDraw{1, 3, 5}));
        Session::instance().databaseName = "o.c3d";
        OddEvenWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(text(w, 14), QString("3.0"));
        QCOMPARE(text(w, 16), QString("0.0"));
        QCOMPARE(text(w, 2), QString("15"));
        QCOMPARE(w.label(2)->x(), 348);
    }

    void oddTotalPlacement_data()
    {
        QTest::addColumn<int>("oddDigits");
        QTest::addColumn<int>("left");
        QTest::newRow("9") << 9 << 356;
        QTest::newRow("10") << 10 << 348;
        QTest::newRow("99") << 99 << 348;
        QTest::newRow("100") << 100 << 340;
        QTest::newRow("101") << 101 << 340;
    }
    void oddTotalPlacement()
    {
        QFETCH(int, oddDigits);
        QFETCH(int, left);
        std::vector<TestDraw> draws;
        for (int i = 0; i < oddDigits; ++i)
            draws.push_back({7, 0, 0});
        env->writeDatabase("o.c3d", draws);
        Session::instance().databaseName = "o.c3d";
        OddEvenWindow w;
        const int percentLeft = w.label(6)->x();
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(text(w, 2), QString::number(oddDigits));
        QCOMPARE(w.label(2)->x(), left);
        QCOMPARE(w.label(6)->x(), percentLeft); // no other label moves
        QCOMPARE(text(w, 2).toInt() + text(w, 4).toInt(), 3 * oddDigits);
    }

    // A full database has up to 2193 odd digits: four figures stay clear of the "/".
    void oddTotalsOfFourFiguresEndBeforeTheSeparator()
    {
        for (const int draws : {334, 731}) {
            env->writeDatabase("o.c3d", std::vector<TestDraw>(static_cast<std::size_t>(draws), TestDraw{1, 3, 5}));
            Session::instance().databaseName = "o.c3d";
            OddEvenWindow w;
            throughGuard(&w, [&] { w.refresh(); });
            QCOMPARE(text(w, 2), QString::number(3 * draws));
            QLabel* total = w.label(2);
            QVERIFY(total->width() >= total->sizeHint().width());
            QVERIFY2(
                total->x() + total->width() < w.label(3)->x(),
                qPrintable(QString("%1 + %2 reaches %3").arg(total->x()).arg(total->width()).arg(w.label(3)->x())));
            QCOMPARE(total->y(), w.label(3)->y());
        }
    }

    void noDatabaseLeavesTheValuesEmpty()
    {
        OddEvenWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        for (int number : {2, 4, 6, 8, 10, 12, 14, 16})
            QVERIFY(text(w, number).isEmpty());
    }

    void emptyDatabaseShowsZeros()
    {
        env->writeDatabase("o.c3d", std::vector<TestDraw>{});
        Session::instance().databaseName = "o.c3d";
        OddEvenWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(text(w, 2), QString("0"));
        QCOMPARE(text(w, 6), QString("  0.0"));
        QCOMPARE(text(w, 10), QString("0.00"));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void activationFillsAndF1OpensTheOddEvenTopic()
    {
        env->writeDatabase("o.c3d", {{1, 2, 3}});
        Session::instance().databaseName = "o.c3d";
        OddEvenWindow w;
        QCOMPARE(w.windowTitle(), QString("Odd / Even "));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(text(w, 2), QString("2"));
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("oe"));
        if (Help::viewer())
            Help::viewer()->close();
    }
};

QTEST_MAIN(OddEvenTest)
#include "OddEvenWindowTest.moc"
