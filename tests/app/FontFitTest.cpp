// Every window of the program, opened over a full database, must show each
// caption, value and list line whole, whatever font resolution the desktop
// forces: ctest runs this program at QT_FONT_DPI 96 and 144, the latter with
// and without Qt's scaling of the windows, and also on a screen scaled by 2
// (QT_SCALE_FACTOR), in English and Spanish. The windows have fixed pixel sizes,
// so their texts need fixed pixel fonts too.

#include "GuiTestSupport.h"

#include "analysis/ChanceWindow.h"
#include "analysis/HotColdWindow.h"
#include "analysis/OddEvenWindow.h"
#include "analysis/RepeatsWindow.h"
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "charts/FairnessWindow.h"
#include "charts/SetsConfigDialog.h"
#include "charts/SetsGraphWindow.h"
#include "charts/SumsGraphSettingsDialog.h"
#include "charts/SumsGraphWindow.h"
#include "charts/TotalsGraphSettingsDialog.h"
#include "charts/TotalsGraphWindow.h"
#include "choices/BacktestWindow.h"
#include "choices/BuildPlaysWindow.h"
#include "choices/ComputerChoicesWindow.h"
#include "engine/FileIo.h"
#include "entry/AddDrawsWindow.h"
#include "entry/CorrectionsWindow.h"
#include "entry/DeleteFileDialog.h"
#include "entry/ImportWindow.h"
#include "entry/RestoreBackupWindow.h"
#include "entry/UpdateMenuWindow.h"
#include "platform/Help.h"
#include "platform/Language.h"
#include "reports/DrawListWindow.h"
#include "reports/OrdinalWindow.h"
#include "reports/PairsWindow.h"
#include "reports/SearchWindow.h"
#include "reports/SkipTraceWindow.h"
#include "reports/TotalsWindow.h"
#include "tickets/PrizeTableWindow.h"
#include "tickets/TicketsWindow.h"

#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>

#include <functional>
#include <memory>

namespace
{

QString describe(const QWidget* widget)
{
    QString path = widget->objectName().isEmpty() ? QString(widget->metaObject()->className()) : widget->objectName();
    for (const QWidget* w = widget->parentWidget(); w && !w->isWindow(); w = w->parentWidget())
        if (!w->objectName().isEmpty())
            path = w->objectName() + "/" + path;
    return path;
}

QString shown(const QString& text)
{
    QString plain = text;
    return "\"" + plain.replace('\n', "\\n") + "\"";
}

// In a window of fixed pixel size, texts must be drawn in a fixed pixel size
// too: a point size grows with the desktop's font resolution while the
// window does not. (A window that can be resized may follow the desktop.)
void checkPixelFont(const QWidget* widget, QStringList& faults, const QWidget* window = nullptr)
{
    if (!window)
        window = widget->window();
    if (window->minimumSize() != window->maximumSize())
        return;
    if (widget->font().pixelSize() <= 0)
        faults << describe(widget) + ": font in points (" + QString::number(widget->font().pointSizeF()) + ")";
}

void checkWidth(const QWidget* widget, const QString& text, int needed, int has, QStringList& faults)
{
    if (needed > has)
        faults << QString("%1 %2 needs %3 pixels, has %4").arg(describe(widget), shown(text)).arg(needed).arg(has);
}

void checkLabel(const QLabel* label, QStringList& faults)
{
    if (label->text().isEmpty() || label->pixmap().toImage().width() > 0)
        return;
    checkPixelFont(label, faults);
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height())
            faults << QString("%1 %2 needs %3 pixels of height, has %4")
                          .arg(describe(label), shown(label->text()))
                          .arg(needed)
                          .arg(label->height());
        // A single word longer than the line is cut all the same.
        const QFontMetrics metrics(label->font());
        for (const QString& word : label->text().split(' ', Qt::SkipEmptyParts))
            checkWidth(label, word, metrics.horizontalAdvance(word), label->contentsRect().width(), faults);
        return;
    }
    checkWidth(label, label->text(), label->sizeHint().width(), label->width(), faults);
}

