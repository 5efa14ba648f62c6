#include "WidgetGallery.h"

#include "widgets/BGHUDLabel.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>

WidgetGallery::WidgetGallery(QWidget* parent)
    : QWidget(parent), grid_(new QGridLayout(this))
{
    grid_->setContentsMargins(16, 16, 16, 16);
    grid_->setHorizontalSpacing(16);
    grid_->setVerticalSpacing(10);
    grid_->setColumnStretch(1, 1);
}

void WidgetGallery::addGalleryRow(const QString& label, QWidget* widget)
{
    addGalleryRow(label, {widget});
}

void WidgetGallery::addGalleryRow(const QString& label, std::initializer_list<QWidget*> widgets)
{
    const int row = grid_->rowCount();
    grid_->addWidget(new BGHUDLabel(label), row, 0, Qt::AlignRight | Qt::AlignVCenter);
    auto* holder = new QWidget;
    auto* line = new QHBoxLayout(holder);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(8);
    for (QWidget* widget : widgets)
        line->addWidget(widget);
    line->addStretch(1);
    grid_->addWidget(holder, row, 1);
}

bool WidgetGallery::saveScreenshot(const QString& path)
{
    adjustSize();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return grab().save(path);
}

void WidgetGallery::paintEvent(QPaintEvent*)
{
    // The dark panel the HUD controls are made to sit on.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(24, 24, 26));
}
