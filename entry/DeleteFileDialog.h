#pragma once

#include <QDialog>
#include <QString>

#include <filesystem>

class QLineEdit;
class QListWidget;
class QPushButton;

// Deletes the database file `name` in `folder`. Only a plain file name is
// accepted: a name with a folder part or a wildcard, "." or "..", a missing
// file or anything but a regular file deletes nothing. Returns whether a file
// was removed.
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
