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

// `hue` as a chart on `palette` shows it: marks that are not text need a
// contrast of 3:1 against the chart's face, texts 4.5:1.
QColor seriesColour(const QColor& hue, const QPalette& palette, double minimum = 3.0);
