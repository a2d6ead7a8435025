#include "entry/AddDrawsWindow.h"

#include "engine/DrawRecord.h"
#include "engine/EntryDates.h"
#include "engine/Errors.h"
#include "engine/Rebuild.h"
#include "engine/StoreDraw.h"
#include "engine/Winners.h"
#include "platform/Activation.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTextCharFormat>
#include <QToolButton>

#include <algorithm>

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

const char* const monthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                    "July",    "August",   "September", "October", "November", "December"};

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

namespace AddrecState
{
CivilDate lastEnteredDate()
{
    return heldDate;
}
void setLastEnteredDate(const CivilDate& date)
{
    heldDate = date;
}
} // namespace AddrecState

AddDrawsWindow::AddDrawsWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm13");
    setWindowTitle("Add Winning Entries");
    setFixedSize(579, 316);
    QFont font("Arial");
    font.setPixelSize(13);
    setFont(font);

    Label4 = new QLabel("Draw Date", this);
    Label4->setObjectName("Label4");
    QFont heading("Arial");
    heading.setPixelSize(27);
    Label4->setFont(heading);
    Label4->setStyleSheet("color: blue;");
    Label4->setGeometry(16, 6, 290, 34);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 44, 300, 264);

    SpinButton1 = new QWidget(Panel1);
    SpinButton1->setObjectName("SpinButton1");
    SpinButton1->setGeometry(10, 8, 20, 30);
    upButton = new QToolButton(SpinButton1);
    upButton->setObjectName("SpinButton1Up");
    upButton->setArrowType(Qt::UpArrow);
    upButton->setGeometry(0, 0, 20, 15);
    upButton->setFocusPolicy(Qt::NoFocus);
    upButton->setToolTip("Next month");
    downButton = new QToolButton(SpinButton1);
    downButton->setObjectName("SpinButton1Down");
    downButton->setArrowType(Qt::DownArrow);
    downButton->setGeometry(0, 15, 20, 15);
    downButton->setFocusPolicy(Qt::NoFocus);
    downButton->setToolTip("Previous month");

    Panel2 = new QLabel(Panel1);
    Panel2->setObjectName("Panel2");
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setAlignment(Qt::AlignCenter);
    QFont bold("Arial");
    bold.setPixelSize(15);
    bold.setBold(true);
    Panel2->setFont(bold);
    Panel2->setGeometry(34, 8, 150, 30);

    Calendar1 = new QCalendarWidget(Panel1);
    Calendar1->setObjectName("Calendar1");
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setNavigationBarVisible(false);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    Calendar1->setFocusPolicy(Qt::NoFocus);
    Calendar1->setGeometry(10, 44, 280, 180);
    // Weekends look like every other day: draws are daily.
    QTextCharFormat plain;
    plain.setForeground(palette().color(QPalette::Text));
    Calendar1->setWeekdayTextFormat(Qt::Saturday, plain);
    Calendar1->setWeekdayTextFormat(Qt::Sunday, plain);

    Label3 = new QLabel(Panel1);
    Label3->setObjectName("Label3");
    Label3->setFont(bold);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setGeometry(10, 230, 280, 24);

    SpinEdit1 = digitBox(this, "SpinEdit1", 330);
    SpinEdit2 = digitBox(this, "SpinEdit2", 392);
    SpinEdit3 = digitBox(this, "SpinEdit3", 454);

    Button1 = new QPushButton("&Enter Entry", this);
    // Enter in a digit box must not store a draw: no button is the default.
    Button1->setAutoDefault(false);
    Button1->setObjectName("Button1");
    Button1->setGeometry(330, 124, 176, 32);

    CheckBox1 = new QCheckBox(this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setFocusPolicy(Qt::NoFocus);
    CheckBox1->setGeometry(326, 176, 18, 18);

    QFont blueBold("Arial");
    blueBold.setPixelSize(13);
    blueBold.setBold(true);
    auto* label1 = new ClickLabel("Notify me if an entry matches one", this);
    auto* label2 = new ClickLabel("of the Computer Choices", this);
    Label1 = label1;
    Label2 = label2;
    Label1->setObjectName("Label1");
    Label2->setObjectName("Label2");
    for (QLabel* label : {Label1, Label2}) {
        label->setFont(blueBold);
        label->setStyleSheet("color: blue;");
        label->setCursor(Qt::PointingHandCursor);
    }
    Label1->setGeometry(348, 176, 226, 18);
    Label2->setGeometry(348, 194, 226, 18);

    BitBtn1 = addCloseButton(this, QRect(330, 264, 110, 32), [this] { runGuarded(this, [this] { BitBtn1Click(); }); });

    setTabOrder(Button1, SpinEdit1);
    setTabOrder(SpinEdit1, SpinEdit2);
    setTabOrder(SpinEdit2, SpinEdit3);

    // The calendar starts at today, showing only this month's days.
    const QDate today = QDate::currentDate();
    moveCalendarTo(CivilDate{today.year(), today.month(), today.day()});
    ShowMonthName();

    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { Button1Click(); }); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { runGuarded(this, [this] { CheckBox1Click(); }); });
    label1->onClick = [this] { runGuarded(this, [this] { Label1Click(); }); };
    label1->onDoubleClick = [this] { runGuarded(this, [this] { Label1DblClick(); }); };
    label2->onClick = [this] { runGuarded(this, [this] { Label2Click(); }); };
    label2->onDoubleClick = [this] { runGuarded(this, [this] { Label2DblClick(); }); };
    connect(upButton, &QToolButton::clicked, this, [this] { SpinButton1UpClick(); });
    connect(downButton, &QToolButton::clicked, this, [this] { SpinButton1DownClick(); });

    Help::bindF1(this, "addto");
    SpinEdit1->setFocus();
}

