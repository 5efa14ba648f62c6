#pragma once

#include "BGHUDSearchFieldCell.h"

#include <QLineEdit>

// A search field in the HUD look. Editing, focus and accessibility stay Qt's;
// the frame, icons and colours come from its BGHUDSearchFieldCell. Clicking
// the cancel disc empties the field as if the user had deleted the text.
class BGHUDSearchField : public QLineEdit {
    Q_OBJECT
public:
    explicit BGHUDSearchField(QWidget* parent = nullptr);

    BGHUDSearchFieldCell& cell() { return cell_; }
    const BGHUDSearchFieldCell& cell() const { return cell_; }

    BGHUDTextFieldCell::State cellState() const;
    bool showsCancelButton() const { return !text().isEmpty(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void applyCellColours(const BGHUDTextFieldCell::State& state);
    void applyTextMargins();
    bool isOverCancelButton(const QPointF& position) const;

    BGHUDSearchFieldCell cell_;
};
