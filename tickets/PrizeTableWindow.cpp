#include "tickets/PrizeTableWindow.h"

#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/Odds.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/StatusBarSink.h"
#include "platform/WindowKit.h"
#include "tickets/TicketsKit.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

// The date edit's first day stands for the earliest date, from which the
// first table is in force.
const QDate EarliestShown(1900, 1, 1);

// The bet whose long-run return a prize decides, with a number of its kind.
struct PrizeBet {
    quor3::BetType type;
    quor3::TicketNumber number;
};

PrizeBet betOf(quor3::PrizeKey key)
{
    using quor3::BetType;
    using quor3::PrizeKey;
    const quor3::TicketNumber sixWay{1, 2, 3}, threeWay{1, 1, 2};
    switch (key) {
    case PrizeKey::Straight: return {BetType::Straight, sixWay};
    case PrizeKey::Box3Way: return {BetType::Box, threeWay};
    case PrizeKey::Box6Way: return {BetType::Box, sixWay};
    case PrizeKey::StraightBox3WayExact:
    case PrizeKey::StraightBox3WayAny: return {BetType::StraightBox, threeWay};
    case PrizeKey::StraightBox6WayExact:
    case PrizeKey::StraightBox6WayAny: return {BetType::StraightBox, sixWay};
    case PrizeKey::Combo: return {BetType::Combo, sixWay};
    case PrizeKey::FrontPair: return {BetType::FrontPair, sixWay};
    case PrizeKey::BackPair: return {BetType::BackPair, sixWay};
    }
    return {BetType::Straight, sixWay};
}

QDate shownDate(double dayNumber)
{
    if (dayNumber <= quor3::earliestPrizeDate())
        return EarliestShown;
    const quor3::CivilDate d = quor3::decodeDate(dayNumber);
    return std::max(QDate(d.year, d.month, d.day), EarliestShown);
}

double storedDate(const QDate& date)
{
    if (date <= EarliestShown)
        return quor3::earliestPrizeDate();
    return quor3::encodeDate(date.year(), date.month(), date.day());
}

} // namespace

PrizeTableWindow::PrizeTableWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("PrizeTableWindow");
    setWindowTitle(tr("Prize Table"));

    instructionsLabel = addTextLabel(this, "instructionsLabel");
    instructionsLabel->setText(tr("Prizes for a $1 play; a 50¢ play wins half. A table applies from its date on: "
                                  "change the prizes and the date, then Save. The tickets of the draws from that "
                                  "date on are settled again."));

    tableList = new QListWidget(this);
    tableList->setObjectName("tableList");
    tableList->setAccessibleName(tr("Prize tables, each in force from its date"));

    fromEdit = new QDateEdit(this);
    fromEdit->setObjectName("fromEdit");
    fromEdit->setAccessibleName(tr("In force from"));
    fromEdit->setCalendarPopup(true);
    fromEdit->setMinimumDate(EarliestShown);
    fromEdit->setSpecialValueText(tr("The earliest date"));
    auto* fromLabel = new QLabel(tr("In force &from:"), this);
    fromLabel->setBuddy(fromEdit);

    auto* grid = new QGridLayout;
    grid->addWidget(fromLabel, 0, 0);
    grid->addWidget(fromEdit, 0, 1);
    auto* returnHeading = new QLabel(tr("Pays back on average"), this);
    grid->addWidget(returnHeading, 0, 2);
    int row = 1;
    for (const quor3::PrizeKey key : quor3::allPrizeKeys()) {
        const QString name = QString::fromStdString(quor3::prizeKeyName(key));
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QString::fromStdString("prize_" + quor3::prizeKeyWord(key)));
        box->setAccessibleName(name);
        box->setRange(0, 1000000);
        box->setDecimals(2);
        box->setPrefix("$");
        box->setGroupSeparatorShown(true);
        auto* label = new QLabel(name + ':', this);
        label->setBuddy(box);
        auto* back = new QLabel(this);
        back->setObjectName(QString::fromStdString("return_" + quor3::prizeKeyWord(key)));
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(back, row, 2);
        prizeBoxes[static_cast<std::size_t>(key)] = box;
        returnLabels[static_cast<std::size_t>(key)] = back;
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { runGuarded(this, [this] { showReturns(); }); });
        ++row;
    }

    oddsLabel = addTextLabel(this, "oddsLabel");
    oddsLabel->setText(tr("Odds per draw: as states publish them (winning numbers per draw), and the chance of at "
                          "least one win. A play with the add-on digit costs twice the stake; add-on prizes per $1: "
                          "straight $200, box 3-way $68, box 6-way $34, combo $200 for each order, pairs $20."));
    oddsTable = new QTableWidget(0, 4, this);
    oddsTable->setObjectName("oddsTable");
    oddsTable->setAccessibleName(tr("Odds and payback of each bet"));
    oddsTable->setHorizontalHeaderLabels(
        {tr("Bet"), tr("Published odds"), tr("Chance of a win"), tr("Pays back per $1")});
    oddsTable->verticalHeader()->hide();
    oddsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    oddsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    oddsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    oddsTable->setWordWrap(false);
    oddsTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    saveButton = new QPushButton(tr("&Save"), this);
    saveButton->setObjectName("saveButton");
    saveButton->setAccessibleName(tr("Save the table from its date"));
    saveButton->setDefault(true);
    removeButton = new QPushButton(tr("&Remove"), this);
    removeButton->setObjectName("removeButton");
    removeButton->setAccessibleName(tr("Remove the selected table"));
    closeButton = addCloseButton(this);
    closeButton->setObjectName("closeButton");

    auto* middle = new QHBoxLayout;
    middle->addWidget(tableList);
    middle->addLayout(grid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(removeButton);
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructionsLabel);
    layout->addLayout(middle);
    layout->addWidget(oddsLabel);
    layout->addWidget(oddsTable, 1);
    layout->addLayout(buttons);

    connect(tableList, &QListWidget::currentRowChanged, this,
            [this](int index) { runGuarded(this, [this, index] { showTable(index); }); });
    connect(saveButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { saveTable(); }); });
    connect(removeButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { removeTable(); }); });

    rememberSize(this, "PrizeTableWindow", QSize(640, 720));
    Help::bindF1(this, "prizes");
    centreOnScreen(this);
    runGuarded(this, [this] { readTables(); });
    fromEdit->setFocus();
}

