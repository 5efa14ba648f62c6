#include "BGTheme.h"

QColor BGTheme::rgb(float red, float green, float blue, qreal alpha)
{
    return QColor::fromRgbF(red, green, blue, float(alpha));
}

QColor BGTheme::grey(float white, qreal alpha)
{
    return rgb(white, white, white, alpha);
}

BGGradient BGTheme::knobColors(qreal alpha)
{
    return {rgb(0.251f, 0.251f, 0.255f, alpha), rgb(0.118f, 0.118f, 0.118f, alpha)};
}

BGGradient BGTheme::highlightKnobColors(qreal alpha)
{
    return {rgb(0.451f, 0.451f, 0.455f, alpha), rgb(0.318f, 0.318f, 0.318f, alpha)};
}

BGGradient BGTheme::normalBevelColors(qreal alpha)
{
    return {rgb(0.324f, 0.331f, 0.347f, alpha), rgb(0.245f, 0.253f, 0.269f, alpha),
            rgb(0.206f, 0.214f, 0.233f, alpha), rgb(0.139f, 0.147f, 0.167f, alpha)};
}

BGGradient BGTheme::pushedBevelColors(qreal alpha)
{
    return {rgb(0.524f, 0.531f, 0.547f, alpha), rgb(0.445f, 0.453f, 0.469f, alpha),
            rgb(0.406f, 0.414f, 0.433f, alpha), rgb(0.339f, 0.347f, 0.367f, alpha)};
}

QColor BGTheme::strokeRGB(qreal alpha)
{
    return rgb(0.749f, 0.761f, 0.788f, alpha);
}

QColor BGTheme::scrollerStroke() const { return strokeRGB(1.0); }

BGGradient BGTheme::scrollerKnobGradient() const
{
    return {rgb(0.631f, 0.639f, 0.655f), rgb(0.439f, 0.447f, 0.471f)};
}

BGGradient BGTheme::scrollerTrackGradient() const
{
    return {rgb(0.137f, 0.137f, 0.137f, 0.75), rgb(0.278f, 0.278f, 0.278f, 0.75)};
}

BGGradient BGTheme::scrollerArrowNormalGradient() const
{
    return {rgb(0.251f, 0.251f, 0.255f, scrollerAlphaValue()),
            rgb(0.118f, 0.118f, 0.118f, scrollerAlphaValue())};
}

BGGradient BGTheme::scrollerArrowPushedGradient() const
{
    return {rgb(0.451f, 0.451f, 0.455f, scrollerAlphaValue()),
            rgb(0.318f, 0.318f, 0.318f, scrollerAlphaValue())};
}

qreal BGTheme::scrollerAlphaValue() const { return 0.5; }

QColor BGTheme::sliderTrackColor() const { return grey(0.318f, alphaValue()); }
QColor BGTheme::disabledSliderTrackColor() const { return grey(0.318f, disabledAlphaValue()); }
BGGradient BGTheme::knobColor() const { return knobColors(1.0); }
BGGradient BGTheme::highlightKnobColor() const { return highlightKnobColors(1.0); }
BGGradient BGTheme::disabledKnobColor() const { return knobColors(1.0); }

bool BGTheme::isOverrideFillColor() const { return true; }
QColor BGTheme::textFillColor() const { return grey(0.224f, 0.95); }
QColor BGTheme::selectionHighlightActiveColor() const { return QColor(Qt::darkGray); }
QColor BGTheme::selectionHighlightInActiveColor() const { return QColor(Qt::darkGray); }
QColor BGTheme::selectionTextActiveColor() const { return QColor(Qt::white); }
QColor BGTheme::selectionTextInActiveColor() const { return QColor(Qt::white); }
QColor BGTheme::placeholderTextColor() const { return QColor(Qt::gray); }

BGGradient BGTheme::progressTrackGradient() const
{
    return {grey(0.125f), grey(0.208f)};
}

QColor BGTheme::tokenFillNormal() const { return rgb(0.249f, 0.261f, 0.288f); }
QColor BGTheme::tokenFillHighlight() const { return rgb(0.449f, 0.461f, 0.488f); }
QColor BGTheme::tokenBorder() const { return QColor(Qt::white); }
QColor BGTheme::tokenTextColor() const { return QColor(Qt::white); }

QColor BGTheme::cellHighlightColor() const { return rgb(0.549f, 0.561f, 0.588f); }

QList<QColor> BGTheme::cellAlternatingRowColors() const
{
    return {grey(0.16f, 0.86f), grey(0.15f, 0.8f)};
}

QColor BGTheme::cellSelectedTextColor() const { return QColor(Qt::black); }
QColor BGTheme::cellEditingFillColor() const { return grey(0.141f, alphaValue()); }
QColor BGTheme::tableBackgroundColor() const { return rgb(0, 0, 0, 0); }
QColor BGTheme::tableHeaderCellBorderColor() const { return rgb(0.349f, 0.361f, 0.388f); }
BGGradient BGTheme::tableHeaderCellNormalFill() const { return knobColors(1.0); }
BGGradient BGTheme::tableHeaderCellPushedFill() const { return highlightKnobColors(1.0); }

BGGradient BGTheme::tableHeaderCellSelectedFill() const
{
    return {rgb(0.651f, 0.651f, 0.655f), rgb(0.518f, 0.518f, 0.518f)};
}

qreal BGTheme::gradientAngle() const { return 90.0; }
BGGradient BGTheme::normalGradient() const { return knobColors(alphaValue()); }
BGGradient BGTheme::disabledNormalGradient() const { return knobColors(disabledAlphaValue()); }
BGGradient BGTheme::pushedGradient() const { return highlightKnobColors(alphaValue()); }
BGGradient BGTheme::highlightGradient() const { return highlightKnobColors(alphaValue()); }
BGGradient BGTheme::normalComplexGradient() const { return normalBevelColors(alphaValue()); }

BGGradient BGTheme::disabledNormalComplexGradient() const
{
    return normalBevelColors(disabledAlphaValue());
}

BGGradient BGTheme::pushedComplexGradient() const { return pushedBevelColors(alphaValue()); }
BGGradient BGTheme::highlightComplexGradient() const { return pushedBevelColors(alphaValue()); }
QColor BGTheme::normalSolidFill() const { return grey(0.141f, alphaValue()); }
QColor BGTheme::disabledNormalSolidFill() const { return grey(0.141f, disabledAlphaValue()); }
QColor BGTheme::pushedSolidFill() const { return grey(0.941f, alphaValue()); }
QColor BGTheme::highlightSolidFill() const { return grey(0.941f, alphaValue()); }
QColor BGTheme::strokeColor() const { return strokeRGB(1.0); }
QColor BGTheme::disabledStrokeColor() const { return strokeRGB(disabledAlphaValue()); }
QColor BGTheme::darkStrokeColor() const { return grey(0.141f, 0.5); }
QColor BGTheme::textColor() const { return QColor(Qt::white); }
QColor BGTheme::highlightTextColor() const { return QColor(Qt::white); }
QColor BGTheme::disabledTextColor() const { return rgb(1, 1, 1, disabledAlphaValue()); }

BGShadow BGTheme::dropShadow() const
{
    return BGShadow(QColor(Qt::black), 2.0, QPointF(0, -1));
}

qreal BGTheme::alphaValue() const { return 0.6; }
qreal BGTheme::disabledAlphaValue() const { return 0.2; }

BGShadow BGTheme::focusRing() const
{
    return BGShadow(QColor(Qt::white), 3.0, QPointF(0, 0));
}

QColor BGTheme::focusFrameColor() const { return QColor(Qt::white); }
