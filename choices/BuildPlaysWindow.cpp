#include "choices/BuildPlaysWindow.h"

#include "engine/Chance.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/History.h"
#include "platform/Accessibility.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/WindowKit.h"
#include "tickets/TicketsKit.h"
#include "tickets/TicketsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

std::vector<int> digitsIn(const QString& text)
{
    std::vector<int> digits;
    for (const QChar c : text)
        if (c.isDigit())
            digits.push_back(c.digitValue());
    return digits;
}

QString percentText(double share)
{
    return QString::number(share * 100.0, 'f', 1) + '%';
}

} // namespace

BuildPlaysWindow::BuildPlaysWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("BuildPlaysWindow");
    setWindowTitle(tr("Build Plays"));
    resize(860, 680);
    rememberSize(this, "BuildPlaysWindow");

    headingLabel = addTextLabel(this, "headingLabel");
    headingLabel->setText(tr("A wheel changes what you spend and how often a play wins, never what the plays pay "
                             "back on average: that is fixed by the prize table."));
    QGroupBox* wheelGroup = addWheelFields();
    QGroupBox* filterGroup = addFilterFields();
    addResults();
    layOut(wheelGroup, filterGroup);
    connectFields();

    Help::bindF1(this, "wheel");
    centreOnScreen(this);
    digitsEdit->setFocus();
    runGuarded(this, [this] {
        const Session& session = Session::instance();
        if (session.databaseExists())
            history_ = quor3::readHistory(session.databasePath());
        build();
    });
}

// The wheel, its digits, bet, stake and draws.
QGroupBox* BuildPlaysWindow::addWheelFields()
{
    auto* wheelGroup = new QGroupBox(tr("Wheel"), this);
    digitsEdit = new QLineEdit(wheelGroup);
    digitsEdit->setObjectName("digitsEdit");
    digitsEdit->setAccessibleName(tr("Digits to wheel"));
    digitsEdit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), digitsEdit));
    digitsEdit->setPlaceholderText("12345");
    typeBox = new QComboBox(wheelGroup);
    typeBox->setObjectName("typeBox");
    typeBox->setAccessibleName(tr("Wheel"));
    for (const auto type : {quor3::WheelType::FullBox, quor3::WheelType::Box, quor3::WheelType::KeyBox,
                            quor3::WheelType::Straight, quor3::WheelType::FullStraight})
        typeBox->addItem(QString::fromStdString(quor3::wheelTypeName(type)), static_cast<int>(type));
    keyBox = new QComboBox(wheelGroup);
    keyBox->setObjectName("keyBox");
    keyBox->setAccessibleName(tr("Key digit"));
    keyBox->addItem(tr("None"), -1);
    for (int d = 0; d < 10; ++d)
        keyBox->addItem(QString::number(d), d);
    betBox = new QComboBox(wheelGroup);
    betBox->setObjectName("betBox");
    betBox->setAccessibleName(tr("Bet"));
    betBox->addItem(tr("The wheel's own"), -1);
    betBox->addItem(QString::fromStdString(quor3::betTypeName(quor3::BetType::Straight)),
                    static_cast<int>(quor3::BetType::Straight));
    betBox->addItem(QString::fromStdString(quor3::betTypeName(quor3::BetType::Box)),
                    static_cast<int>(quor3::BetType::Box));
    stakeBox = new QComboBox(wheelGroup);
    stakeBox->setObjectName("stakeBox");
    stakeBox->setAccessibleName(tr("Stake"));
    for (const quor3::Cents stake : {50, 100, 200, 300, 400, 500})
        stakeBox->addItem(moneyString(stake), static_cast<qlonglong>(stake));
    stakeBox->setCurrentIndex(1);
    drawsBox = new QSpinBox(wheelGroup);
    drawsBox->setObjectName("drawsBox");
    drawsBox->setAccessibleName(tr("Number of draws"));
    drawsBox->setRange(1, 100000);
    drawsBox->setValue(365);
    // Three fields a row: six in one line are wider than a small screen in
    // Spanish at large font sizes.
    auto* wheelGrid = new QGridLayout(wheelGroup);
    int place = 0;
    const auto field = [&place, wheelGrid](QWidget* group, const QString& caption, QWidget* box) {
        auto* label = new QLabel(caption, group);
        label->setBuddy(box);
        wheelGrid->addWidget(label, place / 3, (place % 3) * 2);
        wheelGrid->addWidget(box, place / 3, (place % 3) * 2 + 1);
        ++place;
    };
    field(wheelGroup, tr("&Digits:"), digitsEdit);
    field(wheelGroup, tr("&Wheel:"), typeBox);
    field(wheelGroup, tr("&Key:"), keyBox);
    field(wheelGroup, tr("Be&t:"), betBox);
    field(wheelGroup, tr("&Stake:"), stakeBox);
    field(wheelGroup, tr("D&raws:"), drawsBox);
    wheelGrid->setColumnStretch(6, 1);

    return wheelGroup;
}

