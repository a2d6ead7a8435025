#pragma once

#include <QDialog>

// "Winning Lotto Entries"
class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* owner = nullptr);
};
