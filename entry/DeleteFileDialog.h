#pragma once

#include <QDialog>
#include <QString>

#include <filesystem>

class QLineEdit;
class QListWidget;
class QPushButton;

// Deletes the database file `name` in `folder`, under the folder's lock. Only
// a plain file name is accepted: a name with a folder part or a wildcard ("*",
// "?"), "." or "..", a missing file, a read-only file or anything but a
// regular file or a link deletes nothing. A file is backed up before it goes
// (quor3::backupDatabase); a link is removed itself, never what it points to.
// Returns whether a file was removed; raises quor3::Error, deleting nothing,
// when another program holds the lock or the backup cannot be made.
bool deleteDatabaseFile(const std::filesystem::path& folder, const QString& name);

// "Delete Data File"
class DeleteFileDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit DeleteFileDialog(QWidget* owner = nullptr);

    void listDatabaseFiles();
    void deleteChosenFile();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QListWidget* fileList;
    QLineEdit* nameEdit;
    QPushButton* okButton;
    QPushButton* cancelButton;
};
