#pragma once

#include "BGTheme.h"

// The default HUD theme: bevelled four-stop gradients for fills and knobs, a
// softer stroke and a higher alpha, which every inherited alpha-carrying value
// picks up.
class BGGradientTheme : public BGTheme {
public:
    BGGradient normalGradient() const override;
    BGGradient pushedGradient() const override;
    BGGradient highlightGradient() const override;
    BGGradient knobColor() const override;
    BGGradient disabledKnobColor() const override;
    BGGradient highlightKnobColor() const override;
    QColor strokeColor() const override;
    qreal alphaValue() const override;
};
