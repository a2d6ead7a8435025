#include "GuiTestSupport.h"

#include "choices/ComputerChoicesWindow.h"
#include "engine/DataFiles.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace
{

const char* const MemoNames[] = {"Memo2", "Memo3", "Memo1", "Memo4", "Memo5", "Memo6", "Memo9"};

QStringList memoText(ComputerChoicesWindow& window, const char* name)
{
    auto* memo = child<QPlainTextEdit>(&window, name);
    if (!memo)
        return {"<missing memo>"};
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

QStringList fileLines(const std::filesystem::path& file)
{
    QStringList lines;
    for (const auto& line : quor3::readTextLines(file))
        lines.append(QString::fromStdString(line));
    return lines;
}

// The printout's text as pdftotext lays it out, each line's blanks folded
// (it cannot tell two blanks of a proportional font from one) and the page
// end's empty lines dropped.
QStringList pdfLines(const QString& pdf)
{
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {"<pdftotext failed>"};
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    for (QString& line : lines) {
        line.remove('\f');
        line = line.simplified();
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString today()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace

class ComputerTest : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<GuiTestEnvironment> env;

    // A database with its derived files, as a rebuild leaves them.
    void openRebuiltDatabase(const std::string& name = "draws.c3d")
    {
        env->writeDatabase(name, 60);
        env->openDatabase(name);
    }
    std::filesystem::path file(const char* name) const { return env->dataPath() / name; }

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void layoutFollowsTheWindowDescription()
    {
        ComputerChoicesWindow window;
        QCOMPARE(window.windowTitle(), QString("Computer Choices"));
        QCOMPARE(window.size(), QSize(613, 314));
        const struct {
            const char* memo;
            const char* label;
            const char* caption;
        } expected[] = {{"Memo2", "Label2", "Hot Numbers"},   {"Memo3", "Label3", "Cold Numbers"},
                        {"Memo1", "Label1", "Warm Numbers"},  {"Memo4", "Label4", "Odd/Even Picks"},
                        {"Memo5", "Label5", "Ordinal Picks"}, {"Memo6", "Label6", "Pairs Picks"},
                        {"Memo9", "Label9", "Pct. Repeats"}};
        QList<QPlainTextEdit*> memos;
        for (const auto& e : expected) {
            auto* memo = child<QPlainTextEdit>(&window, e.memo);
            auto* label = child<QLabel>(&window, e.label);
            QVERIFY2(memo && label, e.memo);
            QCOMPARE(label->text(), QString(e.caption));
            QVERIFY(label->font().bold() && label->font().underline());
            QVERIFY(memo->isReadOnly());
            QCOMPARE(memo->focusPolicy(), Qt::NoFocus);
            QCOMPARE(memo->size(), QSize(97, 97));
            QCOMPARE(memo->font().pixelSize(), 16);
            QVERIFY(label->geometry().bottom() <= memo->geometry().top());
            memos.append(memo);
        }
        // Hot, cold, warm, odd/even across the top; ordinal, pairs, repeats below.
        for (int i = 0; i < 3; ++i)
            QVERIFY(memos[i]->x() < memos[i + 1]->x());
        for (int i = 4; i < 6; ++i)
            QVERIFY(memos[i]->x() < memos[i + 1]->x());
        for (int i = 1; i < 4; ++i)
            QCOMPARE(memos[i]->y(), memos[0]->y());
        QVERIFY(memos[4]->y() > memos[0]->geometry().bottom());

        auto* print = child<QPushButton>(&window, "BitBtn2");
        auto* close = child<QPushButton>(&window, "BitBtn1");
        QVERIFY(print && close);
        QCOMPARE(print->text(), QString("&Print"));
        QVERIFY(!print->icon().isNull());
        QVERIFY(!child<QLabel>(&window, "Image1")->pixmap().isNull());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QTRY_COMPARE(window.focusWidget(), static_cast<QWidget*>(close));
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("pick"));
        QTest::mouseClick(close, Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible());
    }

    void enterAtFirstClosesRatherThanPrints()
    {
        ComputerChoicesWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Enter reaches the control with the focus, Close at first.
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&window, "BitBtn1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
    }

    void withoutDatabaseEveryMemoIsEmpty()
    {
        // Choice files lying about do not count without a database.
        quor3::writeTextLines(file(quor3::files::Hot), {"1  2  3"});
        ComputerChoicesWindow window;
        for (const char* name : MemoNames)
            QVERIFY2(memoText(window, name).isEmpty(), name);
    }

    void memosShowTheChoiceFilesAsTheyStand()
    {
        openRebuiltDatabase();
        ComputerChoicesWindow window;
        QCOMPARE(memoText(window, "Memo2"), fileLines(file("hot.dat")));
        QCOMPARE(memoText(window, "Memo3"), fileLines(file("cold.dat")));
        QCOMPARE(memoText(window, "Memo1"), fileLines(file("wm.dat")));
        QCOMPARE(memoText(window, "Memo4"), fileLines(file("oddeven.dat")));
        QCOMPARE(memoText(window, "Memo6"), fileLines(file("pr.dat")));
        QCOMPARE(memoText(window, "Memo9"), fileLines(file("repeats.dat")));
        QCOMPARE(memoText(window, "Memo5").size(), 5);

        // Hand-written files are shown unchanged, whatever they hold.
        quor3::writeTextLines(file("hot.dat"), {"9  9  9", "  odd text  ", "", "x"});
        ComputerChoicesWindow again;
        QCOMPARE(memoText(again, "Memo2"), QStringList({"9  9  9", "  odd text  ", "", "x"}));
    }

    void ordinalRowsCombineThePicksOfEachPosition()
    {
        openRebuiltDatabase();
        // Only the first character of each line counts; a thirteenth line is never read.
        quor3::writeTextLines(file("ordinal.dat"),
                              {"1 first", "2", "3", "4", "5", "6", "7", "8", "9", "0", "4", "6", "8 extra"});
        ComputerChoicesWindow window;
        QCOMPARE(memoText(window, "Memo5"), QStringList({"1  5  9", "2  6  0", "3  7  4", "4  8  6", "1  6  4"}));

        // As a rebuild writes it: row 5 is position 1's first, position 2's second, position 3's third pick.
        openRebuiltDatabase();
        const QStringList ordinal = fileLines(file("ordinal.dat"));
        QCOMPARE(ordinal.size(), 12);
        ComputerChoicesWindow rebuilt;
        const QStringList rows = memoText(rebuilt, "Memo5");
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[4], ordinal[0] + "  " + ordinal[5] + "  " + ordinal[10]);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(rows[k], ordinal[k] + "  " + ordinal[k + 4] + "  " + ordinal[k + 8]);
    }

    void aMissingChoiceFileLeavesOnlyItsMemoEmpty()
    {
        openRebuiltDatabase();
        std::filesystem::remove(file("cold.dat"));
        std::filesystem::remove(file("ordinal.dat"));
        ComputerChoicesWindow window;
        QVERIFY(memoText(window, "Memo3").isEmpty());
        QVERIFY(memoText(window, "Memo5").isEmpty());
        QCOMPARE(memoText(window, "Memo1"), fileLines(file("wm.dat")));
        QCOMPARE(memoText(window, "Memo9"), fileLines(file("repeats.dat")));
    }

    void aLostDatabaseFileEmptiesEveryMemo()
    {
        openRebuiltDatabase();
        std::filesystem::remove(file("draws.c3d"));
        ComputerChoicesWindow window;
        for (const char* name : MemoNames)
            QVERIFY2(memoText(window, name).isEmpty(), name);
    }

    void twoShowingsShowTheSameContent()
    {
        openRebuiltDatabase();
        ChoiceGroups first;
        {
            ComputerChoicesWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            first = window.memoGroups();
        }
        ComputerChoicesWindow second;
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(second.memoGroups(), first);
        QCOMPARE(first[4].size(), 5);
        // Filling again does not pile the lists up either.
        second.loadChoices();
        QCOMPARE(second.memoGroups(), first);
    }

    void printoutLinesPutEmptyLinesBetweenGroupsOnly()
    {
        ChoiceGroups groups;
        for (int g = 0; g < 7; ++g)
            groups[g] = {QString("g%1 a").arg(g), QString("g%1 b").arg(g)};
        const auto lines = choicesPrintout("draws.c3d", "5/6/2024", groups);
        using S = PrintoutLine::Style;
        QCOMPARE(lines.size(), 3 + 7 * 3 + 6 + 1);
        QCOMPARE(lines[0], (PrintoutLine{"Quor 3 - Computer Choices", S::Plain}));
        QCOMPARE(lines[1], (PrintoutLine{"draws.c3d", S::Plain}));
        QCOMPARE(lines[2], (PrintoutLine{"5/6/2024", S::Plain}));
        int at = 3;
        for (int g = 0; g < 7; ++g) {
            QCOMPARE(lines[at++], (PrintoutLine{printoutHeadings()[g], S::Heading}));
            QCOMPARE(lines[at++], (PrintoutLine{QString("g%1 a").arg(g), S::Plain}));
            QCOMPARE(lines[at++], (PrintoutLine{QString("g%1 b").arg(g), S::Plain}));
            if (g < 6)
                QCOMPARE(lines[at++], (PrintoutLine{QString(), S::Plain}));
        }
        QCOMPARE(printoutHeadings()[6], QString("Percentage Repeats"));
        QCOMPARE(lines[at++], (PrintoutLine{printoutFooter(), S::Footer}));
        QCOMPARE(at, lines.size());
    }

    void printingWritesEveryListInOrder()
    {
        openRebuiltDatabase();
        ComputerChoicesWindow window;
        const QString pdf = env->home() + "/choices.pdf";
        Dialogs::queuePrintToPdf(pdf);
        window.printChoices();
        QVERIFY(Dialogs::shown().isEmpty());
        QVERIFY(QFile::exists(pdf));

        QStringList expected = {"Quor 3 - Computer Choices", "draws.c3d", today()};
        const char* const sources[] = {"hot.dat", "cold.dat", "wm.dat",     "oddeven.dat",
                                       nullptr,   "pr.dat",   "repeats.dat"};
        for (int g = 0; g < 7; ++g) {
            expected.append(printoutHeadings()[g]);
            expected += sources[g] ? fileLines(file(sources[g])) : memoText(window, "Memo5");
            if (g < 6)
                expected.append(QString());
        }
        expected.append(printoutFooter());
        for (QString& line : expected)
            line = line.simplified();
        QCOMPARE(pdfLines(pdf), expected);
    }

    void printingWithoutDatabaseGivesTheBareHeadings()
    {
        ComputerChoicesWindow window;
        const QString pdf = env->home() + "/empty.pdf";
        Dialogs::queuePrintToPdf(pdf);
        window.printChoices();
        QStringList expected = {"Quor 3 - Computer Choices", "", today()};
        for (int g = 0; g < 7; ++g) {
            expected.append(printoutHeadings()[g]);
            if (g < 6)
                expected.append(QString());
        }
        expected.append(printoutFooter());
        QCOMPARE(pdfLines(pdf), expected);
    }

    void aLostDatabaseStillPrintsItsName()
    {
        openRebuiltDatabase("lost.c3d");
        std::filesystem::remove(file("lost.c3d"));
        ComputerChoicesWindow window;
        const QString pdf = env->home() + "/lost.pdf";
        Dialogs::queuePrintToPdf(pdf);
        window.printChoices();
        const QStringList lines = pdfLines(pdf);
        QVERIFY(lines.size() > 4);
        QCOMPARE(lines[1], QString("lost.c3d"));
        QCOMPARE(lines[3], QString("Hot Numbers"));
        QCOMPARE(lines[4], QString());
    }

    void cancellingThePrintDialogPrintsNothing()
    {
        openRebuiltDatabase();
        ComputerChoicesWindow window;
        Dialogs::queuePrintToPdf(QString());
        window.printChoices();
        auto* print = child<QPushButton>(&window, "BitBtn2");
        QTest::mouseClick(print, Qt::LeftButton); // nothing queued: cancelled too
        QVERIFY(Dialogs::shown().isEmpty());
        QVERIFY(QDir(env->home()).entryList({"*.pdf"}, QDir::Files).isEmpty());

        // Printing can be repeated and prints what the memos show each time.
        const QString a = env->home() + "/a.pdf", b = env->home() + "/b.pdf";
        Dialogs::queuePrintToPdf(a);
        Dialogs::queuePrintToPdf(b);
        QTest::mouseClick(print, Qt::LeftButton);
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(pdfLines(a), pdfLines(b));
    }

    void aPrinterThatCannotBeOpenedIsReported()
    {
        ComputerChoicesWindow window;
        Dialogs::queuePrintToPdf("/nonexistent-folder/choices.pdf");
        window.printChoices();
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown()[0].text.contains("choices.pdf"));
        QVERIFY(window.isEnabled());
    }
};

QTEST_MAIN(ComputerTest)
#include "ComputerChoicesWindowTest.moc"
