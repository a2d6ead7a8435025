#include "analysis/ChanceWindow.h"

#include "platform/Accessibility.h"
#include "platform/DrawsChoice.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/WindowKit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ChanceWindow::ChanceWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("ChanceWindow");
    setWindowTitle(tr("What Chance Gives"));
    resize(980, 640);
    rememberSize(this, "ChanceWindow");

    summaryLabel = addTextLabel(this, "summaryLabel");
    auto* drawsLabel = new QLabel(tr("&Draws:"), this);
    drawsChoice = new DrawsChoice(this);
    drawsLabel->setBuddy(drawsChoice);
    connect(drawsChoice, &QComboBox::activated, this, [this] { runGuarded(this, [this] { refresh(); }); });
    table = addResultTable(this, "chanceTable", 0,
                           {tr("Pattern"), tr("Seen"), tr("Chance gives"), tr("95 times in 100"), tr("Verdict")});
    nameForReader(table, tr("Patterns and what chance gives"));
    // The rows are read one by one: the table takes the focus, so that the arrow keys go through them.
    table->setFocusPolicy(Qt::StrongFocus);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    warningLabel = addTextLabel(this, "warningLabel", true);
    nameForReader(warningLabel, tr("How many patterns chance puts outside their range"));

    closeButton = addCloseButton(this);
    closeButton->setObjectName("closeButton");

    auto* drawsRow = new QHBoxLayout;
    drawsRow->addWidget(drawsLabel);
    drawsRow->addWidget(drawsChoice);
    drawsRow->addStretch(1);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addStretch(1);
    bottomRow->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel);
    layout->addLayout(drawsRow);
    layout->addWidget(table, 1);
    layout->addWidget(warningLabel);
    layout->addLayout(bottomRow);

    Help::bindF1(this, "chance");
    centreOnScreen(this);
    drawsChoice->setFocus();
    runGuarded(this, [this] { refresh(); });
}

void ChanceWindow::refresh()
{
    const Session& session = Session::instance();
    {
        BusyCursor busy;
        drawsChoice->refresh();
        report_ = quor3::chanceReport(drawsChoice->readDraws());
    }
    const QString name = session.databaseExists() ? drawsChoice->chosenName() + ": " : tr("No database is open. ");
    summaryLabel->setText(
        name + tr("%1 draws. Beside each pattern the windows show: what chance alone gives for that many draws, and "
                  "the range it gives 95 times in 100.")
                   .arg(report_.draws));
    table->setRowCount(static_cast<int>(report_.rows.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        const quor3::ChanceRow& row = report_.rows[static_cast<std::size_t>(r)];
        const auto text = [&row](double value) { return QString::fromStdString(quor3::chanceValueText(row, value)); };
        table->setItem(r, 0, cellItem(QString::fromStdString(row.title), false));
        table->setItem(r, 1, cellItem(text(row.seen)));
        table->setItem(r, 2, cellItem(text(row.chance)));
        table->setItem(r, 3, cellItem(tr("%1 to %2").arg(text(row.low), text(row.high))));
        table->setItem(r, 4, cellItem(QString::fromStdString(row.verdict), false));
        // A screen reader reads the row's whole sentence with each cell.
        const QString spoken = QString::fromStdString(row.title + ". " + quor3::chanceNote(row));
        for (int c = 0; c < table->columnCount(); ++c)
            table->item(r, c)->setData(Qt::AccessibleDescriptionRole, spoken);
    }
    // Every column as wide as its longest text, translated or at any font size:
    // measured once, since a column that follows its contents measures them all
    // again at every cell set.
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    warningLabel->setText(QString::fromStdString(quor3::manyPatternsSentence(report_)) + ' ' +
                          tr("Patterns outside their range are no forecast: fair draws give each number the "
                             "same chance in every draw, whatever came before."));
    warningLabel->setAccessibleDescription(warningLabel->text());
}
