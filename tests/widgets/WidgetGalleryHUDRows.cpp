#include "WidgetGalleryHUDRows.h"

#include "WidgetGallery.h"
#include "widgets/BGHUDColorWell.h"
#include "widgets/BGHUDComboBox.h"
#include "widgets/BGHUDOutlineView.h"
#include "widgets/BGHUDPopUpButton.h"
#include "widgets/BGHUDProgressIndicator.h"
#include "widgets/BGHUDSearchField.h"
#include "widgets/BGHUDSegmentedControl.h"
#include "widgets/BGHUDSecureTextField.h"
#include "widgets/BGHUDSlider.h"
#include "widgets/BGHUDStepper.h"
#include "widgets/BGHUDTableHeaderView.h"
#include "widgets/BGHUDTabView.h"
#include "widgets/BGHUDTableView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
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

BGHUDPopUpButton* popUp(BGControlSize size, bool pullsDown, bool enabled = true)
{
    auto* button = sized(new BGHUDPopUpButton, 150, 26);
    button->addItems({"Monthly", "Weekly", "Yearly"});
    button->cell().setControlSize(size);
    button->cell().setPullsDown(pullsDown);
    button->setEnabled(enabled);
    return button;
}

// The flat pop-up draws a black title and white arrows: it is made for
// mid-grey panels.
QWidget* lightPanel(std::initializer_list<QWidget*> widgets)
{
    auto* panel = new QWidget;
    panel->setAutoFillBackground(true);
    QPalette light = panel->palette();
    light.setColor(QPalette::Window, QColor(150, 150, 156));
    panel->setPalette(light);
    auto* line = new QHBoxLayout(panel);
    line->setContentsMargins(6, 2, 6, 2);
    for (QWidget* widget : widgets)
        line->addWidget(widget);
    return panel;
}

QImage calendarGlyph()
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.drawRect(QRectF(2, 3, 12, 11));
    painter.drawLine(QPointF(2, 6.5), QPointF(14, 6.5));
    return image;
}

BGHUDSegmentedControl* segmented(BGControlSize size, int style, bool withImage, bool enabled = true)
{
    auto* control = new BGHUDSegmentedControl;
    control->cell().setControlSize(size);
    control->cell().setSegmentStyle(style);
    control->addSegment("Week", withImage ? calendarGlyph() : QImage());
    control->addSegment("Month");
    control->addSegment("Year");
    control->setSelectedSegment(1);
    control->setEnabled(enabled);
    control->setFixedSize(control->sizeHint());
    return control;
}

BGHUDSlider* slider(BGControlSize size, QSlider::TickPosition ticks, Qt::Orientation orientation,
                    bool enabled = true)
{
    auto* made = new BGHUDSlider(orientation);
    made->cell().setControlSize(size);
    made->setRange(0, 100);
    made->setValue(35);
    made->setTickPosition(ticks);
    made->setTickInterval(25);
    made->setEnabled(enabled);
    const QSize natural = made->sizeHint();
    made->setFixedSize(orientation == Qt::Horizontal ? QSize(130, natural.height()) : QSize(natural.width(), 70));
    return made;
}

BGHUDProgressIndicator* progress(BGControlSize size, int height, double value, bool indeterminate = false)
{
    auto* bar = sized(new BGHUDProgressIndicator, 130, height);
    bar->setControlSize(size);
    bar->setRange(0, 100);
    bar->setValue(int(value));
    bar->setIndeterminate(indeterminate);
    return bar;
}

}  // namespace

BGHUDTableView* billTable(BGHUDTableView::SelectionHighlightStyle style)
{
    auto* table = sized(new BGHUDTableView, 300, 110);
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
    table->horizontalHeader()->resizeSection(0, 100);
    table->horizontalHeader()->resizeSection(1, 80);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionHighlightStyle(style);
    table->selectRow(1);
    return table;
}

