#pragma once

#include "BGGradient.h"
#include "BGShadow.h"

#include <QColor>
#include <QList>

// The plain dark HUD theme: a table of colours, gradients, shadows and alpha
// values. Every value is built anew on each call and the theme keeps no state,
// so a subclass changes a value by overriding its accessor; values that carry
// the theme's alpha ask alphaValue() / disabledAlphaValue() /
// scrollerAlphaValue() at the time of the call and follow such overrides.
class BGTheme {
public:
    BGTheme() = default;
    virtual ~BGTheme() = default;
    BGTheme(const BGTheme&) = delete;
    BGTheme& operator=(const BGTheme&) = delete;

    // Scroller values (kept for custom themes and controls).
    virtual QColor scrollerStroke() const;
    virtual BGGradient scrollerKnobGradient() const;
    virtual BGGradient scrollerTrackGradient() const;
    virtual BGGradient scrollerArrowNormalGradient() const;
    virtual BGGradient scrollerArrowPushedGradient() const;
    virtual qreal scrollerAlphaValue() const;

    // Slider.
    virtual QColor sliderTrackColor() const;
    virtual QColor disabledSliderTrackColor() const;
    virtual BGGradient knobColor() const;
    virtual BGGradient highlightKnobColor() const;
    virtual BGGradient disabledKnobColor() const;

    // Text fields.
    virtual bool isOverrideFillColor() const;
    virtual QColor textFillColor() const;
    virtual QColor selectionHighlightActiveColor() const;
    virtual QColor selectionHighlightInActiveColor() const;
    virtual QColor selectionTextActiveColor() const;
    virtual QColor selectionTextInActiveColor() const;
    virtual QColor placeholderTextColor() const;

    // Progress indicator.
    virtual BGGradient progressTrackGradient() const;

    // Token fields.
    virtual QColor tokenFillNormal() const;
    virtual QColor tokenFillHighlight() const;
    virtual QColor tokenBorder() const;
    virtual QColor tokenTextColor() const;

    // Tables and outlines.
    virtual QColor cellHighlightColor() const;
    virtual QList<QColor> cellAlternatingRowColors() const;
    virtual QColor cellSelectedTextColor() const;
    virtual QColor cellEditingFillColor() const;
    virtual QColor tableBackgroundColor() const;
    virtual QColor tableHeaderCellBorderColor() const;
    virtual BGGradient tableHeaderCellNormalFill() const;
    virtual BGGradient tableHeaderCellPushedFill() const;
    virtual BGGradient tableHeaderCellSelectedFill() const;

    // General fills, strokes and text.
    virtual qreal gradientAngle() const;
    virtual BGGradient normalGradient() const;
    virtual BGGradient disabledNormalGradient() const;
    virtual BGGradient pushedGradient() const;
    virtual BGGradient highlightGradient() const;
    virtual BGGradient normalComplexGradient() const;
    virtual BGGradient disabledNormalComplexGradient() const;
    virtual BGGradient pushedComplexGradient() const;
    virtual BGGradient highlightComplexGradient() const;
    virtual QColor normalSolidFill() const;
    virtual QColor disabledNormalSolidFill() const;
    virtual QColor pushedSolidFill() const;
    virtual QColor highlightSolidFill() const;
    virtual QColor strokeColor() const;
    virtual QColor disabledStrokeColor() const;
    virtual QColor darkStrokeColor() const;
    virtual QColor textColor() const;
    virtual QColor highlightTextColor() const;
    virtual QColor disabledTextColor() const;
    virtual BGShadow dropShadow() const;
    virtual qreal alphaValue() const;
    virtual qreal disabledAlphaValue() const;
    virtual BGShadow focusRing() const;
    // The outer line of a focused self-painted control's frame: 3:1 or more
    // against the HUD's panels and fields (BWFocusFrame draws it).
    virtual QColor focusFrameColor() const;

protected:
    // Colours are given as single-precision components, as the look was
    // designed; each is widened from the nearest float.
    static QColor rgb(float red, float green, float blue, qreal alpha = 1.0);
    static QColor grey(float white, qreal alpha = 1.0);

    // The colour sets several values share, at the given alpha.
    static BGGradient knobColors(qreal alpha);
    static BGGradient highlightKnobColors(qreal alpha);
    static BGGradient normalBevelColors(qreal alpha);
    static BGGradient pushedBevelColors(qreal alpha);
    static QColor strokeRGB(qreal alpha);
};
