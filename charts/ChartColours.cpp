#include "charts/ChartColours.h"

#include "platform/Colours.h"

#include <QAbstractAxis>
#include <QChart>
#include <QLegend>

namespace
{

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightnessF() < 0.5;
}

} // namespace

void followPalette(QChart* chart, const QPalette& palette)
{
    if (!isDark(palette))
        return;
    const QColor face = palette.color(QPalette::Base), text = palette.color(QPalette::Text);
    chart->setBackgroundBrush(face);
    chart->setTitleBrush(text);
    chart->legend()->setLabelColor(text);
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsBrush(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(palette.color(QPalette::Mid));
        axis->setGridLineColor(palette.color(QPalette::Dark));
    }
}

QColor seriesColour(const QColor& hue, const QPalette& palette, double minimum)
{
    return isDark(palette) ? readableOn(hue, palette.color(QPalette::Base), minimum) : hue;
}
