#pragma once

#include "BGThemeKeyed.h"

#include <QLabel>

// A static label in the theme's text colour, dimmed while disabled.
class BGHUDLabel : public QLabel, public BGThemeKeyed {
    Q_OBJECT
public:
    explicit BGHUDLabel(const QString& text = QString(), QWidget* parent = nullptr);

    QColor currentTextColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