bool AddDrawsWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { FormActivate(); }); });
    return QDialog::event(e);
}

CivilDate AddDrawsWindow::calendarDate() const
{
    const QDate date = Calendar1->selectedDate();
    return CivilDate{date.year(), date.month(), date.day()};
}

void AddDrawsWindow::moveCalendarTo(const CivilDate& date)
{
    // Only the shown month's days can be picked: the others are greyed out.
    const QDate target(date.year, date.month, date.day);
    const QDate first(date.year, date.month, 1);
    Calendar1->setDateRange(first, first.addDays(first.daysInMonth() - 1));
    Calendar1->setSelectedDate(target);
    Calendar1->setCurrentPage(date.year, date.month);
    Label3->setText(QString::number(date.year));
}

int AddDrawsWindow::digitOf(const QSpinBox* box) const
{
    return spinEditValue(box);
}

void AddDrawsWindow::FormActivate()
{
    LoadQCheck();
    const Session& session = Session::instance();
    if (session.databaseExists()) {
        const auto database = session.databasePath();
        const quor3::DrawRecord last = quor3::readDraw(database, quor3::countDraws(database) - 1);
        CivilDate date;
        if (!quor3::decodeDate(last.DrawDate, date))
            quor3::throwDateError();
        heldDate = date;
        moveCalendarTo(date);
        ProposeNextDate();
    } else {
        CivilDate date = calendarDate();
        if (heldDate.year != 0)
            date = quor3::withYear(date, heldDate.year);
        moveCalendarTo(date);
    }
    ShowMonthName();
}

void AddDrawsWindow::LoadQCheck()
{
    CheckBox1->setChecked(Settings::readInteger("QCheck", 1) != 0);
}

void AddDrawsWindow::SaveQCheck()
{
    Settings::writeInteger("QCheck", CheckBox1->isChecked() ? 1 : 0);
}

void AddDrawsWindow::CheckBox1Click()
{
    SaveQCheck();
}

void AddDrawsWindow::toggleCheckBox()
{
    CheckBox1->setChecked(!CheckBox1->isChecked());
    CheckBox1Click();
}

