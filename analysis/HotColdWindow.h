#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Hot/Cold Numbers": the three most and least drawn digits over the last W draws.
class HotColdWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit HotColdWindow(QWidget* owner = nullptr);

    void refresh();
    void listHotCold();
    void closeWindow();

    QLabel* spanLabel = nullptr;
    QLabel* hotLabel = nullptr;
    QLabel* coldLabel = nullptr;
    QLabel* spanLimitLabel = nullptr;
    QPlainTextEdit* hotList = nullptr;
    QPlainTextEdit* coldList = nullptr;
    QLineEdit* spanEdit = nullptr;
    QPushButton* listButton = nullptr;
    QPushButton* closeButton = nullptr;

  protected:
    bool event(QEvent* e) override;

  private:
    bool filled_ = false;
};
