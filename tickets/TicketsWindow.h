#pragma once

#include "engine/Tickets.h"

#include <QDialog>

#include <vector>

class QChartView;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "My Tickets": the player's own tickets for the open database, added from
// the keyboard (Enter adds), with what each cost and paid, the honest balance,
// what the plays return on average, a monthly budget, the months as a table
// and a bar chart, and the tickets as a CSV file.
class TicketsWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit TicketsWindow(QWidget* owner = nullptr);

    // Puts a suggested play ("4  5  1") into the number field, for the player
    // to choose the bet and the stake.
    void proposeNumber(const QString& play);

    // Adds the plays as tickets from the first draw and for the draws in the
    // fields, after asking (and asking again past the monthly budget). False
    // when the player says no.
    bool addPlays(std::vector<quor3::TicketPlay> plays);

    // Reads the tickets, the summary and the budget afresh.
    void refresh();
    // "&Add": checks the fields, asks first past the monthly budget, stores.
    void addTicket();
    // "&Remove": the selected ticket, when none of its draws is settled.
    void removeSelected();
    // "&Export CSV...": the tickets through a save dialog.
    void exportCsv();
    // The budget box's value stored for the database (0: none).
    void storeBudget();
    // "Prize &Table...".
    void editPrizeTables();

    const std::vector<quor3::TicketRecord>& tickets() const { return tickets_; }

  protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    quor3::TicketPlay playInFields() const;
    void showTickets();
    void fitTicketColumns();
    void showSummary(const quor3::TicketSummary& summary);
    void showMonths(const quor3::TicketSummary& summary);
    void showYear(const std::vector<quor3::PrizeTable>& tables);

    std::vector<quor3::TicketRecord> tickets_;
    // The history's last draws: the newest held and the draws a day.
    std::vector<quor3::DrawRecord> recentDraws_;
    QLabel* headingLabel;
    QLineEdit* numberEdit;
    QComboBox* typeBox;
    QComboBox* stakeBox;
    QCheckBox* addonCheck;
    QDateEdit* firstDrawEdit;
    QSpinBox* drawsBox;
    QPushButton* addButton;
    QTableWidget* ticketTable;
    QPushButton* removeButton;
    QPushButton* exportButton;
    QLabel* summaryLabel;
    QLabel* yearLabel;
    QSpinBox* budgetBox;
    QTableWidget* monthTable;
    QChartView* monthChart;
    QPushButton* prizeTableButton;
    QPushButton* closeButton;
};
