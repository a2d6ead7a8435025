#pragma once

#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// Every message box, the open dialog and the print dialog go through here.
// Tests switch on test mode: nothing is shown, each call records what it
// would have shown and takes the next queued answer (or a default: OK/Yes
// for questions is never assumed, the default answer is No/Cancel).
namespace Dialogs
{

struct Shown {
    QString title;
    QString text;
    std::optional<QPoint> position;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QString checkBox; // the text of the question's check box, if it had one
};

// A plain message with an OK button; `at` places its top left corner on the screen.
void inform(QWidget* parent, const QString& title, const QString& text, std::optional<QPoint> at = {},
            QMessageBox::Icon icon = QMessageBox::NoIcon);
// A question; returns the button pressed. Enter presses `defaultButton` unless
// the user moved the focus to another button.
QMessageBox::StandardButton ask(QWidget* parent, const QString& title, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::Icon icon = QMessageBox::Warning,
                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
// A question with a check box under the text ("Don't ask again..."), which
// starts cleared; `checked` receives its state when the question is answered.
QMessageBox::StandardButton askWithCheckBox(QWidget* parent, const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                            QMessageBox::StandardButton defaultButton, const QString& checkBoxText,
                                            bool& checked);

struct OpenOptions {
    QString title;
    QString filter;        // Qt filter, e.g. "Quor3 Data File (*.c3d)"
    QString defaultSuffix; // appended to a name typed without one
    QString initialFolder;
    QString initialName;  // typed into the dialog at first: a name proposed for a new file
    QString createPrompt; // asked before a new name is accepted
    // A non-empty reason refuses the chosen path: it is shown, and the dialog
    // comes back with the name kept.
    std::function<QString(const QString& path)> refusal;
    // The file that choosing `path` opens, when it is another (a database's
    // name is cut to its limit): the question before a new file and the path
    // returned are about that one.
    std::function<QString(const QString& path)> opened;
};
// The chosen file's full path, or an empty string when cancelled.
QString openFile(QWidget* parent, const OpenOptions& options);

struct SaveOptions {
    QString title;
    QString filter;        // Qt filter, e.g. "CSV file (*.csv)"
    QString defaultSuffix; // appended to a name typed without one
    QString suggestedPath; // the folder and name the dialog starts with
};
// The full path of the file to write, or an empty string when cancelled. The
// dialog asks before an existing file is replaced; in test mode the path comes
// from the file queue (queueFile).
QString saveFile(QWidget* parent, const SaveOptions& options);

// --- Test hooks ---
void setTestMode(bool on);
bool testMode();
void queueButton(QMessageBox::StandardButton answer);
// The state the next question's check box is left in (by default cleared).
void queueCheckBox(bool checked);
void queueFile(const QString& path); // empty: cancel
// The next print dialog is accepted and prints to this PDF file (empty: cancel).
void queuePrintToPdf(const QString& pdfPath);
// For the print dialog (choices/PrintDialog.h): nothing outside test mode;
// else the next queued PDF file (empty: cancel).
std::optional<QString> takeQueuedPrintToPdf();
const QList<Shown>& shown();
// Where the last open dialog started: its folder and the name typed in it.
struct OpenStart {
    QString folder;
    QString name;
};
OpenStart lastOpenStart();
// The path the last save dialog proposed.
QString lastSaveStart();
void clearShown();

} // namespace Dialogs
