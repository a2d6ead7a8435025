#pragma once

#include <QDialog>

// "Search Database"
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner = nullptr);
};
