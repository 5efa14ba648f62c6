#include "widgets/BWGlyphIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

#include "widgets/BWIconFont.h"

namespace {

// The sizes a caller can count on, as menus, toolbars and buttons ask for.
const QList<QSize> StandardSizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}};

}  // namespace

BWGlyphIconEngine::BWGlyphIconEngine(const QString& imageName, const QColor& color)
    : m_imageName(imageName), m_color(color)
{
}

void BWGlyphIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const int side = std::min(rect.width(), rect.height());
    const QPixmap drawn = pixmap(QSize(side, side), mode, state);
    if (!drawn.isNull())
        painter->drawPixmap(QRect(rect.center() - QPoint(side / 2, side / 2), QSize(side, side)), drawn);
}

QPixmap BWGlyphIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State)
{
    const int side = std::min(size.width(), size.height());
    const quint64 key = quint64(side) << 8 | quint64(mode);
    const auto drawn = m_drawn.constFind(key);
    if (drawn != m_drawn.cend())
        return *drawn;
    QPixmap picture = BWIconFont::pixmap(m_imageName, side, m_color);
    // Disabled and selected looks come from the style, as they do for
    // icons made of pixmaps.
    if (mode != QIcon::Normal && !picture.isNull()) {
        QStyleOption option;
        option.palette = QApplication::palette();
        picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }
    m_drawn.insert(key, picture);
    return picture;
}

QList<QSize> BWGlyphIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return StandardSizes;
}

QIconEngine* BWGlyphIconEngine::clone() const
{
    return new BWGlyphIconEngine(m_imageName, m_color);
}

QString BWGlyphIconEngine::key() const
{
    return QStringLiteral("BWGlyphIconEngine");
}
