#pragma once

#include "platform/Activation.h"

#include "reports/ReportWidgets.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// "Winning Lotto Entries": every draw of the database, newest first.
class DrawListWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit DrawListWindow(QWidget* owner = nullptr);

    void FormActivate();

  protected:
    bool event(QEvent* e) override;

  private:
    QListWidget* ListBox1;
    QPushButton* BitBtn1;
    ActivationGate activation_;
};
