#include "app/MainWindow.h"

#include "analysis/ChanceWindow.h"
#include "analysis/HotColdWindow.h"
#include "analysis/OddEvenWindow.h"
#include "analysis/RepeatsWindow.h"
#include "app/AboutDialog.h"
#include "app/RecentDatabases.h"
#include "app/StartPanel.h"
#include "charts/FairnessWindow.h"
#include "charts/SetsGraphWindow.h"
#include "charts/SumsGraphWindow.h"
#include "charts/TotalsGraphWindow.h"
#include "choices/BacktestWindow.h"
#include "choices/BuildPlaysWindow.h"
#include "choices/ComputerChoicesWindow.h"
#include "engine/DataFiles.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/GameImport.h"
#include "engine/Rebuild.h"
#include "engine/ResultsSource.h"
#include "entry/AddDrawsWindow.h"
#include "entry/DeleteFileDialog.h"
#include "entry/ExportDraws.h"
#include "entry/ImportWindow.h"
#include "entry/RestoreBackupWindow.h"
#include "entry/ResultsFetch.h"
#include "entry/ResultsSourceWindow.h"
#include "entry/UndoLastEntry.h"
#include "entry/UpdateMenuWindow.h"
#include "platform/Accessibility.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Resources.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"
#include "platform/WebPages.h"
#include "platform/WindowKit.h"
#include "reports/DrawListWindow.h"
#include "reports/OrdinalWindow.h"
#include "reports/PairsWindow.h"
#include "reports/SearchWindow.h"
#include "reports/SkipTraceWindow.h"
#include "reports/TotalsWindow.h"
#include "tickets/PrizeTableWindow.h"
#include "tickets/TicketsWindow.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

// The client area below the raised bar: a radial gradient from sky blue at
// the centre to blue at the edges.
class GradientArea : public QWidget
{
  public:
    explicit GradientArea(QWidget* parent) : QWidget(parent)
    {
        // The gradient covers every pixel: Qt need not clear the area first.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        QRadialGradient gradient(QPointF(width() / 2.0, height() / 2.0), qMax(width(), height()) / 1.4);
        gradient.setColorAt(0.0, QColor(0x87, 0xce, 0xeb));
        gradient.setColorAt(1.0, QColor(0x00, 0x00, 0xff));
        painter.fillRect(rect(), gradient);
    }
};

const char* const startTexts[4] = {
    QT_TRANSLATE_NOOP("MainWindow", "Total Draws:"), QT_TRANSLATE_NOOP("MainWindow", "Last Draw Date:"),
    QT_TRANSLATE_NOOP("MainWindow", "Hottest Number:"), QT_TRANSLATE_NOOP("MainWindow", "Coldest Number:")};
const char* const closedTexts[4] = {
    QT_TRANSLATE_NOOP("MainWindow", "Total Draws: "), QT_TRANSLATE_NOOP("MainWindow", "Last Draw Date: "),
    QT_TRANSLATE_NOOP("MainWindow", "Hottest Number: "), QT_TRANSLATE_NOOP("MainWindow", "Coldest Number: ")};
const int panelWidths[5] = {125, 150, 110, 110, 150};

// The title the desktop shows: the program's name, after the open database's.
QString mainTitle(const QString& databaseName = QString())
{
    const QString program = QStringLiteral("Quor 3");
    return databaseName.isEmpty() ? program : databaseName + QStringLiteral(" \u2014 ") + program;
}

QString createPrompt()
{
    return MainWindow::tr("%1\nThis file does not exist.\nCreate the file?");
}

} // namespace

// A database named like a file the rebuild writes beside it would be
// overwritten by its own statistics.
static QString reservedNameRefusal(const QString& path)
{
    const QFileInfo info(path);
    if (!quor3::isReservedFileName(quor3::databaseNameFor(info.fileName().toStdString())))
        return QString();
    return MainWindow::tr("%1\nQuor 3 keeps its own statistics in a file of that name.\nChoose another name for the "
                          "database.")
        .arg(info.fileName());
}

