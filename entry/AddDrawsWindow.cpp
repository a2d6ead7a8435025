#include "entry/AddDrawsWindow.h"

#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/DrawDaysSetting.h"
#include "engine/DrawRecord.h"
#include "engine/EntryDates.h"
#include "engine/Errors.h"
#include "engine/History.h"
#include "engine/Rebuild.h"
#include "engine/ResultsSource.h"
#include "engine/StoreDraw.h"
#include "engine/Winners.h"
#include "entry/CutBackQuestion.h"
#include "entry/DigitTyping.h"
#include "entry/TicketWins.h"
#include "entry/UndoLastEntry.h"
#include "platform/Accessibility.h"
#include "platform/Activation.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/ProfileFile.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"
#include "platform/WindowKit.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDate>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTextCharFormat>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <utility>

using quor3::CivilDate;

namespace
{

CivilDate heldDate; // year 0: nothing loaded or stored yet in this run

// A label that answers clicks and double clicks. A double click gives a click
// and then a double click, as a plain click box does.
class ClickLabel : public QLabel
{
  public:
    using QLabel::QLabel;
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

  protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            pressed_ = true;
        QLabel::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
        pressed_ = false;
        QLabel::mouseReleaseEvent(e);
        if (click && onClick)
            onClick();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        // The second press of a double click is no click of its own.
        pressed_ = false;
        if (e->button() == Qt::LeftButton && onDoubleClick)
            onDoubleClick();
    }

  private:
    bool pressed_ = false;
};

// Marks the changes the window makes to its own controls, for as long as it
// lives: they are no reason to store a draw again.
class ChangeOfItsOwn
{
  public:
    explicit ChangeOfItsOwn(bool& flag) : flag_(flag), was_(std::exchange(flag, true)) {}
    ~ChangeOfItsOwn() { flag_ = was_; }
    ChangeOfItsOwn(const ChangeOfItsOwn&) = delete;
    ChangeOfItsOwn& operator=(const ChangeOfItsOwn&) = delete;

  private:
    bool& flag_;
    bool was_;
};

const char* const monthNames[12] = {
    QT_TRANSLATE_NOOP("AddDrawsWindow", "January"),   QT_TRANSLATE_NOOP("AddDrawsWindow", "February"),
    QT_TRANSLATE_NOOP("AddDrawsWindow", "March"),     QT_TRANSLATE_NOOP("AddDrawsWindow", "April"),
    QT_TRANSLATE_NOOP("AddDrawsWindow", "May"),       QT_TRANSLATE_NOOP("AddDrawsWindow", "June"),
    QT_TRANSLATE_NOOP("AddDrawsWindow", "July"),      QT_TRANSLATE_NOOP("AddDrawsWindow", "August"),
    QT_TRANSLATE_NOOP("AddDrawsWindow", "September"), QT_TRANSLATE_NOOP("AddDrawsWindow", "October"),
    QT_TRANSLATE_NOOP("AddDrawsWindow", "November"),  QT_TRANSLATE_NOOP("AddDrawsWindow", "December")};

QSpinBox* digitBox(QWidget* parent, const char* name, int x)
{
    auto* box = addSpinEdit(parent, name, 0, 9, 1, QRect(x, 72, 52, 34));
    QFont font = box->font();
    font.setPixelSize(20);
    font.setBold(true);
    box->setFont(font);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

} // namespace

namespace AddDrawsState
{
CivilDate lastEnteredDate()
{
    return heldDate;
}
void setLastEnteredDate(const CivilDate& date)
{
    heldDate = date;
}
} // namespace AddDrawsState

