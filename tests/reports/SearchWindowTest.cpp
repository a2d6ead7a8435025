#include "GuiTestSupport.h"

#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "reports/SearchWindow.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

class SearchTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    // The digits of each result line, in the order listed.
    static QStringList digits(QListWidget* list)
    {
        QStringList out;
        for (const QString& line : lines(list))
            out << line.section(':', 1).simplified().remove(' ');
        return out;
    }

    static void search(SearchWindow& w, int type, int s1, int s2, int s3)
    {
        child<QButtonGroup>(&w, "RadioGroup1Buttons")->button(type)->click();
        // Typed as a user types: a digit takes the place of the one the box shows.
        for (const auto& [name, digit] : {std::pair{"SpinEdit1", s1}, {"SpinEdit2", s2}, {"SpinEdit3", s3}}) {
            auto* box = child<QSpinBox>(&w, name);
            QTest::keyClicks(box, QString::number(digit));
            QCOMPARE(box->text(), QString::number(digit));
        }
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
    }

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void elevenTypesInThreeColumnsNoneChosen()
    {
        SearchWindow w;
        QCOMPARE(w.windowTitle(), QString("Search Database"));
        auto* box = child<QGroupBox>(&w, "RadioGroup1");
        auto* group = child<QButtonGroup>(&w, "RadioGroup1Buttons");
        QVERIFY(box && group);
        QCOMPARE(box->title(), QString(" Choose Type of  Search "));
        QCOMPARE(group->buttons().size(), 11);
        QCOMPARE(group->checkedId(), -1);
        const QStringList captions{"1 - -", "- 2 -",      "- - 3",      "1 2 -",      "1 - 3",  "- 2 3",
                                   "1 2 3", "Random (3)", "Random (2)", "Random (1)", "Doubles"};
        w.show();
        QSet<int> columns;
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(group->button(i)->text(), captions[i]);
            columns << group->button(i)->x();
        }
        QCOMPARE(columns.size(), 3);
        QCOMPARE(group->button(3)->x(), group->button(0)->x());
        QVERIFY(group->button(4)->x() > group->button(3)->x());
        for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3"}) {
            auto* spin = child<QSpinBox>(&w, name);
            QCOMPARE(spin->value(), 0);
            QCOMPARE(spin->minimum(), 0);
            QCOMPARE(spin->maximum(), 9);
        }
    }

    void withoutDatabase()
    {
        SearchWindow w;
        w.refresh();
        auto* matches = child<QLabel>(&w, "Label3");
        QCOMPARE(child<QLabel>(&w, "Label8")->text(), QString("0"));
        QVERIFY(matches->isHidden());
        search(w, 9, 1, 0, 0);
        QCOMPARE(child<QListWidget>(&w, "ListBox1")->count(), 0);
        QVERIFY(matches->isHidden());
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void searchingWithoutATypeAsksForOne()
    {
        env->writeDatabase("s.c3d", 5);
        env->openDatabase("s.c3d");
        SearchWindow w;
        w.refresh();
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown().first().text, QString("You forgot to select a Search Type"));
        QCOMPARE(child<QListWidget>(&w, "ListBox1")->count(), 0);
        QVERIFY(child<QLabel>(&w, "Label3")->isHidden());
    }

    void anyOrderSearchListsGroupedLinesWithTheirCount()
    {
        env->writeDatabase("s.c3d", {{2, 1, 1, 2002, 1, 1},
                                     {1, 2, 1, 2002, 1, 2},
                                     {1, 1, 2, 2002, 1, 3},
                                     {1, 1, 1, 2002, 1, 4},
                                     {3, 0, 7, 2002, 1, 5}});
        env->openDatabase("s.c3d");
        SearchWindow w;
        w.refresh();
        QCOMPARE(child<QLabel>(&w, "Label8")->text(), QString("5"));
        search(w, 7, 1, 1, 2);
        auto* list = child<QListWidget>(&w, "ListBox1");
        QCOMPARE(lines(list), (QStringList{"1/3/2002 :         1   1   2", "1/2/2002 :         1   2   1",
                                           "1/1/2002 :         2   1   1"}));
        auto* matches = child<QLabel>(&w, "Label3");
        QVERIFY(!matches->isHidden());
        QCOMPARE(matches->text(), QString("3"));

        search(w, 10, 0, 0, 0); // doubles
        QCOMPARE(digits(list), (QStringList{"111", "112", "121", "211"}));
        QCOMPARE(matches->text(), QString("4"));

        search(w, 6, 9, 9, 9); // no match
        QCOMPARE(list->count(), 0);
        QCOMPARE(matches->text(), QString("0"));
        QVERIFY(!matches->isHidden());
    }

    void reactivationHidesTheCountButKeepsTheList()
    {
        env->writeDatabase("s.c3d", 20);
        env->openDatabase("s.c3d");
        SearchWindow w;
        w.show();
        w.activateWindow();
        QTRY_COMPARE(child<QLabel>(&w, "Label8")->text(), QString("20"));
        search(w, 9, 3, 0, 0);
        auto* list = child<QListWidget>(&w, "ListBox1");
        auto* matches = child<QLabel>(&w, "Label3");
        const int found = list->count();
        QVERIFY(found > 0);
        QVERIFY(matches->isVisible());

        w.refresh();
        QVERIFY(matches->isHidden());
        QCOMPARE(list->count(), found);
        search(w, 9, 3, 0, 0);
        QVERIFY(matches->isVisible());
        QCOMPARE(matches->text(), QString::number(found));
    }

    void theDrawCountShowsAtMostThreeCharacters()
    {
        env->writeDatabase("big.c3d", 1000);
        Session::instance().databaseName = "big.c3d";
        SearchWindow w;
        w.refresh();
        QCOMPARE(child<QLabel>(&w, "Label8")->text(), QString("100"));
    }

    void f1OpensTheSearchTopic()
    {
        SearchWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(child<QSpinBox>(&w, "SpinEdit2"), Qt::Key_F1);
        QTRY_COMPARE(Help::lastTopic(), QString("sea"));
    }
};

QTEST_MAIN(SearchTest)
#include "SearchWindowTest.moc"
