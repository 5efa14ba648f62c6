#pragma once

#include <QColor>
#include <QHash>
#include <QIconEngine>
#include <QPixmap>
#include <QString>

// An icon drawn from the icon font's glyph at the size asked for, when it is
// first asked for. Menus hold dozens of these (the bill icon catalogue), and
// drawing every size of every one up front delayed the main window.
class BWGlyphIconEngine : public QIconEngine
{
public:
    BWGlyphIconEngine(const QString& imageName, const QColor& color);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QString m_imageName;
    QColor m_color;
    // Drawn pixmaps by side and mode.
    QHash<quint64, QPixmap> m_drawn;
};
