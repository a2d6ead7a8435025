#include "tickets/TicketsWindow.h"

#include "engine/Chance.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/Wheel.h"
#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"
#include "platform/WindowKit.h"
#include "tickets/PrizeTableWindow.h"
#include "tickets/TicketsKit.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace
{

// The chart shows the last year; the table every month.
constexpr int ChartMonths = 12;

QDate toQDate(double dayNumber)
{
    const quor3::CivilDate d = quor3::decodeDate(dayNumber);
    return QDate(d.year, d.month, d.day);
}

double fromQDate(const QDate& date)
{
    return quor3::encodeDate(date.year(), date.month(), date.day());
}

QTableWidgetItem* ticketCell(const QString& text, const QString& spoken = QString(), bool right = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    if (!spoken.isEmpty())
        item->setData(Qt::AccessibleTextRole, spoken);
    return item;
}

QTableWidgetItem* moneyItem(quor3::Cents cents)
{
    return ticketCell(moneyString(cents), QString(), true);
}

QString monthName(int year, int month)
{
    return QLocale().standaloneMonthName(month, QLocale::ShortFormat) + ' ' + QString::number(year);
}

} // namespace

TicketsWindow::TicketsWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TicketsWindow");
    setWindowTitle(tr("My Tickets"));

    headingLabel = addTextLabel(this, "headingLabel");

    // The add fields, in the order a ticket is read out: number, bet, stake,
    // first draw, draws; Enter in any of them adds.
    auto* addGroup = new QGroupBox(tr("Add a ticket"), this);
    numberEdit = new QLineEdit(addGroup);
    numberEdit->setObjectName("numberEdit");
    numberEdit->setAccessibleName(tr("Number"));
    numberEdit->setMaxLength(3);
    numberEdit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), numberEdit));
    numberEdit->setPlaceholderText("000");
    numberEdit->setMaximumWidth(numberEdit->fontMetrics().horizontalAdvance("00000") + 16);
    typeBox = new QComboBox(addGroup);
    typeBox->setObjectName("typeBox");
    typeBox->setAccessibleName(tr("Bet type"));
    for (const quor3::BetType type : quor3::allBetTypes())
        typeBox->addItem(QString::fromStdString(quor3::betTypeName(type)), static_cast<int>(type));
    stakeBox = new QComboBox(addGroup);
    stakeBox->setObjectName("stakeBox");
    stakeBox->setAccessibleName(tr("Stake"));
    for (const quor3::Cents stake : {50, 100, 200, 300, 400, 500})
        stakeBox->addItem(moneyString(stake), static_cast<qlonglong>(stake));
    stakeBox->setCurrentIndex(1);
    firstDrawEdit = new QDateEdit(addGroup);
    firstDrawEdit->setObjectName("firstDrawEdit");
    firstDrawEdit->setAccessibleName(tr("First draw date"));
    firstDrawEdit->setCalendarPopup(true);
    firstDrawEdit->setDate(QDate::currentDate());
    drawsBox = new QSpinBox(addGroup);
    drawsBox->setObjectName("drawsBox");
    drawsBox->setAccessibleName(tr("Number of draws"));
    drawsBox->setRange(1, quor3::MaxTicketDraws);
    // The add-on digit drawn beside the three: twice the price, its own prizes.
    addonCheck = new QCheckBox(tr("With the add-&on (twice the cost)"), addGroup);
    addonCheck->setObjectName("addonCheck");
    addonCheck->setAccessibleName(tr("Played with the add-on"));
    addButton = new QPushButton(tr("&Add"), addGroup);
    addButton->setObjectName("addButton");
    addButton->setAccessibleName(tr("Add the ticket"));
    addButton->setDefault(true);

    // Two rows of fields: in one, the longer captions of a translation at a
    // large font would make the window wider than a 1,280-pixel screen.
    auto* addRows = new QGridLayout(addGroup);
    int fieldsInRow = 0;
    auto field = [addGroup, addRows, &fieldsInRow](const QString& caption, QWidget* box) {
        auto* label = new QLabel(caption, addGroup);
        label->setBuddy(box);
        const int row = fieldsInRow / 3;
        const int column = 2 * (fieldsInRow % 3);
        addRows->addWidget(label, row, column, Qt::AlignRight);
        addRows->addWidget(box, row, column + 1, Qt::AlignLeft);
        ++fieldsInRow;
    };
    field(tr("&Number:"), numberEdit);
    field(tr("&Bet:"), typeBox);
    field(tr("&Stake:"), stakeBox);
    field(tr("&First draw:"), firstDrawEdit);
    field(tr("Dra&ws:"), drawsBox);
    // The check box beside the draws: a row of its own would take the room
    // the summary below needs.
    addRows->addWidget(addonCheck, 1, 4, 1, 2, Qt::AlignLeft);
    addRows->addWidget(addButton, 1, 6, Qt::AlignLeft);
    addRows->setColumnStretch(7, 1);

    ticketTable = new QTableWidget(0, 9, this);
    ticketTable->setObjectName("ticketTable");
    ticketTable->setAccessibleName(tr("Tickets"));
    ticketTable->setHorizontalHeaderLabels({tr("No."), tr("First Draw"), tr("Draws"), tr("Number"), tr("Bet"),
                                            tr("Stake"), tr("Cost"), tr("Result"), tr("Prize")});
    ticketTable->verticalHeader()->hide();
    ticketTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ticketTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    ticketTable->setSelectionMode(QAbstractItemView::SingleSelection);
    ticketTable->setWordWrap(false);
    // The result, the longest text, takes the room left.
    ticketTable->horizontalHeader()->setSectionResizeMode(7, QHeaderView::Stretch);

    removeButton = new QPushButton(tr("&Remove"), this);
    removeButton->setObjectName("removeButton");
    removeButton->setAccessibleName(tr("Remove the selected ticket"));
    removeButton->setEnabled(false);
    exportButton = new QPushButton(tr("&Export CSV..."), this);
    exportButton->setObjectName("exportButton");
    exportButton->setAccessibleName(tr("Export the tickets as CSV"));
    prizeTableButton = new QPushButton(tr("Prize &Table..."), this);
    prizeTableButton->setObjectName("prizeTableButton");
    prizeTableButton->setAccessibleName(tr("Edit the prize table"));

    summaryLabel = addTextLabel(this, "summaryLabel", true);
    summaryLabel->setAccessibleName(tr("Summary"));
    yearLabel = addTextLabel(this, "yearLabel");
    yearLabel->setAccessibleName(tr("Your habit over a year"));

    budgetBox = new QSpinBox(this);
    budgetBox->setObjectName("budgetBox");
    budgetBox->setAccessibleName(tr("Monthly budget in dollars, 0 for none"));
    budgetBox->setRange(0, 100000);
    budgetBox->setPrefix("$");
    budgetBox->setSpecialValueText(tr("None"));
    budgetBox->setKeyboardTracking(false);
    // Enter in it sets the budget; it does not add a ticket.
    budgetBox->installEventFilter(this);
    auto* budgetLabel = new QLabel(tr("Monthly b&udget:"), this);
    budgetLabel->setBuddy(budgetBox);

    monthTable = new QTableWidget(0, 4, this);
    monthTable->setObjectName("monthTable");
    monthTable->setAccessibleName(tr("Spent and won by month"));
    monthTable->setHorizontalHeaderLabels({tr("Month"), tr("Spent"), tr("Won"), tr("Balance")});
    monthTable->verticalHeader()->hide();
    monthTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    monthTable->setSelectionMode(QAbstractItemView::NoSelection);
    monthTable->setWordWrap(false);
    monthTable->horizontalHeader()->setStretchLastSection(true);

    auto* chart = new QChart;
    chart->setTitle(tr("Spent and won by month"));
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    monthChart = new QChartView(chart, this);
    monthChart->setObjectName("monthChart");
    monthChart->setAccessibleName(tr("Bar chart of spent and won by month"));
    monthChart->setRenderHint(QPainter::Antialiasing);
    monthChart->setMinimumHeight(160);

    closeButton = addCloseButton(this);
    closeButton->setObjectName("closeButton");

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(removeButton);
    listButtons->addWidget(exportButton);
    listButtons->addStretch(1);
    listButtons->addWidget(budgetLabel);
    listButtons->addWidget(budgetBox);
    auto* months = new QHBoxLayout;
    months->addWidget(monthTable, 2);
    months->addWidget(monthChart, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(prizeTableButton);
    bottom->addStretch(1);
    bottom->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel);
    layout->addWidget(addGroup);
    layout->addWidget(ticketTable, 3);
    layout->addLayout(listButtons);
    layout->addWidget(summaryLabel);
    layout->addWidget(yearLabel);
    layout->addLayout(months, 2);
    layout->addLayout(bottom);

    connect(addButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { addTicket(); }); });
    connect(removeButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { removeSelected(); }); });
    connect(exportButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { exportCsv(); }); });
    connect(prizeTableButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { editPrizeTables(); }); });
    connect(budgetBox, &QSpinBox::valueChanged, this, [this] { runGuarded(this, [this] { storeBudget(); }); });
    connect(ticketTable, &QTableWidget::itemSelectionChanged, this,
            [this] { removeButton->setEnabled(!ticketTable->selectedItems().isEmpty()); });
    auto* removeKey = new QShortcut(QKeySequence::Delete, ticketTable);
    removeKey->setContext(Qt::WidgetShortcut);
    connect(removeKey, &QShortcut::activated, this, [this] { runGuarded(this, [this] { removeSelected(); }); });

    const QList<QWidget*> tabOrder = {numberEdit,   typeBox,      stakeBox,  firstDrawEdit,
                                      drawsBox,     addonCheck,   addButton, ticketTable,
                                      removeButton, exportButton, budgetBox, prizeTableButton};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    rememberSize(this, "TicketsWindow", QSize(860, 680));
    Help::bindF1(this, "tickets");
    // The command line (or the daily timer) may add or settle tickets and
    // draws while the window is open: it shows them as they are, keeping what
    // the player is typing.
    setProperty(DatabaseEvents::FollowedByWindow, true);
    connect(&Session::instance().events, &DatabaseEvents::changedOnDisk, this,
            [this] { runGuarded(this, [this] { refresh(); }); });
    centreOnScreen(this);
    numberEdit->setFocus();
    runGuarded(this, [this] {
        refresh();
        // The next draw after the last one stored, else today.
        if (!recentDraws_.empty())
            firstDrawEdit->setDate(std::max(toQDate(recentDraws_.back().DrawDate).addDays(1), firstDrawEdit->date()));
    });
}

