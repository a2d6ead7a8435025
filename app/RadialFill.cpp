#include "app/RadialFill.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

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
    // Distances are measured between pixel centres. The shades of a row are
    // worked out in one plain loop the compiler turns into vector code (this
    // file is built without errno for sqrt), then looked up.
    std::vector<float> across(static_cast<std::size_t>(image.width()));
    for (int column = 0; column < image.width(); ++column) {
        const float dx = float(area.left() + column - centre.x()) + 0.5f;
        across[static_cast<std::size_t>(column)] = dx * dx;
    }
    std::vector<int> shadeOf(across.size());
    const float last = float(Shades - 1);
    const auto shadeRun = [&](QRgb* line, float down, int from, int to) {
        for (int column = from; column < to; ++column)
            shadeOf[static_cast<std::size_t>(column)] = static_cast<int>(
                std::min(std::sqrt(across[static_cast<std::size_t>(column)] + down) * shadesPerPixel + 0.5f, last));
        for (int column = from; column < to; ++column)
            line[column] = shades[static_cast<std::size_t>(shadeOf[static_cast<std::size_t>(column)])];
    };
    // Columns as far right of the centre as others are left of it copy those:
    // column c mirrors column mirrorColumn - c, and the columns from
    // copiedFrom to copiedTo have their mirrors in the area, left of them.
    const int width = image.width();
    const int mirrorColumn = 2 * (centre.x() - area.left()) - 1;
    const int copiedFrom = mirrorColumn >= 0 ? mirrorColumn / 2 + 1 : width;
    const int copiedTo = std::min(width - 1, mirrorColumn);
    // Rows as far above the centre as below it are alike: each pair is worked out once.
    const int mirrorRow = 2 * (centre.y() - area.top()) - 1; // row r mirrors row mirrorRow - r
    for (int row = 0; row < image.height(); ++row) {
        if (row > mirrorRow - row && mirrorRow - row >= 0) {
            std::memcpy(image.scanLine(row), image.constScanLine(mirrorRow - row), across.size() * sizeof(QRgb));
            continue;
        }
        const float dy = float(area.top() + row - centre.y()) + 0.5f;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        if (copiedFrom <= copiedTo) {
            shadeRun(line, dy * dy, 0, copiedFrom);
            for (int column = copiedFrom; column <= copiedTo; ++column)
                line[column] = line[mirrorColumn - column];
            shadeRun(line, dy * dy, copiedTo + 1, width);
        } else {
            shadeRun(line, dy * dy, 0, width);
        }
    }
    painter.drawImage(area.topLeft(), image);
}
