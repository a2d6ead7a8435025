#include "entry/ExportDraws.h"

#include "engine/Export.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Session.h"

#include <QDir>

namespace
{
const char* const Title = "Export Draws";
}

void exportOpenDatabase(QWidget* parent)
{
    const Session& session = Session::instance();
    if (!session.databaseExists()) {
        Dialogs::inform(parent, Title,
                        QString("There are no draws to export: %1 holds none yet.").arg(session.databaseNameText()));
        return;
    }
    Dialogs::SaveOptions options;
    options.title = Title;
    options.filter = "CSV file (*.csv);;All files (*)";
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
        n = quor3::exportDraws(session.databasePath(), file.toStdString());
    }
    Dialogs::inform(
        parent, Title,
        QString("Exported %1 %2 to %3.").arg(n).arg(n == 1 ? "draw" : "draws", QDir::toNativeSeparators(file)));
}