void TicketsWindow::proposeNumber(const QString& play)
{
    QString digits;
    for (const QChar c : play)
        if (c.isDigit())
            digits += c;
    if (digits.size() != 3)
        return;
    numberEdit->setText(digits);
    // The number is there: the bet type is the next thing to choose.
    typeBox->setFocus();
}

void TicketsWindow::refresh()
{
    const quor3::fs::path database = ticketDatabase();
    headingLabel->setText(database.empty()
                              ? tr("No database is open: open one to keep its tickets.")
                              : tr("Tickets for the draws of %1.").arg(Session::instance().databaseNameText()));
    // One read of the tickets, the tables, the budget and the last draws held.
    quor3::TicketBook book;
    if (!database.empty()) {
        BusyCursor busy;
        book = quor3::readTicketBook(database);
    }
    tickets_ = std::move(book.tickets);
    recentDraws_ = quor3::fileExists(database) ? std::move(book.recentDraws) : std::vector<quor3::DrawRecord>{};
    {
        const QSignalBlocker quiet(budgetBox);
        budgetBox->setValue(book.budget ? static_cast<int>(*book.budget / 100) : 0);
    }
    showTickets();
    showSummary(book.summary);
    showMonths(book.summary);
    showYear(book.tables);
}

void TicketsWindow::showYear(const std::vector<quor3::PrizeTable>& tables)
{
    const quor3::fs::path database = ticketDatabase();
    quor3::Horizon year;
    if (!database.empty() && quor3::fileExists(database)) {
        const int perDay = quor3::drawsPerDay(recentDraws_);
        year = quor3::playerHorizon(tickets_, tables, fromQDate(QDate::currentDate()), perDay, 365LL * perDay);
    }
    const QString text =
        year.recentTickets == 0
            ? tr("No tickets in the last 30 days: a year of your habit shows here once there are.")
            : tr("Your tickets of the last 30 days, played the same way for a year (%1 draws): spent %2, paid back "
                 "%3 on average. Chance of ending the year ahead: %4.")
                  .arg(year.draws)
                  .arg(moneyString(year.cost), moneyString(year.expectedBack),
                       QString::fromStdString(quor3::chancePercentText(year.chanceAhead)));
    yearLabel->setText(text);
    yearLabel->setAccessibleDescription(text);
}

