#include "entry/ExportDraws.h"

#include "engine/Errors.h"
#include "engine/Export.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Session.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <optional>

namespace
{
QString title()
{
    return QCoreApplication::translate("ExportDraws", "Export Draws");
}

// Whether to export the full history: asked only when it holds more than the
// working database. Empty when the user cancels.
std::optional<bool> chooseFullHistory(QWidget* parent, const quor3::fs::path& database)
{
    long long all = 0;
    try {
        all = quor3::summarizeHistory(database).draws;
    } catch (const quor3::Error&) {
        // A history that cannot be read leaves the working database to export.
        return false;
    }
    const long long working = quor3::countDraws(database);
    if (all <= working)
        return false;
    const auto draws = [](long long n) {
        return QLocale(QLocale::English, QLocale::UnitedStates).toString(n) +
               (n == 1 ? QCoreApplication::translate("ExportDraws", " draw")
                       : QCoreApplication::translate("ExportDraws", " draws"));
    };
    const auto answer =
        Dialogs::ask(parent, title(),
                     QCoreApplication::translate(
                         "ExportDraws", "Export the full history (%1)?\n\nNo exports the working database (%2).")
                         .arg(draws(all), draws(working)),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return std::nullopt;
    return answer == QMessageBox::Yes;
}

} // namespace

void exportOpenDatabase(QWidget* parent)
{
    const Session& session = Session::instance();
    if (!session.databaseExists()) {
        Dialogs::inform(parent, title(),
                        QCoreApplication::translate("ExportDraws", "There are no draws to export: %1 holds none yet.")
                            .arg(session.databaseNameText()));
        return;
    }
    const std::optional<bool> full = chooseFullHistory(parent, session.databasePath());
    if (!full)
        return;
    Dialogs::SaveOptions options;
    options.title = title();
    options.filter = QCoreApplication::translate("ExportDraws", "CSV file (*.csv);;All files (*)");
    options.defaultSuffix = "csv";
    // "ga.c3d" proposes "ga.csv"; any other name keeps its dots ("draws.2024.csv").
    QString name = session.databaseNameText();
    if (name.endsWith(".c3d", Qt::CaseInsensitive))
        name.chop(4);
    options.suggestedPath = QDir(QString::fromStdString(session.folder.string())).filePath(name + ".csv");
    const QString file = Dialogs::saveFile(parent, options);
    if (file.isEmpty())
        return;
    long long n = 0;
    {
        BusyCursor busy;
        if (*full) {
            quor3::refuseExportTarget(session.databasePath(), file.toStdString());
            const std::vector<quor3::DrawRecord> draws = quor3::readHistory(session.databasePath());
            quor3::writeWholeFile(file.toStdString(), quor3::exportCsv(draws));
            n = static_cast<long long>(draws.size());
        } else {
            n = quor3::exportDraws(session.databasePath(), file.toStdString());
        }
    }
    Dialogs::inform(parent, title(),
                    (n == 1 ? QCoreApplication::translate("ExportDraws", "Exported %1 draw to %2.")
                            : QCoreApplication::translate("ExportDraws", "Exported %1 draws to %2."))
                        .arg(n)
                        .arg(QDir::toNativeSeparators(file)));
}
