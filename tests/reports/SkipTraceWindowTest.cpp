#include "GuiTestSupport.h"

#include "engine/DataFiles.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "reports/SkipTraceWindow.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

class SkipTraceTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    std::filesystem::path chartFile() const { return env->dataPath() / "frequent.txt"; }

    static QStringList memoLines(QPlainTextEdit* memo)
    {
        QStringList out;
        for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
            out << b.text();
        return out;
    }

    // Where line `n` of a memo stands, in the window's coordinates.
    static int lineTop(QWidget* window, QPlainTextEdit* memo, int n)
    {
        QTextCursor cursor(memo->document()->findBlockByNumber(n));
        return memo->viewport()->mapTo(window, memo->cursorRect(cursor).topLeft()).y();
    }

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void withoutDatabaseNothingIsReadOrWritten()
    {
        SkipTraceWindow w;
        QCOMPARE(w.windowTitle(), QString("Skip/Trace Chart"));
        w.refresh();
        QVERIFY(!std::filesystem::exists(chartFile()));
        QCOMPARE(child<QPlainTextEdit>(&w, "Memo1")->toPlainText(), QString());
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void fiveDrawsWriteAndShowTenLines()
    {
        env->writeDatabase(
            "f.c3d",
            {{3, 0, 7}, {3, 3, 1, 2002, 1, 2}, {4, 4, 4, 2002, 1, 3}, {9, 0, 9, 2002, 1, 4}, {1, 2, 3, 2002, 1, 5}});
        env->openDatabase("f.c3d");
        SkipTraceWindow w;
        w.refresh();
        const std::string text = readFileText(chartFile());
        const auto fileLines = quor3::splitLines(text);
        QCOMPARE(fileLines.size(), std::size_t(10));
        QCOMPARE(text.substr(0, 12), std::string("1 ^ ^ 1 ^ \r\n"));
        QCOMPARE(fileLines[3], std::string("1 2 ^ ^ 1 "));
        QCOMPARE(fileLines[4], std::string("^ ^ 3 ^ ^ "));
        QCOMPARE(fileLines[9], std::string("^ ^ ^ 2 ^ "));
        for (const auto& line : fileLines)
            QCOMPARE(line.size(), std::size_t(10));

        auto* memo = child<QPlainTextEdit>(&w, "Memo1");
        QStringList expected;
        for (const auto& line : fileLines)
            expected << QString::fromStdString(line);
        QCOMPARE(memoLines(memo), expected);
    }

    void theChartIsFixedPitchReadOnlyAndLevelWithItsLabels()
    {
        env->writeDatabase("f.c3d", 120);
        env->openDatabase("f.c3d");
        SkipTraceWindow w;
        w.show();
        w.activateWindow();
        auto* memo = child<QPlainTextEdit>(&w, "Memo1");
        auto* labels = child<QPlainTextEdit>(&w, "Memo2");
        QVERIFY(memo && labels);
        QTRY_COMPARE(memo->document()->blockCount(), 10);
        QCOMPARE(memo->document()->begin().text().size(), 180); // the last 90 draws

        QVERIFY(memo->isReadOnly());
        QVERIFY(labels->isReadOnly());
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(QFontInfo(memo->font()).fixedPitch());
        QCOMPARE(memo->font(), labels->font());
        QVERIFY(memo->horizontalScrollBar()->maximum() > 0);

        QCOMPARE(labels->toPlainText(), QString("0]\n1]\n2]\n3]\n4]\n5]\n6]\n7]\n8]\n9]"));
        QVERIFY(labels->geometry().right() < memo->geometry().left());
        for (int d = 0; d < 10; ++d)
            QCOMPARE(lineTop(&w, memo, d), lineTop(&w, labels, d));
    }

    void aMissingFreqFileGivesTenEmptyLines()
    {
        env->writeDatabase("f.c3d", 3);
        env->openDatabase("f.c3d");
        std::filesystem::remove(env->dataPath() / "freq.dat");
        SkipTraceWindow w;
        w.refresh();
        std::string tenEmptyLines;
        for (int i = 0; i < 10; ++i)
            tenEmptyLines += "\r\n";
        QCOMPARE(readFileText(chartFile()), tenEmptyLines);
        QCOMPARE(memoLines(child<QPlainTextEdit>(&w, "Memo1")), QStringList(10, QString()));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void eachActivationRebuildsTheChart()
    {
        env->writeDatabase("f.c3d", 2);
        env->openDatabase("f.c3d");
        SkipTraceWindow w;
        w.refresh();
        auto* memo = child<QPlainTextEdit>(&w, "Memo1");
        QCOMPARE(memo->document()->begin().text().size(), 4);
        env->writeDatabase("f.c3d", 6);
        env->openDatabase("f.c3d");
        w.refresh();
        QCOMPARE(memo->document()->blockCount(), 10);
        QCOMPARE(memo->document()->begin().text().size(), 12);
        QCOMPARE(quor3::splitLines(readFileText(chartFile())).front().size(), std::size_t(12));
    }

    void anUnwritableChartFileIsReported()
    {
        env->writeDatabase("f.c3d", 2);
        env->openDatabase("f.c3d");
        std::filesystem::create_directory(chartFile()); // no file can take its place
        SkipTraceWindow w;
        w.refresh();
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.contains("frequent.txt"));
    }

    void f1OpensTheChartTopic()
    {
        SkipTraceWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F1);
        QTRY_COMPARE(Help::lastTopic(), QString("freq"));
    }
};

QTEST_MAIN(SkipTraceTest)
#include "SkipTraceWindowTest.moc"