QPoint productPicturePlace(int screenWidth)
{
    switch (screenWidth) {
    case 1280: return QPoint(584, 416);
    case 800: return QPoint(344, 205);
    case 1024: return QPoint(456, 288);
    default: return QPoint(344, 205);
    }
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("TForm1");
    setFont(arialFont(13));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* barPanel = new QFrame(central);
    barPanel->setObjectName("Panel2");
    barPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    barPanel->setLineWidth(2);
    barPanel->setFixedHeight(41);
    // The last draw, digits and all, where the player looks first.
    lastDraw_ = new QLabel(barPanel);
    lastDraw_->setObjectName("LastDrawLabel");
    lastDraw_->setFont(arialFont(17, true));
    auto* barLayout = new QHBoxLayout(barPanel);
    barLayout->setContentsMargins(12, 0, 12, 0);
    barLayout->addWidget(lastDraw_);
    barLayout->addStretch(1);
    auto* gradientArea = new GradientArea(central);
    gradientArea->setObjectName("Gradient1");
    layout->addWidget(barPanel);
    layout->addWidget(gradientArea, 1);
    setCentralWidget(central);
    gradientArea_ = gradientArea;
    gradientArea->installEventFilter(this);

    // The picture's place is measured from the top of the client area, the
    // raised bar included: it stands over the gradient, not inside it.
    productPicture_ = new QLabel(central);
    productPicture_->setObjectName("Image1");
    productPicture_->setFixedSize(112, 111);
    initPlatformResources();
    productPicture_->setPixmap(QPixmap(":/pictures/product.png"));
    productPicture_->raise();

    startPanel_ = new StartPanel(central);
    startPanel_->setFont(font());
    connect(startPanel_, &StartPanel::createChosen, this, [this] { createDatabase(); });
    connect(startPanel_, &StartPanel::importChosen, this, [this] {
        if (createDatabase())
            showImport();
    });
    connect(startPanel_, &StartPanel::openChosen, this, &MainWindow::openDatabase);
    connect(startPanel_, &StartPanel::recentChosen, this, &MainWindow::openDatabaseFile);

    auto* statusLine = statusBar();
    statusLine->setObjectName("StatusBar1");
    statusLine->setSizeGripEnabled(false);
    for (int i = 0; i < 5; ++i) {
        // The text comes first: the status bar measures every panel it holds
        // as each one is added, and a measure lasts until the text changes.
        panels_[i] = i < 4 ? new QLabel(tr(startTexts[i]), statusLine) : new MiddleElidedLabel(statusLine);
        panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
        // The panels keep their widths, but a long date in the user's short
        // format widens its panel rather than being cut off.
        panels_[i]->setMinimumWidth(panelWidths[i]);
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusLine->addWidget(panels_[i]);
    }
    // The open draw of a game (Morning, Evening, ...): the statistics shown are its own.
    drawPanel_ = new QLabel(statusLine);
    drawPanel_->setObjectName("DrawPanel");
    drawPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLine->addPermanentWidget(drawPanel_);
    drawPanel_->hide();

    buildMenu();
    setDataMenusEnabled(false);
    refreshRecentDatabases();

    Session& session = Session::instance();
    session.mainWindow = this;
    session.setStatusText = [this](int panel, const QString& text) { setStatusText(panel, text); };
    session.statusText = [this](int panel) { return statusText(panel); };
    session.resetToNoDatabase = [this] { resetAfterDelete(); };

    Help::bindF1(this, "description");
    fitToScreen();
}

MainWindow::~MainWindow()
{
    Session& session = Session::instance();
    if (session.mainWindow == this) {
        session.mainWindow = nullptr;
        session.setStatusText = nullptr;
        session.statusText = nullptr;
        session.resetToNoDatabase = nullptr;
    }
}

void MainWindow::fitToScreen()
{
    const QScreen* screen = this->screen();
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    resize(size);
    placeProductPicture(size.width());
    setWindowTitle(mainTitle());
    showTodaysDate();
}

