#include "GuiTestSupport.h"

#include "analysis/RepeatsWindow.h"
#include "engine/DataFiles.h"
#include "engine/FileIo.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QLabel>
#include <QTest>

class RepeatsTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;

    void writeRatios(const std::vector<quor3::DigitRatios>& records)
    {
        quor3::writeRatiosFile(env->dataPath() / quor3::files::Repeat, records);
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        env->writeDatabase("r.c3d", 10);
        Session::instance().databaseName = "r.c3d";
    }
    void cleanup() { env.reset(); }

    void ratiosShownAsPercentagesFromTheFirstRecordOnly()
    {
        writeRatios({{0.125f, 1.0f, 0.0f, 0.5f, 0, 0, 0, 0, 0, 0.3333333f}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}});
        RepeatsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QCOMPARE(child<QLabel>(&w, "Label11")->text(), QString(" 12.50"));
        QCOMPARE(child<QLabel>(&w, "Label12")->text(), QString("100.00"));
        QCOMPARE(child<QLabel>(&w, "Label13")->text(), QString("  0.00"));
        QCOMPARE(child<QLabel>(&w, "Label14")->text(), QString(" 50.00"));
        QCOMPARE(child<QLabel>(&w, "Label20")->text(), QString(" 33.33"));
    }

    void captions()
    {
        RepeatsWindow w;
        QCOMPARE(w.windowTitle(), QString("% Repeats"));
        QCOMPARE(child<QLabel>(&w, "Label21")->text(), QString("% of Repeats: "));
        // Every digit's caption, one under the other; the one for 2 has no trailing blank.
        const QStringList texts = {" 0: ", " 1: ", " 2:", " 3: ", " 4: ", " 5: ", " 6: ", " 7: ", " 8: ", " 9: "};
        for (int d = 0; d < 10; ++d) {
            auto* caption = child<QLabel>(&w, qPrintable(QString("Label%1").arg(d + 1)));
            QVERIFY(caption);
            QCOMPARE(caption->text(), texts[d]);
            if (d > 0)
                QCOMPARE(caption->y() - child<QLabel>(&w, qPrintable(QString("Label%1").arg(d)))->y(), 24);
        }
    }

    void missingFilesLeaveTheValuesEmpty()
    {
        {
            RepeatsWindow w;
            w.refresh(); // no repeat.dat
            QVERIFY(w.percentLabels[0]->text().isEmpty());
        }
        writeRatios({{0.5f}});
        Session::instance().databaseName = "gone.c3d";
        RepeatsWindow w;
        throughGuard(&w, [&] { w.refresh(); });
        QVERIFY(w.percentLabels[0]->text().isEmpty());
        QVERIFY(Dialogs::shown().isEmpty());
    }

    void shortRepeatFileIsAReadErrorOnActivation()
    {
        quor3::writeWholeFile(env->dataPath() / quor3::files::Repeat, std::string(20, '\0'));
        RepeatsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.contains("repeat.dat"));
        QVERIFY(w.percentLabels[0]->text().isEmpty());
    }

    void f1OpensThePctTopic()
    {
        writeRatios({{0.25f}});
        RepeatsWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(w.percentLabels[0]->text(), QString(" 25.00"));
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("pct"));
        if (Help::viewer())
            Help::viewer()->close();
    }
};

QTEST_MAIN(RepeatsTest)
#include "RepeatsWindowTest.moc"
