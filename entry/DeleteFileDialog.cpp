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

    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    FileListBox1->setGeometry(9, 9, 409, 145);
    QPalette palette = FileListBox1->palette();
    palette.setColor(QPalette::Text, Qt::black);
    FileListBox1->setPalette(palette);
    // Only a file the user selects fills the name in; the list taking the
    // focus makes a line current without selecting it.
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        const auto selected = FileListBox1->selectedItems();
        if (!selected.isEmpty())
            Edit1->setText(selected.first()->text());
    });

    auto* Label1 = new QLabel("Filename: ", this);
    Label1->setObjectName("Label1");
    QFont labelFont("Arial");
    labelFont.setPixelSize(13);
    Label1->setFont(labelFont);
    Label1->setGeometry(9, 172, 72, 22);

    Edit1 = new QLineEdit("*.c3d", this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(84, 170, 334, 24);
    Label1->setBuddy(Edit1);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(232, 230, 88, 30);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        BitBtn1Click();
        accept();
    });

    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(330, 230, 88, 30);
    // Enter presses OK wherever the focus is; only Escape or a click cancels.
    BitBtn2->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(Edit1, FileListBox1);
    setTabOrder(FileListBox1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    Edit1->setFocus();

    centreOnScreen(this);

    Help::bindF1(this, "delete");
}

void DeleteFileDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Without its folder the window has nothing to offer: it closes after the message.
    if (!runGuarded(this, [this] { FormShow(); }))
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

void DeleteFileDialog::FormShow()
{
    const QString folder = dataFolder();
    if (!QFileInfo(folder).isDir()) {
        errno = ENOENT;
        quor3::throwIoError(folder.toStdString(), "change to folder");
    }
    // From now on every window looks for the database in the data folder.
    Session::instance().folder = folder.toStdString();

    FileListBox1->clear();
    FileListBox1->addItems(QDir(folder).entryList({"*.c3d"}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    for (int i = 0; i < FileListBox1->count(); ++i)
        FileListBox1->item(i)->setSizeHint(QSize(FileListBox1->viewport()->width(), 16));
}

void DeleteFileDialog::BitBtn1Click()
{
    const QString name = Edit1->text();
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
