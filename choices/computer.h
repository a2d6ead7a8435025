#pragma once

#include <QDialog>

// "Computer Choices"
class TForm11 : public QDialog {
    Q_OBJECT
public:
    explicit TForm11(QWidget* owner = nullptr);
};
