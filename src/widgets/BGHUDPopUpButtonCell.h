#pragma once

#include "BGControlSize.h"
#include "BGThemeKeyed.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>

class QPainter;

// Painter of the flat HUD pop-up (or pull-down) button: no bezel, only the
// menu arrows at the right end, the title in a fixed light typeface and the
// item's image. Geometry is in the control's coordinates (y down).
class BGHUDPopUpButtonCell : public BGThemeKeyed {
public:
    enum ImagePosition { NoImage = 0, ImageOnly = 1, ImageLeft = 2, ImageRight = 3 };

    struct State {
        bool enabled = true;
        bool highlighted = false;  // the menu is open
        bool inKeyWindow = true;
        bool on = false;           // the button's state is on
    };

    BGControlSize controlSize() const { return controlSize_; }
    void setControlSize(BGControlSize size) { controlSize_ = size; }
    bool pullsDown() const { return pullsDown_; }
    void setPullsDown(bool pullsDown) { pullsDown_ = pullsDown; }
    bool isBordered() const { return bordered_; }
    void setBordered(bool bordered) { bordered_ = bordered; }
    int imagePosition() const { return imagePosition_; }
    void setImagePosition(int position) { imagePosition_ = position; }
    int showsStateBy() const { return showsStateBy_; }
    void setShowsStateBy(int mask) { showsStateBy_ = mask; }
    int highlightsBy() const { return highlightsBy_; }
    void setHighlightsBy(int mask) { highlightsBy_ = mask; }
    QString title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }
    QImage image() const { return image_; }
    void setImage(const QImage& image) { image_ = image; }
    QImage alternateImage() const { return alternateImage_; }
    void setAlternateImage(const QImage& image) { alternateImage_ = image; }

    static qreal arrowAreaWidth(BGControlSize size, bool bordered);
    static qreal titleWidthReduction(BGControlSize size);
    static QFont titleFont();

    // The arrows' rectangle for a cell of natural height `cellHeight`.
    QRectF arrowRect(const QRectF& frame, qreal cellHeight) const;
    // One triangle for a pop-up, two pointing apart for a pull-down.
    QList<QPolygonF> arrows(const QRectF& arrowRect) const;
    QColor arrowColor(const State& state) const;
    QColor titleColor(const State& state) const;
    QRectF titleRect(const QRectF& frame, qreal titleHeight) const;
    QRectF imageRect(const QRectF& frame, const QSizeF& imageSize) const;
    // The image to show: the alternate one in the states that ask for it.
    QImage shownImage(const State& state) const;

    void draw(QPainter& painter, const QRectF& frame, qreal cellHeight, const State& state) const;

private:
    QRectF contentFrame(const QRectF& frame) const;

    BGControlSize controlSize_ = BGControlSize::Regular;
    bool pullsDown_ = false;
    bool bordered_ = true;
    int imagePosition_ = ImageLeft;
    int showsStateBy_ = 0;
    int highlightsBy_ = 1;
    QString title_;
    QImage image_;
    QImage alternateImage_;
};
