#include "GuiTestSupport.h"

#include "charts/BarChartWidget.h"
#include "charts/SetsConfigDialog.h"
#include "charts/SetsGraphWindow.h"
#include "engine/Analysis.h"
#include "engine/DataFiles.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <numeric>

namespace
{

// 51 lines: span, then 50 digit lines, "1" unless given.
std::vector<std::string> setsLines(int span, std::initializer_list<std::pair<int, int>> members)
{
    std::vector<std::string> lines(51, "1");
    lines[0] = std::to_string(span);
    for (auto [set, digit] : members)
        lines[static_cast<std::size_t>(1 + (set - 1) * 10 + digit)] = "0";
    return lines;
}

const QStringList Paired = {"0-1", "2-3", "4-5", "6-7", "8-9"};

} // namespace

class SetsGraphTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void withoutASetsFileTheLastSevenDrawsInPairs()
    {
        std::vector<TestDraw> draws(23, TestDraw{5, 5, 5});
        for (int i = 0; i < 7; ++i)
            draws.push_back({0, 2, 9});
        env->writeDatabase("s.c3d", draws);
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->values(), QVector<double>({7, 7, 0, 0, 7}));
        QCOMPARE(total(w.chart->values()), 21.0);
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past 7 Draws"));
        QCOMPARE(w.chart->chartTitle(3), QString("Sets"));
        QCOMPARE(w.chart->captions(), Paired);
        QCOMPARE(w.chart->axisMax(), 10.0);
    }

    void withoutASetsFileFewDrawsCountAll()
    {
        env->writeDatabase("s.c3d", 5);
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(total(w.chart->values()), 15.0);
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past 5 Draws"));
    }

    void setsFileFoundWhateverItsLetterCase()
    {
        // Set 2 is the digit 3 alone; set 1 is 1, 5, 9; a 2 leaves a digit out
        // like a 1; digit 3 belongs to sets 2 and 5.
        auto lines = setsLines(10, {{1, 1}, {1, 5}, {1, 9}, {2, 3}, {5, 3}, {5, 8}});
        lines[1 + 40 + 4] = "2";
        quor3::writeTextLines(env->dataPath() / "SETSCFG.INI", lines);
        std::vector<TestDraw> draws(20, TestDraw{3, 3, 3});
        for (int i = 0; i < 10; ++i)
            draws.push_back({3, i % 2 == 0 ? 1 : 0, 8});
        env->writeDatabase("s.c3d", draws);
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->captions(), QStringList({"159", "3", "", "", "38"}));
        QCOMPARE(w.chart->values(), QVector<double>({5, 10, 0, 0, 20}));
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past 10 Draws"));
        QCOMPARE(w.chart->axisMax(), 23.0);

        // Becoming active again must not repeat the digits of the captions.
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->captions(), QStringList({"159", "3", "", "", "38"}));
    }

    void spanBeyondTheDatabaseIsLimitedOnShowing()
    {
        quor3::writeTextLines(env->dataPath() / "setscfg.ini", setsLines(500, {{1, 1}}));
        env->writeDatabase("s.c3d", std::vector<TestDraw>(30, TestDraw{1, 2, 3}));
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past 30 Draws"));
        QCOMPARE(w.chart->values()[0], 30.0);

        int spin = -1;
        whenModalActive<SetsConfigDialog>([&spin](SetsConfigDialog* dialog) {
            spin = dialog->spanEdit->value();
            QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QCOMPARE(spin, 30);
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past 30 Draws"));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    // The dialog and the graph use one sets file: the database folder's, in
    // any letter case, else the data folder's; a new one goes beside the database.
    void dialogAndGraphShareOneSetsFile()
    {
        QTemporaryDir other;
        const std::filesystem::path folder = other.path().toStdString();
        quor3::writeWholeFile(folder / "s.c3d",
                              quor3::encodeDraws(toRecords(std::vector<TestDraw>(30, TestDraw{1, 2, 3}))));
        Session::instance().folder = folder;
        Session::instance().databaseName = "s.c3d";
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->captions(), Paired);

        // No file anywhere: saved beside the database, and drawn from there.
        whenModalActive<SetsConfigDialog>([](SetsConfigDialog* dialog) {
            dialog->spanEdit->setValue(4);
            dialog->digitBoxes[12]->setChecked(true); // set 2, digit 2
            QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QVERIFY(quor3::fileExists(folder / "SetsCfg.ini"));
        QCOMPARE(w.chart->captions(), QStringList({"", "2", "", "", ""}));
        QCOMPARE(w.chart->values(), QVector<double>({0, 4, 0, 0, 0}));
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->captions(), QStringList({"", "2", "", "", ""}));
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past 4 Draws"));

        // The database folder's file wins over the data folder's.
        quor3::writeTextLines(env->dataPath() / "setscfg.ini", setsLines(9, {{5, 3}}));
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->captions(), QStringList({"", "2", "", "", ""}));

        // Without one beside the database, the data folder's file is edited and drawn.
        std::filesystem::remove(folder / "SetsCfg.ini");
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->captions(), QStringList({"", "", "", "", "3"}));
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past 9 Draws"));
        bool loaded = false;
        whenModalActive<SetsConfigDialog>([&loaded](SetsConfigDialog* dialog) {
            loaded = dialog->digitBoxes[43]->isChecked() && dialog->spanEdit->value() == 9;
            dialog->digitBoxes[1]->setChecked(true); // set 1, digit 1
            QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QVERIFY(loaded);
        QVERIFY(!quor3::fileExists(folder / "SetsCfg.ini"));
        QCOMPARE(w.chart->captions(), QStringList({"1", "", "", "", "3"}));
        QCOMPARE(quor3::readTextLines(env->dataPath() / "setscfg.ini")[2], std::string("0"));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void twoSpellingsOfTheFileInOneFolderAreReadAsOne()
    {
        quor3::writeTextLines(env->dataPath() / "setscfg.ini", setsLines(5, {{1, 7}}));
        quor3::writeTextLines(env->dataPath() / "SetsCfg.ini", setsLines(6, {{1, 8}}));
        env->writeDatabase("s.c3d", 12);
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        const QStringList drawn = w.chart->captions();
        SetsConfigDialog dialog(w.draws(), &w);
        const QString edited = dialog.digitBoxes[7]->isChecked() ? "7" : dialog.digitBoxes[8]->isChecked() ? "8" : "";
        QCOMPARE(drawn[0], edited);
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past %1 Draws").arg(dialog.spanEdit->value()));
    }

    void enterSavesTheTickedSetsAndEscapeCancels()
    {
        env->writeDatabase("s.c3d", 12);
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        const auto file = env->dataPath() / "SetsCfg.ini";

        // Escape after ticking writes nothing.
        whenModalActive<SetsConfigDialog>([](SetsConfigDialog* dialog) {
            QTest::keyClick(dialog, Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QVERIFY(!quor3::fileExists(file));

        // Enter on the focused Cancel button cancels.
        whenModalActive<SetsConfigDialog>([](SetsConfigDialog* dialog) {
            dialog->digitBoxes[3]->setChecked(true);
            dialog->cancelButton->setFocus();
            QTest::keyClick(dialog->cancelButton, Qt::Key_Return);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QVERIFY(!quor3::fileExists(file));

        // Seven digits ticked from the keyboard, then Enter: saved and drawn.
        QStringList ticked;
        whenModalActive<SetsConfigDialog>([&ticked](SetsConfigDialog*) {
            for (int i = 0; i < 7; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                ticked << QApplication::focusWidget()->objectName();
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QCOMPARE(ticked, QStringList({"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6",
                                      "CheckBox7"}));
        QVERIFY(quor3::fileExists(file));
        QCOMPARE(w.chart->captions(), QStringList({"0123456", "", "", "", ""}));
    }

    void typingASpanAboveTheDrawsShowsTheDraws()
    {
        env->writeDatabase("s.c3d", 120);
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QString shown;
        whenModalActive<SetsConfigDialog>([&shown](SetsConfigDialog* dialog) {
            dialog->spanEdit->setFocus();
            dialog->spanEdit->selectAll();
            QTest::keyClicks(dialog->spanEdit, "150");
            shown = dialog->spanEdit->text();
            QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        });
        QTest::mouseClick(w.customizeButton, Qt::LeftButton);
        QCOMPARE(shown, QString("120"));
        QCOMPARE(quor3::readTextLines(env->dataPath() / "SetsCfg.ini")[0], std::string("120"));
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past 120 Draws"));
    }

    // Long captions are shown whole (on two lines), and the sets are named in
    // full in the chart's tooltip.
    void longCaptionsAreShownWholeWithTheSetsAsTooltip()
    {
        auto lines = setsLines(10, {{1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}, {1, 9},
                                    {2, 0}, {2, 1}, {2, 2}, {2, 4}, {2, 5}, {2, 6}, {2, 7}, {2, 8}, {2, 9}, {4, 6}});
        quor3::writeTextLines(env->dataPath() / "SetsCfg.ini", lines);
        env->writeDatabase("s.c3d", 12);
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(w.chart->captions(), QStringList({"0123456789", "012456789", "", "6", ""}));

        // What the axis shows under the bars, line breaks taken out.
        auto axisTexts = [&w] {
            QStringList texts;
            for (QGraphicsItem* item : w.chart->view()->scene()->items())
                if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
                    texts << text->toPlainText().remove(QChar(0x200B)).remove('\n').remove(QChar(0x2028));
            return texts;
        };
        QTRY_VERIFY2(axisTexts().contains("0123456789") && axisTexts().contains("012456789"),
                     qPrintable(axisTexts().join(" | ")));
        for (const QString& text : axisTexts())
            QVERIFY2(!text.contains("...") && !text.contains(QChar(0x2026)), qPrintable(text));

        QChart* chart = w.chart->view()->chart();
        QCOMPARE(chart->toolTip(), QString("Set 1: 0, 1, 2, 3, 4, 5, 6, 7, 8, 9\n"
                                           "Set 2: 0, 1, 2, 4, 5, 6, 7, 8, 9\n"
                                           "Set 3: no digits\n"
                                           "Set 4: 6\n"
                                           "Set 5: no digits"));
        auto* bars = qobject_cast<QAbstractBarSeries*>(chart->series().value(0));
        QVERIFY(bars);
        emit bars->hovered(true, 1, bars->barSets().value(0));
        QCOMPARE(chart->toolTip(), QString("Set 2: 0, 1, 2, 4, 5, 6, 7, 8, 9"));
        emit bars->hovered(false, 1, bars->barSets().value(0));
        QVERIFY(chart->toolTip().startsWith("Set 1: 0, 1, 2, 3, 4, 5, 6, 7, 8, 9\nSet 2:"));
    }

    void savingRewritesTheFileAndRedrawsWithFreshCaptions()
    {
        quor3::writeTextLines(env->dataPath() / "setscfg.ini", setsLines(4, {{1, 0}, {3, 7}}));
        env->writeDatabase("s.c3d", std::vector<TestDraw>(12, TestDraw{0, 7, 4}));
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(w.chart->captions(), QStringList({"0", "", "7", "", ""}));

        whenModalActive<SetsConfigDialog>([](SetsConfigDialog* dialog) {
            QCOMPARE(dialog->spanEdit->value(), 4);
            QVERIFY(dialog->digitBoxes[0]->isChecked());
            QVERIFY(dialog->digitBoxes[27]->isChecked());
            QCOMPARE(dialog->digitBoxes[27]->objectName(), QString("CheckBox28"));
            dialog->spanEdit->setValue(6);
            dialog->digitBoxes[0]->setChecked(false);
            dialog->digitBoxes[4]->setChecked(true);  // set 1: 4
            dialog->digitBoxes[47]->setChecked(true); // set 5: 7
            QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        });
        throughGuard(&w, [&] { w.customize(); });
        const std::string text = readFileText(env->dataPath() / "setscfg.ini");
        const auto lines = quor3::splitLines(text);
        QCOMPARE(lines.size(), std::size_t(51));
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), 51L);
        QCOMPARE(std::count(text.begin(), text.end(), '\r'), 51L);
        QCOMPARE(lines[0], std::string("6"));
        QCOMPARE(w.chart->captions(), QStringList({"4", "", "7", "", "7"}));
        QCOMPARE(w.chart->values(), QVector<double>({6, 0, 6, 0, 6}));
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past 6 Draws"));
    }

    void cancellingLeavesGraphAndFileAlone()
    {
        quor3::writeTextLines(env->dataPath() / "setscfg.ini", setsLines(4, {{2, 2}}));
        const std::string before = readFileText(env->dataPath() / "setscfg.ini");
        env->writeDatabase("s.c3d", 12);
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        const QVector<double> values = w.chart->values();
        const int drawings = w.chart->drawings();
        whenModalActive<SetsConfigDialog>([](SetsConfigDialog* dialog) {
            dialog->digitBoxes[5]->setChecked(true);
            QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
        });
        throughGuard(&w, [&] { w.customize(); });
        QCOMPARE(w.chart->drawings(), drawings);
        QCOMPARE(w.chart->values(), values);
        QCOMPARE(w.chart->captions(), QStringList({"", "2", "", "", ""}));
        QCOMPARE(readFileText(env->dataPath() / "setscfg.ini"), before);
    }

    void dialogLayout()
    {
        env->writeDatabase("s.c3d", 12);
        env->openDatabase("s.c3d");
        SetsGraphWindow graph;
        throughGuard(&graph, [&] { graph.refresh(); });
        SetsConfigDialog dialog(graph.draws(), &graph);
        QCOMPARE(dialog.windowTitle(), QString("Sets Configuration"));
        QCOMPARE(dialog.spanEdit->value(), 1);
        QCOMPARE(dialog.spanEdit->maximum(), 12);
        auto* box = child<QGroupBox>(&dialog, "GroupBox3");
        QVERIFY(box);
        QCOMPARE(box->title(), QString("Set 3"));
        QCOMPARE(box->toolTip(), QString("Choose the numbers you wish to track for Set#3"));
        auto* nine = child<QCheckBox>(box, "CheckBox30");
        QVERIFY(nine);
        QCOMPARE(nine->text(), QString("Nine"));
        QCOMPARE(dialog.saveButton->text(), QString("&Save && Close"));
    }

    void everySetHasTenDigitBoxesAndEachIsSavedOnItsOwnLine()
    {
        env->writeDatabase("s.c3d", 12);
        env->openDatabase("s.c3d");
        SetsGraphWindow graph;
        throughGuard(&graph, [&] { graph.refresh(); });
        SetsConfigDialog dialog(graph.draws(), &graph);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QStringList digitNames = {"Zero", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine"};
        QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 50);
        for (int s = 1; s <= 5; ++s) {
            auto* box = child<QGroupBox>(&dialog, qPrintable(QString("GroupBox%1").arg(s)));
            QVERIFY(box);
            QCOMPARE(box->findChildren<QCheckBox*>().size(), 10);
            for (int d = 0; d < 10; ++d) {
                auto* check = child<QCheckBox>(box, qPrintable(QString("CheckBox%1").arg(10 * (s - 1) + d + 1)));
                QVERIFY2(check, qPrintable(QString("set %1 digit %2").arg(s).arg(d)));
                QCOMPARE(check->text(), digitNames[d]);
                // Set s takes the digits d with s + d odd, so that every
                // neighbouring line of the file differs.
                if ((s + d) % 2 == 1)
                    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
            }
        }
        QTest::mouseClick(dialog.saveButton, Qt::LeftButton);
        const auto lines = quor3::readTextLines(SetsConfigDialog::configFile());
        QCOMPARE(lines.size(), std::size_t(51));
        for (int s = 1; s <= 5; ++s)
            for (int d = 0; d < 10; ++d)
                QCOMPARE(lines[static_cast<std::size_t>(10 * (s - 1) + d + 1)],
                         std::string((s + d) % 2 == 1 ? "0" : "1"));
    }

    void aDialogOutlivingItsGraphSavesWithoutIt()
    {
        env->writeDatabase("s.c3d", 12);
        env->openDatabase("s.c3d");
        {
            SetsGraphWindow graph;
            throughGuard(&graph, [&] { graph.refresh(); });
        }
        SetsConfigDialog dialog(12);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.saveButton, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(quor3::readTextLines(SetsConfigDialog::configFile()).size(), std::size_t(51));
    }

    void withoutADatabaseZeroBarsDefaultCaptionsAndNoCustomizing()
    {
        SetsGraphWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QVERIFY(!w.customizeButton->isEnabled());
        QCOMPARE(w.chart->values(), QVector<double>(5, 0.0));
        QCOMPARE(w.chart->captions(), Paired);
        QCOMPARE(w.chart->chartTitle(2), QString("Set Totals for Past 0 Draws"));
    }

    void garbledSetsFileIsReportedOnActivation()
    {
        quor3::writeTextLines(env->dataPath() / "setscfg.ini", {"10", "0"});
        env->writeDatabase("s.c3d", 12);
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.contains("setscfg.ini"));
    }

    void garbledSetsFileStopsCustomizingBeforeTheDialog()
    {
        // In the data folder, the dialog's and the graph's file are one.
        quor3::writeTextLines(env->dataPath() / "SetsCfg.ini", {"10", "0", "x"});
        env->writeDatabase("s.c3d", 12);
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        QTimer::singleShot(0, [] {
            if (auto* dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        QVERIFY(!runGuarded(&w, [&] { w.customize(); }));
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(quor3::readTextLines(env->dataPath() / "SetsCfg.ini").size(), 3u);
    }

    void f1OpensTheSetsTopic()
    {
        env->writeDatabase("s.c3d", 12);
        env->openDatabase("s.c3d");
        SetsGraphWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(w.chart->pointCount(), 5);
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("Sets"));
        if (Help::viewer())
            Help::viewer()->close();
    }
};

QTEST_MAIN(SetsGraphTest)
#include "SetsWindowsTest.moc"