void addTableRows(WidgetGallery& gallery)
{
    using Style = BGHUDTableView::SelectionHighlightStyle;
    gallery.addGalleryRow("BGHUDTableView / header / corner; source list",
                          {billTable(Style::Regular), billTable(Style::SourceList)});
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

namespace WidgetGalleryHUDRows {

void addChoiceRows(WidgetGallery& gallery)
{
    gallery.addGalleryRow("BGHUDPopUpButton", lightPanel({popUp(BGControlSize::Regular, false),
                                                          popUp(BGControlSize::Small, true),
                                                          popUp(BGControlSize::Mini, false),
                                                          popUp(BGControlSize::Regular, false, false)}));
    using Cell = BGHUDSegmentedCell;
    gallery.addGalleryRow("BGHUDSegmentedControl", {segmented(BGControlSize::Regular, Cell::Rounded, true),
                                                    segmented(BGControlSize::Small, Cell::SmallSquare, false),
                                                    segmented(BGControlSize::Mini, Cell::Rounded, false)});
    gallery.addGalleryRow("disabled", segmented(BGControlSize::Regular, Cell::Rounded, false, false));
}

void addValueRows(WidgetGallery& gallery)
{
    auto* disabledStepper = sized(new BGHUDStepper, 19, 27);
    disabledStepper->setEnabled(false);
    gallery.addGalleryRow("BGHUDStepper", {sized(new BGHUDStepper, 19, 27), sized(new BGHUDStepper, 15, 22),
                                           disabledStepper});
    gallery.addGalleryRow("BGHUDSlider", {slider(BGControlSize::Regular, QSlider::NoTicks, Qt::Horizontal),
                                          slider(BGControlSize::Small, QSlider::TicksAbove, Qt::Horizontal),
                                          slider(BGControlSize::Mini, QSlider::TicksBelow, Qt::Horizontal)});
    gallery.addGalleryRow("vertical / disabled",
                          {slider(BGControlSize::Regular, QSlider::TicksLeft, Qt::Vertical),
                           slider(BGControlSize::Small, QSlider::NoTicks, Qt::Vertical),
                           slider(BGControlSize::Regular, QSlider::TicksBelow, Qt::Horizontal, false),
                           slider(BGControlSize::Regular, QSlider::NoTicks, Qt::Horizontal, false)});
    auto* disabledBar = progress(BGControlSize::Regular, 20, 60);
    disabledBar->setEnabled(false);
    gallery.addGalleryRow("BGHUDProgressIndicator", {progress(BGControlSize::Regular, 20, 35),
                                                     progress(BGControlSize::Small, 14, 70),
                                                     progress(BGControlSize::Mini, 15, 100), disabledBar});
    gallery.addGalleryRow("indeterminate", progress(BGControlSize::Regular, 20, 0, true));
}

}  // namespace WidgetGalleryHUDRows

namespace WidgetGalleryHUDRows {

namespace {

BGHUDComboBox* comboBox(BGControlSize size, int height, bool enabled = true)
{
    auto* combo = new BGHUDComboBox;
    combo->addItems({"Electricity", "Water", "Phone"});
    combo->cell().setControlSize(size);
    combo->cell().setFillsBackground(true);
    combo->setFixedSize(150, height);
    combo->setEnabled(enabled);
    return combo;
}

BGHUDColorWell* colorWell(const QColor& color, bool transparent)
{
    auto* well = new BGHUDColorWell;
    well->setColor(color);
    well->setUseTransparentWell(transparent);
    well->setFixedSize(well->sizeHint());
    return well;
}

}  // namespace

void addFormRows(WidgetGallery& gallery)
{
    gallery.addGalleryRow("BGHUDComboBox", {comboBox(BGControlSize::Regular, 25), comboBox(BGControlSize::Small, 22),
                                            comboBox(BGControlSize::Mini, 19), comboBox(BGControlSize::Regular, 25, false)});
    auto* secret = new BGHUDSecureTextField;
    secret->setText("secret");
    secret->cell().setFillsBackground(true);
    secret->setFixedSize(150, 22);
    auto* disabledSecret = new BGHUDSecureTextField;
    disabledSecret->setPlaceholderText("Password");
    disabledSecret->setEnabled(false);
    disabledSecret->setFixedSize(150, 22);
    gallery.addGalleryRow("BGHUDSecureTextField", {secret, disabledSecret});
    gallery.addGalleryRow("BGHUDColorWell", {colorWell(QColor(40, 140, 230), false), colorWell(QColor(230, 60, 40), true)});

    auto* tabs = new BGHUDTabView;
    tabs->addItem("Reminders", new QLabel("Reminders"));
    tabs->addItem("Sync", new QLabel("Sync"));
    tabs->addItem("Backup", new QLabel("Backup"));
    tabs->setCurrentIndex(1);
    tabs->setFixedSize(300, 70);
    auto* outline = new BGHUDOutlineView;
    auto* model = new QStandardItemModel(outline);
    model->setHorizontalHeaderLabels({"Payee"});
    auto* utilities = new QStandardItem("Utilities");
    utilities->appendRow(new QStandardItem("Electricity"));
    utilities->appendRow(new QStandardItem("Water"));
    model->appendRow(utilities);
    model->appendRow(new QStandardItem("Rent"));
    outline->setModel(model);
    outline->setAlternatingRowColors(true);
    outline->expandAll();
    outline->setFixedSize(200, 100);
    gallery.addGalleryRow("BGHUDTabView / BGHUDOutlineView", {tabs, outline});
}

}  // namespace WidgetGalleryHUDRows
