#include "platform/Accessibility.h"

#include <QAccessible>
#include <QListWidget>
#include <QRegularExpression>
#include <QWidget>

void nameForReader(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
}

QString spokenDigits(const QString& digits)
{
    QStringList each;
    for (const QChar c : digits)
        if (c.isDigit())
            each << QString(c);
    return each.join(' ');
}

QString spokenEntryLine(const QString& line)
{
    // A date, a colon or blanks, then three digits run together or apart.
    static const QRegularExpression draw(R"(^\s*(\d{1,2}/\d{1,2}/\d{4})\s*:?\s+(\d)\s*(\d)\s*(\d)\s*$)");
    const QRegularExpressionMatch m = draw.match(line);
    if (!m.hasMatch())
        return line;
    return m.captured(1) + ": " + m.captured(2) + ' ' + m.captured(3) + ' ' + m.captured(4);
}

void speakListAsDraws(QListWidget* list)
{
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        const QString spoken = spokenEntryLine(item->text());
        if (spoken != item->text())
            item->setData(Qt::AccessibleTextRole, spoken);
    }
}

void announce(QWidget* source, const QString& text)
{
    source->setAccessibleDescription(text);
    // Qt 6.4 has no announcement event: a reader follows the changed name of
    // a live status line, so the change is sent as one.
    QAccessibleEvent named(source, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent described(source, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}
