#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

// "Sums Analysis Configuration": edits how many draws the sums graph tracks.
class TForm21 : public QDialog
{
    Q_OBJECT
  public:
    explicit TForm21(QWidget* owner = nullptr);

    void FormActivate();
    void Button1Click();

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QPushButton* Button1 = nullptr;

  protected:
    bool event(QEvent* e) override;

  private:
    bool prepared_ = false;
};
