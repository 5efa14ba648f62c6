#include "BWAccessibleKit.h"

#include "BGHUDSegmentedControl.h"
#include "BGHUDStepper.h"

#include <QLocale>

QString BWAccessiblePicture::text(QAccessible::Text which) const
{
    const QString own = QAccessibleWidget::text(which);
    if (which == QAccessible::Name && own.isEmpty() && widget()->isWindow())
        return widget()->windowTitle();
    return own;
}

namespace {

BGHUDStepper* stepperOf(QObject* object)
{
    return static_cast<BGHUDStepper*>(object);
}

}  // namespace

BWAccessibleStepper::BWAccessibleStepper(QWidget* stepper)
    : QAccessibleWidget(stepper, QAccessible::SpinBox)
{
}

QString BWAccessibleStepper::text(QAccessible::Text which) const
{
    if (which == QAccessible::Value)
        return QLocale().toString(stepperOf(object())->value());
    const QString own = QAccessibleWidget::text(which);
    return which == QAccessible::Name && own.isEmpty() ? tr("Stepper") : own;
}

void* BWAccessibleStepper::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant BWAccessibleStepper::currentValue() const
{
    return stepperOf(object())->value();
}

void BWAccessibleStepper::setCurrentValue(const QVariant& value)
{
    stepperOf(object())->setValue(value.toDouble());
}

QVariant BWAccessibleStepper::maximumValue() const
{
    return stepperOf(object())->maximum();
}

QVariant BWAccessibleStepper::minimumValue() const
{
    return stepperOf(object())->minimum();
}

QVariant BWAccessibleStepper::minimumStepSize() const
{
    return stepperOf(object())->increment();
}

BWAccessibleSegmentedControl::BWAccessibleSegmentedControl(QWidget* control)
    : QAccessibleWidget(control, QAccessible::PageTabList)
{
}

QString BWAccessibleSegmentedControl::text(QAccessible::Text which) const
{
    auto* control = static_cast<BGHUDSegmentedControl*>(object());
    if (which == QAccessible::Value) {
        const int chosen = control->selectedSegment();
        if (chosen < 0 || chosen >= control->count())
            return {};
        return control->cell().segments().at(chosen).label.value_or(QString());
    }
    const QString own = QAccessibleWidget::text(which);
    return which == QAccessible::Name && own.isEmpty() ? tr("Choices") : own;
}
