#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>

// A painted view read by the name and description it was given, in the role
// it plays (a chart, a dialog); an unnamed window is read by its title.
class BWAccessiblePicture : public QAccessibleWidget
{
public:
    BWAccessiblePicture(QWidget* view, QAccessible::Role role)
        : QAccessibleWidget(view, role)
    {
    }
    QString text(QAccessible::Text which) const override;
};

// The HUD stepper: a spin box whose value steps by its increment.
class BWAccessibleStepper : public QAccessibleWidget, public QAccessibleValueInterface
{
    Q_DECLARE_TR_FUNCTIONS(BWAccessibleStepper)

public:
    explicit BWAccessibleStepper(QWidget* stepper);
    QString text(QAccessible::Text which) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;
};

// The HUD segmented control: a row of tabs whose value is the chosen one.
class BWAccessibleSegmentedControl : public QAccessibleWidget
{
    Q_DECLARE_TR_FUNCTIONS(BWAccessibleSegmentedControl)

public:
    explicit BWAccessibleSegmentedControl(QWidget* control);
    QString text(QAccessible::Text which) const override;
};
