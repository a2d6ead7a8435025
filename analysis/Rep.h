#pragma once

#include <QDialog>

// "% Repeats"
class TForm15 : public QDialog {
    Q_OBJECT
public:
    explicit TForm15(QWidget* owner = nullptr);
};
