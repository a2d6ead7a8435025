#include "app/RadialFill.h"

#include <QImage>
#include <QPaintEngine>
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

// The image the painter draws on and where `area` lies in it, when pixels can
// be written there directly: a raster painter on an image of opaque-capable
// 32-bit pixels that maps `area` to whole pixels inside it. A widget paints
// on its window's backing store this way, and a full-window temporary image
// would cost a page fault for every four kilobytes of it at start-up.
QImage* directTarget(QPainter& painter, const QRect& area, QPoint& offset)
{
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || painter.hasClipping())
        return nullptr;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    // Writing to a shared image would detach it from the painter's pixels.
    if (!image->isDetached() || image->devicePixelRatio() != 1.0 ||
        (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied &&
         image->format() != QImage::Format_ARGB32))
        return nullptr;
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxTranslate || toDevice.dx() != qRound(toDevice.dx()) ||
        toDevice.dy() != qRound(toDevice.dy()))
        return nullptr;
    offset = QPoint(qRound(toDevice.dx()), qRound(toDevice.dy()));
    if (!image->rect().contains(area.translated(offset)))
        return nullptr;
    return image;
}

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
    QPoint offset;
    QImage* direct = directTarget(painter, area, offset);
    QImage scratch;
    if (!direct) {
        scratch = QImage(area.size(), QImage::Format_RGB32);
        if (scratch.isNull())
            return;
    }
    // Row r of the area, in whichever image is written.
    QImage& written = direct ? *direct : scratch;
    const QPoint origin = direct ? area.topLeft() + offset : QPoint(0, 0);
    uchar* const bits = written.bits();
    const qsizetype stride = written.bytesPerLine();
    const auto lineOf = [&](int row) {
        return reinterpret_cast<QRgb*>(bits + (origin.y() + row) * stride) + origin.x();
    };
    // Distances are measured between pixel centres. The shades of a row are
    // worked out in one plain loop the compiler turns into vector code (this
    // file is built without errno for sqrt), then looked up.
    const int width = area.width();
    std::vector<float> across(static_cast<std::size_t>(width));
    for (int column = 0; column < width; ++column) {
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
    const int mirrorColumn = 2 * (centre.x() - area.left()) - 1;
    const int copiedFrom = mirrorColumn >= 0 ? mirrorColumn / 2 + 1 : width;
    const int copiedTo = std::min(width - 1, mirrorColumn);
    // Rows as far above the centre as below it are alike: each pair is worked out once.
    const int mirrorRow = 2 * (centre.y() - area.top()) - 1; // row r mirrors row mirrorRow - r
    for (int row = 0; row < area.height(); ++row) {
        QRgb* line = lineOf(row);
        if (row > mirrorRow - row && mirrorRow - row >= 0) {
            std::memcpy(line, lineOf(mirrorRow - row), across.size() * sizeof(QRgb));
            continue;
        }
        const float dy = float(area.top() + row - centre.y()) + 0.5f;
        if (copiedFrom <= copiedTo) {
            shadeRun(line, dy * dy, 0, copiedFrom);
            for (int column = copiedFrom; column <= copiedTo; ++column)
                line[column] = line[mirrorColumn - column];
            shadeRun(line, dy * dy, copiedTo + 1, width);
        } else {
            shadeRun(line, dy * dy, 0, width);
        }
    }
    if (!direct)
        painter.drawImage(area.topLeft(), scratch);
}
