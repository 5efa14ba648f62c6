#include "screens/BWHUDTableStyle.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableView>

#include "widgets/BGHUDItemViewLook.h"
#include "widgets/BGThemeManager.h"

void BWHUDTableStyle::apply(QAbstractItemView& table)
{
    // Tab goes on to the next control; the arrow keys move within the table.
    table.setTabKeyNavigation(false);
    const std::shared_ptr<const BGTheme> theme =
        BGThemeManager::keyedManager().themeForKey(BGThemeManager::GradientThemeKey);
    QPalette colors = table.palette();
    const QList<QColor> alternating = theme->cellAlternatingRowColors();
    colors.setColor(QPalette::Base, alternating.value(0));
    colors.setColor(QPalette::AlternateBase, alternating.value(1));
    colors.setColor(QPalette::Window, theme->tableBackgroundColor());
    colors.setColor(QPalette::Text, theme->textColor());
    colors.setColor(QPalette::WindowText, theme->textColor());
    colors.setColor(QPalette::ButtonText, theme->textColor());
    colors.setColor(QPalette::Button, theme->tableHeaderCellBorderColor());
    colors.setColor(QPalette::Highlight, theme->cellHighlightColor());
    colors.setColor(QPalette::HighlightedText, theme->cellSelectedTextColor());
    table.setPalette(colors);
    if (auto* grid = qobject_cast<QTableView*>(&table))
        grid->horizontalHeader()->setPalette(colors);
    BGHUDItemViewLook::giveScrollBarsHUDLook(table, *theme);
}

void BWHUDTableStyle::applyToScrollArea(QAbstractScrollArea& area)
{
    const std::shared_ptr<const BGTheme> theme =
        BGThemeManager::keyedManager().themeForKey(BGThemeManager::GradientThemeKey);
    QPalette colors = area.palette();
    colors.setColor(QPalette::Window, theme->tableBackgroundColor());
    colors.setColor(QPalette::Base, theme->tableBackgroundColor());
    colors.setColor(QPalette::WindowText, theme->textColor());
    area.setPalette(colors);
    area.viewport()->setPalette(colors);
    BGHUDItemViewLook::giveScrollBarsHUDLook(area, *theme);
}