void checkPushButton(const QPushButton* button, QStringList& faults)
{
    if (button->text().isEmpty())
        return;
    checkPixelFont(button, faults);
    QStyleOptionButton option;
    option.initFrom(button);
    option.features = button->isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    if (!button->icon().isNull())
        needed += button->iconSize().width() + 4;
    checkWidth(button, button->text(), needed, contents.width(), faults);
    const int neededHeight = button->fontMetrics().height();
    if (neededHeight > contents.height())
        faults << QString("%1 %2 needs %3 pixels of height, has %4")
                      .arg(describe(button), shown(button->text()))
                      .arg(neededHeight)
                      .arg(contents.height());
}

// Check boxes and radio buttons: indicator, gap and caption.
void checkIndicatorButton(const QAbstractButton* button, QStringList& faults)
{
    checkPixelFont(button, faults);
    checkWidth(button, button->text(), button->sizeHint().width(), button->width(), faults);
}

void checkGroupBox(const QGroupBox* box, QStringList& faults)
{
    if (box->title().isEmpty())
        return;
    checkPixelFont(box, faults);
    checkWidth(box, box->title(), box->fontMetrics().size(Qt::TextShowMnemonic, box->title()).width() + 16,
               box->width(), faults);
}

// List lines have no horizontal scroll bar to reach what is cut off.
void checkList(const QListWidget* list, QStringList& faults)
{
    checkPixelFont(list, faults);
    if (list->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        return;
    const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    for (int i = 0; i < list->count(); ++i) {
        const QString text = list->item(i)->text();
        checkWidth(list, text, list->fontMetrics().horizontalAdvance(text) + margin, list->viewport()->width(), faults);
    }
}

void checkMemo(const QPlainTextEdit* memo, QStringList& faults)
{
    checkPixelFont(memo, faults);
    if (memo->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        return;
    const int margin = 2 * static_cast<int>(memo->document()->documentMargin());
    const QFontMetrics metrics(memo->font());
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
        checkWidth(memo, block.text(), metrics.horizontalAdvance(block.text()) + margin, memo->viewport()->width(),
                   faults);
    if (memo->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff && !memo->toPlainText().isEmpty()) {
        const int needed = memo->document()->blockCount() * metrics.lineSpacing() + margin;
        if (needed > memo->viewport()->height())
            faults << QString("%1 needs %2 pixels of height for %3 lines, has %4")
                          .arg(describe(memo))
                          .arg(needed)
                          .arg(memo->document()->blockCount())
                          .arg(memo->viewport()->height());
    }
}

void checkGrid(const QTableWidget* grid, QStringList& faults)
{
    checkPixelFont(grid, faults);
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            if (const QTableWidgetItem* item = grid->item(row, column); item && !item->text().isEmpty())
                checkWidth(grid, item->text(), grid->fontMetrics().horizontalAdvance(item->text()) + 2,
                           grid->columnWidth(column) - 1, faults);
}

void checkSpinBox(const QAbstractSpinBox* box, QStringList& faults)
{
    checkPixelFont(box, faults);
    checkWidth(box, box->text(), box->minimumSizeHint().width(), box->width(), faults);
}

// A calendar that is too small drops its last week and cuts the day names.
void checkCalendar(const QCalendarWidget* calendar, QStringList& faults)
{
    checkPixelFont(calendar, faults);
    const QSize needed = calendar->minimumSizeHint();
    if (needed.width() > calendar->width() || needed.height() > calendar->height())
        faults << QString("%1 needs %2 x %3 pixels, has %4 x %5")
                      .arg(describe(calendar))
                      .arg(needed.width())
                      .arg(needed.height())
                      .arg(calendar->width())
                      .arg(calendar->height());
}

void checkMenuBar(const QMenuBar* bar, QStringList& faults)
{
    checkPixelFont(bar, faults);
    checkWidth(bar, "menu bar", bar->sizeHint().width(), bar->width(), faults);
    for (const QAction* action : bar->actions())
        if (action->menu())
            checkPixelFont(action->menu(), faults, bar->window());
}

bool showing(const QWidget* widget, const QWidget* window)
{
    return widget->isVisibleTo(window) && widget->width() > 0;
}

// Every caption, value and line of `window` that needs more room than it has.
QStringList clippedTexts(QWidget* window)
{
    QStringList faults;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!showing(widget, window) || widget->window() != window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            checkLabel(label, faults);
        else if (auto* push = qobject_cast<QPushButton*>(widget))
            checkPushButton(push, faults);
        else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
            checkIndicatorButton(qobject_cast<QAbstractButton*>(widget), faults);
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            checkGroupBox(box, faults);
        else if (auto* grid = qobject_cast<QTableWidget*>(widget))
            checkGrid(grid, faults);
        else if (auto* list = qobject_cast<QListWidget*>(widget))
            checkList(list, faults);
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
            checkMemo(memo, faults);
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
            checkSpinBox(spin, faults);
        else if (auto* calendar = qobject_cast<QCalendarWidget*>(widget))
            checkCalendar(calendar, faults);
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            checkMenuBar(bar, faults);
    }
    return faults;
}

// 731 draws over two years: dates such as 12/25/2002, three-digit totals,
// odd totals above 1000; and five sets of up to ten digits.
void writeFullDatabase(const GuiTestEnvironment& env)
{
    env.writeDatabase("fit.c3d", 731);
    std::vector<std::string> sets(51, "0");
    sets[0] = "731";
    sets[1 + 10 + 3] = "1"; // set 2 without 3: nine digits
    for (int d = 1; d < 10; ++d)
        sets[static_cast<std::size_t>(1 + 40 + d)] = "1"; // set 5: 0 alone
    quor3::writeTextLines(env.dataPath() / "SetsCfg.ini", sets);
    env.openDatabase("fit.c3d");
}

using WindowFactory = std::function<QWidget*(QWidget* owner)>;

} // namespace

