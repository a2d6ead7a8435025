#include "app/RadialFill.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace
{

// As many shades as Qt makes a gradient of; a pixel takes the nearest one.
constexpr int Shades = 1024;

} // namespace

void fillRadialGradient(QPainter& painter, const QRect& area, const QPoint& centre, qreal radius, const QColor& inner,
                        const QColor& outer)
{
    if (area.isEmpty())
        return;
    if (!(radius > 0)) {
        painter.fillRect(area, outer);
        return;
    }
    std::array<QRgb, Shades> shades;
    for (int i = 0; i < Shades; ++i) {
        const qreal t = qreal(i) / (Shades - 1);
        const auto mix = [t](int from, int to) { return qRound(from + (to - from) * t); };
        shades[static_cast<std::size_t>(i)] =
            qRgb(mix(inner.red(), outer.red()), mix(inner.green(), outer.green()), mix(inner.blue(), outer.blue()));
    }
    const float shadesPerPixel = float((Shades - 1) / radius);
    QImage image(area.size(), QImage::Format_RGB32);
    if (image.isNull())
        return;
    for (int row = 0; row < image.height(); ++row) {
        // Distances are measured between pixel centres.
        const float dy = float(area.top() + row - centre.y()) + 0.5f;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < image.width(); ++column) {
            const float dx = float(area.left() + column - centre.x()) + 0.5f;
            const float shade = std::min(std::sqrt(dx * dx + dy * dy) * shadesPerPixel + 0.5f, float(Shades - 1));
            line[column] = shades[static_cast<std::size_t>(shade)];
        }
    }
    painter.drawImage(area.topLeft(), image);
}
