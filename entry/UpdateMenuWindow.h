#pragma once

#include "platform/Activation.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// "Update Database Sub-Menu": the way to the add and corrections windows,
// beside the list of draws, newest first.
class UpdateMenuWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit UpdateMenuWindow(QWidget* owner = nullptr);

    void FormActivate();
    void Button1Click();
    void Button2Click();
    void BitBtn1Click();

  protected:
    bool event(QEvent* e) override;

  private:
    QListWidget* ListBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    ActivationGate activation_;
};
