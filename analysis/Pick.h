#pragma once

#include <QDialog>

// "Hot/Cold Numbers"
class TForm18 : public QDialog {
    Q_OBJECT
public:
    explicit TForm18(QWidget* owner = nullptr);
};
