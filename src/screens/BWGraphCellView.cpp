#include "screens/BWGraphCellView.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

BWGraphCellView::BWGraphCellView(const QString& identifier, QWidget* parent) : QWidget(parent)
{
    setObjectName(identifier);
    m_imageView = new QLabel(this);
    m_imageView->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    m_textField = new QLabel(this);
    m_textField->setTextFormat(Qt::PlainText);
    m_textField->setAlignment(Qt::AlignCenter);
    QPalette colors = m_textField->palette();
    colors.setColor(QPalette::WindowText, QColor(220, 220, 226));
    m_textField->setPalette(colors);
    QFont small = m_textField->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_textField->setFont(small);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 4, 2, 4);
    layout->setSpacing(2);
    layout->addWidget(m_imageView, 1, Qt::AlignHCenter | Qt::AlignBottom);
    layout->addWidget(m_textField);
}

QColor BWGraphCellView::barColor(const QString& imageName)
{
    if (imageName == QLatin1String("orchidbar.png"))
        return QColor(218, 112, 214);
    if (imageName == QLatin1String("blackbar.png"))
        return QColor(142, 142, 153);
    return QColor(90, 90, 99);
}

void BWGraphCellView::setBar(const QString& imageName, const QSize& size)
{
    if (size.width() <= 0 || size.height() <= 0) {
        m_imageView->setPixmap(QPixmap());
        m_imageView->setFixedSize(0, 0);
        return;
    }
    QPixmap bar(size);
    bar.fill(barColor(imageName));
    m_imageView->setFixedSize(size);
    m_imageView->setPixmap(bar);
}