AddDrawsWindow::AddDrawsWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm13");
    setWindowTitle(tr("Add Winning Entries"));
    setFixedSize(579, 316);
    QFont font("Arial");
    font.setPixelSize(13);
    setFont(font);

    headingLabel = new QLabel(tr("Draw Date"), this);
    headingLabel->setObjectName("Label4");
    QFont heading("Arial");
    heading.setPixelSize(27);
    headingLabel->setFont(heading);
    setReadableTextColour(headingLabel, Qt::blue);
    headingLabel->setGeometry(16, 6, 290, 34);

    calendarPanel = new QFrame(this);
    calendarPanel->setObjectName("Panel1");
    calendarPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    calendarPanel->setGeometry(8, 44, 300, 264);

    monthButtons = new QWidget(calendarPanel);
    monthButtons->setObjectName("SpinButton1");
    monthButtons->setGeometry(10, 8, 20, 30);
    nextMonthButton = new QToolButton(monthButtons);
    nextMonthButton->setObjectName("SpinButton1Up");
    nextMonthButton->setArrowType(Qt::UpArrow);
    nextMonthButton->setGeometry(0, 0, 20, 15);
    nextMonthButton->setFocusPolicy(Qt::NoFocus);
    nextMonthButton->setToolTip(tr("Next month"));
    previousMonthButton = new QToolButton(monthButtons);
    previousMonthButton->setObjectName("SpinButton1Down");
    previousMonthButton->setArrowType(Qt::DownArrow);
    previousMonthButton->setGeometry(0, 15, 20, 15);
    previousMonthButton->setFocusPolicy(Qt::NoFocus);
    previousMonthButton->setToolTip(tr("Previous month"));

    monthLabel = new QLabel(calendarPanel);
    monthLabel->setObjectName("Panel2");
    monthLabel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    monthLabel->setAlignment(Qt::AlignCenter);
    QFont bold("Arial");
    bold.setPixelSize(15);
    bold.setBold(true);
    monthLabel->setFont(bold);
    monthLabel->setGeometry(34, 8, 150, 30);

    calendar = new QCalendarWidget(calendarPanel);
    calendar->setObjectName("Calendar1");
    calendar->setFirstDayOfWeek(Qt::Sunday);
    calendar->setNavigationBarVisible(false);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calendar->setFocusPolicy(Qt::StrongFocus);
    calendar->setGeometry(10, 44, 280, 180);
    // Weekends look like every other day: draws are daily.
    QTextCharFormat plain;
    plain.setForeground(palette().color(QPalette::Text));
    calendar->setWeekdayTextFormat(Qt::Saturday, plain);
    calendar->setWeekdayTextFormat(Qt::Sunday, plain);

    yearLabel = new QLabel(calendarPanel);
    yearLabel->setObjectName("Label3");
    yearLabel->setFont(bold);
    yearLabel->setAlignment(Qt::AlignCenter);
    yearLabel->setGeometry(10, 230, 280, 24);

    firstDigitBox = digitBox(this, "SpinEdit1", 330);
    secondDigitBox = digitBox(this, "SpinEdit2", 392);
    thirdDigitBox = digitBox(this, "SpinEdit3", 454);

    nameForReader(calendar, tr("Draw date"));
    nameForReader(firstDigitBox, tr("First digit"));
    nameForReader(secondDigitBox, tr("Second digit"));
    nameForReader(thirdDigitBox, tr("Third digit"));

    enterButton = new QPushButton(tr("&Enter Entry"), this);
    enterButton->setObjectName("Button1");
    enterButton->setGeometry(330, 124, 176, 32);

    notifyBox = new QCheckBox(this);
    notifyBox->setObjectName("CheckBox1");
    // Reached by Tab after the calendar, so that the keyboard alone can turn it.
    notifyBox->setFocusPolicy(Qt::TabFocus);
    nameForReader(notifyBox, tr("Notify me if an entry matches one of the Computer Choices"));
    // At least as large as the style draws its box.
    notifyBox->setGeometry(QRect(QPoint(326, 176), notifyBox->sizeHint().expandedTo(QSize(18, 18))));

    QFont blueBold("Arial");
    blueBold.setPixelSize(13);
    blueBold.setBold(true);
    auto* notifyClickLabel = new ClickLabel(tr("Notify me if an entry matches one"), this);
    auto* choicesClickLabel = new ClickLabel(tr("of the Computer Choices"), this);
    notifyLabel = notifyClickLabel;
    choicesLabel = choicesClickLabel;
    notifyLabel->setObjectName("Label1");
    choicesLabel->setObjectName("Label2");
    for (QLabel* label : {notifyLabel, choicesLabel}) {
        label->setFont(blueBold);
        setReadableTextColour(label, Qt::blue);
        label->setCursor(Qt::PointingHandCursor);
    }
    notifyLabel->setGeometry(348, 176, 226, 18);
    choicesLabel->setGeometry(348, 194, 226, 18);

    closeButton =
        addCloseButton(this, QRect(330, 264, 110, 32), [this] { runGuarded(this, [this] { closeWindow(); }); });

    setTabOrder(enterButton, firstDigitBox);
    setTabOrder(firstDigitBox, secondDigitBox);
    setTabOrder(secondDigitBox, thirdDigitBox);
    setTabOrder(thirdDigitBox, calendar);
    setTabOrder(calendar, notifyBox);

    // The calendar starts at today, showing only this month's days.
    const QDate today = QDate::currentDate();
    moveCalendarTo(CivilDate{today.year(), today.month(), today.day()});
    showMonthName();

    connect(enterButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { enterDraw(); }); });
    connect(notifyBox, &QCheckBox::clicked, this, [this] { runGuarded(this, [this] { keepNotifyChoice(); }); });
    notifyClickLabel->onClick = [this] { runGuarded(this, [this] { clickNotifyLabel(); }); };
    notifyClickLabel->onDoubleClick = [this] { runGuarded(this, [this] { doubleClickNotifyLabel(); }); };
    choicesClickLabel->onClick = [this] { runGuarded(this, [this] { clickChoicesLabel(); }); };
    choicesClickLabel->onDoubleClick = [this] { runGuarded(this, [this] { doubleClickChoicesLabel(); }); };
    connect(nextMonthButton, &QToolButton::clicked, this, [this] {
        showNextMonth();
        allowEntry();
    });
    connect(previousMonthButton, &QToolButton::clicked, this, [this] {
        showPreviousMonth();
        allowEntry();
    });
    connect(calendar, &QCalendarWidget::selectionChanged, this, [this] { allowEntry(); });
    for (QSpinBox* box : {firstDigitBox, secondDigitBox, thirdDigitBox})
        connect(box, &QSpinBox::valueChanged, this, [this] { allowEntry(); });
    digitTyping_ = new DigitTyping({firstDigitBox, secondDigitBox, thirdDigitBox}, enterButton, this);
    digitTyping_->setOnTyped([this] { allowEntry(true); });
    if (QWidget* days = calendar->focusProxy()) {
        // The focus is on the day grid: the reader names it, not the calendar.
        nameForReader(days, tr("Draw date"));
        days->installEventFilter(this);
        // The grid has no focus frame of its own: a keyboard user must see
        // that the arrow keys now move the date. The frame is there, unseen,
        // without the focus, so that the days do not shift when it comes.
        days->setStyleSheet("QTableView { border: 2px solid transparent; }"
                            "QTableView:focus { border: 2px solid palette(highlight); }");
    }

    pinFontsInPixels(this);
    setProperty(DatabaseEvents::FollowedByWindow, true);
    connect(&Session::instance().events, &DatabaseEvents::changedOnDisk, this, &AddDrawsWindow::followDiskChange);
    Help::bindF1(this, "addto");
    firstDigitBox->setFocus();
}

