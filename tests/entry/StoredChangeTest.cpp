#include "GuiTestSupport.h"

#include "engine/DataFiles.h"
#include "engine/DrawRecord.h"
#include "entry/AddDrawsWindow.h"
#include "entry/CorrectionsWindow.h"
#include "entry/ImportWindow.h"
#include "platform/Dialogs.h"
#include "platform/Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <sys/stat.h>

#include <functional>
#include <memory>

// A change stored in the database whose statistics cannot be written after
// it: each window says the change is stored and the statistics are not, and
// no window reports the change as failed.
class StoredChangeTest : public QObject
{
    Q_OBJECT

  private slots:
    void aFailedRebuildAfterAStoredChangeIsAWarning()
    {
        struct Row {
            const char* window;
            std::function<void()> change;
            std::function<bool(const std::vector<quor3::DrawRecord>&)> stored;
            int messages; // the import's own report comes first
        };
        const auto click = [](QWidget* w, const char* name) {
            QTest::mouseClick(child<QPushButton>(w, name), Qt::LeftButton);
        };
        const Row rows[] = {
            {"add",
             [&] {
                 AddDrawsWindow w;
                 w.show();
                 QVERIFY(QTest::qWaitForWindowActive(&w));
                 child<QCheckBox>(&w, "CheckBox1")->setChecked(false);
                 for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3"})
                     child<QSpinBox>(&w, name)->setValue(5);
                 click(&w, "Button1");
             },
             [](const auto& draws) { return draws.size() == 4 && draws[3].Digit1 == 5 && draws[3].Digit3 == 5; }, 1},
            {"correct",
             [&] {
                 CorrectionsWindow w;
                 w.show();
                 QVERIFY(QTest::qWaitForWindowActive(&w));
                 child<QListWidget>(&w, "ListBox1")->setCurrentRow(0);
                 child<QSpinBox>(&w, "SpinEdit1")->setValue(9);
                 click(&w, "Button1");
             },
             [](const auto& draws) { return draws.size() == 3 && draws[0].Digit1 == 9; }, 1},
            {"import",
             [&] {
                 ImportWindow w;
                 w.show();
                 QVERIFY(QTest::qWaitForWindowExposed(&w));
                 auto* box = child<QPlainTextEdit>(&w, "sourceText");
                 box->setFocus();
                 QApplication::clipboard()->setText("Date,Result\n3/1/2006,777\n");
                 QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                 click(&w, "importButton");
             },
             [](const auto& draws) { return draws.size() == 4 && draws[3].Digit2 == 7; }, 2},
        };
        for (const Row& row : rows) {
            GuiTestEnvironment env;
            env.writeDatabase("ga.c3d", {{1, 2, 3, 2002, 1, 1}, {4, 4, 4, 2004, 2, 29}, {7, 8, 9, 2005, 1, 31}});
            env.openDatabase("ga.c3d");
            // Another user's file in the folder: never replaced.
            QCOMPARE(::chmod((env.dataPath() / quor3::files::Cold).c_str(), 0444), 0);
            Dialogs::clearShown();
            row.change();
            QVERIFY2(row.stored(quor3::readDraws(env.dataPath() / "ga.c3d")), row.window);
            QVERIFY2(Dialogs::shown().size() == row.messages, row.window);
            const QString said = Dialogs::shown().last().text;
            QVERIFY2(said.startsWith("The change is stored, but the statistics could not be updated: ") &&
                         said.contains("cold.dat"),
                     qPrintable(QString(row.window) + ": " + said));
        }
    }
};

QTEST_MAIN(StoredChangeTest)
#include "StoredChangeTest.moc"