void TicketsWindow::showTickets()
{
    const int selected = ticketTable->currentRow();
    ticketTable->setRowCount(0);
    // All rows at once: a row inserted at a time costs the view a layout each.
    ticketTable->setRowCount(static_cast<int>(tickets_.size()));
    int row = 0;
    for (const quor3::TicketRecord& t : tickets_) {
        const QString number = QString::fromStdString(quor3::numberText(t.play.number));
        QString bet = QString::fromStdString(quor3::betVariantName(t.play.type, t.play.number));
        if (t.play.addon)
            bet = tr("%1 with the add-on").arg(bet);
        ticketTable->setItem(row, 0, ticketCell(QString::number(t.id), QString(), true));
        ticketTable->setItem(row, 1, ticketCell(shortDateText(t.play.firstDraw)));
        ticketTable->setItem(row, 2, ticketCell(QString::number(t.play.draws), QString(), true));
        ticketTable->setItem(row, 3, ticketCell(number, spokenDigits(number)));
        ticketTable->setItem(row, 4, ticketCell(bet));
        ticketTable->setItem(row, 5, moneyItem(t.play.stake));
        ticketTable->setItem(row, 6, moneyItem(t.cost));
        ticketTable->setItem(row, 7, ticketCell(QString::fromStdString(quor3::ticketResultText(t))));
        // Nothing is won or lost before a draw is held.
        ticketTable->setItem(row, 8, t.settledDraws == 0 ? ticketCell(tr("waiting")) : moneyItem(t.won));
        ++row;
    }
    fitTicketColumns();
    if (ticketTable->rowCount() > 0)
        ticketTable->setCurrentCell(std::clamp(selected, 0, ticketTable->rowCount() - 1), 0,
                                    QItemSelectionModel::NoUpdate);
    removeButton->setEnabled(!ticketTable->selectedItems().isEmpty());
}

