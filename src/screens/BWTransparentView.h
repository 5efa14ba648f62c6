#pragma once

#include <QWidget>

// A view that stays see-through: what lies behind it shows everywhere.
class BWTransparentView : public QWidget
{
    Q_OBJECT

public:
    explicit BWTransparentView(QWidget* parent = nullptr) : QWidget(parent)
    {
        setAutoFillBackground(false);
    }

protected:
    void paintEvent(QPaintEvent*) override {}
};
