#pragma once

#include "BGHUDComboBoxCell.h"

#include <QComboBox>

// An editable combo box in the HUD look. Editing, completion, the list and
// the keyboard stay Qt's; the frame, button, arrow and colours come from its
// BGHUDComboBoxCell, and a press on the button opens the list.
class BGHUDComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit BGHUDComboBox(QWidget* parent = nullptr);

    BGHUDComboBoxCell& cell() { return cell_; }

    BGHUDTextFieldCell::State cellState() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void placeEditor();

    BGHUDComboBoxCell cell_;
};