bool AddDrawsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (calendar && watched == calendar->focusProxy() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            return moveCalendarByKey(key->key());
    }
    return QDialog::eventFilter(watched, event);
}

bool AddDrawsWindow::moveCalendarByKey(int key)
{
    const QDate shown = calendar->selectedDate();
    QDate target;
    switch (key) {
    case Qt::Key_Left: target = shown.addDays(-1); break;
    case Qt::Key_Right: target = shown.addDays(1); break;
    case Qt::Key_Up: target = shown.addDays(-7); break;
    case Qt::Key_Down: target = shown.addDays(7); break;
    case Qt::Key_PageUp: target = shown.addMonths(-1); break;
    case Qt::Key_PageDown: target = shown.addMonths(1); break;
    default: return false;
    }
    if (!target.isValid())
        return true;
    moveCalendarTo(CivilDate{target.year(), target.month(), target.day()});
    showMonthName();
    allowEntry();
    return true;
}

std::array<int, 4> AddDrawsWindow::shownEntry() const
{
    return {digitOf(firstDigitBox), digitOf(secondDigitBox), digitOf(thirdDigitBox),
            int(calendar->selectedDate().toJulianDay())};
}

void AddDrawsWindow::allowEntry(bool typed)
{
    if (!changingItself_)
        entryTyped_ = true;
    if (changingItself_ || enterButton->isEnabled())
        return;
    if (typed || !afterStore_ || shownEntry() != *afterStore_)
        enterButton->setEnabled(true);
}

