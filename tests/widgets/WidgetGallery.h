#pragma once

#include <QGridLayout>
#include <QWidget>
#include <initializer_list>

// A dark test window that lays out controls of the widget kit one row each,
// a caption on the left, for screenshots.
class WidgetGallery : public QWidget {
public:
    explicit WidgetGallery(QWidget* parent = nullptr);

    // Adds one row; the gallery takes ownership of the widgets.
    void addGalleryRow(const QString& label, QWidget* widget);
    void addGalleryRow(const QString& label, std::initializer_list<QWidget*> widgets);

    // Lays the gallery out at its natural size and saves a picture of it.
    bool saveScreenshot(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QGridLayout* grid_;
};
