#pragma once

#include "engine/Wheel.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "Build Plays": the plays a wheel makes of the chosen digits, through the
// filters, with their price: each filter's share of the 1,000 numbers beside
// its share of the draws, the plays, the cost per draw and over the draws, the
// chance of any win, what they pay back on average (fixed by the prize table,
// whatever the wheel) and the chance of ending the draws ahead. "Play..." adds
// them to My Tickets.
class BuildPlaysWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit BuildPlaysWindow(QWidget* owner = nullptr);

    // Builds the wheel of the fields afresh.
    void build();
    // "&Play...": the plays into My Tickets.
    void playAll();
    const quor3::WheelResult& result() const { return result_; }

  private:
    QGroupBox* addWheelFields();
    QGroupBox* addFilterFields();
    void addResults();
    void layOut(QGroupBox* wheelGroup, QGroupBox* filterGroup);
    void connectFields();
    quor3::WheelRequest requestInFields() const;
    void showResult();

    quor3::WheelResult result_;
    std::vector<quor3::DrawRecord> history_;
    QString problem_;
    QLabel* headingLabel;
    QLineEdit* digitsEdit;
    QComboBox* typeBox;
    QComboBox* keyBox;
    QComboBox* betBox;
    QComboBox* stakeBox;
    QSpinBox* drawsBox;
    struct RangeFields {
        QSpinBox* low;
        QSpinBox* high;
    };
    RangeFields sumFields, rootSumFields, spreadFields, oddFields, highFields;
    QCheckBox* singlesBox;
    QCheckBox* doublesBox;
    QCheckBox* triplesBox;
    QLineEdit* includeEdit;
    QLineEdit* excludeEdit;
    QCheckBox* repeatBox;
    QTableWidget* filterTable;
    QLabel* resultLabel;
    QPlainTextEdit* playsList;
    QPushButton* playButton;
    QPushButton* closeButton;
};