void MainWindow::showTodaysDate()
{
    setStatusText(4, tr("Todays Date: ") + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == gradientArea_ && event->type() == QEvent::Resize)
        placeStartPanel();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::placeStartPanel()
{
    if (startPanel_)
        startPanel_->placeBeside(productPicture_->geometry(), gradientArea_->geometry());
}

void MainWindow::placeProductPicture(int screenWidth)
{
    productPicture_->move(productPicturePlace(screenWidth));
    placeStartPanel();
}

QString MainWindow::statusText(int panel) const
{
    return panel >= 0 && panel < 5 ? panels_[panel]->text() : QString();
}

void MainWindow::setStatusText(int panel, const QString& text)
{
    if (panel < 0 || panel >= 5)
        return;
    panels_[panel]->setText(text);
    // A long text (a date in the user's format, a large font) widens its
    // panel instead of being cut off.
    panels_[panel]->setMinimumWidth(qMax(panelWidths[panel], panels_[panel]->sizeHint().width()));
    // Every change of the last draw sets this panel: the digits follow, once
    // the change that set it is done.
    if (panel == 1 && !lastDrawDue_) {
        lastDrawDue_ = true;
        QTimer::singleShot(0, this, &MainWindow::showLastDraw);
    }
}

void MainWindow::showLastDraw()
{
    lastDrawDue_ = false;
    const Session& session = Session::instance();
    std::vector<quor3::DrawRecord> draws;
    if (!openPath_.isEmpty()) {
        try {
            if (session.databaseExists())
                draws = quor3::readDraws(session.databasePath());
        } catch (const quor3::Error&) {
            // The status bar tells of a database that cannot be read.
        }
    }
    if (draws.empty()) {
        lastDraw_->clear();
        nameForReader(lastDraw_, QString());
        return;
    }
    const quor3::DrawRecord& last = draws.back();
    const QString digits = QString("%1 %2 %3").arg(last.Digit1).arg(last.Digit2).arg(last.Digit3);
    lastDraw_->setText(tr("Last draw %1:   %2").arg(shortDateText(last.DrawDate), digits));
    nameForReader(lastDraw_, tr("Last draw"), tr("%1: %2").arg(shortDateText(last.DrawDate), digits));
}

template <typename Window> void MainWindow::showModal()
{
    runGuarded(this, [this] {
        Window window(this);
        window.exec();
    });
    resultsFetch_->changedByProgram();
}

void MainWindow::buildMenu()
{
    auto item = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto menu = [this](const char* name, const QString& caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(name);
        // A menu is a window of its own and does not take the main window's font.
        m->setFont(font());
        return m;
    };
    menuBar()->setObjectName("MainMenu1");

    QMenu* fileMenu = menu("File1", tr("&File"));
    fileMenu_ = fileMenu;
    item(fileMenu, "OpenDatabase1", tr("&Open Database"), [this] {
        openDatabase();
    })->setShortcut(Qt::CTRL | Qt::Key_O);
    item(fileMenu, "CloseDatabase1", tr("&Close Database"), [this] {
        closeDatabase();
    })->setShortcut(Qt::CTRL | Qt::Key_W);
    dataActions_ << item(fileMenu, "ImportDraws1", tr("&Import Draws..."), [this] { showImport(); });
    resultsFetch_ = new ResultsFetch(this);
    // A report window reads the database each time it is activated: a change
    // by another process reaches an open one as an activation. The entry
    // windows follow the change themselves, keeping what the user typed.
    connect(&Session::instance().events, &DatabaseEvents::changedOnDisk, this, [] {
        QWidget* top = QApplication::activeModalWidget();
        if (top && !top->property(DatabaseEvents::FollowedByWindow).toBool()) {
            QEvent activation(QEvent::WindowActivate);
            QCoreApplication::sendEvent(top, &activation);
        }
    });
    dataActions_ << item(fileMenu, "ResultsSource1", tr("Results &Source..."), [this] {
        runGuarded(this, [this] {
            ResultsSourceWindow window(this);
            const bool saved = window.exec() == QDialog::Accepted;
            resultsFetch_->changedByProgram();
            if (saved)
                resultsFetch_->fetchNow();
        });
    });
    dataActions_ << item(fileMenu, "GetNewResults1", tr("&Get New Results"), [this] { resultsFetch_->fetchNow(); });
    dataActions_.last()->setShortcut(Qt::Key_F5);
    dataActions_ << item(fileMenu, "ExportDraws1", tr("&Export Draws..."),
                         [this] { runGuarded(this, [this] { exportOpenDatabase(this); }); });
    dataActions_ << item(fileMenu, "RestoreBackup1", tr("&Restore Backup..."),
                         [this] { showModal<RestoreBackupWindow>(); });
    item(fileMenu, "DeleteDatabase1", tr("&Delete Database..."), [this] { showModal<DeleteFileDialog>(); });
    recentSeparator_ = fileMenu->addSeparator();
    exitSeparator_ = fileMenu->addSeparator();
    item(fileMenu, "Exit1", tr("E&xit"), [this] { close(); })->setShortcut(Qt::CTRL | Qt::Key_Q);
    connect(fileMenu, &QMenu::aboutToShow, this, &MainWindow::refreshRecentDatabases);

    drawMenu_ = menu("DrawMenu", tr("Dra&w"));
    for (int i = 0; i < 4; ++i) {
        QAction* action = drawMenu_->addAction(QString());
        action->setObjectName(QString("Draw%1").arg(i + 1));
        action->setCheckable(true);
        action->setShortcut(QKeyCombination(Qt::CTRL, static_cast<Qt::Key>(Qt::Key_1 + i)));
        // A shortcut of a hidden menu still works: it must not switch to a draw not listed.
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, action] {
            const QString path = action->data().toString();
            if (!path.isEmpty() && path != openPath_)
                openDatabaseFile(path);
            else
                action->setChecked(true);
        });
        drawActions_ << action;
    }
    // Shortcuts of actions in a menu work while the menu is closed only when
    // the window holds them too.
    addActions(drawActions_);
    drawMenu_->menuAction()->setVisible(false);

    QMenu* addMenu = menu("Edit1", tr("&Add"));
    item(addMenu, "Add1", tr("&Update Database"), [this] { showModal<UpdateMenuWindow>(); });
    QAction* addDraw = item(addMenu, "AddDraw1", tr("&Add Draw..."), [this] { showModal<AddDrawsWindow>(); });
    addDraw->setShortcut(Qt::CTRL | Qt::Key_N);
    item(addMenu, "UndoLastEntry1", tr("Undo &Last Entry"), [this] { undoLast(); })->setShortcut(Qt::CTRL | Qt::Key_Z);

    QMenu* analysisMenu = menu("Analysis1", tr("A&nalysis"));
    item(analysisMenu, "GraphTotals1", tr("&Graph Totals"), [this] { showModal<TotalsGraphWindow>(); });
    item(analysisMenu, "OddEvenRatio1", tr("&Odd/Even Ratio"), [this] { showModal<OddEvenWindow>(); });
    item(analysisMenu, "PercentageRepeats1", tr("&Percentage Repeats"), [this] { showModal<RepeatsWindow>(); });
    item(analysisMenu, "HotColdNumbers1", tr("&Hot/Cold Numbers"), [this] { showModal<HotColdWindow>(); });
    item(analysisMenu, "Sums1", tr("&Sums Graph"), [this] { showModal<SumsGraphWindow>(); });
    item(analysisMenu, "SetsGraph1", tr("S&ets Graph"), [this] { showModal<SetsGraphWindow>(); });
    item(analysisMenu, "FairnessCheck1", tr("&Fairness Check"), [this] { showModal<FairnessWindow>(); });
    item(analysisMenu, "WhatChance1", tr("&What Chance Gives"), [this] {
        showModal<ChanceWindow>();
    })->setShortcut(Qt::CTRL | Qt::Key_G);

    QMenu* reportsMenu = menu("Reports1", tr("&Reports"));
    item(reportsMenu, "Totals1", tr("&Totals"), [this] { showModal<TotalsWindow>(); });
    item(reportsMenu, "Pairs1", tr("&Pairs"), [this] { showModal<PairsWindow>(); });
    item(reportsMenu, "Frequency1", tr("&Skip/Trace Chart"), [this] { showModal<SkipTraceWindow>(); });
    item(reportsMenu, "Ordinal1", tr("&Ordinal"), [this] { showModal<OrdinalWindow>(); });

    QMenu* databaseMenu = menu("DataBase1", tr("&DataBase"));
    item(databaseMenu, "Display1", tr("&Display "), [this] { showModal<DrawListWindow>(); });
    item(databaseMenu, "Search1", tr("&Search"), [this] { showModal<SearchWindow>(); });

    QMenu* computerMenu = menu("Computer1", tr("&Computer"));
    item(computerMenu, "Picks1", tr("&Computer Choices"), [this] { showModal<ComputerChoicesWindow>(); });
    item(computerMenu, "Backtest1", tr("&How Did the Choices Do?"), [this] { showModal<BacktestWindow>(); });
    item(computerMenu, "BuildPlays1", tr("&Build Plays..."), [this] { showModal<BuildPlaysWindow>(); });
    item(computerMenu, "MyTickets1", tr("My &Tickets"), [this] {
        showModal<TicketsWindow>();
    })->setShortcut(Qt::CTRL | Qt::Key_T);
    item(computerMenu, "PrizeTable1", tr("&Prize Table..."), [this] { showModal<PrizeTableWindow>(); });

    QMenu* helpMenu = menu("Help1", tr("&Help"));
    item(helpMenu, "Contents1", tr("&Contents"), [] { Help::contents(); });
    item(helpMenu, "Quor3WebSupport1", tr("Quor3 Web Support"), [this] { WebPages::openSupport(this); });
    item(helpMenu, "ResultsSite1", WebPages::ResultsSiteName,
         [this] { WebPages::OpenWebPage(this, WebPages::ResultsAddress); });
    item(helpMenu, "AboutQuor31", tr("&About Quor 3"), [this] {
        AboutDialog about(this);
        about.exec();
    });

    dataMenus_ = {addMenu, analysisMenu, reportsMenu, databaseMenu, computerMenu};
}

