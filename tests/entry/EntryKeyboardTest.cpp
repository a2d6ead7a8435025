#include "GuiTestSupport.h"

#include "engine/Backups.h"
#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "engine/FileIo.h"
#include "engine/StoreDraw.h"
#include "entry/AddDrawsWindow.h"
#include "entry/CorrectionsWindow.h"
#include "entry/DeleteFileDialog.h"
#include "entry/UpdateMenuWindow.h"
#include "platform/Dialogs.h"
#include "platform/ProfileFile.h"
#include "platform/Session.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace fs = std::filesystem;
using quor3::CivilDate;

namespace
{

QWidget* focused()
{
    return QApplication::focusWidget();
}

// A key as the keyboard gives it: to whichever control has the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focused(), key, modifiers);
}

void type(const char* keys)
{
    for (const char* k = keys; *k; ++k)
        QTest::keyClick(focused(), *k);
}

// Selects what a box shows, as Ctrl+A does, and types over it.
void typeOver(QWidget* box, const char* keys)
{
    QTest::mouseClick(box->findChild<QLineEdit*>(), Qt::LeftButton);
    press(Qt::Key_A, Qt::ControlModifier);
    type(keys);
}

QList<int> digitsOf(const quor3::DrawRecord& draw)
{
    return {draw.Digit1, draw.Digit2, draw.Digit3};
}

} // namespace

class EntryKeyboardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    fs::path data(const std::string& name) const { return env->dataPath() / name; }
    static QSpinBox* box(QWidget& w, const char* name) { return child<QSpinBox>(&w, name); }
    static QList<int> digits(QWidget& w)
    {
        return {box(w, "SpinEdit1")->value(), box(w, "SpinEdit2")->value(), box(w, "SpinEdit3")->value()};
    }
    static void clickLine(QListWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    // The add window shown and active on a database of ten draws, the last on 10 January 2002.
    std::unique_ptr<AddDrawsWindow> showAddWindow()
    {
        env->writeDatabase("ga.c3d", 10);
        env->openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        auto w = std::make_unique<AddDrawsWindow>();
        w->show();
        if (!QTest::qWaitForWindowActive(w.get()))
            return nullptr;
        return w;
    }

    // The corrections window shown and active on the open database.
    std::unique_ptr<CorrectionsWindow> showCorrections()
    {
        auto w = std::make_unique<CorrectionsWindow>();
        w->show();
        if (!QTest::qWaitForWindowActive(w.get()))
            return nullptr;
        return w;
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        Dialogs::clearShown();
        AddDrawsState::setLastEnteredDate({});
    }
    void cleanup() { env.reset(); }

    void aDrawIsTypedAsThreeDigitsAndEnter()
    {
        auto w = showAddWindow();
        QVERIFY(w);
        auto* enter = child<QPushButton>(w.get(), "Button1");
        QTRY_COMPARE(focused(), static_cast<QWidget*>(box(*w, "SpinEdit1")));

        // Digits typed into the first box fill the three in turn; the focus
        // ends on the button.
        // A fourth digit, with no box left to take it, changes nothing.
        QTest::keyClicks(box(*w, "SpinEdit1"), "5193");
        QCOMPARE(digits(*w), (QList<int>{5, 1, 9}));
        QCOMPARE(focused(), static_cast<QWidget*>(enter));
        press(Qt::Key_Return);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 11LL);
        QCOMPARE(digitsOf(quor3::readDraws(data("ga.c3d")).back()), (QList<int>{5, 1, 9}));

        // The next draw the same way, each key to the focused control.
        QCOMPARE(focused(), static_cast<QWidget*>(box(*w, "SpinEdit1")));
        type("307");
        QCOMPARE(focused(), static_cast<QWidget*>(enter));
        press(Qt::Key_Enter, Qt::KeypadModifier);
        const auto draws = quor3::readDraws(data("ga.c3d"));
        QCOMPARE(draws.size(), std::size_t(12));
        QCOMPARE(digitsOf(draws.back()), (QList<int>{3, 0, 7}));
        QCOMPARE(draws.back().DrawDate, quor3::encodeDate(2002, 1, 12));

        // A digit typed over a box's digit replaces it; other keys stay the box's own.
        QTest::mouseClick(box(*w, "SpinEdit2")->findChild<QLineEdit*>(), Qt::LeftButton);
        type("4");
        QCOMPARE(digits(*w), (QList<int>{0, 4, 0}));
        QCOMPARE(focused(), static_cast<QWidget*>(box(*w, "SpinEdit3")));
        press(Qt::Key_Up);
        QCOMPARE(digits(*w), (QList<int>{0, 4, 1}));
        QCOMPARE(focused(), static_cast<QWidget*>(box(*w, "SpinEdit3")));
    }

    // Each digit moves the focus on by itself; a Tab the player adds, as
    // the Tab order invites, moves it no further.
    void tabsBetweenTheDigitsStoreExactlyTheDigitsTyped_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("stored");
        QTest::newRow("straight on") << "123" << QList<int>{1, 2, 3};
        QTest::newRow("Tab between") << "1\t2\t3" << QList<int>{1, 2, 3};
        QTest::newRow("Tab after the last") << "1\t2\t3\t" << QList<int>{1, 2, 3};
        QTest::newRow("Tab after one") << "4\t56" << QList<int>{4, 5, 6};
    }
    void tabsBetweenTheDigitsStoreExactlyTheDigitsTyped()
    {
        QFETCH(QString, keys);
        QFETCH(QList<int>, stored);
        auto w = showAddWindow();
        QVERIFY(w);
        QTRY_COMPARE(focused(), static_cast<QWidget*>(box(*w, "SpinEdit1")));
        type(qPrintable(keys));
        QCOMPARE(focused(), static_cast<QWidget*>(child<QPushButton>(w.get(), "Button1")));
        press(Qt::Key_Return);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 11LL);
        QCOMPARE(digitsOf(quor3::readDraws(data("ga.c3d")).back()), stored);
    }

    // Another program stores a draw while the player types one: with digits
    // typed the date stays, and a draw stored for that very date is said.
    void aDrawStoredElsewhereWhileTypingIsSaid_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("storedDay"); // the day of January 2002 the other program stores
        QTest::addColumn<int>("shownDay");
        QTest::addColumn<int>("messages");
        QTest::newRow("nothing typed") << "" << 11 << 12 << 0;
        QTest::newRow("the date being typed") << "45" << 11 << 11 << 1;
        QTest::newRow("another date") << "45" << 14 << 11 << 0;
    }
    void aDrawStoredElsewhereWhileTypingIsSaid()
    {
        QFETCH(QString, typed);
        QFETCH(int, storedDay);
        QFETCH(int, shownDay);
        QFETCH(int, messages);
        auto w = showAddWindow();
        QVERIFY(w);
        QTRY_COMPARE(focused(), static_cast<QWidget*>(box(*w, "SpinEdit1")));
        QCOMPARE(w->calendarDate(), (CivilDate{2002, 1, 11}));
        type(qPrintable(typed));
        quor3::DrawRecord other;
        other.DrawDate = quor3::encodeDate(2002, 1, storedDay);
        other.Digit1 = 7;
        other.Digit2 = 7;
        other.Digit3 = 7;
        quor3::storeDraw(env->dataPath(), "ga.c3d", other);
        emit Session::instance().events.changedOnDisk();
        QCOMPARE(w->calendarDate(), (CivilDate{2002, 1, shownDay}));
        QCOMPARE(Dialogs::shown().size(), messages);
        if (messages > 0)
            QVERIFY2(Dialogs::shown()[0].text.contains("7  7  7"), qPrintable(Dialogs::shown()[0].text));
        // The digits typed stay, for the date shown.
        QCOMPARE(digits(*w), (typed.isEmpty() ? QList<int>{0, 0, 0} : QList<int>{4, 5, 0}));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void enterPressesTheFocusedButtonAndNothingElse()
    {
        auto w = showAddWindow();
        QVERIFY(w);
        QTRY_COMPARE(focused(), static_cast<QWidget*>(box(*w, "SpinEdit1")));
        // Enter in a digit box stores nothing: the window has no default button.
        press(Qt::Key_Return);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 10LL);
        // Shift+Tab reaches the button; Enter on it stores the draw.
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), static_cast<QWidget*>(child<QPushButton>(w.get(), "Button1")));
        press(Qt::Key_Return);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 11LL);
    }

    void aSecondPressStoresNoPhantomDraw()
    {
        auto w = showAddWindow();
        QVERIFY(w);
        auto* enter = child<QPushButton>(w.get(), "Button1");
        QTRY_COMPARE(focused(), static_cast<QWidget*>(box(*w, "SpinEdit1")));
        type("246");
        // A double click: two clicks, the second one also a double click.
        QTest::mouseClick(enter, Qt::LeftButton);
        QTest::mousePress(enter, Qt::LeftButton);
        QTest::mouseDClick(enter, Qt::LeftButton);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 11LL);
        QVERIFY(!enter->isEnabled());
        press(Qt::Key_Return);
        QTest::mouseClick(enter, Qt::LeftButton);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 11LL);

        // A typed digit makes the button ready again...
        type("8");
        QVERIFY(enter->isEnabled());
        QTest::mouseClick(enter, Qt::LeftButton);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 12LL);
        QCOMPARE(digitsOf(quor3::readDraws(data("ga.c3d")).back()), (QList<int>{8, 0, 0}));
        QVERIFY(!enter->isEnabled());
        // ...and so does another date, the same digits stored again on purpose.
        QTest::mouseClick(child<QAbstractButton>(w.get(), "SpinButton1Up"), Qt::LeftButton);
        QVERIFY(enter->isEnabled());
        // Activating the window again proposes a date itself: no reason to store.
        QTest::mouseClick(enter, Qt::LeftButton);
        throughGuard(&*w, [&] { w->refresh(); });
        QVERIFY(!enter->isEnabled());
    }

    void theDateMovesFromTheKeyboard()
    {
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2003, 1, 30}});
        env->openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        AddDrawsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(w.calendarDate(), (CivilDate{2003, 1, 31}));
        auto* calendar = child<QCalendarWidget>(&w, "Calendar1");
        auto* monthName = child<QLabel>(&w, "Panel2");
        auto* year = child<QLabel>(&w, "Label3");

        // The calendar follows the third digit box in the Tab order, and
        // shows that it has the focus.
        QTRY_COMPARE(focused(), static_cast<QWidget*>(box(w, "SpinEdit1")));
        QWidget* days = calendar->focusProxy();
        const auto edge = [days] { return days->grab().toImage().pixelColor(0, days->height() / 2); };
        const QColor highlight = days->palette().color(QPalette::Active, QPalette::Highlight);
        QVERIFY(edge() != highlight);
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QVERIFY(focused() == calendar || calendar->isAncestorOf(focused()));
        QCOMPARE(edge(), highlight);

        press(Qt::Key_Right);
        QCOMPARE(w.calendarDate(), (CivilDate{2003, 2, 1}));
        QCOMPARE(monthName->text(), QString("February"));
        press(Qt::Key_Left);
        QCOMPARE(w.calendarDate(), (CivilDate{2003, 1, 31}));
        press(Qt::Key_Down);
        QCOMPARE(w.calendarDate(), (CivilDate{2003, 2, 7}));
        press(Qt::Key_Up);
        QCOMPARE(w.calendarDate(), (CivilDate{2003, 1, 31}));
        press(Qt::Key_PageDown);
        QCOMPARE(w.calendarDate(), (CivilDate{2003, 2, 28}));
        press(Qt::Key_PageUp);
        press(Qt::Key_PageUp);
        QCOMPARE(w.calendarDate(), (CivilDate{2002, 12, 28}));
        QCOMPARE(monthName->text(), QString("December"));
        QCOMPARE(year->text(), QString("2002"));

        // The draw goes in on the date chosen by keys; the notify box comes
        // between, so that the keyboard reaches it too.
        press(Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(child<QCheckBox>(&w, "CheckBox1")));
        press(Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(child<QPushButton>(&w, "Button1")));
        press(Qt::Key_Return);
        QCOMPARE(quor3::readDraws(data("ga.c3d")).back().DrawDate, quor3::encodeDate(2002, 12, 28));
        // After a store a date moved by keys readies the button again.
        QVERIFY(!child<QPushButton>(&w, "Button1")->isEnabled());
        calendar->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Right);
        QVERIFY(child<QPushButton>(&w, "Button1")->isEnabled());
    }

    void enterOnTheFocusedCancelButtonDeletesNothing()
    {
        env->writeDatabase("draws.c3d", 5);
        env->openDatabase("draws.c3d");
        DeleteFileDialog window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* edit = child<QLineEdit>(&window, "Edit1");
        QTRY_COMPARE(focused(), static_cast<QWidget*>(edit));
        press(Qt::Key_A, Qt::ControlModifier);
        type("draws.c3d");
        QCOMPARE(edit->text(), QString("draws.c3d"));
        // Tab goes on in reading order: the list, the name, OK, Cancel.
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(child<QPushButton>(&window, "BitBtn2")));
        // Were OK pressed, this answer would delete the file.
        Dialogs::queueButton(QMessageBox::Yes);
        press(Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(Dialogs::shown().isEmpty());
        QVERIFY(quor3::fileExists(data("draws.c3d")));
    }

    void theWarningAnswersNoToEnter()
    {
        env->writeDatabase("draws.c3d", 5);
        env->openDatabase("draws.c3d");
        {
            DeleteFileDialog window;
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            child<QLineEdit>(&window, "Edit1")->setText("draws.c3d");
            QTest::mouseClick(child<QPushButton>(&window, "BitBtn1"), Qt::LeftButton);
            QCOMPARE(Dialogs::shown().size(), 1);
            QCOMPARE(Dialogs::shown()[0].defaultButton, QMessageBox::No);
        }

        // The real box: Enter, twice over, after Enter in the name box.
        Dialogs::setTestMode(false);
        bool noWasDefault = false;
        bool asked = false;
        whenModalActive<QMessageBox>([&](QMessageBox* box) {
            asked = true;
            noWasDefault = box->defaultButton() == box->button(QMessageBox::No);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            if (box->isVisible())
                box->done(QMessageBox::Cancel);
        });
        DeleteFileDialog window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        child<QLineEdit>(&window, "Edit1")->setText("draws.c3d");
        QTest::keyClick(child<QLineEdit>(&window, "Edit1"), Qt::Key_Return);
        Dialogs::setTestMode(true);
        QVERIFY(asked);
        QVERIFY(noWasDefault);
        QVERIFY(quor3::fileExists(data("draws.c3d")));
    }

    void whatTheDeleteWindowRemoves()
    {
        const fs::path outside = env->home().toStdString() + "/target.c3d";
        quor3::writeWholeFile(outside, "keep");
        env->writeDatabase("locked.c3d", 3);
        fs::permissions(data("locked.c3d"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        env->writeDatabase("[d].c3d", 3);
        env->writeDatabase("d.c3d", 3);
        env->writeDatabase("a\\b.c3d", 3);
        fs::create_symlink(outside, data("link.c3d"));
        fs::create_symlink(data("d.c3d"), data("inside.c3d"));

        // A read-only file: nothing happens.
        QVERIFY(!deleteDatabaseFile(env->dataPath(), "locked.c3d"));
        QVERIFY(quor3::fileExists(data("locked.c3d")));
        // "[" and a backslash are letters like any other.
        QVERIFY(deleteDatabaseFile(env->dataPath(), "[d].c3d"));
        QVERIFY(!quor3::fileExists(data("[d].c3d")));
        // Its draws stay in a backup.
        const auto backups = quor3::listBackups(data("[d].c3d"));
        QCOMPARE(backups.size(), std::size_t(1));
        QCOMPARE(backups[0].draws, 3LL);
        QVERIFY(quor3::fileExists(data("d.c3d")));
        QVERIFY(deleteDatabaseFile(env->dataPath(), "a\\b.c3d"));
        QVERIFY(!quor3::fileExists(data("a\\b.c3d")));
        // A link goes; what it points to stays.
        QVERIFY(deleteDatabaseFile(env->dataPath(), "link.c3d"));
        QVERIFY(!fs::exists(fs::symlink_status(data("link.c3d"))));
        QCOMPARE(readFileText(outside), std::string("keep"));
        QVERIFY(quor3::listBackups(data("link.c3d")).empty());
        // Through the window, as the user does it.
        DeleteFileDialog window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        child<QLineEdit>(&window, "Edit1")->setText("inside.c3d");
        Dialogs::queueButton(QMessageBox::Yes);
        QTest::mouseClick(child<QPushButton>(&window, "BitBtn1"), Qt::LeftButton);
        QVERIFY(!fs::exists(fs::symlink_status(data("inside.c3d"))));
        QVERIFY(quor3::fileExists(data("d.c3d")));
    }

    void aNumberTypedAboveALimitShowsTheLimit()
    {
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2002, 1, 1}, {4, 4, 4, 2004, 2, 29}});
        env->openDatabase("ga.c3d");
        const auto shown = showCorrections();
        QVERIFY(shown);
        CorrectionsWindow& w = *shown;
        auto* list = child<QListWidget>(&w, "ListBox1");
        QTRY_COMPARE(list->count(), 2);
        clickLine(list, 1);
        QCOMPARE(box(w, "SpinEdit6")->value(), 2004);

        typeOver(box(w, "SpinEdit6"), "2600");
        QCOMPARE(box(w, "SpinEdit6")->text(), QString("2500"));
        typeOver(box(w, "SpinEdit4"), "13");
        QCOMPARE(box(w, "SpinEdit4")->text(), QString("12"));
        typeOver(box(w, "SpinEdit5"), "45");
        QCOMPARE(box(w, "SpinEdit5")->text(), QString("31"));
        // A digit box of one character takes a typed digit over its own.
        QTest::mouseClick(box(w, "SpinEdit2")->findChild<QLineEdit*>(), Qt::LeftButton);
        type("7");
        QCOMPARE(box(w, "SpinEdit2")->text(), QString("7"));

        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        const auto draw = quor3::readDraw(data("ga.c3d"), 1);
        QCOMPARE(draw.DrawDate, quor3::encodeDate(2500, 12, 31));
        QCOMPARE(digitsOf(draw), (QList<int>{4, 7, 4}));

        // A February day box holds the month's last day.
        clickLine(list, 1);
        typeOver(box(w, "SpinEdit4"), "2");
        typeOver(box(w, "SpinEdit6"), "2003");
        typeOver(box(w, "SpinEdit5"), "31");
        QCOMPARE(box(w, "SpinEdit5")->text(), QString("28"));
    }

    void theCorrectionsWindowTakesDigitsAsTheAddWindowDoes()
    {
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2002, 1, 1}, {4, 4, 4, 2004, 2, 29}, {7, 8, 9, 2005, 1, 31}});
        env->openDatabase("ga.c3d");
        const auto shown = showCorrections();
        QVERIFY(shown);
        CorrectionsWindow& w = *shown;
        auto* list = child<QListWidget>(&w, "ListBox1");
        QTRY_COMPARE(list->count(), 3);
        clickLine(list, 0);
        QTest::mouseClick(box(w, "SpinEdit1")->findChild<QLineEdit*>(), Qt::LeftButton);
        QTest::keyClicks(box(w, "SpinEdit1"), "509");
        QCOMPARE(digits(w), (QList<int>{5, 0, 9}));
        QCOMPARE(focused(), static_cast<QWidget*>(box(w, "SpinEdit4")));
        QTest::mouseClick(box(w, "SpinEdit1")->findChild<QLineEdit*>(), Qt::LeftButton);
        type("31");
        QCOMPARE(digits(w), (QList<int>{3, 1, 9}));
        QCOMPARE(focused(), static_cast<QWidget*>(box(w, "SpinEdit3")));
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(digitsOf(quor3::readDraw(data("ga.c3d"), 0)), (QList<int>{3, 1, 9}));

        // Delete in the list deletes the selected draw after asking; so does
        // Alt+D, the mnemonic of no other button.
        clickLine(list, 1);
        QCOMPARE(focused(), static_cast<QWidget*>(list));
        press(Qt::Key_Delete);
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown()[0].text.startsWith("Delete the entry 4  4  4 of 2/29/2004 from ga.c3d?"));
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 3LL);
        Dialogs::queueButton(QMessageBox::Yes);
        press(Qt::Key_Delete);
        QCOMPARE(quor3::countDraws(data("ga.c3d")), 2LL);
        QCOMPARE(quor3::readDraw(data("ga.c3d"), 1).DrawDate, quor3::encodeDate(2005, 1, 31));
        QStringList mnemonics;
        for (auto* button : w.findChildren<QPushButton*>())
            mnemonics << button->shortcut().toString();
        QCOMPARE(mnemonics.count(QKeySequence(Qt::ALT | Qt::Key_D).toString()), 1);
        QCOMPARE(child<QPushButton>(&w, "deleteButton")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_D));
    }

    void aRecordsOwnYearAlwaysShows()
    {
        // 30 December 1899 is day 0; 5 May 2600 lies past the usual last year.
        env->writeDatabase("ga.c3d", {{1, 2, 3, 1899, 12, 30}, {4, 5, 6, 2002, 6, 1}, {7, 8, 9, 2600, 5, 5}});
        const std::string before = readFileText(data("ga.c3d"));
        env->openDatabase("ga.c3d");
        const auto shown = showCorrections();
        QVERIFY(shown);
        CorrectionsWindow& w = *shown;
        auto* list = child<QListWidget>(&w, "ListBox1");
        QTRY_COMPARE(list->count(), 3);
        for (int row : {0, 2}) {
            clickLine(list, row);
            QCOMPARE(box(w, "SpinEdit6")->text(), QString(row == 0 ? "1899" : "2600"));
            QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
            QVERIFY(Dialogs::shown().isEmpty());
        }
        QCOMPARE(quor3::readDraw(data("ga.c3d"), 0).DrawDate, 0.0);
        QCOMPARE(readFileText(data("ga.c3d")), before);
        // Another record brings the usual limits back.
        clickLine(list, 1);
        QCOMPARE(box(w, "SpinEdit6")->minimum(), 1900);
        QCOMPARE(box(w, "SpinEdit6")->maximum(), 2500);
    }

    void theDigitsOfEveryListLineStandInOneColumn()
    {
        // The same digits behind dates of different widths.
        env->writeDatabase("ga.c3d", {{4, 5, 6, 2002, 1, 1}, {4, 5, 6, 2002, 12, 31}, {4, 5, 6, 2002, 10, 7}});
        env->openDatabase("ga.c3d");
        const auto digitColumns = [](QListWidget* list, int row) {
            const QRect line = list->visualItemRect(list->item(row));
            const QRect right(line.left() + line.width() / 2, line.top(), line.width() / 2, line.height());
            return list->viewport()->grab(right).toImage();
        };
        UpdateMenuWindow menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        throughGuard(&menu, [&] { menu.refresh(); });
        auto* menuList = child<QListWidget>(&menu, "ListBox1");
        QCOMPARE(menuList->count(), 3);
        QCOMPARE(menuList->item(1)->text(), QString("12/31/2002 :        4   5   6"));
        QCOMPARE(digitColumns(menuList, 0), digitColumns(menuList, 1));
        QCOMPARE(digitColumns(menuList, 1), digitColumns(menuList, 2));
        QVERIFY(menuList && menuList->count() > 0);
        QCOMPARE(menuList->visualItemRect(menuList->item(0)).height(), 16);

        CorrectionsWindow corrections;
        corrections.show();
        QVERIFY(QTest::qWaitForWindowExposed(&corrections));
        throughGuard(&corrections, [&] { corrections.refresh(); });
        auto* correctionsList = child<QListWidget>(&corrections, "ListBox1");
        QCOMPARE(correctionsList->count(), 3);
        QCOMPARE(digitColumns(correctionsList, 0), digitColumns(correctionsList, 1));
        QCOMPARE(correctionsList->visualItemRect(correctionsList->item(2)).height(), 16);
    }
};

QTEST_MAIN(EntryKeyboardTest)
#include "EntryKeyboardTest.moc"
