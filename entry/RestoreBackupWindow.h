#pragma once

#include "engine/Backups.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

// "Restore Backup": the backups of the open database with when each was taken,
// its number of draws and its last draw date. Restoring one first backs up the
// database as it is, then puts the chosen backup in its place and rebuilds.
class RestoreBackupWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit RestoreBackupWindow(QWidget* owner = nullptr);

    void listBackups();
    // "&Restore": asks, restores the selected backup, rebuilds, reports and closes.
    void restoreSelected();

  private:
    QLabel* headingLabel = nullptr;
    QTableWidget* backupGrid = nullptr;
    QPushButton* restoreButton = nullptr;
    QPushButton* closeButton = nullptr;

    std::vector<quor3::BackupInfo> backups_;
};
