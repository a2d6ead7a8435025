#pragma once

#include <QColor>
#include <QPalette>

class QChart;

// Charts on the desktop's palette: under a dark one a chart takes the
// palette's face and text colours instead of its light theme's, and its series
// keep their hues, lightened until they stand out from that face. Under a
// light palette nothing changes.

// Gives the chart (its face, title, axes and legend) the palette's colours.
// Call it once the chart has its axes.
void followPalette(QChart* chart, const QPalette& palette);

// `hue` as a series of a chart on `palette` shows it.
QColor seriesColour(const QColor& hue, const QPalette& palette);