bool AddDrawsWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { refresh(); }); });
    return QDialog::event(e);
}

CivilDate AddDrawsWindow::calendarDate() const
{
    const QDate date = calendar->selectedDate();
    return CivilDate{date.year(), date.month(), date.day()};
}

void AddDrawsWindow::moveCalendarTo(const CivilDate& date)
{
    const ChangeOfItsOwn own(changingItself_);
    // Only the shown month's days can be picked: the others are greyed out.
    const QDate target(date.year, date.month, date.day);
    const QDate first(date.year, date.month, 1);
    calendar->setDateRange(first, first.addDays(first.daysInMonth() - 1));
    calendar->setSelectedDate(target);
    calendar->setCurrentPage(date.year, date.month);
    yearLabel->setText(QString::number(date.year));
}

int AddDrawsWindow::digitOf(const QSpinBox* box) const
{
    return spinEditValue(box);
}

std::pair<long long, double> AddDrawsWindow::databaseState() const
{
    const Session& session = Session::instance();
    if (!session.databaseExists())
        return {0, 0.0};
    const auto database = session.databasePath();
    const long long count = quor3::countDraws(database);
    return {count, count > 0 ? quor3::readDraw(database, count - 1).DrawDate : 0.0};
}

void AddDrawsWindow::followDiskChange()
{
    // An entry is under way (a match message waits for the user): it reads
    // the database itself, and this looks again after it.
    if (activation_.busy()) {
        QTimer::singleShot(250, this, &AddDrawsWindow::followDiskChange);
        return;
    }
    try {
        if (databaseState() == shownState_)
            return;
        refresh();
        if (refreshRequest_)
            refreshRequest_();
    } catch (const quor3::Error&) {
        // Another process is still at it; the next activation reads it again.
    }
}

void AddDrawsWindow::refresh()
{
    const auto state = databaseState();
    const bool changed = state != shownState_;
    shownState_ = state;
    loadNotifySetting();
    if (changed && entryTyped_) {
        keepTypedEntry();
        return;
    }
    entryTyped_ = false;
    const Session& session = Session::instance();
    if (session.databaseExists()) {
        const auto database = session.databasePath();
        const quor3::DrawRecord last = quor3::readDraw(database, quor3::countDraws(database) - 1);
        CivilDate date;
        if (!quor3::decodeDate(last.DrawDate, date))
            quor3::throwDateError();
        heldDate = date;
        moveCalendarTo(date);
        proposeNextDate();
    } else {
        CivilDate date = calendarDate();
        if (heldDate.year != 0)
            date = quor3::withYear(date, heldDate.year);
        moveCalendarTo(date);
    }
    showMonthName();
}

void AddDrawsWindow::keepTypedEntry()
{
    const Session& session = Session::instance();
    if (!session.databaseExists())
        return;
    const double shown = quor3::encodeDate(calendarDate());
    const auto draws = quor3::readDraws(session.databasePath());
    const auto stored =
        std::find_if(draws.rbegin(), draws.rend(), [shown](const quor3::DrawRecord& r) { return r.DrawDate == shown; });
    if (stored == draws.rend())
        return;
    // The message's return is no fresh activation of the window.
    ActivationGate::Busy telling(activation_);
    Dialogs::inform(this, windowTitle(),
                    tr("Another program has just stored the draw of %1: %2.\nThe date and the digits you typed stay "
                       "as they are: check them before you press Enter Entry.")
                        .arg(dateText(shown), QString::fromStdString(
                                                  quor3::digitTriple(stored->Digit1, stored->Digit2, stored->Digit3))),
                    {}, QMessageBox::Information);
}

