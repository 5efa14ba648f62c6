#pragma once

#include <QWidget>

class QLabel;

// One column of the payment graph: its bar standing on the column's label.
class BWGraphCellView : public QWidget
{
    Q_OBJECT

public:
    explicit BWGraphCellView(const QString& identifier, QWidget* parent = nullptr);

    QString identifier() const { return objectName(); }
    QLabel* textField() const { return m_textField; }
    // The bar: its picture, sized to the amount.
    QLabel* imageView() const { return m_imageView; }

    // Shows a bar of `size` in the look named by `imageName`.
    void setBar(const QString& imageName, const QSize& size);
    // The colour of a bar look; current year, last year, or older.
    static QColor barColor(const QString& imageName);

private:
    QLabel* m_textField = nullptr;
    QLabel* m_imageView = nullptr;
};