void TicketsWindow::fitTicketColumns()
{
    // Each column as wide as its widest cell. The view would measure every
    // cell through its delegate (a table not yet shown measures all its rows:
    // a third of opening the window with thousands of tickets). The cells are
    // one line of text in one font and differ mostly in their digits, so each
    // shape of text (every digit taken as the widest digit) is measured once,
    // and the delegate adds its margins to the widest.
    const QFontMetrics metrics(ticketTable->font());
    QChar wideDigit('0');
    for (char d = '1'; d <= '9'; ++d)
        if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(wideDigit))
            wideDigit = QChar(d);
    QHeaderView* header = ticketTable->horizontalHeader();
    for (int column = 0; column < ticketTable->columnCount(); ++column) {
        if (header->sectionResizeMode(column) == QHeaderView::Stretch)
            continue;
        QHash<QString, int> shapes;
        int widest = -1, widestRow = -1;
        for (int row = 0; row < ticketTable->rowCount(); ++row) {
            const QTableWidgetItem* item = ticketTable->item(row, column);
            if (!item)
                continue;
            QString shape = item->text();
            for (QChar& c : shape)
                if (c.isDigit())
                    c = wideDigit;
            auto found = shapes.find(shape);
            if (found == shapes.end())
                found = shapes.insert(shape, metrics.horizontalAdvance(shape));
            if (*found > widest)
                widest = *found, widestRow = row;
        }
        int width = header->sectionSizeHint(column);
        if (widestRow >= 0) {
            const QModelIndex index = ticketTable->model()->index(widestRow, column);
            const int margins = ticketTable->sizeHintForIndex(index).width() -
                                metrics.horizontalAdvance(ticketTable->item(widestRow, column)->text());
            width = std::max(width, widest + margins + (ticketTable->showGrid() ? 1 : 0));
        }
        header->resizeSection(column, width);
    }
}

void TicketsWindow::showSummary(const quor3::TicketSummary& s)
{
    QStringList lines;
    if (s.tickets == 0) {
        lines << tr("No tickets yet: type a number, choose the bet, and press Enter.");
    } else {
        // Spelled out: without a translation loaded, Qt's "%n" plural stays "ticket(s)".
        const QString count = s.tickets == 1 ? tr("1 ticket") : tr("%1 tickets").arg(s.tickets);
        lines << tr("%1: spent %2, won %3. Balance of the plays drawn so far: %4.")
                     .arg(count, moneyString(s.cost), moneyString(s.won), balanceString(s.balance));
        lines << tr("On average these plays would have paid back %1; they paid %2.")
                     .arg(moneyString(s.expectedBack), moneyString(s.won));
    }
    const quor3::fs::path database = ticketDatabase();
    const QDate today = QDate::currentDate();
    if (!database.empty()) {
        if (const auto left = quor3::budgetLeft(database, today.year(), today.month())) {
            lines << (*left >= 0 ? tr("Monthly budget: %1 left for %2.")
                                       .arg(moneyString(*left), monthName(today.year(), today.month()))
                                 : tr("Monthly budget: %1 over for %2.")
                                       .arg(moneyString(-*left), monthName(today.year(), today.month())));
        }
    }
    summaryLabel->setText(lines.join('\n'));
    summaryLabel->setAccessibleDescription(summaryLabel->text());
}

