#pragma once

#include <QColor>
#include <QString>

// Colour arithmetic and conversions of the widget kit.
namespace BWColorConversion {

// The colour a layer or painter fills with: the RGB form of `color` with all
// of its components, alpha included. An invalid colour stays invalid, which
// clears a background.
QColor CGColor(const QColor& color);

// RGB plus (or minus) `value` on each of red, green and blue, alpha 1. The
// sums are deliberately not clipped: shading a saturated colour may leave
// 0..1, and painting clamps it.
QColor lightenColorByValue(const QColor& color, float value);
QColor darkenColorByValue(const QColor& color, float value);

// Whether the mean of red, green and blue is above 0.8.
bool isLightColor(const QColor& color);

// Reads a colour written as its colour-space name followed by up to four
// numbers, "NSCalibratedRGBColorSpace 0.1 0.2 0.3 1": the numbers from
// character 25 on are red, green, blue and alpha. Missing or unreadable
// numbers keep their defaults (0 for the colour, 1 for alpha), numbers are
// kept within 0..1, and text too short to hold any number yields opaque
// black. A null string yields an invalid colour.
QColor colorFromDescription(const QString& description);

}  // namespace BWColorConversion
