#include "entry/DeleteFileDialog.h"

#include "engine/Errors.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/WindowKit.h"

#include <QDir>
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
#include <system_error>

bool deleteDatabaseFile(const std::filesystem::path& folder, const QString& name)
{
    // The name is typed by the user: it must not reach outside the folder nor
    // stand for more than one file.
    static const QString forbidden = QStringLiteral("/\\*?[");
    if (name.isEmpty() || name == "." || name == "..")
        return false;
    for (const QChar c : name)
        if (forbidden.contains(c) || c.unicode() == 0)
            return false;
    const std::filesystem::path file = folder / name.toStdString();
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error)))
        return false;
    return std::filesystem::remove(file, error);
}

DeleteFileDialog::DeleteFileDialog(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm5");
    setWindowTitle("Delete Data File");
    setFixedSize(427, 276);
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);

    fileList = new QListWidget(this);
    fileList->setObjectName("FileListBox1");
    fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    fileList->setGeometry(9, 9, 409, 145);
    QPalette palette = fileList->palette();
    palette.setColor(QPalette::Text, Qt::black);
    fileList->setPalette(palette);
    // Only a file the user selects fills the name in; the list taking the
    // focus makes a line current without selecting it.
    connect(fileList, &QListWidget::itemSelectionChanged, this, [this] {
        const auto selected = fileList->selectedItems();
        if (!selected.isEmpty())
            nameEdit->setText(selected.first()->text());
    });

    auto* nameLabel = new QLabel("Filename: ", this);
    nameLabel->setObjectName("Label1");
    QFont labelFont("Arial");
    labelFont.setPixelSize(13);
    nameLabel->setFont(labelFont);
    nameLabel->setGeometry(9, 172, 72, 22);

    nameEdit = new QLineEdit("*.c3d", this);
    nameEdit->setObjectName("Edit1");
    nameEdit->setGeometry(84, 170, 334, 24);
    nameLabel->setBuddy(nameEdit);

    okButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
    okButton->setObjectName("BitBtn1");
    okButton->setGeometry(232, 230, 88, 30);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, [this] {
        deleteChosenFile();
        accept();
    });

    cancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
    cancelButton->setObjectName("BitBtn2");
    cancelButton->setGeometry(330, 230, 88, 30);
    // Enter presses OK wherever the focus is; only Escape or a click cancels.
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(nameEdit, fileList);
    setTabOrder(fileList, okButton);
    setTabOrder(okButton, cancelButton);
    nameEdit->setFocus();

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
        quor3::throwIoError(folder.toStdString(), "change to folder");
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
    const auto answer = Dialogs::ask(
        this, "Warning", "You have chosen to delete this database file:  " + name + "\r\n" + "Do you wish to proceed?",
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning);
    if (answer != QMessageBox::Yes)
        return;
    Session& session = Session::instance();
    deleteDatabaseFile(session.folder, name);
    // Letter case counts: Draws.c3d is not the open draws.c3d.
    if (name.toStdString() == session.databaseName && session.resetToNoDatabase)
        session.resetToNoDatabase();
}
