#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>

#include "PieChart.h"

// A pie chart whose children are its slices, each read as its name, amount
// and share: "Rent, $1,450.00, 25%".
class BWAccessiblePieChart : public QAccessibleWidget
{
    Q_DECLARE_TR_FUNCTIONS(BWAccessiblePieChart)

public:
    explicit BWAccessiblePieChart(QWidget* chart);
    ~BWAccessiblePieChart() override;

    QString text(QAccessible::Text which) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // The reading of slice `index` as it stands.
    static QString sliceReading(PieChart& chart, int index);

private:
    PieChart* chart() const;
    // Slices are no objects of their own; their interfaces are kept here
    // and registered, as QAccessible wants of object-less interfaces.
    mutable QHash<int, QAccessible::Id> m_slices;
};

// One slice of a pie chart. Pressing it selects it, as a click does.
class BWAccessiblePieSlice : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    BWAccessiblePieSlice(PieChart* chart, int index)
        : m_chart(chart)
        , m_index(index)
    {
    }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text which) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<PieChart> m_chart;
    int m_index;
};
