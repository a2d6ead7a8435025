#pragma once

#include <QDialog>

// "About": the product label and an OK button.
class AboutDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* owner = nullptr);
};
