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

    void refresh();
    void addEntries();
    void makeCorrections();
    void closeWindow();

  protected:
    bool event(QEvent* e) override;

  private:
    QListWidget* drawList = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* correctButton = nullptr;
    QPushButton* closeButton = nullptr;
    ActivationGate activation_;
};
