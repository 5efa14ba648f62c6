#pragma once

#include <QWidget>

// The pane that holds the payment graph; the graph draws itself, so the pane
// paints nothing of its own.
class BWBarGraphView : public QWidget
{
    Q_OBJECT

public:
    explicit BWBarGraphView(QWidget* parent = nullptr) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {}
};
