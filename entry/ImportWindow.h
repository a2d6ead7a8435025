#pragma once

#include "engine/Import.h"

#include <QDialog>

class QComboBox;
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
// ones or replace them.
class ImportWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit ImportWindow(QWidget* owner = nullptr);

    // The open dialog; the chosen file's text goes into the text box.
    void chooseFile();
    void loadFile(const QString& path);
    // Reads the text box again and shows what it holds.
    void scanText();
    // Shows the draws of the chosen draw name.
    void showChosenDraws();
    // "&Import": stores the draws, rebuilds, reports and closes.
    void importDraws();

  private:
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

    quor3::ImportScan scan_;
    quor3::ChosenDraws chosen_;
    // Set while a chosen file's text goes into the box: it is no pasting.
    bool loading_ = false;
};
