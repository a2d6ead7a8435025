#pragma once

#include <QDialog>

// "Totals Bar Graph"
class TForm17 : public QDialog {
    Q_OBJECT
public:
    explicit TForm17(QWidget* owner = nullptr);
};
