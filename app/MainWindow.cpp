#include "app/MainWindow.h"

#include "analysis/OddEvenWindow.h"
#include "analysis/HotColdWindow.h"
#include "analysis/RepeatsWindow.h"
#include "analysis/SetsGraphWindow.h"
#include "analysis/TotalsGraphWindow.h"
#include "analysis/SumsGraphWindow.h"
#include "app/AboutDialog.h"
#include "choices/ComputerChoicesWindow.h"
#include "engine/Rebuild.h"
#include "entry/UpdateMenuWindow.h"
#include "entry/DeleteFileDialog.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/JpegImage.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"
#include "platform/WebPages.h"
#include "platform/WindowKit.h"
#include "reports/SkipTraceWindow.h"
#include "reports/OrdinalWindow.h"
#include "reports/PairsWindow.h"
#include "reports/SearchWindow.h"
#include "reports/TotalsWindow.h"
#include "reports/DrawListWindow.h"

#include <QDate>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

namespace
{

// The client area below the raised bar: a radial gradient from sky blue at
// the centre to blue at the edges.
class GradientArea : public QWidget
{
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QPointF centre = rect().center();
        QRadialGradient gradient(centre, qMax(width(), height()) / 1.4);
        gradient.setColorAt(0.0, QColor(0x87, 0xce, 0xeb));
        gradient.setColorAt(1.0, QColor(0x00, 0x00, 0xff));
        painter.fillRect(rect(), gradient);
    }
};

const char* const startTexts[4] = {"Total Draws:", "Last Draw Date:", "Hottest Number:", "Coldest Number:"};
const char* const closedTexts[4] = {"Total Draws: ", "Last Draw Date: ", "Hottest Number: ", "Coldest Number: "};
const int panelWidths[5] = {125, 150, 110, 110, 150};

} // namespace

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
    auto* Panel2 = new QFrame(central);
    Panel2->setObjectName("Panel2");
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setLineWidth(2);
    Panel2->setFixedHeight(41);
    auto* Gradient1 = new GradientArea(central);
    Gradient1->setObjectName("Gradient1");
    layout->addWidget(Panel2);
    layout->addWidget(Gradient1, 1);
    setCentralWidget(central);

    // The picture's place is measured from the top of the client area, the
    // raised bar included: it stands over the gradient, not inside it.
    Image1 = new QLabel(central);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(112, 111);
    Image1->setPixmap(QPixmap::fromImage(withTransparentBackground(loadJpeg(":/pictures/product.jpg"))));
    Image1->raise();

    auto* StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    for (int i = 0; i < 5; ++i) {
        panels_[i] = new QLabel(StatusBar1);
        panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
        // The panels keep their widths, but a long date in the user's short
        // format widens its panel rather than being cut off.
        panels_[i]->setMinimumWidth(panelWidths[i]);
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->addWidget(panels_[i]);
        if (i < 4)
            panels_[i]->setText(startTexts[i]);
    }

    buildMenu();
    setDataMenusEnabled(false);

    Session& session = Session::instance();
    session.mainWindow = this;
    session.setStatusText = [this](int panel, const QString& text) { setStatusText(panel, text); };
    session.statusText = [this](int panel) { return statusText(panel); };
    session.resetToNoDatabase = [this] { resetAfterDelete(); };

    Help::bindF1(this, "description");
    FormCreate();
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

