#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QQueue>

namespace Dialogs
{

namespace
{

struct TestState {
    bool on = false;
    QQueue<QMessageBox::StandardButton> buttons;
    QQueue<bool> checkBoxes;
    QQueue<QString> files;
    QQueue<QString> pdfs;
    QList<Shown> shown;
    OpenStart lastStart;
    QString lastSaveStart;
};

TestState& state()
{
    static TestState s;
    return s;
}

QMessageBox::StandardButton escapeButton(QMessageBox::StandardButtons buttons)
{
    if (buttons & QMessageBox::No)
        return QMessageBox::No;
    if (buttons & QMessageBox::Cancel)
        return QMessageBox::Cancel;
    return QMessageBox::Ok;
}

QMessageBox::StandardButton showBox(QWidget* parent, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                    std::optional<QPoint> at,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                    const QString& checkBoxText = QString(), bool* checked = nullptr)
{
    if (state().on) {
        state().shown.append(Shown{title, text, at, defaultButton, checkBoxText});
        if (checked)
            *checked = !state().checkBoxes.isEmpty() && state().checkBoxes.dequeue();
        if (state().buttons.isEmpty())
            return escapeButton(buttons);
        return state().buttons.dequeue();
    }
    QMessageBox box(icon, title, text, buttons, parent);
    if (checked) {
        auto* checkBox = new QCheckBox(checkBoxText, &box);
        checkBox->setObjectName("questionCheckBox");
        checkBox->setAccessibleName(QString(checkBoxText).remove('&'));
        box.setCheckBox(checkBox);
    }
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (at) {
        box.adjustSize();
        box.move(*at);
    }
    // A box shown in the middle of a long command waits for the user: it
    // gets the arrow pointer, and the busy one comes back after it.
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    if (checked)
        *checked = box.checkBox()->isChecked();
    return answer;
}

// The dialog reads quotes in the name box as a list of quoted names, so the
// exact name a "b" c.c3d would open "b.c3d". It chooses one file, so the text
// in the box is one name, quotes and all. Empty when the box holds no quote
// (or the platform's own dialog has no such box): the dialog's choice stands.
QString typedNameWithQuotes(const QFileDialog& dialog)
{
    const auto* nameBox = dialog.findChild<QLineEdit*>("fileNameEdit");
    if (!nameBox || !nameBox->text().contains('"'))
        return QString();
    return dialog.directory().absoluteFilePath(nameBox->text());
}

} // namespace

void inform(QWidget* parent, const QString& title, const QString& text, std::optional<QPoint> at,
            QMessageBox::Icon icon)
{
    showBox(parent, title, text, QMessageBox::Ok, icon, at);
}

QMessageBox::StandardButton ask(QWidget* parent, const QString& title, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                QMessageBox::StandardButton defaultButton)
{
    return showBox(parent, title, text, buttons, icon, {}, defaultButton);
}

QMessageBox::StandardButton askWithCheckBox(QWidget* parent, const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                            QMessageBox::StandardButton defaultButton, const QString& checkBoxText,
                                            bool& checked)
{
    return showBox(parent, title, text, buttons, icon, {}, defaultButton, checkBoxText, &checked);
}

QString openFile(QWidget* parent, const OpenOptions& options)
{
    // After a refused or declined name the dialog comes back where the user
    // was, with the typed name still in it.
    QString folder = options.initialFolder;
    QString typedName = options.initialName;
    for (;;) {
        state().lastStart = {folder, typedName};
        QString chosen;
        if (state().on) {
            if (state().files.isEmpty())
                return QString();
            chosen = state().files.dequeue();
        } else {
            QFileDialog dialog(parent, options.title, folder, options.filter);
            dialog.setObjectName("OpenDialog1");
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::AnyFile);
            dialog.setDefaultSuffix(options.defaultSuffix);
            if (!typedName.isEmpty())
                dialog.selectFile(typedName);
            if (dialog.exec() != QDialog::Accepted)
                return QString();
            chosen = typedNameWithQuotes(dialog);
            if (chosen.isEmpty() && !dialog.selectedFiles().isEmpty())
                chosen = dialog.selectedFiles().constFirst();
        }
        if (chosen.isEmpty())
            return QString();
        QFileInfo info(chosen);
        if (info.suffix().isEmpty() && !options.defaultSuffix.isEmpty() && !info.exists())
            info = QFileInfo(chosen + "." + options.defaultSuffix);
        if (!info.absoluteDir().exists()) {
            inform(parent, options.title,
                   QObject::tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(info.absolutePath())), {},
                   QMessageBox::Warning);
            continue;
        }
        if (info.isDir())
            continue;
        folder = info.absolutePath();
        typedName = info.fileName();
        if (options.refusal) {
            if (const QString why = options.refusal(info.absoluteFilePath()); !why.isEmpty()) {
                inform(parent, options.title, why, {}, QMessageBox::Warning);
                if (state().on && state().files.isEmpty())
                    return QString();
                continue;
            }
        }
        if (options.opened)
            info.setFile(options.opened(info.absoluteFilePath()));
        if (!info.exists() && !options.createPrompt.isEmpty()) {
            const QString prompt = options.createPrompt.arg(info.fileName());
            if (ask(parent, options.title, prompt, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) !=
                QMessageBox::Yes) {
                if (state().on && state().files.isEmpty())
                    return QString();
                continue;
            }
        }
        return info.absoluteFilePath();
    }
}

QString saveFile(QWidget* parent, const SaveOptions& options)
{
    QString chosen;
    state().lastSaveStart = options.suggestedPath;
    if (state().on) {
        if (state().files.isEmpty())
            return QString();
        chosen = state().files.dequeue();
    } else {
        QFileDialog dialog(parent, options.title, options.suggestedPath, options.filter);
        dialog.setObjectName("SaveDialog1");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(options.defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        chosen = dialog.selectedFiles().constFirst();
    }
    if (chosen.isEmpty())
        return QString();
    QFileInfo info(chosen);
    if (info.suffix().isEmpty() && !options.defaultSuffix.isEmpty())
        info = QFileInfo(chosen + "." + options.defaultSuffix);
    return info.absoluteFilePath();
}

std::optional<QString> takeQueuedPrintToPdf()
{
    if (!state().on)
        return std::nullopt;
    return state().pdfs.isEmpty() ? QString() : state().pdfs.dequeue();
}

void setTestMode(bool on)
{
    state() = TestState{};
    state().on = on;
}

bool testMode()
{
    return state().on;
}

void queueButton(QMessageBox::StandardButton answer)
{
    state().buttons.enqueue(answer);
}

void queueCheckBox(bool checked)
{
    state().checkBoxes.enqueue(checked);
}

void queueFile(const QString& path)
{
    state().files.enqueue(path);
}

void queuePrintToPdf(const QString& pdfPath)
{
    state().pdfs.enqueue(pdfPath);
}

QString lastSaveStart()
{
    return state().lastSaveStart;
}

OpenStart lastOpenStart()
{
    return state().lastStart;
}

const QList<Shown>& shown()
{
    return state().shown;
}

void clearShown()
{
    state().shown.clear();
}

} // namespace Dialogs
