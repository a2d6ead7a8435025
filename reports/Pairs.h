#pragma once

#include <QDialog>

// "Pairs Report"
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* owner = nullptr);
};
