#pragma once

#include "engine/Import.h"
#include "engine/ResultsSource.h"

#include <QDialog>
#include <QFutureWatcher>

#include <atomic>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Results Source": where the open database's new results come from. The
// user gives the address of the results file, tries it (the draw names found,
// the layout and the newest three draws are shown before anything is saved),
// chooses the draw, and whether to check when the database opens. Saved in
// the settings file for this database. The daily check, for every database,
// is the desktop's user timer, switched from here too.
class ResultsSourceWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit ResultsSourceWindow(QWidget* owner = nullptr);
    ~ResultsSourceWindow() override;

    // Fetches the address off the GUI thread and shows what it holds.
    void tryAddress();
    // The open dialog, for a results file on this computer.
    void chooseFile();
    void showChosenDraw();
    void save();
    bool trying() const { return trial_.isRunning(); }
    // Turns the daily check on or off at once (it is the user session
    // manager's, for every database), then shows what the manager says.
    void switchDailyTimer(bool on);

  private:
    struct Trial {
        quor3::ImportScan scan;
        QString failure;
    };
    void showTrial();
    QString chosenDrawName() const;
    void updateSave();
    void showDailyTimer();

    QLineEdit* addressEdit = nullptr;
    QPushButton* browseButton = nullptr;
    QPushButton* tryButton = nullptr;
    QLabel* trialLabel = nullptr;
    QLabel* drawLabel = nullptr;
    QComboBox* drawChoice = nullptr;
    QListWidget* newestList = nullptr;
    QCheckBox* checkAtOpenBox = nullptr;
    QCheckBox* dailyTimerBox = nullptr;
    QLabel* dailyTimerLabel = nullptr;
    QPushButton* saveButton = nullptr;

    std::optional<quor3::ResultsSource> saved_;
    QFutureWatcher<Trial> trial_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    quor3::ImportScan scan_;
    QString triedAddress_; // the address whose trial found draws
    bool chosenHasDraws_ = false;
};
