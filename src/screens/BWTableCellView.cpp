#include "screens/BWTableCellView.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QRect>

#include "widgets/BGThemeManager.h"
#include "widgets/BWIconFont.h"

namespace {

constexpr int kMargin = 4;
constexpr int kImageSpacing = 6;
constexpr int kIconSide = 24;
constexpr int kDotSide = 10;
constexpr qreal kSecondaryAlpha = 0.55;
constexpr qreal kDetailFontScale = 0.85;

std::shared_ptr<const BGTheme> theme()
{
    return BGThemeManager::keyedManager().themeForKey(BGThemeManager::GradientThemeKey);
}

QString resourcePath(const QString& name)
{
    const QString file = name.contains(u'.') ? name : name + QStringLiteral(".png");
    return QStringLiteral(":/images/") + file;
}

QPixmap dot(const QColor& color, int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QRectF(0.5, 0.5, side - 1.0, side - 1.0));
    return picture;
}

void drawText(QPainter& painter, const QRect& area, const QString& text, const QColor& color, const QFont& font,
              Qt::Alignment alignment)
{
    painter.setFont(font);
    painter.setPen(color);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, area.width());
    painter.drawText(area, int(alignment | Qt::TextSingleLine), shown);
}

}  // namespace

BWTableCellView::BWTableCellView()
{
    textField.textColor = controlTextColor();
    detailTextField.textColor = secondaryLabelColor();
    labelTextField.textColor = secondaryLabelColor();
}

void BWTableCellView::setBackgroundStyle(BackgroundStyle style)
{
    detailTextField.textColor = secondaryLabelColor();
    labelTextField.textColor = secondaryLabelColor();
    m_backgroundStyle = style;
}

QColor BWTableCellView::drawnTextColor() const
{
    return m_backgroundStyle == BackgroundStyle::Emphasized ? selectedTextColor() : textField.textColor;
}

void BWTableCellView::paint(QPainter& painter, const QRect& frame, const QFont& font) const
{
    painter.save();
    QRect content = frame.adjusted(kMargin, 0, -kMargin, 0);

    const bool isDot = dueDotColor(imageName).isValid();
    const int imageSide = isDot ? kDotSide : std::min(kIconSide, frame.height() - 2 * kMargin);
    const QPixmap picture = image(imageName, imageSide);
    if (!picture.isNull()) {
        const QRect imageFrame(content.left(), content.center().y() - imageSide / 2, imageSide, imageSide);
        painter.drawPixmap(imageFrame, picture);
        content.setLeft(imageFrame.right() + 1 + kImageSpacing);
    }

    QFont detailFont = font;
    detailFont.setPointSizeF(font.pointSizeF() * kDetailFontScale);
    if (!labelTextField.text.isEmpty()) {
        const int labelWidth = std::min(QFontMetrics(detailFont).horizontalAdvance(labelTextField.text),
                                        content.width() / 2);
        const QRect labelFrame(content.right() - labelWidth + 1, content.top(), labelWidth, content.height());
        drawText(painter, labelFrame, labelTextField.text, labelTextField.textColor, detailFont,
                 Qt::AlignRight | Qt::AlignVCenter);
        content.setRight(labelFrame.left() - kImageSpacing);
    }

    if (detailTextField.text.isEmpty()) {
        drawText(painter, content, textField.text, drawnTextColor(), font, Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        const int half = content.height() / 2;
        drawText(painter, QRect(content.left(), content.top(), content.width(), half), textField.text,
                 drawnTextColor(), font, Qt::AlignLeft | Qt::AlignBottom);
        drawText(painter, QRect(content.left(), content.top() + half, content.width(), content.height() - half),
                 detailTextField.text, detailTextField.textColor, detailFont, Qt::AlignLeft | Qt::AlignTop);
    }

    if (!lineHidden) {
        painter.setPen(theme()->strokeColor());
        painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    }
    painter.restore();
}

QColor BWTableCellView::controlTextColor()
{
    return theme()->textColor();
}

QColor BWTableCellView::secondaryLabelColor()
{
    QColor color = theme()->textColor();
    color.setAlphaF(float(kSecondaryAlpha));
    return color;
}

QColor BWTableCellView::selectedTextColor()
{
    return theme()->cellSelectedTextColor();
}

QColor BWTableCellView::dueDotColor(const QString& imageName)
{
    static const QHash<QString, QColor> colors = {
        {QStringLiteral("red5.png"), QColor(255, 59, 48)},
        {QStringLiteral("yellow5.png"), QColor(255, 204, 0)},
        {QStringLiteral("green5.png"), QColor(52, 199, 89)},
        {QStringLiteral("blue5.png"), QColor(0, 122, 255)},
        {QStringLiteral("white5.png"), QColor(242, 242, 247)},
    };
    return colors.value(imageName);
}

QPixmap BWTableCellView::image(const QString& name, int side)
{
    if (name.isEmpty() || side <= 0)
        return {};
    const QString path = resourcePath(name);
    if (QFile::exists(path))
        return QPixmap(path).scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QColor color = dueDotColor(name);
    const QPixmap glyph = BWIconFont::pixmap(name, side, color.isValid() ? color : controlTextColor());
    if (!glyph.isNull())
        return glyph;
    return color.isValid() ? dot(color, side) : QPixmap();
}
