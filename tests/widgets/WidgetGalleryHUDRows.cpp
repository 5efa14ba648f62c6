#include "WidgetGalleryHUDRows.h"

#include "WidgetGallery.h"
#include "widgets/BGHUDSearchField.h"
#include "widgets/BGHUDTableHeaderView.h"
#include "widgets/BGHUDTableView.h"

#include <QStandardItemModel>

namespace WidgetGalleryHUDRows {

namespace {

template <typename Widget>
Widget* sized(Widget* widget, int width, int height)
{
    widget->setFixedSize(width, height);
    return widget;
}

BGHUDSearchField* searchField(BGControlSize size, int height, const QString& text, bool enabled = true)
{
    auto* field = sized(new BGHUDSearchField, 150, height);
    field->cell().setControlSize(size);
    field->cell().setBezelStyle(BGHUDTextFieldCell::BezelStyle::Rounded);
    field->cell().setFillsBackground(true);
    field->setPlaceholderText("Search");
    field->setText(text);
    field->setEnabled(enabled);
    if (size != BGControlSize::Regular) {
        QFont font = field->font();
        font.setPixelSize(size == BGControlSize::Small ? 11 : 9);
        field->setFont(font);
    }
    return field;
}

}  // namespace

void addTableRows(WidgetGallery& gallery)
{
    auto* table = sized(new BGHUDTableView, 360, 110);
    auto* model = new QStandardItemModel(8, 3, table);
    model->setHorizontalHeaderLabels({"Name", "Next Due", "Amount"});
    const char* names[] = {"Rent", "Electricity", "Phone", "Water", "Insurance", "Internet", "Gym", "Car"};
    for (int row = 0; row < 8; ++row) {
        model->setItem(row, 0, new QStandardItem(names[row]));
        model->setItem(row, 1, new QStandardItem(QString("Mar %1").arg(row + 1)));
        model->setItem(row, 2, new QStandardItem(QString("%1.00").arg(40 + 15 * row)));
    }
    table->setModel(model);
    table->setAlternatingRowColors(true);
    table->setShowGrid(false);
    table->setFrameShape(QFrame::NoFrame);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(22);
    table->horizontalHeader()->setSortIndicatorShown(true);
    table->horizontalHeader()->setSortIndicator(1, Qt::AscendingOrder);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->selectRow(1);
    gallery.addGalleryRow("BGHUDTableView / header / corner", table);
}

void addSearchRows(WidgetGallery& gallery)
{
    gallery.addGalleryRow("BGHUDSearchField", {searchField(BGControlSize::Regular, 22, "Electricity"),
                                               searchField(BGControlSize::Small, 19, QString()),
                                               searchField(BGControlSize::Mini, 16, "Gas")});
    gallery.addGalleryRow("disabled", {searchField(BGControlSize::Regular, 22, "Phone", false),
                                       searchField(BGControlSize::Small, 19, QString(), false)});
}

}  // namespace WidgetGalleryHUDRows