void MainWindow::setDataMenusEnabled(bool enabled)
{
    for (QMenu* m : dataMenus_)
        m->menuAction()->setEnabled(enabled);
    for (QAction* a : dataActions_)
        a->setEnabled(enabled);
}

void MainWindow::undoLast()
{
    const Session& session = Session::instance();
    const bool entered = session.lastEntry.has_value();
    runGuarded(this, [this] { undoLastEntry(this); });
    resultsFetch_->changedByProgram();
    // A message about the backup of that entry's cut-back no longer holds.
    if (entered && !session.lastEntry)
        showTodaysDate();
}

// A new database: the open dialog proposes a name not taken yet in the data
// folder, and no question follows, since a new file is what was asked for.
bool MainWindow::createDatabase()
{
    const QDir folder(dataFolder());
    QString name = QStringLiteral("draws.c3d");
    for (int n = 2; folder.exists(name); ++n)
        name = QStringLiteral("draws %1.c3d").arg(n);
    Dialogs::OpenOptions options;
    options.title = tr("Open/Create a Database");
    options.filter = tr("Quor3 Data File (.c3d) (*.c3d)");
    options.defaultSuffix = "c3d";
    options.initialFolder = folder.path();
    options.initialName = name;
    options.refusal = reservedNameRefusal;
    options.opened = &Session::openedFile;
    const QString chosen = Dialogs::openFile(this, options);
    if (chosen.isEmpty())
        return false;
    openDatabaseFile(chosen);
    return true;
}

