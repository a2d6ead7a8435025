#pragma once

#include <QDialog>

// "About": the product label and an OK button.
class TAboutBox : public QDialog
{
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* owner = nullptr);
};
