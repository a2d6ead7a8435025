#include "GuiTestSupport.h"

#include "engine/Backups.h"
#include "engine/Dates.h"
#include "engine/FileIo.h"
#include "engine/Tickets.h"
#include "entry/ImportWindow.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <map>
#include <memory>

namespace fs = std::filesystem;

namespace
{

const fs::path sampleFolder = fs::path(__FILE__).parent_path().parent_path() / "data" / "import";

QString sample(const char* name)
{
    return QString::fromStdString((sampleFolder / name).string());
}

QString labelText(QWidget* window, const char* name)
{
    auto* label = child<QLabel>(window, name);
    return label ? label->text() : QString("<no label %1>").arg(name);
}

// The preview's rows as "line date digits".
QStringList previewRows(QWidget* window)
{
    QStringList rows;
    auto* grid = child<QTableWidget>(window, "previewGrid");
    for (int r = 0; grid && r < grid->rowCount(); ++r)
        rows << cell(grid, 0, r) + " " + cell(grid, 1, r) + " " + cell(grid, 2, r);
    return rows;
}

// "m/d/yyyy d1 d2 d3" for each stored draw.
QStringList stored(const fs::path& database)
{
    QStringList out;
    for (const auto& r : quor3::readDraws(database))
        out << QString("%1 %2 %3 %4")
                   .arg(QString::fromStdString(quor3::monthDayYear(r.DrawDate)))
                   .arg(r.Digit1)
                   .arg(r.Digit2)
                   .arg(r.Digit3);
    return out;
}

// Pastes the text into the window's text box as a user does: Ctrl+V.
void paste(ImportWindow& window, const QString& text)
{
    auto* box = child<QPlainTextEdit>(&window, "sourceText");
    box->setFocus();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

std::map<int, QString> panels;

} // namespace

class ImportWindowTest : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<GuiTestEnvironment> env;

    fs::path data(const std::string& name) const { return env->dataPath() / name; }

    // Chooses the file and waits until the window has read it.
    void chooseFile(ImportWindow& window, const QString& file)
    {
        Dialogs::queueFile(file);
        QTest::mouseClick(child<QPushButton>(&window, "chooseFileButton"), Qt::LeftButton);
        QTRY_VERIFY(!window.isReading());
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        panels.clear();
        Session::instance().setStatusText = [](int panel, const QString& text) { panels[panel] = text; };
        Session::instance().lastEntry.reset();
    }
    void cleanup()
    {
        Session::instance().setStatusText = nullptr;
        env.reset();
    }

    void chosenFileShowsLayoutPreviewCountAndSkippedLines()
    {
        env->openDatabase("ga.c3d");
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!child<QPushButton>(&window, "importButton")->isEnabled());
        QCOMPARE(labelText(&window, "layoutLabel"), QString());
        chooseFile(window, sample("junk-lines.txt"));

