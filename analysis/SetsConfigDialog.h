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
// kept in "SetsCfg.ini" in the current folder.
class SetsConfigDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit SetsConfigDialog(QWidget* owner = nullptr);

    void FormCreate();
    void LoadConfig();
    void SaveConfig();
    void Button1Click();

    QLabel* Label1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QGroupBox*, quor3::SetCount> GroupBoxes{};
    // CheckBox1..CheckBox50: box 10 (s - 1) + d + 1 is digit d of set s.
    std::array<QCheckBox*, quor3::SetCount * 10> CheckBoxes{};
    QPushButton* BitBtn2 = nullptr;
    QPushButton* Button1 = nullptr;

    // Where the dialog reads and writes the sets file.
    static std::filesystem::path configFile();
};
