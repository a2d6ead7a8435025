#pragma once

#include "engine/DrawRecord.h"
#include "platform/Activation.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class DigitTyping;
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
    void describeOrigin(int row);
    void reenterDraw();
    // Removes the selected draw, after asking, with a backup taken first.
    void deleteDraw();

  protected:
    bool event(QEvent* e) override;

  private:
    void addEntryFields();
    void addButtons();
    void fillList();
    void showDraws(std::vector<quor3::DrawRecord> draws);
    // Another process changed the database: the list shows it as it is now,
    // the picked draw stays picked where it still is, the boxes keep what the
    // user typed, and the instructions line says what happened.
    void followDiskChange();
    void showRebuildFailure(const std::string& failure);
    int selectedRow() const;
    void followMonth();
    void resetDigits();
    // The database no longer holds the selected draw where the list shows
    // it: says so, and shows the database as it is now.
    void reloadChangedDatabase();
    // Runs `change` of the selected draw and then `rebuild`, under the
    // folder's lock, and refreshes the lists; false, after
    // reloadChangedDatabase, when the draw is no longer where the list shows it.
    bool changeSelectedDraw(const std::function<void()>& change, const std::function<void()>& rebuild);

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
    QPushButton* deleteButton = nullptr;
    QPushButton* closeButton = nullptr;

    // The draws as the list shows them: a change names the draw it changes,
    // so that it never lands on another one when the database changed.
    std::vector<quor3::DrawRecord> shown_;
    // The record picked by the last click.
    int selectedIndex_ = -1;
    quor3::DrawRecord selectedRecord_;
    bool filling_ = false;
    bool filledOnce_ = false;
    DigitTyping* digitTyping_ = nullptr;
    std::function<void()> refreshRequest_;
    ActivationGate activation_;
};
