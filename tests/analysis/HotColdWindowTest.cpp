#include "GuiTestSupport.h"

#include "analysis/HotColdWindow.h"
#include "engine/DataFiles.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace
{

QStringList rows(QPlainTextEdit* memo)
{
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

quor3::DigitCounts only(int digit, int count)
{
    quor3::DigitCounts c{};
    c[digit] = count;
    return c;
}

} // namespace

class HotColdTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

    void writeFreq(const std::vector<quor3::DigitCounts>& records)
    {
        quor3::writeCountsFile(env->dataPath() / quor3::files::Freq, records);
    }
    void writePair(int records)
    {
        quor3::writeCountsFile(env->dataPath() / quor3::files::Pair,
                               std::vector<quor3::DigitCounts>(static_cast<std::size_t>(records)));
    }
    void list(HotColdWindow& w, const QString& span)
    {
        w.spanEdit->setText(span);
        QTest::mouseClick(w.listButton, Qt::LeftButton);
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        env->writeDatabase("h.c3d", 20);
        Session::instance().databaseName = "h.c3d";
        writePair(10);
    }
    void cleanup() { env.reset(); }

    void showingRanksTheLastFourteenRecords()
    {
        // Digit 3 leads in the six older records, digit 7 in the last fourteen.
        // Ties keep the order the exchanges leave: 7 and 2 swap places with 0 and 1.
        std::vector<quor3::DigitCounts> records(6, only(3, 3));
        for (int i = 0; i < 14; ++i)
            records.push_back(only(7, 1));
        records.back()[2] = 2;
        writeFreq(records);
        HotColdWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.spanEdit->text(), QString("14"));
        QCOMPARE(rows(w.hotList), QStringList({"7..........14", "2..........2", "1..........0"}));
        QCOMPARE(rows(w.coldList), QStringList({"9..........0", "8..........0", "0..........0"}));
    }

    void fewRecordsAreAllUsed()
    {
        writeFreq(std::vector<quor3::DigitCounts>(5, only(4, 1)));
        HotColdWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.spanEdit->text(), QString("5"));
        QCOMPARE(rows(w.hotList).first(), QString("4..........5"));
    }

    void listUpToTheRecordsAndNothingBeyond()
    {
        writeFreq(std::vector<quor3::DigitCounts>(90, only(1, 1)));
        HotColdWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        list(w, "90");
        QCOMPARE(rows(w.hotList).first(), QString("1..........90"));
        QCOMPARE(rows(w.coldList).size(), 3);
        list(w, "91");
        QVERIFY(rows(w.hotList).isEmpty());
        QVERIFY(rows(w.coldList).isEmpty());
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void zeroSpanListsDigitOrder()
    {
        writeFreq(std::vector<quor3::DigitCounts>(30, only(5, 2)));
        HotColdWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        list(w, "0");
        QCOMPARE(rows(w.hotList), QStringList({"0..........0", "1..........0", "2..........0"}));
        QCOMPARE(rows(w.coldList), QStringList({"9..........0", "8..........0", "7..........0"}));
    }

    void notANumberIsReportedAndTheListsStayCleared()
    {
        writeFreq(std::vector<quor3::DigitCounts>(30, only(5, 2)));
        HotColdWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QVERIFY(!rows(w.hotList).isEmpty());
        list(w, "1x");
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown().first().text, QString("'1x' is not a valid integer value"));
        QVERIFY(rows(w.hotList).isEmpty());
        QVERIFY(rows(w.coldList).isEmpty());
    }

    void negativeSpanListsNothing()
    {
        writeFreq(std::vector<quor3::DigitCounts>(30, only(5, 2)));
        HotColdWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        list(w, "-3");
        QVERIFY(rows(w.hotList).isEmpty());
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void missingOrShortPairFileIsAReadError()
    {
        writeFreq(std::vector<quor3::DigitCounts>(30, only(5, 2)));
        HotColdWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        writePair(9);
        list(w, "3");
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.contains("pair.dat"));
        QVERIFY(rows(w.hotList).isEmpty());

        std::filesystem::remove(env->dataPath() / quor3::files::Pair);
        list(w, "3");
        QCOMPARE(Dialogs::shown().size(), 2);
        QVERIFY(Dialogs::shown().last().text.contains("pair.dat"));
    }

    void missingFreqFile()
    {
        HotColdWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QVERIFY(w.spanEdit->text().isEmpty());
        QVERIFY(rows(w.hotList).isEmpty());
        list(w, "3");
        QVERIFY(rows(w.hotList).isEmpty());
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void emptyFreqFileShowsNothing()
    {
        writeFreq({});
        HotColdWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.spanEdit->text(), QString("0"));
        QVERIFY(rows(w.hotList).isEmpty());
        QVERIFY(Dialogs::shown().isEmpty());
    }

    // The hot list is drawn red and the cold list blue, on a light desktop
    // and on a dark one, readable on the list's own background.
    void theListsAreRedAndBlueOnLightAndDarkDesktops_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void theListsAreRedAndBlueOnLightAndDarkDesktops()
    {
        QFETCH(bool, dark);
        const QPalette before = QApplication::palette();
        if (dark) {
            QPalette p = before;
            for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
                p.setColor(role, QColor(0x1e, 0x1e, 0x1e));
            for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                p.setColor(role, QColor(0xe8, 0xe8, 0xe8));
            QApplication::setPalette(p);
        }
        writeFreq(std::vector<quor3::DigitCounts>(20, only(7, 1)));
        {
            HotColdWindow w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QTRY_COMPARE(rows(w.hotList).size(), 3);
            for (auto [memo, hue] : {std::pair{w.hotList, 0}, {w.coldList, 240}}) {
                // The colour of the text as drawn: of the pixels unlike the
                // background, the most saturated.
                const QImage shown = memo->viewport()->grab().toImage();
                const QColor base = memo->palette().color(QPalette::Base);
                QColor ink = base;
                for (int y = 0; y < shown.height(); ++y)
                    for (int x = 0; x < shown.width(); ++x)
                        if (const QColor c = shown.pixelColor(x, y); c.hsvSaturation() > ink.hsvSaturation())
                            ink = c;
                QVERIFY2(ink.hsvSaturation() > 100, qPrintable(memo->objectName() + " " + ink.name()));
                QVERIFY2(std::abs(ink.hsvHue() - hue) < 20, qPrintable(memo->objectName() + " " + ink.name()));
                const QColor text = memo->palette().color(QPalette::Text);
                QVERIFY2(contrastRatio(text, base) >= 4.5, qPrintable(text.name() + " on " + base.name()));
            }
        }
        QApplication::setPalette(before);
    }

    void comingBackToTheWindowKeepsTheChosenList()
    {
        std::vector<quor3::DigitCounts> records(20, only(6, 1));
        records.back() = only(2, 3);
        writeFreq(records);
        HotColdWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(w.spanEdit->text(), QString("14"));
        QVERIFY(w.spanEdit->hasFocus());
        list(w, "1");
        QCOMPARE(rows(w.hotList).first(), QString("2..........3"));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activate);
        QCOMPARE(w.spanEdit->text(), QString("1"));
        QCOMPARE(rows(w.hotList).first(), QString("2..........3"));

        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("hc"));
        if (Help::viewer())
            Help::viewer()->close();
    }
};

QTEST_MAIN(HotColdTest)
#include "HotColdWindowTest.moc"
