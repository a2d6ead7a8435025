#pragma once

#include "engine/GameImport.h"
#include "engine/Import.h"

#include <QDialog>
#include <QFutureWatcher>

#include <atomic>
#include <exception>
#include <memory>

class QComboBox;
class QProgressBar;
class QLabel;
class QListWidget;
class QTableWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// "Import Draws": the draws of a results file (chosen, or pasted into the
// window) go into the open database in one step. The window shows what it
// found before anything is stored: the layout, the first and last draws, the
// count, the lines it skipped and why; the user picks the draw of a file that
// holds several (Midday, Evening) and whether the draws merge with the stored
// ones or replace them. A chosen file is read off the window's thread, with a
// progress bar and Cancel.
class ImportWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit ImportWindow(QWidget* owner = nullptr);
    ~ImportWindow() override;

    // The open dialog; the chosen file is read in the background and its text
    // goes into the text box.
    void chooseFile();
    void loadFile(const QString& path);
    bool isReading() const;
    // Stops the reading of a file; the window is left empty, with nothing of
    // a file read before.
    void cancelReading();
    // Reads the text box again and shows what it holds.
    void scanText();
    // Shows the draws of the chosen draw name.
    void showChosenDraws();
    // "&Import": stores the draws, rebuilds, reports and closes.
    void importDraws();
    // After "every draw, one database each" was imported: the game's first
    // database, for the main window to open; empty otherwise.
    QString databaseToOpen() const { return databaseToOpen_; }

  private:
    // What the background reading of a file gives.
    struct FileRead {
        quor3::ImportScan scan;
        QString text;           // the file's first part, for the text box
        bool shortened = false; // the file is longer than the text shown
        std::exception_ptr error;
    };
    void fileRead();
    void showScan();
    void setReading(bool reading);
    bool everyDrawChosen() const;
    void importEveryDraw();

    QPushButton* chooseFileButton = nullptr;
    QLabel* sourceLabel = nullptr;
    QPlainTextEdit* sourceText = nullptr;
    QLabel* layoutLabel = nullptr;
    QLabel* drawLabel = nullptr;
    QComboBox* drawChoice = nullptr;
    QLabel* countLabel = nullptr;
    QTableWidget* previewGrid = nullptr;
    QLabel* skippedLabel = nullptr;
    QListWidget* skippedList = nullptr;
    QRadioButton* mergeButton = nullptr;
    QRadioButton* replaceButton = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* closeButton = nullptr;
    QProgressBar* progressBar = nullptr;
    QPushButton* cancelButton = nullptr;
    QFutureWatcher<FileRead>* reader_ = nullptr;
    QString readingPath_;
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    // From the start of a file's reading until the window has shown it.
    bool reading_ = false;

    quor3::ImportScan scan_;
    quor3::ChosenDraws chosen_;
    // "every draw, one database each": what goes where.
    std::vector<quor3::GameDrawPlan> gamePlans_;
    QString databaseToOpen_;
    // Set while a chosen file's text goes into the box: it is no pasting.
    bool loading_ = false;
};