        QVERIFY(labelText(&window, "sourceLabel").endsWith("junk-lines.txt"));
        QCOMPARE(labelText(&window, "layoutLabel"),
                 QString("Layout: separated by blanks, a header line, dates as M/D/YYYY, digits in three fields, "
                         "oldest first"));
        QCOMPARE(labelText(&window, "countLabel"), QString("2 draws, from 12/1/2026 to 12/3/2026."));
        QCOMPARE(previewRows(&window), (QStringList{"4 12/1/2026 3  4  5", "9 12/3/2026 6  7  8"}));
        QCOMPARE(labelText(&window, "skippedLabel"), QString("Skipped lines: 4"));
        const QStringList skipped = lines(child<QListWidget>(&window, "skippedList"));
        QCOMPARE(skipped.size(), 4);
        QCOMPARE(skipped[0], QString("Line 5: no date found: Advertisement: play responsibly!"));
        QCOMPARE(skipped[1], QString("Line 6: impossible date \"02/30/2026\": 02/30/2026 1 2 3"));
        QVERIFY(child<QPushButton>(&window, "importButton")->isEnabled());
        QVERIFY(!child<QComboBox>(&window, "drawChoice")->isVisible());
    }

    void pastedTextShowsTheFirstAndLastFiveDraws()
    {
        env->openDatabase("ga.c3d");
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString text = "Date,Result\n";
        for (int day = 1; day <= 20; ++day)
            text += QString("3/%1/2026,%2%3%4\n").arg(day).arg(day % 10).arg((day + 1) % 10).arg((day + 2) % 10);
        paste(window, text);
        QCOMPARE(labelText(&window, "sourceLabel"), QString("The results pasted below."));
        QCOMPARE(labelText(&window, "countLabel"), QString("20 draws, from 3/1/2026 to 3/20/2026."));
        const QStringList rows = previewRows(&window);
        QCOMPARE(rows.size(), 11);
        QCOMPARE(rows[0], QString("2 3/1/2026 1  2  3"));
        QCOMPARE(rows[5], QString("... ... ..."));
        QCOMPARE(rows[10], QString("21 3/20/2026 0  1  2"));
    }

    void theDrawOfTheDayIsChosenFromTheList()
    {
        env->openDatabase("ga.c3d");
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        chooseFile(window, sample("midday-evening.csv"));
        auto* choice = child<QComboBox>(&window, "drawChoice");
        QVERIFY(choice->isVisible());
        QCOMPARE(choice->count(), 3); // and "every draw, one database each"
        QCOMPARE(choice->currentText(), QString("Evening"));
        QCOMPARE(labelText(&window, "countLabel"),
                 QString("3 draws, from 12/4/2026 to 12/6/2026. 3 lines of other draws are left aside."));
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Down);
        QCOMPARE(choice->currentText(), QString("Midday"));
        QCOMPARE(previewRows(&window).first(), QString("7 12/4/2026 6  1  3"));

        QTest::mouseClick(child<QPushButton>(&window, "importButton"), Qt::LeftButton);
        QCOMPARE(stored(data("ga.c3d")), (QStringList{"12/4/2026 6 1 3", "12/5/2026 0 4 6", "12/6/2026 5 2 9"}));
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void mergeKeepsTheStoredDrawsAndRebuilds()
    {
        env->writeDatabase("ga.c3d", {{8, 6, 4, 2026, 12, 2}, {1, 2, 3, 2026, 12, 3}});
        env->openDatabase("ga.c3d");
        const std::string before = quor3::readWholeFile(data("ga.c3d"));
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        chooseFile(window, sample("newest-first.csv"));
        Dialogs::clearShown();
        QTest::mouseClick(child<QPushButton>(&window, "importButton"), Qt::LeftButton);

        QCOMPARE(stored(data("ga.c3d")), (QStringList{"12/2/2026 8 6 4", "12/3/2026 1 2 3", "12/3/2026 1 1 1",
                                                      "12/4/2026 9 3 2", "12/5/2026 0 0 7", "12/6/2026 4 5 1"}));
        QCOMPARE(Dialogs::shown().size(), 1);
        const QString report = Dialogs::shown()[0].text;
        QVERIFY2(report.startsWith("The database now holds 6 draws, 4 of them from the file. 1 draw of the file was "
                                   "already stored and skipped."),
                 qPrintable(report));
        const auto backups = quor3::listBackups(data("ga.c3d"));
        QCOMPARE(backups.size(), std::size_t(1));
        QVERIFY(report.contains(QString::fromStdString(backups[0].file.filename().string())));
        QCOMPARE(quor3::readWholeFile(backups[0].file), before);
        QCOMPARE(panels[0], QString("Total Draws: 6"));
        QVERIFY(panels[1].startsWith("Last Draw Date: "));
        QVERIFY(panels.count(3));
        QCOMPARE(Session::instance().totalDraws, 6LL);
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void replaceAsksFirst()
    {
        env->writeDatabase("ga.c3d", {{8, 6, 4, 2026, 1, 2}});
        env->openDatabase("ga.c3d");
        const std::string before = quor3::readWholeFile(data("ga.c3d"));
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        chooseFile(window, sample("bonus-columns.csv"));
        QTest::mouseClick(child<QRadioButton>(&window, "replaceButton"), Qt::LeftButton);
        QVERIFY(child<QRadioButton>(&window, "replaceButton")->isChecked());

        Dialogs::clearShown();
        Dialogs::queueButton(QMessageBox::No);
        QTest::mouseClick(child<QPushButton>(&window, "importButton"), Qt::LeftButton);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(
            Dialogs::shown()[0].text.startsWith("Replace the draws stored in ga.c3d with the 3 draws of the file?"));
        QCOMPARE(quor3::readWholeFile(data("ga.c3d")), before);
        QVERIFY(window.isVisible());

        Dialogs::queueButton(QMessageBox::Yes);
        QTest::mouseClick(child<QPushButton>(&window, "importButton"), Qt::LeftButton);
        QCOMPARE(stored(data("ga.c3d")), (QStringList{"11/30/2026 1 2 3", "12/1/2026 4 0 9", "12/2/2026 8 8 5"}));
    }

    void nothingUsableSaysSoAndChangesNothing()
    {
        env->writeDatabase("ga.c3d", {{8, 6, 4, 2026, 1, 2}});
        env->openDatabase("ga.c3d");
        const std::string before = quor3::readWholeFile(data("ga.c3d"));
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        paste(window, "Welcome to the results page\nNo numbers today\n");
        QCOMPARE(labelText(&window, "countLabel"), QString("Nothing usable: no line holds a date and three digits."));
        QVERIFY(!child<QPushButton>(&window, "importButton")->isEnabled());
        QTest::keyClick(&window, Qt::Key_I, Qt::AltModifier);
        QCOMPARE(quor3::readWholeFile(data("ga.c3d")), before);
        QVERIFY(quor3::listBackups(data("ga.c3d")).empty());
    }

    void moreThan731DrawsKeepTheNewest()
    {
        env->openDatabase("new.c3d");
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString text;
        const double first = quor3::encodeDate(2024, 1, 1);
        for (int i = 0; i < 800; ++i) {
            const quor3::CivilDate d = quor3::decodeDate(first + i);
            text += QString("%1/%2/%3 %4 %5 %6\n")
                        .arg(d.month)
                        .arg(d.day)
                        .arg(d.year)
                        .arg(i % 10)
                        .arg(i / 10 % 10)
                        .arg(i / 100);
        }
        paste(window, text);
        QVERIFY2(labelText(&window, "countLabel").endsWith("A database holds at most 731 draws: the newest are kept."),
                 qPrintable(labelText(&window, "countLabel")));
        Dialogs::clearShown();
        QTest::mouseClick(child<QPushButton>(&window, "importButton"), Qt::LeftButton);
        const auto draws = quor3::readDraws(data("new.c3d"));
        QCOMPARE(draws.size(), std::size_t(731));
        QCOMPARE(draws.front().DrawDate, first + 69);
        QCOMPARE(draws.back().DrawDate, first + 799);
        QVERIFY(!Dialogs::shown().isEmpty());
        QVERIFY2(
            Dialogs::shown()[0].text.contains("69 draws older than the newest 731 are kept in the full history only"),
            qPrintable(Dialogs::shown()[0].text));
        QCOMPARE(panels[0], QString("Total Draws: 731"));
    }

    void aFileWithADrawPerColumnOffersItsDrawsAndStoresTheChosenOne()
    {
        env->openDatabase("ny.c3d");
        ImportWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        chooseFile(window, sample("draw-columns.csv"));
        auto* choice = child<QComboBox>(&window, "drawChoice");
        QCOMPARE(choice->count(), 3);
        QCOMPARE(choice->itemText(0), QString("Midday"));
        QCOMPARE(choice->itemText(1), QString("Evening"));
        QCOMPARE(previewRows(&window).first(), QString("4 8/3/2018 9  0  1"));
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Down);
        QCOMPARE(previewRows(&window), (QStringList{"4 8/3/2018 4  5  0", "3 8/4/2018 0  0  7", "2 8/5/2018 2  1  4"}));
        QVERIFY(labelText(&window, "layoutLabel").contains("Midday Daily Booster"));
        Dialogs::clearShown();
        QVERIFY(child<QPushButton>(&window, "importButton")->isEnabled());
        QTest::mouseClick(child<QPushButton>(&window, "importButton"), Qt::LeftButton);
        QVERIFY(!Dialogs::shown().isEmpty());
        QVERIFY2(Dialogs::shown()[0].text.startsWith("The database now holds 3 draws"),
                 qPrintable(Dialogs::shown()[0].text));
        QCOMPARE(stored(data("ny.c3d")), (QStringList{"8/3/2018 4 5 0", "8/4/2018 0 0 7", "8/5/2018 2 1 4"}));
    }

    void readingALargeFileShowsProgressAndCanBeCancelled()
    {
        env->openDatabase("ga.c3d");
        {
            QFile big(QString::fromStdString(data("big.csv").string()));
            QVERIFY(big.open(QIODevice::WriteOnly));
            const QByteArray block = QByteArray("12/6/2026,4,5,1\n").repeated(1 << 16);
            for (int i = 0; i < 30; ++i)
                big.write(block);
        }
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Dialogs::queueFile(QString::fromStdString(data("big.csv").string()));
        QTest::mouseClick(child<QPushButton>(&window, "chooseFileButton"), Qt::LeftButton);
        QVERIFY(window.isReading());
        QVERIFY(child<QProgressBar>(&window, "progressBar")->isVisible());
        QVERIFY(!child<QPushButton>(&window, "importButton")->isEnabled());
        QTest::mouseClick(child<QPushButton>(&window, "cancelButton"), Qt::LeftButton);
        QTRY_VERIFY(!window.isReading());
        QVERIFY(labelText(&window, "sourceLabel").contains("cancelled"));
        QVERIFY(!child<QProgressBar>(&window, "progressBar")->isVisible());
        QCOMPARE(labelText(&window, "layoutLabel"), QString());
        QVERIFY(!child<QPushButton>(&window, "importButton")->isEnabled());

        // Read to its end, the box shows the first part and the count is the whole file's.
        chooseFile(window, QString::fromStdString(data("big.csv").string()));
        QVERIFY(labelText(&window, "sourceLabel").contains("first part"));
        QVERIFY(child<QPlainTextEdit>(&window, "sourceText")->toPlainText().size() <= (1 << 20));
        QVERIFY2(labelText(&window, "countLabel").startsWith("1 draw, from 12/6/2026"),
                 qPrintable(labelText(&window, "countLabel")));
        QVERIFY(labelText(&window, "countLabel").contains("1966079 draws repeated in the file are counted once."));
    }

    // Cancel at any moment of a reading, again and again: the window never
    // stops, and a cancelled reading leaves nothing of the file read before
    // it (no draws under the cancelled file's name, nothing to import).
    void cancellingAgainAndAgainLeavesNothingToImport()
    {
        env->openDatabase("ga.c3d");
        {
            QFile big(QString::fromStdString(data("big.csv").string()));
            QVERIFY(big.open(QIODevice::WriteOnly));
            big.write(QByteArray("12/6/2026,4,5,1\n").repeated(1 << 17));
        }
        const QString bigFile = QString::fromStdString(data("big.csv").string());
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* cancel = child<QPushButton>(&window, "cancelButton");
        auto* progress = child<QProgressBar>(&window, "progressBar");
        for (int round = 0; round < 20; ++round) {
            chooseFile(window, sample("junk-lines.txt"));
            QVERIFY2(previewRows(&window).size() == 2,
                     qPrintable(labelText(&window, "sourceLabel") + "/" + labelText(&window, "countLabel")));
            Dialogs::queueFile(bigFile);
            QTest::mouseClick(child<QPushButton>(&window, "chooseFileButton"), Qt::LeftButton);
            // At once, or once part of the file is read, or with Alt+L.
            if (round % 3 == 1)
                QTRY_VERIFY(progress->value() > 0 || !window.isReading());
            if (round % 3 == 2)
                QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
            else if (cancel->isVisible())
                QTest::mouseClick(cancel, Qt::LeftButton);
            QTRY_VERIFY(!window.isReading());
            if (!labelText(&window, "sourceLabel").contains("cancelled"))
                continue; // read to its end before Cancel came
            QVERIFY(labelText(&window, "sourceLabel").contains("big.csv"));
            QCOMPARE(previewRows(&window), QStringList());
            QCOMPARE(child<QPlainTextEdit>(&window, "sourceText")->toPlainText(), QString());
            QCOMPARE(labelText(&window, "layoutLabel"), QString());
            QVERIFY(!child<QPushButton>(&window, "importButton")->isEnabled());
        }
    }

    void f1OpensTheImportTopic()
    {
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(child<QPlainTextEdit>(&window, "sourceText"), Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("import"));
    }

    void aFailedBackupStopsTheImportWithAMessage()
    {
        env->writeDatabase("ga.c3d", {{8, 6, 4, 2026, 1, 2}});
        env->openDatabase("ga.c3d");
        const std::string before = quor3::readWholeFile(data("ga.c3d"));
        quor3::writeWholeFile(data("backups"), "a file where the folder belongs");
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        chooseFile(window, sample("bonus-columns.csv"));
        Dialogs::clearShown();
        QTest::mouseClick(child<QPushButton>(&window, "importButton"), Qt::LeftButton);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY2(Dialogs::shown()[0].text.contains("backups"), qPrintable(Dialogs::shown()[0].text));
        QCOMPARE(quor3::readWholeFile(data("ga.c3d")), before);
        QVERIFY(window.isVisible());
    }

    // Wins are announced for what the import settled, once: none when it
    // adds nothing, one message when its older draws settle a ticket.
    void anImportAnnouncesTheTicketWinsItSettlesOnce()
    {
        const struct {
            const char* name;
            QString pasted;
            QStringList announced;
        } cases[] = {
            {"adds nothing", "Date,Result\n12/5/2026,451\n12/7/2026,123\n", {}},
            {"older draw settles",
             "Date,Result\n12/5/2026,451\n12/6/2026,451\n12/7/2026,123\n",
             {"Your ticket 451 Straight won $500.00"}},
        };
        for (const auto& c : cases) {
            env.reset(); // a fresh home for each case, the last one gone first
            env = std::make_unique<GuiTestEnvironment>();
            const fs::path database = env->writeDatabase("ga.c3d", {{4, 5, 1, 2026, 12, 5}, {1, 2, 3, 2026, 12, 7}});
            env->openDatabase("ga.c3d");
            // Settled at once: 12/7's draw stands in for the missing 12/6; the
            // last change before the import is a win, on 12/5.
            quor3::addTicket(database, {{4, 5, 1}, quor3::BetType::Straight, 100, quor3::encodeDate(2026, 12, 6), 1});
            quor3::addTicket(database, {{4, 5, 1}, quor3::BetType::Box, 100, quor3::encodeDate(2026, 12, 5), 1});
            ImportWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            paste(window, c.pasted);
            Dialogs::clearShown();
            QTest::mouseClick(child<QPushButton>(&window, "importButton"), Qt::LeftButton);
            QStringList announced;
            for (const Dialogs::Shown& shown : Dialogs::shown())
                if (shown.text.contains("Your ticket"))
                    announced << shown.text;
            QVERIFY2(announced == c.announced, qPrintable(c.name + (": " + announced.join(" | "))));
        }
    }
};

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
