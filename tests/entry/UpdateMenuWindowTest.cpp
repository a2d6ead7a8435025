#include "GuiTestSupport.h"

#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "entry/AddDrawsWindow.h"
#include "entry/CorrectionsWindow.h"
#include "entry/UpdateMenuWindow.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/ProfileFile.h"
#include "platform/Session.h"

#include <QCalendarWidget>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

class AddTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    static QListWidget* list(UpdateMenuWindow& w) { return child<QListWidget>(&w, "ListBox1"); }
    static QStringList lines(UpdateMenuWindow& w)
    {
        QStringList l;
        for (int i = 0; i < list(w)->count(); ++i)
            l.append(list(w)->item(i)->text());
        return l;
    }
    static QString lineOf(const TestDraw& d)
    {
        return QString::fromStdString(quor3::entryLine(toRecords({d}).front()));
    }

    // Presses `button` of the sub-menu; `inside` runs in the modal window it opens,
    // which is closed afterwards. Returns the modal window's object name.
    static QString withModal(UpdateMenuWindow& w, const char* button, const std::function<void(QDialog*)>& inside)
    {
        auto opened = std::make_shared<QString>();
        auto pressing = std::make_shared<bool>(true);
        // Its activation handler has run once it is the active window.
        whenModalActive<QDialog>([opened, pressing, inside](QDialog* modal) {
            if (!*pressing)
                return;
            *opened = modal->objectName();
            inside(modal);
            modal->close();
        });
        auto* pressed = child<QPushButton>(&w, button);
        if (pressed)
            QTest::mouseClick(pressed, Qt::LeftButton);
        *pressing = false;
        return *opened;
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        Dialogs::clearShown();
    }
    void cleanup() { env.reset(); }

    void placedAtItsDesignPositionWithTheDrawsNewestFirst()
    {
        env->writeDatabase("ga.c3d", {{1, 2, 3, 2002, 1, 1}, {4, 5, 6, 2002, 1, 2}, {7, 8, 9, 2002, 1, 3}});
        env->openDatabase("ga.c3d");
        UpdateMenuWindow w;
        QCOMPARE(w.windowTitle(), QString("Update Database Sub-Menu"));
        QCOMPARE(w.size(), QSize(346, 222));
        QCOMPARE(w.pos(), QPoint(0, 156));
        QCOMPARE(child<QPushButton>(&w, "Button1")->text(), QString("&Add More Entries"));
        QCOMPARE(child<QPushButton>(&w, "Button2")->text(), QString("&Make Corrections"));
        for (const char* name : {"Button1", "Button2", "BitBtn1"})
            QCOMPARE(child<QPushButton>(&w, name)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(list(w)->focusPolicy(), Qt::NoFocus);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(list(w)->count(), 3);
        QCOMPARE(lines(w), (QStringList{"1/3/2002 :        7   8   9", "1/2/2002 :        4   5   6",
                                        "1/1/2002 :        1   2   3"}));
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("update"));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void withoutADatabaseFileTheListStaysEmptyAndBothButtonsWork()
    {
        Session::instance().databaseName = "new.c3d";
        UpdateMenuWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(list(w)->count(), 0);
        QCOMPARE(withModal(w, "Button1", [](QDialog*) {}), QString("TForm13"));
        QCOMPARE(withModal(w, "Button2", [](QDialog*) {}), QString("TForm14"));
        QCOMPARE(list(w)->count(), 0);
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void drawsAddedInTheAddWindowShowAtTheTop()
    {
        env->writeDatabase("ga.c3d", 5); // 1 to 5 January 2002
        env->openDatabase("ga.c3d");
        Settings::writeInteger("QCheck", 0);
        UpdateMenuWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QList<int> countsAfterEachEntry;
        const QString opened = withModal(w, "Button1", [&](QDialog* modal) {
            auto* add = qobject_cast<AddDrawsWindow*>(modal);
            QVERIFY(add);
            for (int i = 1; i <= 3; ++i) {
                child<QSpinBox>(add, "SpinEdit1")->setValue(i);
                QTest::mouseClick(child<QPushButton>(add, "Button1"), Qt::LeftButton);
                countsAfterEachEntry.append(list(w)->count()); // refreshed at once
            }
        });
        QCOMPARE(opened, QString("TForm13"));
        QCOMPARE(countsAfterEachEntry, (QList<int>{6, 7, 8}));
        const QStringList l = lines(w);
        QCOMPARE(l.size(), 8);
        QCOMPARE(l[0], lineOf({3, 0, 0, 2002, 1, 8}));
        QCOMPARE(l[1], lineOf({2, 0, 0, 2002, 1, 7}));
        QCOMPARE(l[2], lineOf({1, 0, 0, 2002, 1, 6}));
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void aCorrectionShowsAtItsPlaceCountedFromTheBottom()
    {
        env->writeDatabase("ga.c3d", 4);
        env->openDatabase("ga.c3d");
        UpdateMenuWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QString before;
        withModal(w, "Button2", [&](QDialog* modal) {
            auto* correct = qobject_cast<CorrectionsWindow*>(modal);
            QVERIFY(correct);
            child<QListWidget>(correct, "ListBox1")->setCurrentRow(0);
            child<QSpinBox>(correct, "SpinEdit1")->setValue(9);
            child<QSpinBox>(correct, "SpinEdit2")->setValue(9);
            child<QSpinBox>(correct, "SpinEdit3")->setValue(9);
            before = list(w)->item(3)->text();
            QTest::mouseClick(child<QPushButton>(correct, "Button1"), Qt::LeftButton);
        });
        QCOMPARE(list(w)->count(), 4);
        QCOMPARE(list(w)->item(3)->text(), QString("1/1/2002 :        9   9   9"));
        QVERIFY(before != list(w)->item(3)->text());
        QVERIFY(Dialogs::shown().isEmpty());
    }
};

QTEST_MAIN(AddTest)
#include "UpdateMenuWindowTest.moc"
