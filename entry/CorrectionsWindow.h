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

    void resetBoxes();
    void refresh();
    void loadSelectedDraw();
    void reenterDraw();

  protected:
    bool event(QEvent* e) override;

  private:
    void fillList();
    int selectedRow() const;
    void followMonth();

    QLabel* selectLabel = nullptr;
    QListWidget* drawList = nullptr;
    QLabel* instructionsLabel = nullptr;
    QFrame* entryPanel = nullptr;
    QLabel* entryLabel = nullptr;
    QSpinBox* firstDigitBox = nullptr;
    QSpinBox* secondDigitBox = nullptr;
    QSpinBox* thirdDigitBox = nullptr;
    QFrame* datePanel = nullptr;
    QLabel* dateLabel = nullptr;
    QSpinBox* monthBox = nullptr;
    QSpinBox* dayBox = nullptr;
    QSpinBox* yearBox = nullptr;
    QPushButton* reenterButton = nullptr;
    QPushButton* closeButton = nullptr;

    // The record picked by the last click; its index stays valid while the
    // window is open, since a correction never changes the number of records.
    int selectedIndex_ = -1;
    quor3::DrawRecord selectedRecord_;
    bool filling_ = false;
    std::function<void()> refreshRequest_;
    ActivationGate activation_;
};
