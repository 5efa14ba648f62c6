#include "BGHUDItemViewLook.h"

#include "BGHUDTableCornerView.h"
#include "BGHUDTableHeaderView.h"
#include "BGThemeKeyed.h"

#include <QAbstractItemView>
#include <QChildEvent>

BGHUDItemViewLook::BGHUDItemViewLook(QAbstractItemView* view, const BGThemeKeyed& keyed,
                                     BGHUDTableHeaderView* header)
    : QObject(view), view_(view), keyed_(keyed), header_(header),
      corner_(new BGHUDTableCornerView(keyed.themeKey(), view))
{
    view->setAttribute(Qt::WA_MacShowFocusRect, false);
    // The corner takes the top of the vertical scroll bar's column, beside
    // the header row; it shows and hides with the scroll bar.
    view->addScrollBarWidget(corner_, Qt::AlignTop);
    connect(header_, &QHeaderView::geometriesChanged, this, [this] { fitCornerToHeader(); });
    // Editors are children of the viewport; they get the theme's editing
    // colours as they appear. The view's colours are checked before each paint.
    view->viewport()->installEventFilter(this);
    themeKeyChanged();
}

void BGHUDItemViewLook::themeKeyChanged()
{
    header_->cell().setThemeKey(keyed_.themeKey());
    corner_->setThemeKey(keyed_.themeKey());
    applyViewPalette();
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
    palette.setColor(QPalette::Highlight, theme->cellHighlightColor());
    palette.setColor(QPalette::HighlightedText, theme->cellSelectedTextColor());
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

// Only set when it differs: a palette change schedules another repaint.
void BGHUDItemViewLook::applyViewPalette()
{
    const QPalette wanted = viewPalette(view_->palette(), view_->alternatingRowColors());
    if (wanted != view_->palette())
        view_->setPalette(wanted);
}

void BGHUDItemViewLook::fitCornerToHeader()
{
    const int height = header_->isHidden() ? 0 : header_->sizeHint().height();
    if (corner_->height() != height)
        corner_->setFixedHeight(height);
}

bool BGHUDItemViewLook::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_->viewport() && event->type() == QEvent::Paint)
        applyViewPalette();
    if (watched == view_->viewport() && event->type() == QEvent::ChildPolished) {
        if (auto* editor = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            editor->setPalette(editorPalette(editor->palette()));
    }
    return QObject::eventFilter(watched, event);
}
