#include "entry/DeleteFileDialog.h"

#include "engine/Backups.h"
#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/History.h"
#include "entry/AddDrawsWindow.h"
#include "platform/Accessibility.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/WindowKit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The read-only mark of a file is its write permission for the one who runs
// the program; the owner's bit counts even where the system would let the
// owner write anyway.
bool mayWrite(const struct stat& status, const std::filesystem::path& file)
{
    if (status.st_uid == ::geteuid())
        return (status.st_mode & S_IWUSR) != 0;
    return ::access(file.c_str(), W_OK) == 0;
}

} // namespace

bool deleteDatabaseFile(const std::filesystem::path& folder, const QString& name)
{
    // The name is typed by the user: it names one entry of the folder, never a
    // path nor, with "*" or "?", a pattern; "[" and a backslash are plain letters.
    static const QString forbidden = QStringLiteral("/*?");
    if (name.isEmpty() || name == "." || name == "..")
        return false;
    for (const QChar c : name)
        if (forbidden.contains(c) || c.unicode() == 0)
            return false;
    const std::filesystem::path file = folder / QFile::encodeName(name).toStdString();
    struct stat status;
    if (::lstat(file.c_str(), &status) != 0)
        return false;
    // A link goes itself; what it points to is never touched.
    const bool link = S_ISLNK(status.st_mode);
    if (!link && (!S_ISREG(status.st_mode) || !mayWrite(status, file)))
        return false;
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return false;

    // No store or rebuild may be halfway through the file as it goes, and its
    // draws stay in a backup: a database deleted by mistake can come back.
    quor3::DatabaseLock lock(folder, name.toStdString(), quor3::DatabaseLock::Exclusive);
    if (!link)
        quor3::backupDatabase(file, quor3::backupReason::Delete);
    // Its full history goes to the backups too: a new database of that name starts its own.
    quor3::backUpAndRemoveHistory(file);
    if (::unlink(file.c_str()) != 0)
        return false;
    // A new database of that name is asked before its first cut-back, as any new one is.
    AddDrawsWindow::forgetCutBackAnswer(file);
    return true;
}

DeleteFileDialog::DeleteFileDialog(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm5");
    setWindowTitle(tr("Delete Data File"));
    setFixedSize(427, 276);
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);

    fileList = new QListWidget(this);
    fileList->setObjectName("FileListBox1");
    nameForReader(fileList, tr("Database files"));
    fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    fileList->setGeometry(9, 9, 409, 145);
    // Only a file the user selects fills the name in; the list taking the
    // focus makes a line current without selecting it.
    connect(fileList, &QListWidget::itemSelectionChanged, this, [this] {
        const auto selected = fileList->selectedItems();
        if (!selected.isEmpty())
            nameEdit->setText(selected.first()->text());
    });

    auto* nameLabel = new QLabel(tr("Filename: "), this);
    nameLabel->setObjectName("Label1");
    QFont labelFont("Arial");
    labelFont.setPixelSize(13);
    nameLabel->setFont(labelFont);
    nameLabel->setGeometry(9, 172, 72, 22);

    nameEdit = new QLineEdit("*.c3d", this);
    nameEdit->setObjectName("Edit1");
    nameEdit->setGeometry(84, 170, 334, 24);
    nameLabel->setBuddy(nameEdit);

    okButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    okButton->setObjectName("BitBtn1");
    okButton->setGeometry(232, 230, 88, 30);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, [this] {
        runGuarded(this, [this] { deleteChosenFile(); });
        accept();
    });

    cancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Cancel"), this);
    cancelButton->setObjectName("BitBtn2");
    cancelButton->setGeometry(330, 230, 88, 30);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(fileList, nameEdit);
    setTabOrder(nameEdit, okButton);
    setTabOrder(okButton, cancelButton);
    nameEdit->setFocus();

    pinFontsInPixels(this);
    centreOnScreen(this);

    Help::bindF1(this, "delete");
}

void DeleteFileDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Without its folder the window has nothing to offer: it closes after the message.
    if (!runGuarded(this, [this] { listDatabaseFiles(); }))
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

void DeleteFileDialog::listDatabaseFiles()
{
    const QString folder = dataFolder();
    if (!QFileInfo(folder).isDir()) {
        errno = ENOENT;
        quor3::throwIoError(folder.toStdString(), tr("change to folder").toStdString());
    }
    // From now on every window looks for the database in the data folder.
    Session::instance().folder = folder.toStdString();

    fileList->clear();
    fileList->addItems(QDir(folder).entryList({"*.c3d"}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    for (int i = 0; i < fileList->count(); ++i)
        fileList->item(i)->setSizeHint(QSize(fileList->viewport()->width(), 16));
}

void DeleteFileDialog::deleteChosenFile()
{
    const QString name = nameEdit->text();
    // No is the answer Enter gives: a file is deleted only by choosing Yes.
    const auto answer = Dialogs::ask(this, tr("Warning"),
                                     tr("You have chosen to delete this database file:  ") + name + "\r\n" +
                                         tr("Do you wish to proceed?"),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    Session& session = Session::instance();
    deleteDatabaseFile(session.folder, name);
    // Letter case counts: Draws.c3d is not the open draws.c3d.
    if (name.toStdString() == session.databaseName && session.resetToNoDatabase)
        session.resetToNoDatabase();
}