void AddDrawsWindow::Label1Click()
{
    toggleCheckBox();
}

void AddDrawsWindow::Label1DblClick()
{
    toggleCheckBox();
}

void AddDrawsWindow::Label2Click()
{
    toggleCheckBox();
}

void AddDrawsWindow::Label2DblClick()
{
    toggleCheckBox();
}

void AddDrawsWindow::BitBtn1Click()
{
    SaveQCheck();
    close();
}

void AddDrawsWindow::ShowMonthName()
{
    const int month = Calendar1->selectedDate().month();
    Panel2->setText(month >= 1 && month <= 12 ? monthNames[month - 1] : "");
}

void AddDrawsWindow::ProposeNextDate()
{
    // The calendar shows the last entered date here; the proposal is always
    // the next calendar day, weekends included.
    const CivilDate shown = calendarDate();
    CivilDate last{shown.year, shown.month, heldDate.day};
    last.day = std::clamp(last.day, 1, quor3::daysInMonth(last.year, last.month));
    moveCalendarTo(quor3::nextDay(last));
    ShowMonthName();
}

void AddDrawsWindow::SpinButton1UpClick()
{
    moveCalendarTo(quor3::firstDayOfNextMonth(calendarDate()));
    ShowMonthName();
}

void AddDrawsWindow::SpinButton1DownClick()
{
    moveCalendarTo(quor3::lastDayOfPreviousMonth(calendarDate()));
    ShowMonthName();
}

void AddDrawsWindow::checkWinners()
{
    checkWinners(digitOf(SpinEdit1), digitOf(SpinEdit2), digitOf(SpinEdit3), calendarDate());
}

void AddDrawsWindow::checkWinners(int a, int b, int c, const CivilDate& drawDate)
{
    const Session& session = Session::instance();
    quor3::checkWinners(session.folder, session.databaseName, a, b, c, drawDate,
                        [this](const quor3::WinnerMatch& match) {
                            QString text = QString::fromStdString(match.message);
                            text.replace("\r\n", "\n");
                            Dialogs::inform(this, QApplication::applicationName(), text, QPoint(375, 230));
                        });
    SpinEdit1->setFocus();
}

void AddDrawsWindow::Button1Click()
{
    // Closing a match message activates this window again: the entry goes on
    // with the draw and date as they were entered.
    ActivationGate::Busy entering(activation_);

    Session& session = Session::instance();
    if (session.databaseName.empty())
        throw quor3::Error(quor3::Error::Kind::InputOutput, "No database is open: open or name one first.");
    {
        BusyCursor busy;
        const CivilDate date = calendarDate();
        heldDate = date;
        quor3::DrawRecord draw;
        draw.DrawDate = quor3::encodeDate(date);
        draw.Digit1 = digitOf(SpinEdit1);
        draw.Digit2 = digitOf(SpinEdit2);
        draw.Digit3 = digitOf(SpinEdit3);

        // Compared before anything is written, so the draw meets the choices
        // that were on offer before it.
        if (CheckBox1->isChecked())
            checkWinners(draw.Digit1, draw.Digit2, draw.Digit3, date);

        const quor3::StoreResult stored = quor3::storeDraw(session.folder, session.databaseName, draw);
        session.setStatus(0, "Total Draws: " + QString::number(stored.totalDraws));
        session.setStatus(1, "Last Draw Date: " + shortDateText(draw.DrawDate));
        if (!stored.cutBack) {
            SpinEdit1->setValue(0);
            SpinEdit2->setValue(0);
            SpinEdit3->setValue(0);
        }
        if (session.databaseExists()) {
            StatusBarSink sink;
            const quor3::RebuildResult rebuilt =
                quor3::rebuildStatistics(session.folder, session.databaseName, quor3::FirstPanels::None, sink);
            session.totalDraws = rebuilt.totalDraws;
        }
    }
    if (refreshRequest_)
        refreshRequest_();
    ProposeNextDate();
    Button1->setFocus();
}