void AddDrawsWindow::loadNotifySetting()
{
    notifyBox->setChecked(Settings::readInteger("QCheck", 1) != 0);
}

void AddDrawsWindow::saveNotifySetting()
{
    Settings::writeInteger("QCheck", notifyBox->isChecked() ? 1 : 0);
}

void AddDrawsWindow::keepNotifyChoice()
{
    saveNotifySetting();
}

void AddDrawsWindow::toggleNotify()
{
    notifyBox->setChecked(!notifyBox->isChecked());
    keepNotifyChoice();
}

void AddDrawsWindow::clickNotifyLabel()
{
    toggleNotify();
}

void AddDrawsWindow::doubleClickNotifyLabel()
{
    toggleNotify();
}

void AddDrawsWindow::clickChoicesLabel()
{
    toggleNotify();
}

void AddDrawsWindow::doubleClickChoicesLabel()
{
    toggleNotify();
}

void AddDrawsWindow::closeWindow()
{
    saveNotifySetting();
    close();
}

void AddDrawsWindow::showMonthName()
{
    const int month = calendar->selectedDate().month();
    monthLabel->setText(month >= 1 && month <= 12 ? tr(monthNames[month - 1]) : QString());
}

void AddDrawsWindow::proposeNextDate()
{
    // The calendar shows the last entered date here; the proposal is the
    // next day the draw is held on (every day unless its draws or the player
    // say otherwise).
    const CivilDate shown = calendarDate();
    CivilDate last{shown.year, shown.month, heldDate.day};
    last.day = std::clamp(last.day, 1, quor3::daysInMonth(last.year, last.month));
    const Session& session = Session::instance();
    std::vector<double> dates;
    if (session.databaseExists())
        for (const quor3::DrawRecord& draw : quor3::readDraws(session.databasePath()))
            dates.push_back(draw.DrawDate);
    moveCalendarTo(
        quor3::nextDrawDate(last, quor3::drawDaysOf(quor3::settingsFilePath(), session.databaseName, dates)));
    showMonthName();
}

void AddDrawsWindow::showNextMonth()
{
    moveCalendarTo(quor3::firstDayOfNextMonth(calendarDate()));
    showMonthName();
}

void AddDrawsWindow::showPreviousMonth()
{
    moveCalendarTo(quor3::lastDayOfPreviousMonth(calendarDate()));
    showMonthName();
}

void AddDrawsWindow::checkWinners()
{
    checkWinners(digitOf(firstDigitBox), digitOf(secondDigitBox), digitOf(thirdDigitBox), calendarDate());
}

std::vector<quor3::WinnerMatch> AddDrawsWindow::checkWinners(int a, int b, int c, const CivilDate& drawDate)
{
    const Session& session = Session::instance();
    auto matches = quor3::checkWinners(
        session.folder, session.databaseName, a, b, c, drawDate, [this](const quor3::WinnerMatch& match) {
            QString text = QString::fromStdString(match.message);
            text.replace("\r\n", "\n");
            Dialogs::inform(this, QApplication::applicationName(), text, QPoint(375, 230));
        });
    firstDigitBox->setFocus();
    return matches;
}

void AddDrawsWindow::forgetCutBackAnswer(const std::filesystem::path& database)
{
    ::forgetCutBackAnswer(database);
}

bool AddDrawsWindow::cutBackAgreed(const std::filesystem::path& database)
{
    if (!quor3::fileExists(database))
        return true;
    const long long held = quor3::countDraws(database);
    if (held < quor3::MaxDraws || cutBackAnswerRemembered(database))
        return true;
    // The new draw joins the full history; the count said is the one after it.
    const long long kept = quor3::summarizeHistory(database).draws + 1;
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString text = QString(tr("This database holds %1 draws, its limit. Storing this draw keeps the newest %2 in "
                                    "it for the reports; every draw stays in the full history (%3 draws) and in a "
                                    "backup. Store it?"))
                             .arg(english.toString(held))
                             .arg(quor3::DrawsKeptWhenFull)
                             .arg(english.toString(kept));
    return askCutBack(this, text, database);
}

