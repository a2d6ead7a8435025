#include "platform/StatusBarSink.h"

#include "engine/Dates.h"
#include "platform/Session.h"

#include <QDate>
#include <QLocale>

void StatusBarSink::setStatusText(int panel, const std::string& text)
{
    Session::instance().setStatus(panel, QString::fromStdString(text));
}

std::string StatusBarSink::formatDate(double dayNumber) const
{
    return shortDateText(dayNumber).toStdString();
}

QString shortDateText(double dayNumber)
{
    quor3::CivilDate date;
    if (!quor3::decodeDate(dayNumber, date))
        return QString::fromStdString(quor3::monthDayYear(date));
    return QLocale::system().toString(QDate(date.year, date.month, date.day), QLocale::ShortFormat);
}
