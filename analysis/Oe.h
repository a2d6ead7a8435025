#pragma once

#include <QDialog>

// "Odd / Even "
class TForm16 : public QDialog {
    Q_OBJECT
public:
    explicit TForm16(QWidget* owner = nullptr);
};
