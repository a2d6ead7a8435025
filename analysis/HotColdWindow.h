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

    void FormActivate();
    void Button2Click();
    void BitBtn1Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* BitBtn1 = nullptr;

  protected:
    bool event(QEvent* e) override;

  private:
    bool filled_ = false;
};
