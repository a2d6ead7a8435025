#pragma once

#include <QMainWindow>
#include <QPoint>

class QAction;
class QLabel;
class QMenu;
class StartPanel;
class ResultsFetch;

// Where the product picture stands for a screen of the given width.
QPoint productPicturePlace(int screenWidth);

// The main window: menu, gradient, product picture and the five-panel status
// bar that shows the result of the last rebuild. It owns the open database
// (through Session) for the whole run.
class MainWindow : public QMainWindow
{
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    QString statusText(int panel) const;
    void setStatusText(int panel, const QString& text);
    // Places the product picture as fitToScreen does for a screen of this width.
    void placeProductPicture(int screenWidth);

    void openDatabase();
    // "Create a database": the open dialog with a new name proposed. False
    // when it was cancelled.
    bool createDatabase();
    // Opens the database at `path` as choosing it in the open dialog does, and
    // puts it first among the recent databases.
    void openDatabaseFile(const QString& path);
    // At start: the file named on the command line (asking before a new one
    // is created), else the database of the last run when it is still there.
    void openAtStart(const QString& commandLineFile);
    void closeDatabase();
    // The state without an open database, after the open one was deleted.
    void resetAfterDelete();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fitToScreen();
    // Status panel 4 as at start; it may have shown a message of the open database.
    void showTodaysDate();
    void undoLast();
    void placeStartPanel();
    void buildMenu();
    void setDataMenusEnabled(bool enabled);
    template <typename Window> void showModal();
    // The File menu's list of recent databases, read afresh.
    void refreshRecentDatabases();
    // The open database's last draw, with its digits, above the gradient.
    void showLastDraw();
    // The Draw menu: the open game's draws, the open one checked; hidden
    // for a database of no game. Also names the open draw in the title and
    // the status bar.
    void refreshDraws();
    void showImport();

    QLabel* productPicture_ = nullptr;
    QWidget* gradientArea_ = nullptr;
    StartPanel* startPanel_ = nullptr; // shown while no database is open
    QString openPath_;                 // the open database's full path; empty when none is open
    QLabel* panels_[5] = {};
    QLabel* lastDraw_ = nullptr;
    bool lastDrawDue_ = false; // a read of the last draw is queued
    QList<QMenu*> dataMenus_;
    // File menu items that need an open database.
    QList<QAction*> dataActions_;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr; // the recent databases stand between this and Exit
    QAction* exitSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    QMenu* drawMenu_ = nullptr;
    QList<QAction*> drawActions_; // Ctrl+1 to Ctrl+4, in the order of the day
    QLabel* drawPanel_ = nullptr;
    // File > Get New Results, the check at open and the watch on the database.
    ResultsFetch* resultsFetch_ = nullptr;
};