void MainWindow::openDatabase()
{
    Dialogs::OpenOptions options;
    options.title = tr("Open/Create a Database");
    options.filter = tr("Quor3 Data File (.c3d) (*.c3d)");
    options.defaultSuffix = "c3d";
    options.initialFolder = dataFolder();
    options.createPrompt = createPrompt();
    options.refusal = reservedNameRefusal;
    options.opened = &Session::openedFile;
    const QString chosen = Dialogs::openFile(this, options);
    if (chosen.isEmpty())
        return;
    openDatabaseFile(chosen);
}

void MainWindow::openDatabaseFile(const QString& path)
{
    if (const QString why = reservedNameRefusal(path); !why.isEmpty()) {
        Dialogs::inform(this, tr("Open/Create a Database"), why, {}, QMessageBox::Warning);
        return;
    }
    Session& session = Session::instance();
    const QFileInfo info(path);
    session.chooseDatabase(path);
    setDataMenusEnabled(true);
    openPath_ = info.absoluteFilePath();
    startPanel_->hide();
    showTodaysDate();
    setWindowTitle(mainTitle(session.databaseNameText()));
    session.totalDraws = 0;
    runGuarded(this, [&] {
        BusyCursor busy;
        StatusBarSink sink;
        if (quor3::openDatabase(session.folder, session.databaseName, sink))
            session.totalDraws = quor3::countDraws(session.databasePath());
    });
    runGuarded(this, [&] { RecentDatabases::remember(info.absoluteFilePath()); });
    refreshRecentDatabases();
    refreshDraws();
    resultsFetch_->databaseOpened();
}

void MainWindow::showImport()
{
    QString toOpen;
    runGuarded(this, [this, &toOpen] {
        ImportWindow window(this);
        window.exec();
        toOpen = window.databaseToOpen();
    });
    resultsFetch_->changedByProgram();
    // Every draw went into a database of its own: the game's first is opened.
    if (!toOpen.isEmpty())
        openDatabaseFile(toOpen);
}

