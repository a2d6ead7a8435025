#include "entry/CutBackQuestion.h"

#include "engine/Errors.h"
#include "platform/Dialogs.h"
#include "platform/ProfileFile.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace
{

const char* const CutBackSection = "No Cut-Back Question";

} // namespace

// "%XX" for "=", "[" and blanks, and for capitals, since keys match without
// regard to case and file names do not.
QString databaseSettingsKey(const std::filesystem::path& database)
{
    const QString path = QFileInfo(QFile::decodeName(database.c_str())).absoluteFilePath();
    return QString::fromLatin1(QUrl::toPercentEncoding(path, "/", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
}

bool cutBackAnswerRemembered(const std::filesystem::path& database)
{
    return ProfileFile(Settings::filePath()).readInteger(CutBackSection, databaseSettingsKey(database), 0) != 0;
}

void forgetCutBackAnswer(const std::filesystem::path& database)
{
    try {
        ProfileFile(Settings::filePath()).removeKey(CutBackSection, databaseSettingsKey(database));
    } catch (const quor3::Error&) {
        // Settings that cannot be written only leave the question off for a new database of the name.
    }
}

bool askCutBack(QWidget* parent, const QString& text, const std::filesystem::path& database, bool cancelNotNo)
{
    bool dontAsk = false;
    const QMessageBox::StandardButton refuse = cancelNotNo ? QMessageBox::Cancel : QMessageBox::No;
    const bool agreed =
        Dialogs::askWithCheckBox(parent, QApplication::applicationName(), text, QMessageBox::Yes | refuse,
                                 QMessageBox::Question, QMessageBox::Yes,
                                 QCoreApplication::translate("AddDrawsWindow", "&Don't ask again for this database"),
                                 dontAsk) == QMessageBox::Yes;
    // Only a Yes is remembered: from then on the draws are stored without the question.
    if (agreed && dontAsk) {
        try {
            ProfileFile(Settings::filePath()).writeInteger(CutBackSection, databaseSettingsKey(database), 1);
        } catch (const quor3::Error&) {
            // Settings that cannot be written only bring the question back next time.
        }
    }
    return agreed;
}
