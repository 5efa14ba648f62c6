#pragma once

#include "BGThemeKeyed.h"

#include <QWidget>

// A page of a HUD tab view; its tab label is drawn in the theme's text
// colour.
class BGHUDTabViewItem : public QWidget, public BGThemeKeyed {
    Q_OBJECT
public:
    explicit BGHUDTabViewItem(const QString& label = QString(), QWidget* parent = nullptr);

    QString label() const { return label_; }
    void setLabel(const QString& label) { label_ = label; }
    QColor labelColor() const;

private:
    QString label_;
};
