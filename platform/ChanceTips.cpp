#include "platform/ChanceTips.h"

#include "platform/Session.h"

#include <QStringList>
#include <QTableWidgetItem>
#include <QWidget>

quor3::ChanceReport openDatabaseChance()
{
    const Session& session = Session::instance();
    if (!session.databaseExists())
        return {};
    return quor3::chanceReport(quor3::readDraws(session.databasePath()), false);
}

QString chanceTipText(const quor3::ChanceReport& report, const std::vector<std::string>& ids)
{
    QStringList lines;
    for (const std::string& id : ids)
        if (const quor3::ChanceRow* row = quor3::findChanceRow(report, id))
            lines << QString::fromStdString(row->title + ". " + quor3::chanceNote(*row));
    return lines.join('\n');
}

void setChanceTip(QWidget* widget, const quor3::ChanceReport& report, const std::vector<std::string>& ids)
{
    const QString text = chanceTipText(report, ids);
    widget->setToolTip(text);
    widget->setAccessibleDescription(text);
}

void setChanceTip(QTableWidgetItem* item, const quor3::ChanceReport& report, const std::string& id)
{
    if (!item)
        return;
    const QString text = chanceTipText(report, {id});
    item->setToolTip(text);
    item->setData(Qt::AccessibleDescriptionRole, text);
}
