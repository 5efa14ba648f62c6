#include "BGHUDTableView.h"

#include "BGHUDTableCornerView.h"
#include "BGHUDTableHeaderView.h"

#include <QChildEvent>

BGHUDTableView::BGHUDTableView(QWidget* parent)
    : QTableView(parent),
      header_(new BGHUDTableHeaderView(Qt::Horizontal, this)),
      corner_(new BGHUDTableCornerView(themeKey(), this))
{
    header_->setFont(horizontalHeader()->font());
    header_->setSectionsClickable(horizontalHeader()->sectionsClickable());
    setHorizontalHeader(header_);
    header_->cell().setThemeKey(themeKey());
    setAttribute(Qt::WA_MacShowFocusRect, false);
    // Editors are children of the viewport; they get the theme's editing
    // colours as they appear.
    viewport()->installEventFilter(this);
    // The corner takes the top of the vertical scroll bar's column, beside
    // the header row; it shows and hides with the scroll bar.
    addScrollBarWidget(corner_, Qt::AlignTop);
    applyThemePalette();
}

void BGHUDTableView::setThemeKey(const QString& key)
{
    BGThemeKeyed::setThemeKey(key);
    header_->cell().setThemeKey(key);
    corner_->setThemeKey(key);
    applyThemePalette();
    header_->viewport()->update();
    corner_->update();
    viewport()->update();
}

QPalette BGHUDTableView::themePalette(const QPalette& base, bool alternating) const
{
    const auto theme = this->theme();
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

QPalette BGHUDTableView::editorPalette(const QPalette& base) const
{
    const auto theme = this->theme();
    QPalette palette = base;
    palette.setColor(QPalette::Base, theme->cellEditingFillColor());
    palette.setColor(QPalette::Text, theme->textColor());
    return palette;
}

void BGHUDTableView::paintEvent(QPaintEvent* event)
{
    applyThemePalette();
    QTableView::paintEvent(event);
}

// Only set when it differs: a palette change schedules another repaint.
void BGHUDTableView::applyThemePalette()
{
    const QPalette wanted = themePalette(palette(), alternatingRowColors());
    if (wanted != palette())
        setPalette(wanted);
}

bool BGHUDTableView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::ChildPolished) {
        if (auto* editor = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            editor->setPalette(editorPalette(editor->palette()));
    }
    return QTableView::eventFilter(watched, event);
}

void BGHUDTableView::updateGeometries()
{
    QTableView::updateGeometries();
    const int headerHeight = header_->isHidden() ? 0 : header_->height();
    if (corner_->height() != headerHeight)
        corner_->setFixedHeight(headerHeight);
}
