#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/Tickets.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/WindowKit.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <memory>

namespace fs = std::filesystem;

// The program in Spanish, as a desktop whose language is Spanish starts it.
class SpanishTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> window;

    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }

    void openDatabase(const std::string& name)
    {
        Dialogs::queueFile(QString::fromStdString((env->dataPath() / name).string()));
        action("OpenDatabase1")->trigger();
    }

    // Exports the open database to `name` and returns what was written.
    std::string exported(const std::string& name)
    {
        const fs::path file = env->dataPath() / name;
        Dialogs::queueFile(QString::fromStdString(file.string()));
        action("ExportDraws1")->trigger();
        return quor3::fileExists(file) ? quor3::readWholeFile(file) : std::string();
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        QVERIFY(Language::install(QLocale(QLocale::Spanish, QLocale::Spain)));
        window = std::make_unique<MainWindow>();
    }
    void cleanup()
    {
        window.reset();
        Language::remove();
        env.reset();
    }

    void everySpanishDesktopPicksSpanish_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("spanish");
        for (const char* name : {"es_ES", "es_US", "es_PR", "es_MX", "es_419"})
            QTest::newRow(name) << name << true;
        for (const char* name : {"en_US", "en_GB", "fr_FR", "C"})
            QTest::newRow(name) << name << false;
    }
    void everySpanishDesktopPicksSpanish()
    {
        QFETCH(QString, locale);
        QFETCH(bool, spanish);
        QCOMPARE(Language::install(QLocale(locale)), spanish);
        QCOMPARE(MainWindow::tr("&File"), spanish ? "&Archivo" : "&File");
        // Qt's own buttons follow, and so do the engine's messages.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") != "&Yes", spanish);
        try {
            quor3::throwIoError("/nowhere/ga.c3d", "open", "it holds no draw");
        } catch (const quor3::Error& e) {
            QCOMPARE(QString(e.what()), spanish ? "No se puede abrir \"ga.c3d\" en /nowhere: no contiene ningún sorteo"
                                                : "Cannot open \"ga.c3d\" in /nowhere: it holds no draw");
        }
    }

    void theWindowsSpeakSpanish()
    {
        env->writeDatabase("ga.c3d", 5);
        openDatabase("ga.c3d");
        QStringList menus;
        // The Draw menu shows only for a database of a game.
        for (QAction* menu : window->menuBar()->actions())
            if (menu->isVisible())
                menus << menu->text();
        QCOMPARE(menus, QStringList({"&Archivo", "A&gregar", "A&nálisis", "&Informes", "&Base de datos", "&Computadora",
                                     "A&yuda"}));
        // The help pages are English yet: the Help menu says so.
        QVERIFY(action("Contents1")->text().contains("(en inglés)"));
        QVERIFY(window->statusText(0).startsWith("Total de sorteos: "));

        QCOMPARE(titleOfWindowOpenedBy(action("AddDraw1")), "Agregar números ganadores");
        QCOMPARE(titleOfWindowOpenedBy(action("Search1")), "Buscar en la base de datos");
        QCOMPARE(titleOfWindowOpenedBy(action("ImportDraws1")), "Importar sorteos");
    }

    // Money and dates are written one way, the Spanish way, and the
    // computer's plays are suggested plays.
    void moneyDatesAndWordsTheSpanishWay()
    {
        env->writeDatabase("ga.c3d", {{4, 5, 1, 2026, 12, 6}, {3, 0, 7, 2026, 12, 13}});
        openDatabase("ga.c3d");
        const struct {
            QString shown;
            QString expected;
        } rows[] = {
            {QString::fromStdString(quor3::moneyText(123456)), "$1.234,56"},
            {QString::fromStdString(quor3::moneyText(50)), "$0,50"},
            {dateText(2026, 12, 6), "6/12/2026"},
            {dayFirstLine("12/13/2026 :   3  0  7"), "13/12/2026 :   3  0  7"},
            {action("Picks1")->text(), "&Jugadas sugeridas"},
            {action("Backtest1")->text(), QString::fromUtf8("¿&Cómo les fue a las jugadas sugeridas?")},
        };
        for (const auto& row : rows)
            QCOMPARE(row.shown, row.expected);
        QString newest;
        titleOfWindowOpenedBy<QDialog>(
            action("Display1"), [&](QDialog* list) { newest = list->findChild<QListWidget*>()->item(0)->text(); });
        QVERIFY2(newest.trimmed().startsWith("13/12/2026"), qPrintable(newest));
    }

    void anExportIsTheSameInSpanish()
    {
        env->writeDatabase("ga.c3d", {{4, 5, 1, 2026, 12, 6}, {3, 0, 7, 2002, 1, 1}});
        openDatabase("ga.c3d");
        Dialogs::clearShown();
        const std::string spanish = exported("es.csv");
        QCOMPARE(Dialogs::shown().value(0).title, "Exportar sorteos");
        Language::remove();
        QCOMPARE(exported("en.csv"), spanish);
        QCOMPARE(spanish, std::string("date,digit1,digit2,digit3\n2026-12-06,4,5,1\n2002-01-01,3,0,7\n"));
    }
};

QTEST_MAIN(SpanishTest)
#include "SpanishTest.moc"
