#pragma once

#include <QDialog>

// "About": the product label with the version, the licence, the support page
// (as configured in quor3.ini), "About Qt" and an OK button.
class AboutDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* owner = nullptr);
};