Q_DECLARE_METATYPE(WindowFactory)

class FontFitTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> mainWindow;

    // Looks at the window as a user would after it opened: shown, active,
    // filled by its activation.
    void open(QWidget* window)
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QApplication::processEvents();
    }

    // Pictures to look at by eye: QUOR3_SHOTS names a folder.
    void keepPicture(QWidget* window, const QString& name)
    {
        const QString folder = qEnvironmentVariable("QUOR3_SHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        // Charts finish their layout a few events later; only pictures wait for it.
        QTest::qWait(300);
        const QString dpi = QString::number(qRound(window->logicalDpiX() * window->devicePixelRatioF()));
        QString file = name;
        file.replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
        window->grab().save(folder + "/" + file + "-" + dpi + "dpi.png");
    }

  private slots:
    void initTestCase()
    {
        // In the desktop's language, as the program starts: ctest runs it in Spanish too.
        Language::install();
        const QScreen* screen = QGuiApplication::primaryScreen();
        qInfo("Font resolution %d dpi, windows scaled by %g", qRound(screen->logicalDotsPerInchX()),
              screen->devicePixelRatio());
    }

    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        writeFullDatabase(*env);
        mainWindow = std::make_unique<MainWindow>();
    }

    void cleanup()
    {
        if (Help::viewer())
            Help::viewer()->close();
        mainWindow.reset();
        env.reset();
    }

    void everyWindowShowsItsTextsWhole_data()
    {
        QTest::addColumn<WindowFactory>("make");
        auto add = [](const char* name, WindowFactory make) { QTest::newRow(name) << make; };
        add("main window", [this](QWidget*) { return mainWindow.get(); });
        add("About", [](QWidget* o) { return new AboutDialog(o); });
        add("Delete Data File", [](QWidget* o) { return new DeleteFileDialog(o); });
        add("Update Database Sub-Menu", [](QWidget* o) { return new UpdateMenuWindow(o); });
        add("Add Winning Entries", [](QWidget* o) { return new AddDrawsWindow(o); });
        add("Corrections", [](QWidget* o) { return new CorrectionsWindow(o); });
        add("Import Draws", [](QWidget* o) { return new ImportWindow(o); });
        add("Restore a Backup", [](QWidget* o) { return new RestoreBackupWindow(o); });
        add("Totals Report", [](QWidget* o) { return new TotalsWindow(o); });
        add("Winning Lotto Entries", [](QWidget* o) { return new DrawListWindow(o); });
        add("Skip/Trace Chart", [](QWidget* o) { return new SkipTraceWindow(o); });
        add("Pairs Report", [](QWidget* o) { return new PairsWindow(o); });
        add("Ordinal Report", [](QWidget* o) { return new OrdinalWindow(o); });
        add("Search Database", [](QWidget* o) {
            auto* w = new SearchWindow(o);
            // Results with the longest dates and a four-character count.
            w->findChild<QRadioButton*>("RadioGroup1Item10")->setChecked(true);
            w->beginSearch();
            return w;
        });
        add("Odd / Even", [](QWidget* o) { return new OddEvenWindow(o); });
        add("% Repeats", [](QWidget* o) { return new RepeatsWindow(o); });
        add("Hot/Cold Numbers", [](QWidget* o) { return new HotColdWindow(o); });
        add("Totals Bar Graph", [](QWidget* o) { return new TotalsGraphWindow(o); });
        add("Cumulative Totals Configuration", [](QWidget* o) {
            static TrackedSpan tracked; // outlives the dialog
            return new TotalsGraphSettingsDialog(tracked, o);
        });
        add("Sums Graph", [](QWidget* o) { return new SumsGraphWindow(o); });
        add("Sums Analysis Configuration", [](QWidget* o) {
            static TrackedSpan tracked; // outlives the dialog
            return new SumsGraphSettingsDialog(tracked, o);
        });
        add("Graph Sets", [](QWidget* o) { return new SetsGraphWindow(o); });
        add("Sets Configuration", [](QWidget* o) { return new SetsConfigDialog(731, o); });
        add("Fairness", [](QWidget* o) { return new FairnessWindow(o); });
        add("Computer Choices", [](QWidget* o) { return new ComputerChoicesWindow(o); });
        add("Backtest", [](QWidget* o) { return new BacktestWindow(o); });
        add("My Tickets", [](QWidget* o) { return new TicketsWindow(o); });
        add("What Chance Gives", [](QWidget* o) { return new ChanceWindow(o); });
        add("Build Plays", [](QWidget* o) { return new BuildPlaysWindow(o); });
        add("Prize Table", [](QWidget* o) { return new PrizeTableWindow(o); });
        add("Help", [](QWidget*) {
            Help::open("description");
            return Help::viewer();
        });
    }

    void everyWindowShowsItsTextsWhole()
    {
        QFETCH(WindowFactory, make);
        if (QTest::currentDataTag() != QLatin1String("main window"))
            open(mainWindow.get());
        QWidget* window = make(mainWindow.get());
        QVERIFY(window);
        open(window);
        keepPicture(window, QTest::currentDataTag());
        QStringList faults = clippedTexts(window);
        // A window that can be resized fits a 1,280-pixel screen (scaled as
        // this one is).
        if (window->minimumSize() != window->maximumSize() && window != mainWindow.get()) {
            const double scale = window->devicePixelRatioF();
            const double screenWidth = 1280.0 * std::max(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
            if (window->minimumSizeHint().width() * scale > screenWidth)
                faults << QString("needs %1 pixels of width at least, more than a screen of %2")
                              .arg(window->minimumSizeHint().width() * scale)
                              .arg(screenWidth);
        }
        if (window != mainWindow.get() && window != Help::viewer())
            delete window;
        QVERIFY2(faults.isEmpty(), qPrintable("\n" + faults.join('\n')));
    }
};

QTEST_MAIN(FontFitTest)
#include "FontFitTest.moc"
