#pragma once

#include <QObject>
#include <QPalette>

class BGHUDTableCornerView;
class BGTheme;
class QAbstractScrollArea;
class BGHUDTableHeaderView;
class BGThemeKeyed;
class QAbstractItemView;
class QPainter;

// What the HUD table and outline views share: rows, selection and text in
// the theme's colours, editors with the theme's editing fill, and a corner
// view beside the header row, over the top of the vertical scroll bar.
class BGHUDItemViewLook : public QObject {
    Q_OBJECT
public:
    // `keyed` names the theme (it is the view itself); `header` is the
    // view's HUD header row.
    BGHUDItemViewLook(QAbstractItemView* view, const BGThemeKeyed& keyed, BGHUDTableHeaderView* header);

    BGHUDTableCornerView* cornerView() const { return corner_; }

    // Passes a new key on to the header and corner and repaints.
    void themeKeyChanged();

    // Source-list selection: selected rows are filled with the theme's
    // highlight gradient (its normal gradient while the window is inactive)
    // and underlined in its stroke colour, instead of the cell highlight.
    bool sourceListHighlight() const { return sourceListHighlight_; }
    void setSourceListHighlight(bool on);
    // Draws the line under each selected row; the view calls it after its
    // own painting.
    void drawSourceListLines(QPainter& painter) const;

    // The desktop's scroll bars are light: beside dark rows they take the
    // theme's look, a dark track and a grey knob, without arrows.
    static void giveScrollBarsHUDLook(QAbstractScrollArea& area, const BGTheme& theme);

    QPalette viewPalette(const QPalette& base, bool alternating) const;
    QPalette editorPalette(const QPalette& base) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyViewPalette();
    void fitCornerToHeader();

    QAbstractItemView* view_;
    // The viewport the filter watches, known without asking the view: its
    // children are destroyed after the view's own parts, and their events
    // still reach the filter.
    QWidget* viewport_;
    const BGThemeKeyed& keyed_;
    BGHUDTableHeaderView* header_;
    BGHUDTableCornerView* corner_;
    bool sourceListHighlight_ = false;
};
