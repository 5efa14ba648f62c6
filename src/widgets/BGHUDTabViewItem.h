#pragma once

#include "BGThemeKeyed.h"

#include <QWidget>

// A page of a HUD tab view; its tab label is drawn in the text colour of the
// item's own theme. The item holds the page's content.
class BGHUDTabViewItem : public QWidget, public BGThemeKeyed {
    Q_OBJECT
public:
    explicit BGHUDTabViewItem(const QString& label = QString(), QWidget* parent = nullptr);

    QString label() const { return label_; }
    void setLabel(const QString& label);
    QColor labelColor() const;

    // Puts `content` on the page, filling it.
    void setView(QWidget* content);
    QWidget* view() const { return view_; }

signals:
    void labelChanged(const QString& label);

private:
    QString label_;
    QWidget* view_ = nullptr;
};