// The filters every play passes.
QGroupBox* BuildPlaysWindow::addFilterFields()
{
    auto* filterGroup = new QGroupBox(tr("Filters"), this);
    auto* filterGrid = new QFormLayout(filterGroup);
    const auto rangeFields = [&](const QString& caption, const QString& spoken, int top) {
        auto* low = new QSpinBox(filterGroup);
        auto* high = new QSpinBox(filterGroup);
        low->setRange(0, top);
        high->setRange(0, top);
        high->setValue(top);
        low->setAccessibleName(tr("%1, from").arg(spoken));
        high->setAccessibleName(tr("%1, to").arg(spoken));
        auto* row = new QHBoxLayout;
        row->addWidget(low);
        row->addWidget(new QLabel(tr("to"), filterGroup));
        row->addWidget(high);
        row->addStretch(1);
        auto* label = new QLabel(caption, filterGroup);
        label->setBuddy(low);
        filterGrid->addRow(label, row);
        return RangeFields{low, high};
    };
    sumFields = rangeFields(tr("Su&m:"), tr("Sum"), 27);
    rootSumFields = rangeFields(tr("Root s&um:"), tr("Root sum"), 9);
    spreadFields = rangeFields(tr("Spr&ead:"), tr("Spread"), 9);
    oddFields = rangeFields(tr("&Odd digits:"), tr("Odd digits"), 3);
    highFields = rangeFields(tr("&High digits (5-9):"), tr("High digits"), 3);
    sumFields.low->setObjectName("sumLow");
    sumFields.high->setObjectName("sumHigh");
    singlesBox = new QCheckBox(tr("Sin&gles"), filterGroup);
    doublesBox = new QCheckBox(tr("Dou&bles"), filterGroup);
    triplesBox = new QCheckBox(tr("Tr&iples"), filterGroup);
    triplesBox->setObjectName("triplesBox");
    for (QCheckBox* box : {singlesBox, doublesBox, triplesBox})
        box->setChecked(true);
    auto* kindsRow = new QHBoxLayout;
    kindsRow->addWidget(singlesBox);
    kindsRow->addWidget(doublesBox);
    kindsRow->addWidget(triplesBox);
    kindsRow->addStretch(1);
    filterGrid->addRow(tr("Keep:"), kindsRow);
    includeEdit = new QLineEdit(filterGroup);
    includeEdit->setAccessibleName(tr("Digits every play holds"));
    excludeEdit = new QLineEdit(filterGroup);
    excludeEdit->setAccessibleName(tr("Digits no play holds"));
    for (QLineEdit* edit : {includeEdit, excludeEdit})
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), edit));
    auto* includeLabel = new QLabel(tr("Ho&lds:"), filterGroup);
    includeLabel->setBuddy(includeEdit);
    auto* excludeLabel = new QLabel(tr("Holds &none of:"), filterGroup);
    excludeLabel->setBuddy(excludeEdit);
    auto* digitsRow = new QHBoxLayout;
    digitsRow->addWidget(includeEdit);
    digitsRow->addWidget(excludeLabel);
    digitsRow->addWidget(excludeEdit);
    filterGrid->addRow(includeLabel, digitsRow);
    repeatBox = new QCheckBox(tr("A digit of the l&ast draw"), filterGroup);
    filterGrid->addRow(QString(), repeatBox);

    return filterGroup;
}

// The filters' shares, the price, the plays and the buttons.
void BuildPlaysWindow::addResults()
{
    filterTable =
        addResultTable(this, "filterTable", 0, {tr("Filter"), tr("Of the 1,000 numbers"), tr("In the draws")});
    nameForReader(filterTable, tr("Each filter's share of the numbers and of the draws"));
    filterTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    filterTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    resultLabel = addTextLabel(this, "resultLabel", true);
    nameForReader(resultLabel, tr("The plays' price"));
    playsList = new QPlainTextEdit(this);
    playsList->setObjectName("playsList");
    playsList->setReadOnly(true);
    playsList->setTabChangesFocus(true);
    nameForReader(playsList, tr("The plays"));

    playButton = new QPushButton(tr("&Play..."), this);
    playButton->setObjectName("playButton");
    playButton->setAccessibleName(tr("Add the plays to My Tickets"));
    closeButton = addCloseButton(this);
    closeButton->setObjectName("closeButton");
}

void BuildPlaysWindow::layOut(QGroupBox* wheelGroup, QGroupBox* filterGroup)
{
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(playButton);
    bottom->addStretch(1);
    bottom->addWidget(closeButton);
    auto* results = new QHBoxLayout;
    results->addWidget(filterTable, 3);
    results->addWidget(playsList, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel);
    layout->addWidget(wheelGroup);
    layout->addWidget(filterGroup);
    layout->addWidget(resultLabel);
    layout->addLayout(results, 1);
    layout->addLayout(bottom);
}

