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

    void FormActivate();
    void Button1Click();

  protected:
    bool event(QEvent* e) override;

  private:
    QGroupBox* RadioGroup1Box;
    QButtonGroup* RadioGroup1;
    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QSpinBox* SpinEdit1;
    QSpinBox* SpinEdit2;
    QSpinBox* SpinEdit3;
    QPushButton* Button1;
    QListWidget* ListBox1;
    QFrame* Panel2;
    QLabel* Label2;
    QLabel* Label3;
    QFrame* Panel1;
    QLabel* Label7;
    QLabel* Label8;
    QPushButton* BitBtn1;
    ActivationGate activation_;
};
