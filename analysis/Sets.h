#pragma once

#include <QDialog>

// "Graph Sets"
class TForm19 : public QDialog {
    Q_OBJECT
public:
    explicit TForm19(QWidget* owner = nullptr);
};