void AddDrawsWindow::enterDraw()
{
    // Closing a match message activates this window again: the entry goes on
    // with the draw and date as they were entered.
    ActivationGate::Busy entering(activation_);

    Session& session = Session::instance();
    if (session.databaseName.empty())
        throw quor3::Error(quor3::Error::Kind::InputOutput,
                           tr("No database is open: open or name one first.").toStdString());
    const CivilDate date = calendarDate();
    if (QDate(date.year, date.month, date.day) > QDate::currentDate() &&
        Dialogs::ask(this, windowTitle(),
                     tr("%1 is after today. Store it?").arg(dateText(date.year, date.month, date.day)),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::No) != QMessageBox::Yes) {
        calendar->setFocus(Qt::OtherFocusReason);
        return;
    }
    std::string failure;
    quor3::DrawRecord draw;
    {
        BusyCursor busy;
        heldDate = date;
        draw.DrawDate = quor3::encodeDate(date);
        draw.Digit1 = digitOf(firstDigitBox);
        draw.Digit2 = digitOf(secondDigitBox);
        draw.Digit3 = digitOf(thirdDigitBox);

        // Compared before anything is written, so the draw meets the choices
        // that were on offer before it.
        // The log lines this entry writes go again when the entry is undone.
        std::vector<std::string> logged;
        if (notifyBox->isChecked()) {
            const bool newLog = !quor3::fileExists(session.fileInFolder(quor3::files::WinnersLog));
            const auto matches = checkWinners(draw.Digit1, draw.Digit2, draw.Digit3, date);
            if (newLog && !matches.empty())
                logged.push_back(quor3::winnersLogFirstLine(date));
            for (const auto& match : matches)
                logged.push_back(match.logLine);
        }

        // The store and the rebuild are one change of the folder. The match
        // check above locks each of its reads and log lines itself: it waits
        // for the user at every match, and must not keep others out meanwhile.
        // Asked before the lock is taken: the question waits for the user.
        if (!cutBackAgreed(session.databasePath()))
            return;
        quor3::DatabaseLock lock(session.folder, session.databaseName, quor3::DatabaseLock::Exclusive);
        const quor3::StoreResult stored = quor3::storeDraw(session.folder, session.databaseName, draw);
        // Add > Undo Last Entry takes it back; a cut-back names its backup in the status bar.
        recordEntryForUndo({session.databasePath(), draw, stored.totalDraws, stored.backup, stored.change},
                           std::move(logged));
        // A second press stores nothing until the user types a digit or
        // changes the date: a double click is one entry, not two.
        enterButton->setEnabled(false);
        session.setStatus(0, tr("Total Draws: ") + QString::number(stored.totalDraws));
        session.setStatus(1, tr("Last Draw Date: ") + shortDateText(draw.DrawDate));
        if (!stored.cutBack) {
            const ChangeOfItsOwn own(changingItself_);
            firstDigitBox->setValue(0);
            secondDigitBox->setValue(0);
            thirdDigitBox->setValue(0);
        }
        afterStore_ = shownEntry();
        session.totalDraws = stored.totalDraws;
        if (session.databaseExists()) {
            StatusBarSink sink;
            failure = quor3::rebuildAfterChange(session.folder, session.databaseName, quor3::FirstPanels::None, sink);
        }
        shownState_ = {stored.totalDraws, draw.DrawDate};
    }
    // The draw is stored whatever the rebuild did: its failure is said as such.
    if (!failure.empty())
        Dialogs::inform(this, windowTitle(), QString::fromStdString(failure), {}, QMessageBox::Warning);
    announceTicketWins(this, session.databasePath(), {draw});
    if (refreshRequest_)
        refreshRequest_();
    proposeNextDate();
    afterStore_ = shownEntry();
    // The button waits for the next draw, so the next digits go to the first box.
    digitTyping_->restart();
    entryTyped_ = false;
    firstDigitBox->setFocus(Qt::TabFocusReason);
    firstDigitBox->selectAll();
}
