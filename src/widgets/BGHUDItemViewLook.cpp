#include "BGHUDItemViewLook.h"

#include "BGHUDTableCornerView.h"
#include "BGHUDTableHeaderView.h"
#include "BGThemeKeyed.h"

#include <QAbstractItemView>
#include <QChildEvent>
#include <QItemSelectionModel>
#include <QMap>
#include <QPainter>
#include <QScrollBar>

namespace {

// A gradient brush laid over whatever rectangle it fills, top to bottom.
QBrush rowGradientBrush(const BGGradient& gradient)
{
    QLinearGradient ramp = gradient.linearGradient(QRectF(0, 0, 1, 1), 90);
    ramp.setCoordinateMode(QGradient::ObjectMode);
    return QBrush(ramp);
}

}  // namespace

BGHUDItemViewLook::BGHUDItemViewLook(QAbstractItemView* view, const BGThemeKeyed& keyed,
                                     BGHUDTableHeaderView* header)
    : QObject(view), view_(view), viewport_(view->viewport()), keyed_(keyed), header_(header),
      corner_(new BGHUDTableCornerView(keyed.themeKey(), view))
{
    view->setAttribute(Qt::WA_MacShowFocusRect, false);
    // The corner takes the top of the vertical scroll bar's column, beside
    // the header row; it shows and hides with the scroll bar.
    view->addScrollBarWidget(corner_, Qt::AlignTop);
    connect(header_, &QHeaderView::geometriesChanged, this, [this] { fitCornerToHeader(); });
    // Editors are children of the viewport; they get the theme's editing
    // colours as they appear. The view's colours are checked before each paint.
    viewport_->installEventFilter(this);
    themeKeyChanged();
}

void BGHUDItemViewLook::themeKeyChanged()
{
    header_->cell().setThemeKey(keyed_.themeKey());
    corner_->setThemeKey(keyed_.themeKey());
    applyViewPalette();
    giveScrollBarsHUDLook(*view_, *keyed_.theme());
    fitCornerToHeader();
    header_->viewport()->update();
    corner_->update();
    view_->viewport()->update();
}

QPalette BGHUDItemViewLook::viewPalette(const QPalette& base, bool alternating) const
{
    const auto theme = keyed_.theme();
    const QList<QColor> rows = theme->cellAlternatingRowColors();
    QPalette palette = base;
    palette.setColor(QPalette::Base, alternating ? rows.value(0) : theme->tableBackgroundColor());
    palette.setColor(QPalette::AlternateBase, rows.value(1));
    palette.setColor(QPalette::Window, theme->tableBackgroundColor());
    palette.setColor(QPalette::Text, theme->textColor());
    palette.setColor(QPalette::WindowText, theme->textColor());
    if (sourceListHighlight_) {
        palette.setBrush(QPalette::Active, QPalette::Highlight, rowGradientBrush(theme->highlightGradient()));
        palette.setBrush(QPalette::Inactive, QPalette::Highlight, rowGradientBrush(theme->normalGradient()));
        // The selected text colour is made for the light cell highlight; on
        // the dark gradients it would not be read.
        palette.setColor(QPalette::HighlightedText, theme->textColor());
    } else {
        palette.setColor(QPalette::Highlight, theme->cellHighlightColor());
        palette.setColor(QPalette::HighlightedText, theme->cellSelectedTextColor());
    }
    return palette;
}

QPalette BGHUDItemViewLook::editorPalette(const QPalette& base) const
{
    const auto theme = keyed_.theme();
    QPalette palette = base;
    palette.setColor(QPalette::Base, theme->cellEditingFillColor());
    palette.setColor(QPalette::Text, theme->textColor());
    return palette;
}

void BGHUDItemViewLook::setSourceListHighlight(bool on)
{
    sourceListHighlight_ = on;
    applyViewPalette();
    view_->viewport()->update();
}

void BGHUDItemViewLook::drawSourceListLines(QPainter& painter) const
{
    if (!sourceListHighlight_ || !view_->selectionModel())
        return;
    // One line a selected row, along the bottom of the row's cells.
    QMap<int, QRect> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        rows[index.row()] = rows.value(index.row()).united(view_->visualRect(index));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(keyed_.theme()->strokeColor(), 1));
    for (const QRect& row : std::as_const(rows)) {
        const QRectF inset = QRectF(row).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.drawLine(QPointF(inset.left(), inset.bottom()), QPointF(inset.right(), inset.bottom()));
    }
    painter.restore();
}

// Only set when it differs: a palette change schedules another repaint.
void BGHUDItemViewLook::applyViewPalette()
{
    const QPalette wanted = viewPalette(view_->palette(), view_->alternatingRowColors());
    if (wanted != view_->palette())
        view_->setPalette(wanted);
}

void BGHUDItemViewLook::giveScrollBarsHUDLook(QAbstractScrollArea& area, const BGTheme& theme)
{
    // Opaque: the track's own colour is meant to be laid over a dark window.
    const QColor track = theme.scrollerTrackGradient().stops().constFirst().second.rgb();
    const QColor knob = theme.scrollerKnobGradient().stops().constLast().second;
    const QString look = QStringLiteral(
        "QScrollBar { background: %1; border: none; }"
        "QScrollBar:vertical { width: 12px; }"
        "QScrollBar:horizontal { height: 12px; }"
        "QScrollBar::handle { background: %2; border-radius: 4px; margin: 2px; }"
        "QScrollBar::handle:vertical { min-height: 24px; }"
        "QScrollBar::handle:horizontal { min-width: 24px; }"
        "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
                             .arg(track.name(), knob.name());
    for (QScrollBar* bar : {area.verticalScrollBar(), area.horizontalScrollBar()})
        bar->setStyleSheet(look);
}

void BGHUDItemViewLook::fitCornerToHeader()
{
    const int height = header_->isHidden() ? 0 : header_->sizeHint().height();
    if (corner_->height() != height)
        corner_->setFixedHeight(height);
}

bool BGHUDItemViewLook::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport_ && event->type() == QEvent::Paint)
        applyViewPalette();
    if (watched == viewport_ && event->type() == QEvent::ChildPolished) {
        if (auto* editor = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            editor->setPalette(editorPalette(editor->palette()));
    }
    return QObject::eventFilter(watched, event);
}
