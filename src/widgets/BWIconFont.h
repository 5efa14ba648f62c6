#pragma once

#include <QChar>
#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;

// Orvane's pictures, drawn from the icon font Debian packages as
// fonts-font-awesome (Font Awesome 4.7): one table maps each image name the
// program uses (the bill icon catalogue, the due dots, the calendar's and
// the toolbar's buttons, the airplane) to a glyph. Where the font is not
// installed nothing is drawn, and callers keep their plain look.
class BWIconFont
{
public:
    // The glyph of an image name; a null character for a name not in the table.
    static QChar glyphForName(const QString& imageName);
    // Whether the font could be loaded.
    static bool isAvailable();
    // The font's family name; empty when it is not available.
    static QString family();

    // Draws the glyph of `imageName` centred in `area`, as large as fits.
    // False when there is nothing to draw (unknown name, no font).
    static bool paint(QPainter& painter, const QRectF& area, const QString& imageName, const QColor& color);
    // The glyph on a transparent square of `side` pixels; null when there is
    // nothing to draw.
    static QPixmap pixmap(const QString& imageName, int side, const QColor& color);
    // An icon for menus, toolbars and buttons.
    static QIcon icon(const QString& imageName, const QColor& color);

private:
    static QString loadFamily();
};
