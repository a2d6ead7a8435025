#pragma once

#include <QDialog>

// "Skip/Trace Chart"
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* owner = nullptr);
};
