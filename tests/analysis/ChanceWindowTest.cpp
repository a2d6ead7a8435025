#include "GuiTestSupport.h"

#include "analysis/ChanceWindow.h"
#include "analysis/OddEvenWindow.h"
#include "analysis/RepeatsWindow.h"
#include "engine/History.h"
#include "platform/ChanceTips.h"
#include "platform/Session.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include <memory>

// What Chance Gives: every pattern beside what chance gives, for the working
// database or, chosen from the keyboard, the full history.
class ChanceWindowTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void rowsFollowTheChosenDraws()
    {
        env->writeDatabase("c.c3d", 60);
        env->openDatabase("c.c3d");
        const auto database = Session::instance().databasePath();
        // Forty older draws that only the full history holds.
        std::vector<TestDraw> older;
        for (int k = 0; k < 40; ++k)
            older.push_back({k % 10, (k * 3) % 10, (k * 7) % 10, 1990, 1 + k / 28, 1 + k % 28});
        quor3::keepInHistory(database, toRecords(older));

        ChanceWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* table = child<QTableWidget>(&w, "chanceTable");
        auto* choice = child<QComboBox>(&w, "drawsChoice");
        QVERIFY(table && choice);

        const struct {
            bool full;
            long long draws;
        } steps[] = {{true, 100}, {false, 60}}; // the full history first, since it holds more
        for (const auto& step : steps) {
            if (!step.full) {
                QTest::keyClick(&w, Qt::Key_D, Qt::AltModifier);
                QTRY_VERIFY(choice->hasFocus());
                QTest::keyClick(choice, Qt::Key_Up);
            }
            QTRY_COMPARE(w.report().draws, step.draws);
            const quor3::ChanceReport expected =
                quor3::chanceReport(step.full ? quor3::readHistory(database) : quor3::readDraws(database));
            QCOMPARE(table->rowCount(), static_cast<int>(expected.rows.size()));
            for (const char* id : {"odd-count-0", "sum-10-17", "shares-digit-with-previous", "skip-3"}) {
                int row = 0;
                while (row < table->rowCount() && expected.rows[static_cast<std::size_t>(row)].id != id)
                    ++row;
                QVERIFY2(row < table->rowCount(), id);
                const quor3::ChanceRow& r = expected.rows[static_cast<std::size_t>(row)];
                QCOMPARE(cell(table, 0, row), QString::fromStdString(r.title));
                QCOMPARE(cell(table, 1, row), QString::fromStdString(quor3::chanceValueText(r, r.seen)));
                QCOMPARE(cell(table, 4, row), QString::fromStdString(r.verdict));
                // A screen reader hears the whole sentence.
                QVERIFY(table->item(row, 1)
                            ->data(Qt::AccessibleDescriptionRole)
                            .toString()
                            .contains(QString::fromStdString(quor3::chanceNote(r))));
            }
            QCOMPARE(child<QLabel>(&w, "warningLabel")->text().section(". ", 0, 0) + '.',
                     QString::fromStdString(quor3::manyPatternsSentence(expected)));
            QCOMPARE(child<QLabel>(&w, "summaryLabel")->text().contains("full history"), step.full);
        }
    }

    // The statistics windows keep their texts; their figures tell what chance gives.
    void statisticsFiguresSayWhatChanceGives()
    {
        env->writeDatabase("s.c3d", 80);
        env->openDatabase("s.c3d");
        const quor3::ChanceReport chance =
            quor3::chanceReport(quor3::readDraws(Session::instance().databasePath()), false);
        OddEvenWindow oddEven;
        RepeatsWindow repeats;
        const struct {
            QDialog* window;
            const char* label;
            std::vector<std::string> ids;
        } figures[] = {
            {&oddEven, "Label6", {"odd-count-0", "odd-count-1", "odd-count-2", "odd-count-3"}},
            {&repeats, "Label11", {"repeat-digit-0"}},
            {&repeats, "Label20", {"repeat-digit-9"}},
        };
        for (const auto& f : figures) {
            f.window->show();
            QVERIFY(QTest::qWaitForWindowActive(f.window));
            auto* label = child<QLabel>(f.window, f.label);
            const QString expected = chanceTipText(chance, f.ids);
            QVERIFY(expected.contains("Chance gives"));
            QTRY_COMPARE(label->toolTip(), expected);
            QCOMPARE(label->accessibleDescription(), expected);
            f.window->close();
        }
    }
};

QTEST_MAIN(ChanceWindowTest)
#include "ChanceWindowTest.moc"
