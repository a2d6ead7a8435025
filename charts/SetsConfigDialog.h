#pragma once

#include "engine/Analysis.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

// "Sets Configuration": the five digit sets and the span of the sets graph,
// kept in the sets file "SetsCfg.ini". "Save && Close" accepts it.
class SetsConfigDialog : public QDialog
{
    Q_OBJECT
  public:
    // `draws`: the draws the graph last read, the longest span offered.
    explicit SetsConfigDialog(int draws, QWidget* owner = nullptr);

    void prepare();
    void loadConfig();
    void saveConfig();
    void saveAndClose();

    QLabel* spanLabel = nullptr;
    QSpinBox* spanEdit = nullptr;
    QLabel* drawsLabel = nullptr;
    std::array<QGroupBox*, quor3::SetCount> setBoxes{};
    // Box "CheckBox<n>", n = 10 (s - 1) + d + 1, is digit d of set s.
    std::array<QCheckBox*, quor3::SetCount * 10> digitBoxes{};
    QPushButton* cancelButton = nullptr;
    QPushButton* saveButton = nullptr;

    // The sets file that the dialog edits and the graph draws: the one in the
    // database's folder, else the one in the data folder, whatever the letter
    // case of either; a new one goes into the database's folder.
    static std::filesystem::path configFile();

  private:
    int draws_;
};
