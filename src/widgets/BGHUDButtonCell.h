#pragma once

#include "BGControlSize.h"
#include "BGGradient.h"
#include "BGThemeKeyed.h"

#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;

// Painter of the HUD button in five bezel styles, as a check box or as a
// radio button. Geometry is in the host widget's coordinates (y down).
class BGHUDButtonCell : public BGThemeKeyed {
public:
    // Bezel styles with a drawing of their own; every other value is drawn
    // as Recessed.
    enum BezelStyle { Rounded = 1, SmallSquare = 10, TexturedRounded = 11, RoundRect = 12, Recessed = 13 };
    enum ButtonType { MomentaryLight = 0, Switch = 3, Radio = 4 };
    enum ImagePosition { NoImage = 0, ImageOnly = 1, ImageLeft = 2, ImageRight = 3,
                         ImageBelow = 4, ImageAbove = 5, ImageOverlaps = 6 };
    // Cell masks that say how a button shows its state and its highlight.
    enum CellMask { ContentsMask = 1, PushInMask = 2, ChangeGrayMask = 4, ChangeBackgroundMask = 8 };
    enum CellState { MixedState = -1, OffState = 0, OnState = 1 };
    enum class Fill { Normal, Pushed, Highlight, Disabled };

    struct State {
        bool enabled = true;
        bool highlighted = false;  // the mouse button is down on the control
        int state = OffState;
    };
    struct Frames {
        QRectF bezel;
        QRectF title;
    };
    struct CheckFrames {
        QRectF box;
        QRectF text;
    };

    int buttonType() const { return buttonType_; }
    void setButtonType(int type) { buttonType_ = type; }
    int bezelStyle() const { return bezelStyle_; }
    void setBezelStyle(int style) { bezelStyle_ = style; }
    BGControlSize controlSize() const { return controlSize_; }
    void setControlSize(BGControlSize size) { controlSize_ = size; }
    int imagePosition() const { return imagePosition_; }
    void setImagePosition(int position) { imagePosition_ = position; }
    int showsStateBy() const { return showsStateBy_; }
    void setShowsStateBy(int mask) { showsStateBy_ = mask; }
    int highlightsBy() const { return highlightsBy_; }
    void setHighlightsBy(int mask) { highlightsBy_ = mask; }
    QString title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }
    QString alternateTitle() const { return alternateTitle_; }
    void setAlternateTitle(const QString& title) { alternateTitle_ = title; }
    QPixmap image() const { return image_; }
    void setImage(const QPixmap& image) { image_ = image; }
    QPixmap alternateImage() const { return alternateImage_; }
    void setAlternateImage(const QPixmap& image) { alternateImage_ = image; }

    // Hover of a recessed button; other styles ignore the pointer. The hover
    // also highlights the cell, which draws then as if the mouse button
    // were down on it.
    bool isMouseIn() const { return isMouseIn_; }
    bool isHighlighted() const { return isHighlighted_; }
    void setHighlighted(bool highlighted) { isHighlighted_ = highlighted; }
    void mouseEntered();
    void mouseExited();

    // Geometry of the drawing steps, from the frame the host passes.
    static QRectF texturedRoundedFrame(const QRectF& frame, BGControlSize size);
    static QRectF roundRectFrame(const QRectF& frame, BGControlSize size);
    static QRectF smallSquareFrame(const QRectF& frame, qreal viewHeight);
    static Frames roundedFrames(const QRectF& frame, BGControlSize size);
    static Frames recessedFrames(const QRectF& frame, BGControlSize size);
    QRectF titleFrame(const QRectF& frame) const;
    QRectF imageRect(const QRectF& frame, const QSizeF& imageSize) const;
    CheckFrames checkFrames(const QRectF& frame, qreal viewHeight, bool radio) const;
    static QPainterPath checkMark(const QRectF& box);

    // Which variant of a fill family the state calls for.
    Fill fillFor(const State& state) const;
    // The alternate title and image replace the normal ones in these states.
    bool showsAlternate(const State& state) const;
    bool isCheckOrRadio() const { return buttonType_ == Switch || buttonType_ == Radio; }

    // Draws the whole button into `frame` with the painter's font.
    void draw(QPainter& painter, const QRectF& frame, const State& state);

private:
    void drawTexturedRoundedButton(QPainter& painter, const QRectF& frame, const State& state) const;
    void drawRoundRectButton(QPainter& painter, const QRectF& frame, const State& state) const;
    void drawSmallSquareButton(QPainter& painter, const QRectF& frame, const State& state) const;
    void drawRoundedButton(QPainter& painter, const QRectF& frame, const State& state) const;
    void drawRecessedButton(QPainter& painter, const QRectF& frame, const State& state);
    void drawOutlinedBezel(QPainter& painter, const QPainterPath& path, const BGGradient& fill,
                           const State& state) const;
    void drawContents(QPainter& painter, const QRectF& titleFrame, const QRectF& imageFrame,
                      const State& state) const;
    void drawTitle(QPainter& painter, const QRectF& frame, const State& state, Qt::Alignment alignment) const;
    void drawImage(QPainter& painter, const QRectF& frame, const State& state) const;
    void drawCheck(QPainter& painter, const QRectF& frame, const State& state, bool radio) const;
    BGGradient familyGradient(const State& state, bool complex) const;

    bool isMouseIn_ = false;
    bool isHighlighted_ = false;
    int buttonType_ = MomentaryLight;
    int bezelStyle_ = Rounded;
    BGControlSize controlSize_ = BGControlSize::Regular;
    int imagePosition_ = NoImage;
    int showsStateBy_ = 0;
    int highlightsBy_ = PushInMask | ChangeGrayMask | ChangeBackgroundMask;
    QString title_;
    QString alternateTitle_;
    QPixmap image_;
    QPixmap alternateImage_;
};
