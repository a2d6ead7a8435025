#pragma once

#include "engine/DrawRecord.h"
#include "platform/Activation.h"

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// "Correct It!": one draw of the database picked from the list, changed and
// written back in place, followed by a rebuild of the derived files.
class CorrectionsWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit CorrectionsWindow(QWidget* owner = nullptr);

    // Called after each correction, so that the window that opened this one
    // can show the corrected draw in its list.
    void setRefreshRequest(std::function<void()> request) { refreshRequest_ = std::move(request); }

    void FormCreate();
    void FormActivate();
    void ListBox1Click();
    void Button1Click();

  protected:
    bool event(QEvent* e) override;

  private:
    void fillList();
    int selectedRow() const;
    void followMonth();

    QLabel* Label3 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* Label4 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QSpinBox* SpinEdit2 = nullptr;
    QSpinBox* SpinEdit3 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Label2 = nullptr;
    QSpinBox* SpinEdit4 = nullptr;
    QSpinBox* SpinEdit5 = nullptr;
    QSpinBox* SpinEdit6 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* BitBtn1 = nullptr;

    // The record picked by the last click; its index stays valid while the
    // window is open, since a correction never changes the number of records.
    int selectedIndex_ = -1;
    quor3::DrawRecord selectedRecord_;
    bool filling_ = false;
    std::function<void()> refreshRequest_;
    ActivationGate activation_;
};
