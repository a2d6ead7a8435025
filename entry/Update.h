#pragma once

#include <QDialog>

// "Correct It!"
class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(QWidget* owner = nullptr);
};
