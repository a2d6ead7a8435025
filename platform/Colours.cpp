#include "platform/Colours.h"

#include <QAbstractScrollArea>
#include <QWidget>

#include <cmath>

namespace
{

double luminance(const QColor& c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& hue, const QColor& background, double minimum)
{
    if (contrastRatio(hue, background) >= minimum)
        return hue;
    const bool darkBackground = luminance(background) < 0.18;
    const QColor hsl = hue.toHsl();
    // Lightness moves towards white or black a step at a time, hue and
    // saturation kept; the far end always has the contrast.
    for (int step = 1; step <= 100; ++step) {
        const double lightness = darkBackground ? hsl.lightnessF() + (1.0 - hsl.lightnessF()) * step / 100.0
                                                : hsl.lightnessF() * (1.0 - step / 100.0);
        const QColor candidate = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness).toRgb();
        if (contrastRatio(candidate, background) >= minimum)
            return candidate;
    }
    return darkBackground ? QColor(Qt::white) : QColor(Qt::black);
}

void setReadableTextColour(QWidget* widget, const QColor& hue)
{
    QPalette p = widget->palette();
    // A text box (a memo, a list) draws its text in Text on Base, whatever
    // its own foreground and background roles are.
    const bool textBox = qobject_cast<QAbstractScrollArea*>(widget) != nullptr;
    const QPalette::ColorRole text = textBox ? QPalette::Text : widget->foregroundRole();
    const QPalette::ColorRole back = textBox ? QPalette::Base : widget->backgroundRole();
    p.setColor(text, readableOn(hue, p.color(back)));
    widget->setPalette(p);
}
