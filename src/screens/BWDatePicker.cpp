#include "screens/BWDatePicker.h"

#include "platform/Clock.h"

BWDatePicker::BWDatePicker(const Clock& clock, QWidget* parent)
    : QDateEdit(parent)
{
    setDateTime(clock.now().toLocalTime());
}

void BWDatePicker::paintEvent(QPaintEvent*)
{
}