void TicketsWindow::showMonths(const quor3::TicketSummary& s)
{
    monthTable->setRowCount(0);
    for (const quor3::MonthMoney& m : s.months) {
        const int row = monthTable->rowCount();
        monthTable->insertRow(row);
        monthTable->setItem(row, 0, ticketCell(monthName(m.year, m.month)));
        monthTable->setItem(row, 1, moneyItem(m.spent));
        monthTable->setItem(row, 2, moneyItem(m.won));
        monthTable->setItem(row, 3, ticketCell(balanceString(m.won - m.spent)));
    }
    monthTable->resizeColumnsToContents();
    monthTable->scrollToBottom();

    QChart* chart = monthChart->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis);
    if (s.months.empty())
        return;
    auto* spent = new QBarSet(tr("Spent"));
    auto* won = new QBarSet(tr("Won"));
    QStringList names;
    double top = 1;
    const std::size_t from = s.months.size() > ChartMonths ? s.months.size() - ChartMonths : 0;
    for (std::size_t i = from; i < s.months.size(); ++i) {
        const quor3::MonthMoney& m = s.months[i];
        *spent << m.spent / 100.0;
        *won << m.won / 100.0;
        top = std::max({top, m.spent / 100.0, m.won / 100.0});
        names << monthName(m.year, m.month);
    }
    auto* series = new QBarSeries;
    series->append(spent);
    series->append(won);
    chart->addSeries(series);
    auto* months = new QBarCategoryAxis;
    months->append(names);
    chart->addAxis(months, Qt::AlignBottom);
    series->attachAxis(months);
    auto* dollars = new QValueAxis;
    dollars->setRange(0, top);
    dollars->applyNiceNumbers();
    dollars->setLabelFormat("$%.0f");
    chart->addAxis(dollars, Qt::AlignLeft);
    series->attachAxis(dollars);
}

quor3::TicketPlay TicketsWindow::playInFields() const
{
    const auto number = quor3::numberFromText(numberEdit->text().toStdString());
    if (!number)
        throw quor3::Error(quor3::Error::Kind::Conversion,
                           tr("Type the ticket's number as three digits, such as 056.").toStdString());
    quor3::TicketPlay play;
    play.number = *number;
    play.type = static_cast<quor3::BetType>(typeBox->currentData().toInt());
    play.stake = stakeBox->currentData().toLongLong();
    play.firstDraw = fromQDate(firstDrawEdit->date());
    play.draws = drawsBox->value();
    play.addon = addonCheck->isChecked();
    return play;
}