void MainWindow::refreshDraws()
{
    const Session& session = Session::instance();
    std::vector<std::string> game;
    if (!openPath_.isEmpty())
        runGuarded(this, [&] { game = quor3::gameDatabases(quor3::settingsFilePath(), session.databaseName); });
    // A draw's database deleted since is no longer offered: opening it would make an empty one.
    game.erase(std::remove_if(game.begin(), game.end(),
                              [&session](const std::string& name) {
                                  return name != session.databaseName && !quor3::fileExists(session.folder / name);
                              }),
               game.end());
    QString openDraw;
    for (int i = 0; i < drawActions_.size(); ++i) {
        QAction* action = drawActions_[i];
        const bool shown = game.size() > 1 && i < static_cast<int>(game.size());
        action->setVisible(shown);
        action->setEnabled(shown);
        if (!shown) {
            action->setData(QString());
            continue;
        }
        std::string drawName;
        runGuarded(this, [&] { drawName = quor3::rememberedDrawName(quor3::settingsFilePath(), game[i]); });
        const QString name = QString::fromStdString(drawName.empty() ? game[i] : drawName);
        action->setText(QString("&%1 %2").arg(i + 1).arg(QString(name).replace("&", "&&")));
        action->setData(QString::fromStdString((session.folder / game[i]).string()));
        action->setStatusTip(QString::fromStdString(game[i]));
        const bool open = game[i] == session.databaseName;
        action->setChecked(open);
        if (open)
            openDraw = name;
    }
    drawMenu_->menuAction()->setVisible(game.size() > 1);
    if (!openDraw.isEmpty()) {
        setWindowTitle(mainTitle(tr("%1, draw %2").arg(session.databaseNameText(), openDraw)));
        drawPanel_->setText(tr("Draw: %1").arg(openDraw));
    }
    drawPanel_->setVisible(!openDraw.isEmpty());
}

void MainWindow::openAtStart(const QString& commandLineFile)
{
    if (commandLineFile.isEmpty()) {
        QString last;
        runGuarded(this, [&] { last = RecentDatabases::toReopen(); });
        if (!last.isEmpty())
            openDatabaseFile(last);
        return;
    }
    // The same rules as a name typed into the open dialog: the default
    // extension, an existing folder, and a question before a new file.
    QFileInfo info(QDir::current().absoluteFilePath(commandLineFile));
    if (info.suffix().isEmpty() && !info.isDir())
        info.setFile(info.absoluteFilePath() + ".c3d");
    runGuarded(this, [&] {
        if (info.isDir())
            quor3::throwIoError(info.absoluteFilePath().toStdString(), "open",
                                tr("it is a folder, not a draw database").toStdString());
        if (!info.absoluteDir().exists())
            quor3::throwIoError(info.absoluteFilePath().toStdString(), "open",
                                tr("its folder does not exist").toStdString());
        const QFileInfo opened(Session::openedFile(info.absoluteFilePath()));
        if (!opened.exists() &&
            Dialogs::ask(this, tr("Open/Create a Database"), createPrompt().arg(opened.absoluteFilePath()),
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return;
        openDatabaseFile(info.absoluteFilePath());
    });
}

void MainWindow::refreshRecentDatabases()
{
    QStringList paths;
    runGuarded(this, [&] { paths = RecentDatabases::existing(openPath_); });
    for (QAction* action : std::as_const(recentActions_)) {
        fileMenu_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        // "&1 name.c3d": the number is the mnemonic; an ampersand in a name is shown as such.
        auto* action =
            new QAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace("&", "&&")), this);
        action->setObjectName(QString("RecentDatabase%1").arg(i + 1));
        action->setStatusTip(path);
        action->setToolTip(path);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] { openDatabaseFile(path); });
        fileMenu_->insertAction(exitSeparator_, action);
        recentActions_ << action;
    }
    recentSeparator_->setVisible(!paths.isEmpty());
    startPanel_->setRecent(paths);
    placeStartPanel();
}

void MainWindow::closeDatabase()
{
    resultsFetch_->databaseClosed();
    runGuarded(this, [] { RecentDatabases::forgetLast(); });
    setWindowTitle(mainTitle());
    setDataMenusEnabled(false);
    for (int i = 0; i < 4; ++i)
        setStatusText(i, tr(closedTexts[i]));
    showTodaysDate();
    openPath_.clear();
    refreshRecentDatabases();
    refreshDraws();
    startPanel_->show();
}

void MainWindow::resetAfterDelete()
{
    closeDatabase();
    setStatusText(4, tr("Best Bet: "));
}
