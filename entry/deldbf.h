#pragma once

#include <QDialog>

// "Delete Data File"
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* owner = nullptr);
};
