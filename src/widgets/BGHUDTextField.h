#pragma once

#include "BGHUDTextFieldCell.h"

#include <QLineEdit>

// A line edit in the HUD look. Editing, focus and accessibility stay Qt's;
// the frame, fill and colours come from its BGHUDTextFieldCell.
class BGHUDTextField : public QLineEdit {
    Q_OBJECT
public:
    explicit BGHUDTextField(QWidget* parent = nullptr);

    BGHUDTextFieldCell& cell() { return cell_; }
    const BGHUDTextFieldCell& cell() const { return cell_; }

    BGHUDTextFieldCell::State cellState() const;

    // A fill of the field's own under the text, drawn in place of the
    // theme's (a mark, say, for text the program filled in); the text then
    // turns dark to stay readable on it. The clear colour takes it away.
    QColor backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyCellColours(const BGHUDTextFieldCell::State& state);
    void applyInteriorMargins();

    bool hasOwnBackground() const { return backgroundColor_.isValid() && backgroundColor_.alpha() > 0; }

    BGHUDTextFieldCell cell_;
    QColor backgroundColor_;
};