void TicketsWindow::addTicket()
{
    const quor3::fs::path database = ticketDatabase();
    if (database.empty())
        throw quor3::Error(quor3::Error::Kind::InputOutput,
                           tr("No database is open: open or name one first.").toStdString());
    const quor3::TicketPlay play = playInFields();
    // A ticket that cannot be played is refused before the budget is asked about.
    const std::string problem = quor3::ticketProblem(play);
    if (!problem.empty()) {
        numberEdit->setFocus();
        throw quor3::Error(quor3::Error::Kind::InputOutput, problem);
    }
    if (quor3::ticketExceedsBudget(database, play)) {
        const quor3::CivilDate first = quor3::decodeDate(play.firstDraw);
        const auto left = quor3::budgetLeft(database, first.year, first.month).value_or(0);
        const QString question =
            tr("This ticket costs %1, and %2 of the monthly budget is left for %3. Add it anyway?")
                .arg(moneyString(quor3::ticketCost(play)), moneyString(std::max<quor3::Cents>(left, 0)),
                     monthName(first.year, first.month));
        if (Dialogs::ask(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
                         QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    {
        BusyCursor busy;
        quor3::addTicket(database, play);
    }
    refresh();
    ticketTable->setCurrentCell(ticketTable->rowCount() - 1, 0, QItemSelectionModel::NoUpdate);
    ticketTable->scrollToBottom();
    // Ready for the next ticket of the week: same bet and dates, a new number.
    numberEdit->clear();
    numberEdit->setFocus();
}

bool TicketsWindow::addPlays(std::vector<quor3::TicketPlay> plays)
{
    const quor3::fs::path database = ticketDatabase();
    if (database.empty())
        throw quor3::Error(quor3::Error::Kind::InputOutput,
                           tr("No database is open: open or name one first.").toStdString());
    if (plays.empty())
        return false;
    quor3::Cents cost = 0;
    for (quor3::TicketPlay& play : plays) {
        play.firstDraw = fromQDate(firstDrawEdit->date());
        play.draws = drawsBox->value();
        cost += quor3::ticketCost(play);
    }
    const QString count = plays.size() == 1 ? tr("1 play") : tr("%1 plays").arg(plays.size());
    if (Dialogs::ask(this, windowTitle(),
                     tr("Add %1 as tickets from %2, for %3 draws each, at %4 in all?")
                         .arg(count, shortDateText(plays.front().firstDraw))
                         .arg(plays.front().draws)
                         .arg(moneyString(cost)),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::No) != QMessageBox::Yes)
        return false;
    const quor3::CivilDate first = quor3::decodeDate(plays.front().firstDraw);
    if (const auto left = quor3::budgetLeft(database, first.year, first.month); left && cost > *left) {
        const QString question =
            tr("These tickets cost %1, and %2 of the monthly budget is left for %3. Add them anyway?")
                .arg(moneyString(cost), moneyString(std::max<quor3::Cents>(*left, 0)),
                     monthName(first.year, first.month));
        if (Dialogs::ask(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
                         QMessageBox::No) != QMessageBox::Yes)
            return false;
    }
    {
        BusyCursor busy;
        for (const quor3::TicketPlay& play : plays)
            quor3::addTicket(database, play);
    }
    refresh();
    ticketTable->setCurrentCell(ticketTable->rowCount() - 1, 0, QItemSelectionModel::NoUpdate);
    ticketTable->scrollToBottom();
    return true;
}

void TicketsWindow::removeSelected()
{
    const int row = ticketTable->currentRow();
    if (row < 0 || row >= static_cast<int>(tickets_.size()) || ticketTable->selectedItems().isEmpty())
        return;
    const quor3::TicketRecord& t = tickets_[static_cast<std::size_t>(row)];
    const quor3::fs::path database = ticketDatabase();
    // Refused with the engine's reason, before the question: a settled ticket
    // is part of the record.
    const std::string problem = quor3::ticketRemovalProblem(database, t.id);
    if (!problem.empty())
        throw quor3::Error(quor3::Error::Kind::InputOutput, problem);
    const QString question =
        tr("Remove ticket %1 %2 for %3?")
            .arg(QString::fromStdString(quor3::numberText(t.play.number)),
                 QString::fromStdString(quor3::betVariantName(t.play.type, t.play.number)), moneyString(t.cost));
    if (Dialogs::ask(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
                     QMessageBox::No) != QMessageBox::Yes)
        return;
    quor3::removeTicket(database, t.id);
    refresh();
    ticketTable->setFocus();
}

void TicketsWindow::exportCsv()
{
    const quor3::fs::path database = ticketDatabase();
    if (database.empty())
        return;
    Dialogs::SaveOptions options;
    options.title = tr("Export Tickets");
    options.filter = tr("CSV file (*.csv)");
    options.defaultSuffix = "csv";
    options.suggestedPath = QString::fromStdString(
        (Session::instance().folder / (Session::instance().databaseName + "-tickets.csv")).string());
    const QString path = Dialogs::saveFile(this, options);
    if (path.isEmpty())
        return;
    BusyCursor busy;
    quor3::exportTickets(database, path.toStdString());
}

void TicketsWindow::storeBudget()
{
    const quor3::fs::path database = ticketDatabase();
    if (database.empty())
        return;
    const int dollars = budgetBox->value();
    quor3::setMonthlyBudget(database, dollars > 0 ? std::optional<quor3::Cents>(dollars * 100LL) : std::nullopt);
    refresh();
}

void TicketsWindow::editPrizeTables()
{
    PrizeTableWindow window(this);
    window.exec();
    // A new table settles the tickets again.
    refresh();
}

bool TicketsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == budgetBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            budgetBox->interpretText();
            budgetBox->selectAll();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TicketsWindow::done(int result)
{
    QDialog::done(result);
}
