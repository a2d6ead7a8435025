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
// clicked into the My Tickets window's number field.
class PlaySelectedTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

    // What the My Tickets window opened by the button shows in its number
    // field, and whether the bet type waits for the player.
    static QString numberOfferedBy(ComputerChoicesWindow& choices, bool* betFocused = nullptr)
    {
        ModalSafetyNet net;
        QString number = "(no window)";
        whenModalActive<TicketsWindow>([&](TicketsWindow* tickets) {
            number = child<QLineEdit>(tickets, "numberEdit")->text();
            if (betFocused)
                *betFocused = child<QComboBox>(tickets, "typeBox")->hasFocus();
            tickets->close();
        });
        QTest::mouseClick(child<QPushButton>(&choices, "playButton"), Qt::LeftButton);
        return number;
    }

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
        QTest::newRow("hot, first") << "Memo2" << 0;
        QTest::newRow("cold, third") << "Memo3" << 2;
        QTest::newRow("pairs, second") << "Memo6" << 1;
    }
    void theClickedSuggestionIsOffered()
    {
        QFETCH(QString, memo);
        QFETCH(int, line);
        ComputerChoicesWindow choices;
        choices.show();
        QVERIFY(QTest::qWaitForWindowActive(&choices));
        auto* list = child<QPlainTextEdit>(&choices, memo.toLatin1().constData());
        const QTextBlock block = list->document()->findBlockByNumber(line);
        QVERIFY(block.isValid());
        QTextCursor at(block);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->cursorRect(at).center());
        QCOMPARE(choices.selectedSuggestion(), block.text());
        // The clicked line is marked, and only it.
        QCOMPARE(list->extraSelections().size(), 1);

        QString digits = block.text();
        digits.remove(' ');
        QCOMPARE(digits.size(), 3);
        bool betFocused = false;
        QCOMPARE(numberOfferedBy(choices, &betFocused), digits);
        QVERIFY(betFocused);
    }

    void withNothingClickedTheNumberIsLeftToType()
    {
        ComputerChoicesWindow choices;
        choices.show();
        QVERIFY(QTest::qWaitForWindowActive(&choices));
        QCOMPARE(numberOfferedBy(choices), QString());
    }
};

QTEST_MAIN(PlaySelectedTest)
#include "PlaySelectedTest.moc"
