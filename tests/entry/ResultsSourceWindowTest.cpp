#include "FakeSystemctl.h"
#include "GuiTestSupport.h"

#include "engine/FileIo.h"
#include "engine/ResultsSource.h"
#include "entry/ResultsSourceWindow.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

class ResultsSourceWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    QString resultsFile() const
    {
        std::string text = "Date,Draw,Digits\n";
        for (int day = 1; day <= 9; ++day) {
            const std::string date = "12/" + std::to_string(day) + "/2026,";
            text += date + "Midday," + std::to_string(day) + "01\n";
            text += date + "Evening," + std::to_string(day) + "02\n";
        }
        const auto path = env->dataPath() / "p3.csv";
        quor3::writeWholeFile(path, text);
        return QString::fromStdString(path.string());
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        env->writeDatabase("ga.c3d", 5);
        env->openDatabase("ga.c3d");
    }
    void cleanup() { env.reset(); }

    void aTrialShowsTheDrawsFoundAndSavesTheChosenOne()
    {
        ResultsSourceWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* address = child<QLineEdit>(&window, "addressEdit");
        auto* save = child<QPushButton>(&window, "saveButton");
        QVERIFY(address->hasFocus());
        QVERIFY(!save->isEnabled());
        QTest::keyClicks(address, resultsFile());
        QTest::keyClick(address, Qt::Key_Return); // Try is the default button
        QTRY_VERIFY(child<QLabel>(&window, "trialLabel")->text().contains("Layout: "));

        auto* draw = child<QComboBox>(&window, "drawChoice");
        QCOMPARE(draw->count(), 2);
        QCOMPARE(draw->currentText(), QString("Midday"));
        auto* newest = child<QListWidget>(&window, "newestList");
        QCOMPARE(newest->count(), 3);
        QVERIFY(newest->item(0)->text().startsWith("12/9/2026"));
        QVERIFY(newest->item(0)->text().endsWith("1"));
        draw->setFocus();
        QTest::keyClick(draw, Qt::Key_Down);
        QCOMPARE(draw->currentText(), QString("Evening"));
        QVERIFY(newest->item(2)->text().startsWith("12/7/2026"));
        QVERIFY(newest->item(2)->text().endsWith("2"));

        QVERIFY(child<QCheckBox>(&window, "checkAtOpenBox")->isChecked());
        QVERIFY(save->isEnabled());
        QTest::mouseClick(save, Qt::LeftButton);
        const auto source = quor3::readResultsSource(quor3::settingsFilePath(), "ga.c3d");
        QVERIFY(source);
        QCOMPARE(QString::fromStdString(source->address), resultsFile());
        QCOMPARE(source->drawName, std::string("Evening"));
        QVERIFY(source->checkAtOpen);
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void aFailedTrialSaysWhyAndCannotBeSaved()
    {
        ResultsSourceWindow window;
        window.show();
        auto* address = child<QLineEdit>(&window, "addressEdit");
        QTest::keyClicks(address, env->dataFolder() + "/missing.csv");
        QTest::mouseClick(child<QPushButton>(&window, "tryButton"), Qt::LeftButton);
        QTRY_VERIFY(child<QLabel>(&window, "trialLabel")->text().startsWith("Cannot fetch"));
        QVERIFY(child<QLabel>(&window, "trialLabel")->text().contains("missing.csv"));
        QVERIFY(!child<QPushButton>(&window, "saveButton")->isEnabled());
        QVERIFY(!quor3::fileExists(quor3::settingsFilePath()));
    }

    // The box is the user session manager's state of the daily timer, asked
    // each time the window opens and after each switch; never a setting.
    void theDailyBoxSwitchesTheTimerAtOnce()
    {
        FakeSystemctl systemctl;
        systemctl.setEnabled(true);
        ResultsSourceWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* box = child<QCheckBox>(&window, "dailyTimerBox");
        QVERIFY(box->isEnabled());
        QVERIFY(box->isChecked());

        const auto lastSwitch = [&systemctl] {
            const QStringList switches = systemctl.commands().filter(QRegularExpression("^(en|dis)able "));
            return switches.isEmpty() ? QString() : switches.last();
        };
        struct Step {
            bool failing;
            bool checkedAfter;
            const char* command;
        };
        const Step steps[] = {
            {false, false, "disable --now quor3-fetch.timer"},
            {false, true, "enable --now quor3-fetch.timer"},
            {false, false, "disable --now quor3-fetch.timer"},
            {true, false, "enable --now quor3-fetch.timer"},
        };
        for (const Step& step : steps) {
            if (step.failing)
                systemctl.failingToEnable();
            Dialogs::clearShown();
            QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier); // clicks the box a moment later
            QTRY_COMPARE(lastSwitch(), QString(step.command));
            QCOMPARE(box->isChecked(), step.checkedAfter);
            QCOMPARE(Dialogs::shown().size(), step.failing ? 1 : 0);
        }
        QVERIFY(Dialogs::shown().first().text.contains("Access denied"));
        QVERIFY(!quor3::fileExists(quor3::settingsFilePath()));

        systemctl.setEnabled(true); // from a terminal, say
        ResultsSourceWindow again;
        QVERIFY(child<QCheckBox>(&again, "dailyTimerBox")->isChecked());
    }

    void withoutASessionManagerTheDailyBoxSaysWhy()
    {
        FakeSystemctl systemctl;
        systemctl.withoutManager();
        ResultsSourceWindow window;
        window.show();
        QVERIFY(!child<QCheckBox>(&window, "dailyTimerBox")->isEnabled());
        const QString why = child<QLabel>(&window, "dailyTimerLabel")->text();
        QVERIFY2(why.contains("no systemd user session manager") && why.contains("No medium found"), qPrintable(why));
    }

    void f1OpensTheResultsSourceTopic()
    {
        ResultsSourceWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(child<QLineEdit>(&window, "addressEdit"), Qt::Key_F1);
        QCOMPARE(Help::lastTopic(), QString("results"));
    }

    // The validators describe the file last fetched: another address must be
    // fetched in full, while a change of the check at open keeps them.
    void aNewAddressDropsTheOldValidators()
    {
        const auto write = [this](const char* name) {
            const auto path = env->dataPath() / name;
            quor3::writeWholeFile(path, "Date,Digits\n12/1/2026,451\n12/2/2026,452\n");
            return QString::fromStdString(path.string());
        };
        const QString first = write("first.csv"), second = write("second.csv");
        const struct {
            QString typed; // empty: the address stays
            bool validatorsKept;
        } cases[] = {{second, false}, {QString(), true}};
        for (const auto& c : cases) {
            quor3::ResultsSource saved;
            saved.address = first.toStdString();
            saved.etag = "\"v1\"";
            saved.lastModified = "Mon, 07 Dec 2026 10:00:00 GMT";
            quor3::writeResultsSource(quor3::settingsFilePath(), "ga.c3d", saved);
            ResultsSourceWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            auto* address = child<QLineEdit>(&window, "addressEdit");
            if (!c.typed.isEmpty()) {
                QTest::keyClick(address, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(address, c.typed);
                QTest::keyClick(address, Qt::Key_Return);
                QTRY_VERIFY(child<QLabel>(&window, "trialLabel")->text().contains("Layout: "));
            }
            auto* checkAtOpen = child<QCheckBox>(&window, "checkAtOpenBox");
            checkAtOpen->setFocus();
            QTest::keyClick(checkAtOpen, Qt::Key_Space);
            QTest::mouseClick(child<QPushButton>(&window, "saveButton"), Qt::LeftButton);
            QCOMPARE(window.result(), int(QDialog::Accepted));
            const auto now = quor3::readResultsSource(quor3::settingsFilePath(), "ga.c3d");
            QVERIFY(now);
            QCOMPARE(QString::fromStdString(now->address), c.typed.isEmpty() ? first : c.typed);
            QVERIFY(!now->checkAtOpen);
            QCOMPARE(now->etag, c.validatorsKept ? saved.etag : std::string());
            QCOMPARE(now->lastModified, c.validatorsKept ? saved.lastModified : std::string());
        }
    }
};

QTEST_MAIN(ResultsSourceWindowTest)
#include "ResultsSourceWindowTest.moc"
