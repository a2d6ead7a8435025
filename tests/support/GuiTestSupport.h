#pragma once

#include "engine/Choices.h"
#include "engine/DrawRecord.h"
#include "platform/Guard.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <functional>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

class MainWindow;

// A draw for building test databases: digits and a date.
struct TestDraw {
    int d1, d2, d3;
    int year = 2002, month = 1, day = 1;
};

// Every GUI test runs in its own temporary home: the data folder, the settings
// file and the databases all live there. Message boxes and the open and print
// dialogs answer from queues (Dialogs test mode).
class GuiTestEnvironment
{
  public:
    GuiTestEnvironment();
    ~GuiTestEnvironment();

    QString home() const { return home_.path(); }
    QString dataFolder() const;
    std::filesystem::path dataPath() const { return dataFolder().toStdString(); }

    // Writes a database of these draws into the data folder, each with its own
    // date (1 January 2002 unless given).
    std::filesystem::path writeDatabase(const std::string& name, const std::vector<TestDraw>& draws) const;
    // n draws with varied digits, one day apart.
    std::filesystem::path writeDatabase(const std::string& name, int n) const;
    // Makes `name` in the data folder the open database, as the open dialog
    // does, with a full rebuild (odd/even digits from a fixed sequence).
    void openDatabase(const std::string& name) const;

  private:
    QTemporaryDir home_;
};

// The odd/even choices' random digits in tests: 0, 1, 2, ... 9, 0, ...
class CountingDigits : public quor3::RandomDigits
{
  public:
    int nextDigit() override { return next_++ % 10; }

  private:
    int next_ = 0;
};

// Finds a child by object name; fails the test's expectations with a null
// pointer when it is missing.
template <typename T> T* child(QWidget* parent, const char* name)
{
    return parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

std::vector<quor3::DrawRecord> toRecords(const std::vector<TestDraw>& draws);
std::string readFileText(const std::filesystem::path& file);

inline double total(const QVector<double>& values)
{
    return std::accumulate(values.begin(), values.end(), 0.0);
}

// Runs `act` on the modal window of type T once it is up and active: queue it
// before the exec() that shows the window. It gives up after five seconds, so
// that a window that never came cannot be mistaken for a later test's one; a
// modal window of another kind that is up by then is closed, so that its
// exec() returns and the test fails on its checks instead of hanging.
template <typename T> void whenModalActive(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window || !window->isActiveWindow()) {
            if (++*tries > 1000) {
                timer->stop();
                timer->deleteLater();
                if (QWidget* other = QApplication::activeModalWidget()) {
                    qWarning("Expected %s, closing %s", T::staticMetaObject.className(),
                             other->metaObject()->className());
                    other->close();
                }
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(window);
        // A window the test meant to close but could not (a fault in it) would
        // hold the test in its event loop until the test program's time is up,
        // hiding every later result: close it, and whatever it opened, instead.
        QTimer::singleShot(5000, [guarded = QPointer<T>(window)] {
            for (int k = 0; k < 5 && guarded && guarded->isVisible(); ++k)
                if (QWidget* top = QApplication::activeModalWidget()) {
                    qWarning("%s still open 5 s after the test acted on it: closing %s",
                             T::staticMetaObject.className(), top->metaObject()->className());
                    top->close();
                }
        });
    });
    timer->start();
}

// Triggers `item` and returns the title of the modal window of type T it
// opened, after `inspect` has looked at it and the window was closed; empty
// when none came.
template <typename T = QDialog> QString titleOfWindowOpenedBy(QAction* item, std::function<void(T*)> inspect = {})
{
    QString shown;
    auto triggering = std::make_shared<bool>(true);
    whenModalActive<T>([&shown, inspect, triggering](T* window) {
        if (!*triggering)
            return; // a later test's window
        shown = window->windowTitle();
        if (inspect)
            inspect(window);
        window->close();
    });
    item->trigger();
    *triggering = false;
    return shown;
}

// Runs a window's handler as the window itself does, through the error guard:
// an error shows as a message (Dialogs::shown()) and fails the checks that
// follow, where an exception would end the whole test program.
inline bool throughGuard(QWidget* window, const std::function<void()>& handler)
{
    return runGuarded(window, handler);
}

// A safety net for a test that opens a modal window and closes it from a
// timer: while the net lives (the test function's scope), any modal window
// still up after five seconds is closed, so that a check that failed before
// the closing step ends the test instead of hanging the whole program.
class ModalSafetyNet : public QObject
{
  public:
    explicit ModalSafetyNet(int milliseconds = 5000)
    {
        QTimer::singleShot(milliseconds, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                qWarning("Closing %s, still open", modal->metaObject()->className());
                modal->close();
            }
        });
    }
};

// A grid's cell text by column and row, and every cell row by row.
inline QString cell(QTableWidget* grid, int column, int row)
{
    return grid->item(row, column) ? grid->item(row, column)->text() : QString();
}

inline QStringList allCells(QTableWidget* grid)
{
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            out << cell(grid, c, r);
    return out;
}

// How far a grid's cells reach, right and bottom: they fill the grid when
// this is the size of its viewport.
inline QSize cellsExtent(QTableWidget* grid)
{
    int width = 0, height = 0;
    for (int c = 0; c < grid->columnCount(); ++c)
        width += grid->columnWidth(c);
    for (int r = 0; r < grid->rowCount(); ++r)
        height += grid->rowHeight(r);
    return QSize(width, height);
}

// The lines of a list, top to bottom.
inline QStringList lines(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}
