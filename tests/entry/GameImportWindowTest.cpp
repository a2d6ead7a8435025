// The Import window's "every draw, one database each", and the draw it
// preselects for a database that remembers its own.

#include "GuiTestSupport.h"

#include "engine/Dates.h"
#include "engine/FileIo.h"
#include "engine/GameImport.h"
#include "engine/ResultsSource.h"
#include "entry/ImportWindow.h"
#include "platform/Dialogs.h"
#include "platform/Session.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace fs = std::filesystem;

namespace
{

const fs::path sampleFolder = fs::path(__FILE__).parent_path().parent_path() / "data" / "import";

QStringList stored(const fs::path& database)
{
    QStringList out;
    for (const auto& r : quor3::readDraws(database))
        out << QString("%1 %2%3%4")
                   .arg(QString::fromStdString(quor3::monthDayYear(r.DrawDate)))
                   .arg(r.Digit1)
                   .arg(r.Digit2)
                   .arg(r.Digit3);
    return out;
}

} // namespace

class GameImportWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    void chooseFile(ImportWindow& window, const char* name)
    {
        Dialogs::queueFile(QString::fromStdString((sampleFolder / name).string()));
        QTest::mouseClick(child<QPushButton>(&window, "chooseFileButton"), Qt::LeftButton);
        QTRY_VERIFY(!window.isReading());
    }

  private slots:
    void init() { env = std::make_unique<GuiTestEnvironment>(); }
    void cleanup() { env.reset(); }

    void theRememberedDrawIsPreselectedNotTheFilesFirst_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("preselected");
        QTest::newRow("none: the first") << ""
                                         << "Midday";
        QTest::newRow("the file's own name") << "Evening"
                                             << "Evening";
        QTest::newRow("another file's name of the same time") << "Evening Daily #"
                                                              << "Evening";
    }
    void theRememberedDrawIsPreselectedNotTheFilesFirst()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, preselected);
        quor3::rememberDrawName(quor3::settingsFilePath(), "ny.c3d", remembered.toStdString());
        env->openDatabase("ny.c3d");
        ImportWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        chooseFile(window, "draw-columns.csv");
        QCOMPARE(child<QComboBox>(&window, "drawChoice")->currentText(), preselected);
    }

    void everyDrawChosenByKeyboardGoesIntoADatabaseEach()
    {
        env->openDatabase("ny.c3d");
        ImportWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        chooseFile(window, "draw-columns.csv");
        auto* choice = child<QComboBox>(&window, "drawChoice");
        // Alt+D reaches the draw list; End takes its last item.
        QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(choice->hasFocus());
        QTest::keyClick(choice, Qt::Key_End);
        QCOMPARE(choice->currentText(), QString("every draw, one database each"));
        QCOMPARE(child<QLabel>(&window, "countLabel")->text(),
                 QString("Midday: ny-midday.c3d, 3 draws, from 8/3/2018 to 8/5/2018.\n"
                         "Evening: ny-evening.c3d, 3 draws, from 8/3/2018 to 8/5/2018."));
        Dialogs::clearShown();
        QTest::keyClick(&window, Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!Dialogs::shown().isEmpty());
        QVERIFY2(Dialogs::shown()[0].text.startsWith("Midday: ny-midday.c3d\n"), qPrintable(Dialogs::shown()[0].text));
        QCOMPARE(stored(env->dataPath() / "ny-midday.c3d"),
                 (QStringList{"8/3/2018 901", "8/4/2018 066", "8/5/2018 232"}));
        QCOMPARE(stored(env->dataPath() / "ny-evening.c3d"),
                 (QStringList{"8/3/2018 450", "8/4/2018 007", "8/5/2018 214"}));
        QVERIFY(!quor3::fileExists(env->dataPath() / "ny.c3d"));
        QVERIFY(window.databaseToOpen().endsWith("ny-midday.c3d"));
        QCOMPARE(quor3::gameDatabases(quor3::settingsFilePath(), "ny-evening.c3d"),
                 (std::vector<std::string>{"ny-midday.c3d", "ny-evening.c3d"}));
    }
};

QTEST_MAIN(GameImportWindowTest)
#include "GameImportWindowTest.moc"
