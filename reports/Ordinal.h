#pragma once

#include <QDialog>

// "Ordinal Report"
class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget* owner = nullptr);
};
