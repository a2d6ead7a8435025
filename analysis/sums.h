#pragma once

#include <QDialog>

// "Sums Graph"
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* owner = nullptr);
};
