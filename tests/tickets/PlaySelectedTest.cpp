#include "GuiTestSupport.h"

#include "choices/ComputerChoicesWindow.h"
#include "tickets/TicketsWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <memory>

// "Play Selected..." in the Computer Choices window takes the suggestion last
// clicked into the My Tickets window's number field; with none, the field is empty.
class PlaySelectedTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        env->writeDatabase("ga.c3d", 60);
        env->openDatabase("ga.c3d");
    }
    void cleanup() { env.reset(); }

    void theClickedSuggestionIsOffered_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<int>("line");
        QTest::newRow("nothing clicked") << QString() << 0;
        QTest::newRow("hot, first") << "Memo2" << 0; // the click leaves the cursor where it was
        QTest::newRow("pairs, second") << "Memo6" << 1;
    }
    void theClickedSuggestionIsOffered()
    {
        QFETCH(QString, memo);
        QFETCH(int, line);
        ComputerChoicesWindow choices;
        choices.show();
        QVERIFY(QTest::qWaitForWindowActive(&choices));
        QString digits;
        if (!memo.isEmpty()) {
            auto* list = child<QPlainTextEdit>(&choices, memo.toLatin1().constData());
            const QTextBlock block = list->document()->findBlockByNumber(line);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->cursorRect(QTextCursor(block)).center());
            QCOMPARE(list->extraSelections().size(), 1); // the line is marked
            digits = block.text().remove(' ');
            QCOMPARE(digits.size(), 3);
        }
        ModalSafetyNet net;
        QString offered = "(no window)";
        bool betFocused = false;
        whenModalActive<TicketsWindow>([&](TicketsWindow* tickets) {
            offered = child<QLineEdit>(tickets, "numberEdit")->text();
            betFocused = child<QComboBox>(tickets, "typeBox")->hasFocus();
            tickets->close();
        });
        QTest::mouseClick(child<QPushButton>(&choices, "playButton"), Qt::LeftButton);
        QCOMPARE(offered, digits);
        QCOMPARE(betFocused, !digits.isEmpty());
    }
};

QTEST_MAIN(PlaySelectedTest)
#include "PlaySelectedTest.moc"
