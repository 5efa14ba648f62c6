#include "BGGradientTheme.h"

BGGradient BGGradientTheme::normalGradient() const { return normalBevelColors(alphaValue()); }
BGGradient BGGradientTheme::pushedGradient() const { return pushedBevelColors(alphaValue()); }
BGGradient BGGradientTheme::highlightGradient() const { return pushedBevelColors(alphaValue()); }
BGGradient BGGradientTheme::knobColor() const { return normalBevelColors(1.0); }
BGGradient BGGradientTheme::disabledKnobColor() const { return normalBevelColors(1.0); }
BGGradient BGGradientTheme::highlightKnobColor() const { return pushedBevelColors(1.0); }
QColor BGGradientTheme::strokeColor() const { return strokeRGB(0.7); }
qreal BGGradientTheme::alphaValue() const { return 0.7; }
