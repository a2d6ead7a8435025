#include "entry/CorrectionsWindow.h"

#include "engine/Dates.h"
#include "engine/EntryDates.h"
#include "engine/Rebuild.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"
#include "platform/WindowKit.h"

#include <QDate>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>

#include <algorithm>

namespace
{

QFrame* raisedPanel(QWidget* parent, const char* name, QRect place)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(place);
    return panel;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& font, QRect place)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(font);
    l->setGeometry(place);
    return l;
}

} // namespace

CorrectionsWindow::CorrectionsWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm14");
    setWindowTitle("Correct It!");
    setFixedSize(394, 326);
    QFont windowFont = font();
    windowFont.setPixelSize(13);
    setFont(windowFont);
    setStyleSheet("QLabel { color: black; }");
    QFont small("Arial");
    small.setPixelSize(11);
    QFont buttons("Arial");
    buttons.setPixelSize(13);

    Label3 = label(this, "Label3", "First, select an entry in the database:", small, QRect(8, 6, 200, 14));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setGeometry(8, 26, 185, 289);

    Label4 = label(this, "Label4",
                   "Next, make your changes to the entry and draw date as necessary. Click Re-Enter when complete.",
                   small, QRect(206, 24, 178, 60));
    Label4->setWordWrap(true);

    Panel1 = raisedPanel(this, "Panel1", QRect(206, 94, 178, 74));
    Label1 = label(Panel1, "Label1", "Change Entry", small, QRect(8, 6, 160, 14));
    SpinEdit1 = addSpinEdit(Panel1, "SpinEdit1", 0, 9, 1, QRect(8, 30, 48, 28));
    SpinEdit2 = addSpinEdit(Panel1, "SpinEdit2", 0, 9, 1, QRect(64, 30, 48, 28));
    SpinEdit3 = addSpinEdit(Panel1, "SpinEdit3", 0, 9, 1, QRect(120, 30, 48, 28));

    Panel2 = raisedPanel(this, "Panel2", QRect(206, 178, 178, 74));
    Label2 = label(Panel2, "Label2", "Change Date", small, QRect(8, 6, 160, 14));
    SpinEdit4 = addSpinEdit(Panel2, "SpinEdit4", 1, 12, 2, QRect(8, 30, 46, 28));
    SpinEdit5 = addSpinEdit(Panel2, "SpinEdit5", 1, 31, 2, QRect(60, 30, 46, 28));
    SpinEdit6 = addSpinEdit(Panel2, "SpinEdit6", 1900, 2500, 4, QRect(112, 30, 58, 28));

    Button1 = new QPushButton("&Re-Enter ", this);
    // Enter in a box must not rewrite the record: no button is the default.
    Button1->setAutoDefault(false);
    Button1->setObjectName("Button1");
    Button1->setFont(buttons);
    Button1->setFocusPolicy(Qt::NoFocus);
    Button1->setGeometry(206, 284, 86, 30);

    BitBtn1 = addCloseButton(this, QRect(298, 284, 86, 30));
    BitBtn1->setFont(buttons);

    setTabOrder(SpinEdit1, SpinEdit2);
    setTabOrder(SpinEdit2, SpinEdit3);
    setTabOrder(SpinEdit3, SpinEdit4);
    setTabOrder(SpinEdit4, SpinEdit5);
    setTabOrder(SpinEdit5, SpinEdit6);

    // A line picked by mouse or keys loads its record; the current line that
    // focus alone gives the list is no choice.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_ && selectedRow() >= 0)
            runGuarded(this, [this] { ListBox1Click(); });
    });
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { Button1Click(); }); });
    // The day box allows the days of the month and year being edited.
    connect(SpinEdit4, &QSpinBox::valueChanged, this, [this] { followMonth(); });
    connect(SpinEdit6, &QSpinBox::valueChanged, this, [this] { followMonth(); });

    Help::bindF1(this, "correct");
    FormCreate();

    centreOnScreen(this);
}

bool CorrectionsWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { FormActivate(); }); });
    return QDialog::event(e);
}

void CorrectionsWindow::followMonth()
{
    SpinEdit5->setMaximum(quor3::dayLimit(SpinEdit6->value(), SpinEdit4->value()));
}

void CorrectionsWindow::FormCreate()
{
    SpinEdit1->setValue(0);
    SpinEdit2->setValue(0);
    SpinEdit3->setValue(0);
    const QDate today = QDate::currentDate();
    SpinEdit6->setValue(today.year());
    SpinEdit4->setValue(today.month());
    SpinEdit5->setValue(today.day());
    followMonth();
}

void CorrectionsWindow::fillList()
{
    const std::vector<quor3::DrawRecord> draws = quor3::readDraws(Session::instance().databasePath());
    filling_ = true;
    ListBox1->clear();
    for (const auto& draw : draws) {
        auto* item = new QListWidgetItem(QString::fromStdString(quor3::entryLine(draw)));
        item->setSizeHint(QSize(0, 16));
        ListBox1->addItem(item);
    }
    ListBox1->setCurrentRow(-1);
    filling_ = false;
}

void CorrectionsWindow::FormActivate()
{
    if (!Session::instance().databaseExists())
        return;
    fillList();
}

int CorrectionsWindow::selectedRow() const
{
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? -1 : ListBox1->row(selected.first());
}

void CorrectionsWindow::ListBox1Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    selectedIndex_ = row;
    selectedRecord_ = quor3::readDraw(Session::instance().databasePath(), row);
    SpinEdit1->setValue(selectedRecord_.Digit1);
    SpinEdit2->setValue(selectedRecord_.Digit2);
    SpinEdit3->setValue(selectedRecord_.Digit3);
    const quor3::CivilDate date = quor3::decodeDate(selectedRecord_.DrawDate);
    // Year and month first, so that the day box already allows the record's day.
    SpinEdit6->setValue(date.year);
    SpinEdit4->setValue(date.month);
    SpinEdit5->setValue(date.day);
}

void CorrectionsWindow::Button1Click()
{
    if (selectedRow() < 0 || selectedIndex_ < 0)
        return;
    // An impossible date stops here, before the database is opened.
    quor3::DrawRecord record;
    record.DrawDate = quor3::encodeDate(spinEditValue(SpinEdit6), spinEditValue(SpinEdit4), spinEditValue(SpinEdit5));
    record.Digit1 = spinEditValue(SpinEdit1);
    record.Digit2 = spinEditValue(SpinEdit2);
    record.Digit3 = spinEditValue(SpinEdit3);
    record.Reserved = selectedRecord_.Reserved;

    Session& session = Session::instance();
    quor3::writeDraw(session.databasePath(), selectedIndex_, record);
    fillList();
    if (refreshRequest_)
        refreshRequest_();

    SpinEdit1->setValue(0);
    SpinEdit2->setValue(0);
    SpinEdit3->setValue(0);
    if (session.databaseExists()) {
        BusyCursor busy;
        StatusBarSink sink;
        const quor3::RebuildResult rebuilt =
            quor3::rebuildStatistics(session.folder, session.databaseName, quor3::FirstPanels::LastDateOnly, sink);
        session.totalDraws = rebuilt.totalDraws;
    }
    SpinEdit1->setFocus();
}
