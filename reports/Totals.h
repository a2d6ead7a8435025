#pragma once

#include <QDialog>

// "Totals Report"
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* owner = nullptr);
};
