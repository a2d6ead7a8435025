#pragma once

#include <QDialog>

// "Add Winning Entries"
class TForm13 : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(QWidget* owner = nullptr);
};