void PrizeTableWindow::readTables()
{
    const quor3::fs::path database = ticketDatabase();
    tables_ = database.empty() ? std::vector<quor3::PrizeTable>{quor3::defaultPrizeTable()}
                               : quor3::readPrizeTables(database);
    const QSignalBlocker quiet(tableList);
    tableList->clear();
    for (const quor3::PrizeTable& t : tables_)
        tableList->addItem(t.from <= quor3::earliestPrizeDate() ? tr("From the earliest date")
                                                                : tr("From %1").arg(shortDateText(t.from)));
    tableList->setMinimumWidth(tableList->sizeHintForColumn(0) + 2 * tableList->frameWidth() + 4);
    // The newest table is the one a change starts from.
    tableList->setCurrentRow(static_cast<int>(tables_.size()) - 1);
    showTable(tableList->currentRow());
}

void PrizeTableWindow::showTable(int index)
{
    if (index < 0 || index >= static_cast<int>(tables_.size()))
        return;
    const quor3::PrizeTable& t = tables_[static_cast<std::size_t>(index)];
    fromEdit->setDate(shownDate(t.from));
    for (const quor3::PrizeKey key : quor3::allPrizeKeys()) {
        QDoubleSpinBox* box = prizeBoxes[static_cast<std::size_t>(key)];
        const QSignalBlocker quiet(box);
        box->setValue(t.prize(key) / 100.0);
    }
    // The first table can be replaced, never removed.
    removeButton->setEnabled(index > 0);
    showReturns();
}

quor3::PrizeTable PrizeTableWindow::tableInEditor() const
{
    quor3::PrizeTable table;
    table.from = storedDate(fromEdit->date());
    for (const quor3::PrizeKey key : quor3::allPrizeKeys())
        table.prize(key) = std::llround(prizeBoxes[static_cast<std::size_t>(key)]->value() * 100);
    return table;
}

void PrizeTableWindow::showReturns()
{
    const quor3::PrizeTable table = tableInEditor();
    for (const quor3::PrizeKey key : quor3::allPrizeKeys()) {
        const PrizeBet bet = betOf(key);
        const long long cents = std::llround(quor3::returnPerDollar(bet.type, bet.number, table) * 100);
        QLabel* label = returnLabels[static_cast<std::size_t>(key)];
        label->setText(tr("%1 per $1").arg(moneyString(cents)));
        label->setAccessibleName(label->text());
    }
    showOdds(table);
}

void PrizeTableWindow::showOdds(const quor3::PrizeTable& table)
{
    const std::vector<quor3::BetOdds> all = quor3::oddsOfEveryBet(table, quor3::defaultAddonTable());
    oddsTable->setRowCount(static_cast<int>(all.size()) * 3);
    int row = 0;
    const auto put = [this, &row](const QString& bet, const QString& published, const quor3::PlayOdds& odds) {
        const QString cells[] = {bet, published, QString::fromStdString(quor3::oneInText(odds.chanceOfWin)),
                                 QString::fromStdString(quor3::paybackText(odds.payback))};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            oddsTable->setItem(row, column, item);
        }
        ++row;
    };
    for (const quor3::BetOdds& bet : all) {
        const QString name = QString::fromStdString(quor3::betVariantName(bet.type, bet.number));
        put(name, QString::fromStdString(quor3::oneInText(bet.base.winsPerDraw)), bet.base);
        put(tr("%1, add-on").arg(name), QString::fromStdString(quor3::oneInText(bet.addon.winsPerDraw)), bet.addon);
        put(tr("%1 with the add-on").arg(name), QString(), bet.withAddon);
    }
    for (int column = 1; column < 4; ++column)
        oddsTable->resizeColumnToContents(column);
}

void PrizeTableWindow::saveTable()
{
    const quor3::fs::path database = ticketDatabase();
    if (database.empty())
        throw quor3::Error(quor3::Error::Kind::InputOutput,
                           tr("No database is open: open or name one first.").toStdString());
    const quor3::PrizeTable table = tableInEditor();
    {
        BusyCursor busy;
        quor3::storePrizeTable(database, table);
    }
    readTables();
    for (std::size_t i = 0; i < tables_.size(); ++i)
        if (tables_[i].from == table.from)
            tableList->setCurrentRow(static_cast<int>(i));
}

void PrizeTableWindow::removeTable()
{
    const int index = tableList->currentRow();
    if (index <= 0 || index >= static_cast<int>(tables_.size()))
        return;
    const double from = tables_[static_cast<std::size_t>(index)].from;
    if (Dialogs::ask(
            this, windowTitle(),
            tr("Remove the table in force from %1? The table before it applies again.").arg(shortDateText(from)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::No) != QMessageBox::Yes)
        return;
    {
        BusyCursor busy;
        quor3::removePrizeTable(ticketDatabase(), from);
    }
    readTables();
}

void PrizeTableWindow::done(int result)
{
    QDialog::done(result);
}
