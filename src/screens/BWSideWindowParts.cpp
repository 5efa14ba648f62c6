#include "screens/BWSideWindowParts.h"

#include "store/BWTagList.h"
#include "store/CurrencyFormatter.h"
#include "widgets/BGThemeManager.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace BWSideWindowParts {

namespace {

const QColor PaneColor(38, 38, 41);

}  // namespace

QWidget* makeWindow(const QString& title, const QSize& size)
{
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setWindowTitle(title);
    // The tables draw the theme's rows and text over what lies behind them,
    // so the window is the dark pane the main window's table lies on.
    const std::shared_ptr<const BGTheme> theme =
        BGThemeManager::keyedManager().themeForKey(BGThemeManager::GradientThemeKey);
    QPalette colors = window->palette();
    colors.setColor(QPalette::Window, PaneColor);
    colors.setColor(QPalette::WindowText, theme->textColor());
    window->setPalette(colors);
    window->setAutoFillBackground(true);
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
    return CurrencyFormatter().stringFromNumber(amount);
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
