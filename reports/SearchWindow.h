#pragma once

#include "platform/Activation.h"

#include "reports/ReportWidgets.h"

#include <QDialog>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// "Search Database": the draws that match up to three digits under one of
// eleven search types, newest first.
class SearchWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit SearchWindow(QWidget* owner = nullptr);

    void refresh();
    void beginSearch();

  protected:
    bool event(QEvent* e) override;

  private:
    QGroupBox* searchTypeBox;
    QButtonGroup* searchTypeButtons;
    QLabel* valuesLabel;
    QLabel* firstDigitLabel;
    QLabel* secondDigitLabel;
    QLabel* thirdDigitLabel;
    QSpinBox* firstDigitEdit;
    QSpinBox* secondDigitEdit;
    QSpinBox* thirdDigitEdit;
    QPushButton* searchButton;
    QListWidget* resultList;
    QFrame* matchesPanel;
    QLabel* matchesCaptionLabel;
    QLabel* matchCountLabel;
    QFrame* totalPanel;
    QLabel* totalCaptionLabel;
    QLabel* totalCountLabel;
    QPushButton* closeButton;
    ActivationGate activation_;
};