void MainWindow::FormCreate()
{
    const QScreen* screen = this->screen();
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    resize(size);
    placeImage(size.width());
    setWindowTitle("Quor 3");
    setStatusText(4, "Todays Date: " + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

void MainWindow::placeImage(int screenWidth)
{
    Image1->move(productPicturePlace(screenWidth));
}

QString MainWindow::statusText(int panel) const
{
    return panel >= 0 && panel < 5 ? panels_[panel]->text() : QString();
}

void MainWindow::setStatusText(int panel, const QString& text)
{
    if (panel >= 0 && panel < 5)
        panels_[panel]->setText(text);
}

template <typename Window> void MainWindow::showModal()
{
    runGuarded(this, [this] {
        Window window(this);
        window.exec();
    });
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
        return m;
    };
    menuBar()->setObjectName("MainMenu1");

    QMenu* File1 = menu("File1", "&File");
    item(File1, "OpenDatabase1", "&Open Database", [this] { Open1Click(); });
    item(File1, "CloseDatabase1", "&Close Database", [this] { CloseDatabase1Click(); });
    item(File1, "DeleteDatabase1", "&Delete Database...", [this] { showModal<DeleteFileDialog>(); });
    item(File1, "Exit1", "E&xit", [this] { close(); });

    QMenu* Edit1 = menu("Edit1", "&Add");
    item(Edit1, "Add1", "&Update Database", [this] { showModal<UpdateMenuWindow>(); });

    QMenu* Analysis1 = menu("Analysis1", "A&nalysis");
    item(Analysis1, "GraphTotals1", "&Graph Totals", [this] { showModal<TotalsGraphWindow>(); });
    item(Analysis1, "OddEvenRatio1", "&Odd/Even Ratio", [this] { showModal<OddEvenWindow>(); });
    item(Analysis1, "PercentageRepeats1", "&Percentage Repeats", [this] { showModal<RepeatsWindow>(); });
    item(Analysis1, "HotColdNumbers1", "&Hot/Cold Numbers", [this] { showModal<HotColdWindow>(); });
    item(Analysis1, "Sums1", "&Sums Graph", [this] { showModal<SumsGraphWindow>(); });
    item(Analysis1, "SetsGraph1", "S&ets Graph", [this] { showModal<SetsGraphWindow>(); });

    QMenu* Reports1 = menu("Reports1", "&Reports");
    item(Reports1, "Totals1", "&Totals", [this] { showModal<TotalsWindow>(); });
    item(Reports1, "Pairs1", "&Pairs", [this] { showModal<PairsWindow>(); });
    item(Reports1, "Frequency1", "&Skip/Trace Chart", [this] { showModal<SkipTraceWindow>(); });
    item(Reports1, "Ordinal1", "&Ordinal", [this] { showModal<OrdinalWindow>(); });

    QMenu* DataBase1 = menu("DataBase1", "&DataBase");
    item(DataBase1, "Display1", "&Display ", [this] { showModal<DrawListWindow>(); });
    item(DataBase1, "Search1", "&Search", [this] { showModal<SearchWindow>(); });

    QMenu* Computer1 = menu("Computer1", "&Computer");
    item(Computer1, "Picks1", "&Computer Choices", [this] { showModal<ComputerChoicesWindow>(); });

    QMenu* Help1 = menu("Help1", "&Help");
    item(Help1, "Contents1", "&Contents", [] { Help::contents(); });
    item(Help1, "Quor3WebSupport1", "Quor3 Web Support",
         [this] { WebPages::OpenWebPage(this, WebPages::SupportAddress); });
    item(Help1, "ResultsSite1", WebPages::ResultsSiteName,
         [this] { WebPages::OpenWebPage(this, WebPages::ResultsAddress); });
    item(Help1, "AboutQuor31", "&About Quor 3", [this] {
        AboutDialog about(this);
        about.exec();
    });

    dataMenus_ = {Edit1, Analysis1, Reports1, DataBase1, Computer1};
}

void MainWindow::setDataMenusEnabled(bool enabled)
{
    for (QMenu* m : dataMenus_)
        m->menuAction()->setEnabled(enabled);
}

void MainWindow::Open1Click()
{
    Dialogs::OpenOptions options;
    options.title = "Open/Create a Database";
    options.filter = "Quor3 Data File (.c3d) (*.c3d)";
    options.defaultSuffix = "c3d";
    options.initialFolder = dataFolder();
    options.createPrompt = tr("%1\nThis file does not exist.\nCreate the file?");
    const QString chosen = Dialogs::openFile(this, options);
    if (chosen.isEmpty())
        return;

    Session& session = Session::instance();
    const QFileInfo info(chosen);
    session.folder = info.absolutePath().toStdString();
    setDataMenusEnabled(true);
    session.databaseName = info.fileName().left(25).toStdString();
    setWindowTitle(session.databaseNameText());
    session.totalDraws = 0;
    runGuarded(this, [&] {
        BusyCursor busy;
        StatusBarSink sink;
        if (quor3::openDatabase(session.folder, session.databaseName, sink))
            session.totalDraws = quor3::countDraws(session.databasePath());
    });
}

void MainWindow::CloseDatabase1Click()
{
    setWindowTitle("Quor 3");
    setDataMenusEnabled(false);
    for (int i = 0; i < 4; ++i)
        setStatusText(i, closedTexts[i]);
}

void MainWindow::resetAfterDelete()
{
    CloseDatabase1Click();
    setStatusText(4, "Best Bet: ");
}
