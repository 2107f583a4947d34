// Colours that stay legible under any palette: the contrast ratio of two colours as the
// accessibility guidelines measure it, and a program's own colour moved in lightness until
// it stands out from what it is drawn on.
#pragma once
#include <QColor>
#include <QString>
#include <initializer_list>
#include <vector>

class QPalette;

namespace shell {

// The least contrast of text with its background, and of a curve, glyph or mark.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicContrast = 3.0;

// From 1 (the same luminance) to 21 (black on white); transparency is ignored.
double contrastRatio(const QColor& a, const QColor& b);

// `colour` itself when it stands out from every background by `minimum`; else the same
// hue made darker (on light backgrounds) or lighter (on dark ones) until it does.
QColor legibleOn(const QColor& colour, std::initializer_list<QColor> backgrounds, double minimum);

// One colour a picture paints and the colours it lies on, for the checks of every palette.
struct PaintedColour {
    QString what;
    QColor colour;
    std::vector<QColor> backgrounds;
    double minimum = kGraphicContrast;
};

// A program's colour for a glyph or a curve drawn straight on the window's background.
QColor onWindow(const QColor& colour, const QPalette& palette, double minimum = kGraphicContrast);

}  // namespace shell
