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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyCellColours(const BGHUDTextFieldCell::State& state);
    void applyInteriorMargins();

    BGHUDTextFieldCell cell_;
};
