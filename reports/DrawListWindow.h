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

    void refresh();

  protected:
    bool event(QEvent* e) override;

  private:
    QListWidget* entryList;
    QPushButton* closeButton;
    ActivationGate activation_;
};
