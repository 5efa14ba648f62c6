#include "screens/BWSideWindowParts.h"

#include "store/BWTagList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QWidget>

namespace BWSideWindowParts {

QWidget* makeWindow(const QString& title, const QSize& size)
{
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setWindowTitle(title);
    window->resize(size);
    return window;
}

QLabel* addFigure(QGridLayout& grid, int row, int column, const QString& caption)
{
    auto* title = new QLabel(caption);
    title->setTextFormat(Qt::PlainText);
    auto* figure = new QLabel;
    figure->setTextFormat(Qt::PlainText);
    figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = figure->font();
    bold.setBold(true);
    figure->setFont(bold);
    grid.addWidget(title, row, column * 2);
    grid.addWidget(figure, row, column * 2 + 1);
    return figure;
}

void fillTagPopup(QComboBox& popup, const QString& firstTitle, const BWStoreEnvironment& env)
{
    popup.clear();
    popup.addItem(firstTitle);
    popup.addItems(BWTagList(env).getListOfTags().value_or(QStringList()));
}

QString currency(double amount)
{
    return QLocale().toCurrencyString(amount);
}

void showCentred(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace BWSideWindowParts
