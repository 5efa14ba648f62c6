#pragma once

#include <QCoreApplication>

class QAccessibleInterface;
class QCalendarWidget;
class QObject;
class QString;

// Gives the controls this program paints itself the accessible interfaces a
// screen reader asks for: the month calendar and its days, the pie chart and
// its slices, the charts, the attached windows and the HUD kit's own
// controls. Qt's own interfaces serve every other widget.
class BWAccessibleFactory
{
    Q_DECLARE_TR_FUNCTIONS(BWAccessibleFactory)

public:
    // Installs the factory once; calling again changes nothing.
    static void install();
    // The interface for `object` of class `className`, or null for Qt's own.
    static QAccessibleInterface* create(const QString& className, QObject* object);
    // Qt's calendar pop-up names its month arrows by their arrow glyphs;
    // this names them, the calendar and its days by what they are.
    static void nameCalendarPopup(QCalendarWidget* calendar);
};
