#pragma once

#include <QColor>

class QWidget;

// Colours that stay readable on the desktop's palette, light or dark.

// The contrast of two colours as the web's accessibility guidelines measure
// it: from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// `hue` made lighter (on a dark background) or darker (on a light one), as
// little as gives it a contrast of at least `minimum` against `background`;
// `hue` itself when it already has it.
QColor readableOn(const QColor& hue, const QColor& background, double minimum = 4.5);

// Gives `widget`'s text (its foreground role, or Text in a text box) the
// colour `hue`, kept readable on what is behind it.
void setReadableTextColour(QWidget* widget, const QColor& hue);
