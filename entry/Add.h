#pragma once

#include <QDialog>

// "Update Database Sub-Menu"
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner = nullptr);
};
