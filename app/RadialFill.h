#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

class QPainter;

// Fills `area` with a radial gradient from `inner` at the pixel centre
// `centre` to `outer` at `radius` pixels and beyond, as a QRadialGradient of
// those two stops fills it (within one colour level). Qt spreads a large
// gradient fill over helper threads it starts for the purpose, which costs
// the program's first frame more than the fill itself; this one works in the
// calling thread. The painter must map one unit to one pixel of its device.
// On a raster painter over an image the pixels are written into that image
// directly, past the painter's own clip: `area` must lie within what may be
// painted.
void fillRadialGradient(QPainter& painter, const QRect& area, const QPoint& centre, qreal radius, const QColor& inner,
                        const QColor& outer);
