#pragma once

#include <QColor>
#include <QMetaType>
#include <QPixmap>
#include <QString>

class QFont;
class QPainter;
class QRect;

// One cell of the overview's bill table as it is drawn: an optional image at
// the left, the main text with a detail line under it, a label at the right,
// and the line that marks an income row. The table's model fills one for each
// row and column; its delegate sets the background style and paints it.
class BWTableCellView
{
public:
    // Normal on a plain row, Emphasized on a selected one.
    enum class BackgroundStyle { Normal, Emphasized };

    struct TextField
    {
        QString text;
        QColor textColor;
    };

    BWTableCellView();

    TextField textField;
    TextField detailTextField;
    TextField labelTextField;
    // The image's name: an icon of the resources, or a due dot ("red5.png",
    // ...), drawn in its colour when the resources have no picture of it.
    // Empty for none.
    QString imageName;
    bool lineHidden = true;

    // The detail and label lines keep the secondary colour on every row, the
    // selected one included, so that they stay quieter than the main text;
    // only the main text follows the selection.
    void setBackgroundStyle(BackgroundStyle style);
    // The main text's colour as drawn in the current style.
    QColor drawnTextColor() const;

    void paint(QPainter& painter, const QRect& frame, const QFont& font) const;

    // The theme's colours for the cell's texts.
    static QColor controlTextColor();
    static QColor secondaryLabelColor();
    static QColor selectedTextColor();
    // The colour of a due dot, by its image name; invalid for other names.
    static QColor dueDotColor(const QString& imageName);
    // The image for `name` at `side` pixels square; null when there is none.
    static QPixmap image(const QString& name, int side);

private:
    BackgroundStyle m_backgroundStyle = BackgroundStyle::Normal;
};

Q_DECLARE_METATYPE(BWTableCellView)
