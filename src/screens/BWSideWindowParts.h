#pragma once

#include "store/BWStoreEnvironment.h"

#include <QSize>
#include <QString>

class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

// Pieces the forecast, history and report windows share: the window, the
// tag pop-up and the captioned figures under the table.
namespace BWSideWindowParts {

// A top-level window of the dark HUD look, deleted by its owner.
QWidget* makeWindow(const QString& title, const QSize& size);
// A figure with its caption in row `row` of `grid`; the figure is returned.
QLabel* addFigure(QGridLayout& grid, int row, int column, const QString& caption);
// Empties `popup` and fills it with `firstTitle` and then every stored tag.
void fillTagPopup(QComboBox& popup, const QString& firstTitle, const BWStoreEnvironment& env);
// An amount in the user's currency, "$1,234.50".
QString currency(double amount);
// Centres the window on its screen and brings it to the front.
void showCentred(QWidget& window);

}  // namespace BWSideWindowParts
