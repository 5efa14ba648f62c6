#pragma once

#include <QDateEdit>

class Clock;

// A date field that holds and edits a date without drawing itself; it starts
// on today.
class BWDatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit BWDatePicker(const Clock& clock, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
