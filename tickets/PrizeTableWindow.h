#pragma once

#include "engine/Tickets.h"

#include <QDialog>

#include <array>
#include <vector>

class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// "Prize Table": the prizes the tickets of the open database are settled by,
// each table in force from its date on. A table saved applies from the date
// given; the tickets of the draws from then on are settled again.
class PrizeTableWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit PrizeTableWindow(QWidget* owner = nullptr);

    void readTables();
    // Shows the table at `index` of the list in the editor.
    void showTable(int index);
    // "&Save": the prizes as edited, in force from the date given.
    void saveTable();
    // "&Remove": the selected table; the one before it applies again.
    void removeTable();

  protected:
    void done(int result) override;

  private:
    quor3::PrizeTable tableInEditor() const;
    void showReturns();
    // Each bet's odds and payback, alone and with the add-on digit.
    void showOdds(const quor3::PrizeTable& table);

    std::vector<quor3::PrizeTable> tables_;
    QLabel* instructionsLabel;
    QListWidget* tableList;
    QDateEdit* fromEdit;
    std::array<QDoubleSpinBox*, quor3::PrizeKeyCount> prizeBoxes{};
    std::array<QLabel*, quor3::PrizeKeyCount> returnLabels{};
    QLabel* oddsLabel;
    QTableWidget* oddsTable;
    QPushButton* saveButton;
    QPushButton* removeButton;
    QPushButton* closeButton;
};
