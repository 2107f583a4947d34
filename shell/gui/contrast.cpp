#include "shell/gui/contrast.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace shell {

namespace {

double luminance(const QColor& colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

bool standsOut(const QColor& colour, std::initializer_list<QColor> backgrounds, double minimum)
{
    return std::all_of(backgrounds.begin(), backgrounds.end(),
                       [&](const QColor& background) { return contrastRatio(colour, background) >= minimum; });
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleOn(const QColor& colour, std::initializer_list<QColor> backgrounds, double minimum)
{
    if (standsOut(colour, backgrounds, minimum) || backgrounds.size() == 0)
        return colour;
    double darkest = 1;
    for (const QColor& background : backgrounds)
        darkest = std::min(darkest, luminance(background));
    // Away from the backgrounds' side: darker on light ones, lighter on dark ones.
    const bool lighten = darkest < 0.18;
    float hue, saturation, lightness, alpha;
    colour.getHslF(&hue, &saturation, &lightness, &alpha);
    for (int step = 1; step <= 50; ++step) {
        const float moved = std::clamp(lightness + (lighten ? 0.02f : -0.02f) * step, 0.0f, 1.0f);
        const QColor candidate = QColor::fromHslF(hue, saturation, moved, alpha).toRgb();
        if (standsOut(candidate, backgrounds, minimum))
            return candidate;
    }
    return lighten ? QColor(Qt::white) : QColor(Qt::black);
}

QColor onWindow(const QColor& colour, const QPalette& palette, double minimum)
{
    return legibleOn(colour, {palette.color(QPalette::Window)}, minimum);
}

}  // namespace shell