// Every field builds the wheel afresh.
void BuildPlaysWindow::connectFields()
{
    const auto rebuild = [this] { runGuarded(this, [this] { build(); }); };
    for (QLineEdit* edit : {digitsEdit, includeEdit, excludeEdit})
        connect(edit, &QLineEdit::textChanged, this, rebuild);
    for (QComboBox* box : {typeBox, keyBox, betBox, stakeBox})
        connect(box, &QComboBox::currentIndexChanged, this, rebuild);
    for (QSpinBox* box :
         {drawsBox, sumFields.low, sumFields.high, rootSumFields.low, rootSumFields.high, spreadFields.low,
          spreadFields.high, oddFields.low, oddFields.high, highFields.low, highFields.high})
        connect(box, &QSpinBox::valueChanged, this, rebuild);
    for (QCheckBox* box : {singlesBox, doublesBox, triplesBox, repeatBox})
        connect(box, &QCheckBox::toggled, this, rebuild);
    connect(playButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { playAll(); }); });
}

quor3::WheelRequest BuildPlaysWindow::requestInFields() const
{
    quor3::WheelRequest r;
    r.digits = digitsIn(digitsEdit->text());
    r.type = static_cast<quor3::WheelType>(typeBox->currentData().toInt());
    if (keyBox->currentData().toInt() >= 0)
        r.key = keyBox->currentData().toInt();
    if (betBox->currentData().toInt() >= 0)
        r.bet = static_cast<quor3::BetType>(betBox->currentData().toInt());
    r.stake = stakeBox->currentData().toLongLong();
    r.draws = drawsBox->value();
    const auto range = [](const RangeFields& f) -> std::optional<quor3::WheelRange> {
        if (f.low->value() == f.low->minimum() && f.high->value() == f.high->maximum())
            return std::nullopt; // the whole range filters nothing
        return quor3::WheelRange{f.low->value(), f.high->value()};
    };
    r.filters.sum = range(sumFields);
    r.filters.rootSum = range(rootSumFields);
    r.filters.spread = range(spreadFields);
    r.filters.odd = range(oddFields);
    r.filters.high = range(highFields);
    r.filters.singles = singlesBox->isChecked();
    r.filters.doubles = doublesBox->isChecked();
    r.filters.triples = triplesBox->isChecked();
    r.filters.include = digitsIn(includeEdit->text());
    r.filters.exclude = digitsIn(excludeEdit->text());
    r.filters.repeatFromLast = repeatBox->isChecked();
    return r;
}

void BuildPlaysWindow::build()
{
    const quor3::WheelRequest request = requestInFields();
    problem_ = QString::fromStdString(quor3::wheelProblem(request));
    result_ = quor3::WheelResult{};
    if (problem_.isEmpty()) {
        BusyCursor busy;
        const quor3::fs::path database = ticketDatabase();
        const std::vector<quor3::PrizeTable> tables = database.empty()
                                                          ? std::vector<quor3::PrizeTable>{quor3::defaultPrizeTable()}
                                                          : quor3::readPrizeTables(database);
        const QDate today = QDate::currentDate();
        const double todayNumber = quor3::encodeDate(today.year(), today.month(), today.day());
        result_ = quor3::buildWheel(request, history_, quor3::prizeTableOn(tables, todayNumber));
    }
    showResult();
}

void BuildPlaysWindow::showResult()
{
    filterTable->setRowCount(static_cast<int>(result_.filters.size()));
    for (int r = 0; r < filterTable->rowCount(); ++r) {
        const quor3::FilterShare& f = result_.filters[static_cast<std::size_t>(r)];
        filterTable->setItem(r, 0, cellItem(QString::fromStdString(f.title), false));
        filterTable->setItem(r, 1, cellItem(percentText(f.chance)));
        filterTable->setItem(r, 2, cellItem(history_.empty() ? tr("no draws") : percentText(f.history)));
    }
    QStringList plays;
    for (const quor3::TicketPlay& play : result_.plays)
        plays << QString::fromStdString(quor3::numberText(play.number) + "  " +
                                        quor3::betVariantName(play.type, play.number));
    playsList->setPlainText(plays.join('\n'));
    QString text;
    if (!problem_.isEmpty()) {
        text = problem_;
    } else if (result_.plays.empty()) {
        text = tr("The filters leave no plays.");
    } else {
        const QString count = result_.plays.size() == 1 ? tr("1 play") : tr("%1 plays").arg(result_.plays.size());
        text = tr("%1: %2 a draw, %3 over %4 draws. Chance of any win in a draw: %5. Paid back on average: %6 "
                  "for each dollar. Chance of ending the %4 draws ahead: %7.")
                   .arg(count, moneyString(result_.costPerDraw), moneyString(result_.cost))
                   .arg(result_.draws)
                   .arg(QString::fromStdString(quor3::chancePercentText(result_.chanceAnyWin)),
                        moneyString(std::llround(result_.payback * 100)),
                        QString::fromStdString(quor3::chancePercentText(result_.chanceAhead)));
    }
    resultLabel->setText(text);
    resultLabel->setAccessibleDescription(text);
    playButton->setEnabled(!result_.plays.empty());
}

void BuildPlaysWindow::playAll()
{
    if (result_.plays.empty())
        return;
    TicketsWindow tickets(this);
    if (tickets.addPlays(result_.plays))
        tickets.exec();
}
