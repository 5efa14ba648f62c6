#include "BGHUDButton.h"

#include "BGHUDButtonHost.h"

#include <QtMath>

namespace {

// How much narrower and lower than its frame the cell draws the bezel.
QSize bezelMargin(const BGHUDButtonCell& cell)
{
    const QRectF probe(0, 0, 200, 100);
    QRectF bezel;
    switch (cell.bezelStyle()) {
    case BGHUDButtonCell::Rounded:
        bezel = BGHUDButtonCell::roundedFrames(probe, cell.controlSize()).bezel;
        break;
    case BGHUDButtonCell::TexturedRounded:
        bezel = BGHUDButtonCell::texturedRoundedFrame(probe, cell.controlSize());
        break;
    case BGHUDButtonCell::RoundRect:
        bezel = BGHUDButtonCell::roundRectFrame(probe, cell.controlSize());
        break;
    case BGHUDButtonCell::SmallSquare:
        bezel = BGHUDButtonCell::smallSquareFrame(probe, probe.height());
        break;
    default:
        bezel = BGHUDButtonCell::recessedFrames(probe, cell.controlSize()).bezel;
        break;
    }
    return QSize(qCeil(probe.width() - bezel.width()), qCeil(probe.height() - bezel.height()));
}

}  // namespace

BGHUDButton::BGHUDButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    setAttribute(Qt::WA_Hover);
}

QSize BGHUDButton::sizeHint() const
{
    return QPushButton::sizeHint() + bezelMargin(cell_);
}

QSize BGHUDButton::minimumSizeHint() const
{
    return QPushButton::minimumSizeHint() + bezelMargin(cell_);
}

void BGHUDButton::syncCellWithButton()
{
    using Cell = BGHUDButtonCell;
    if (isCheckable()) {
        cell_.setShowsStateBy(Cell::ChangeGrayMask | Cell::ChangeBackgroundMask);
        cell_.setHighlightsBy(Cell::PushInMask | Cell::ChangeGrayMask | Cell::ChangeBackgroundMask);
    } else {
        cell_.setShowsStateBy(0);
        cell_.setHighlightsBy(Cell::PushInMask | Cell::ChangeGrayMask | Cell::ChangeBackgroundMask);
    }
    if (icon().isNull())
        cell_.setImagePosition(Cell::NoImage);
    else
        cell_.setImagePosition(text().isEmpty() ? Cell::ImageOnly : Cell::ImageLeft);
}

void BGHUDButton::paintEvent(QPaintEvent*)
{
    syncCellWithButton();
    BGHUDButtonHost::paint(*this, cell_);
}

void BGHUDButton::enterEvent(QEnterEvent* event)
{
    cell_.mouseEntered();
    update();
    QPushButton::enterEvent(event);
}

void BGHUDButton::leaveEvent(QEvent* event)
{
    cell_.mouseExited();
    update();
    QPushButton::leaveEvent(event);
}
