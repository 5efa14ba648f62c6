#include "WidgetGallery.h"
#include "WidgetGalleryHUDRows.h"

#include "widgets/BGHUDBox.h"
#include "widgets/BGHUDButton.h"
#include "widgets/BGHUDCheckBox.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDRadioButton.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BGHUDView.h"
#include "widgets/BWPopupButton.h"
#include "widgets/BackgroundView.h"
#include "widgets/KBButton.h"
#include "widgets/KNPopUpDatePicker.h"
#include "widgets/LRCalendarAppDelegate.h"
#include "widgets/LRCalendarView.h"
#include "widgets/MAAttachedWindow.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

#include "platform/Clock.h"

namespace {

template <typename Widget>
Widget* sized(Widget* widget, int width, int height)
{
    widget->setFixedSize(width, height);
    return widget;
}

BGHUDButton* hudButton(const QString& title, int bezel)
{
    auto* button = sized(new BGHUDButton(title), 110, bezel == BGHUDButtonCell::Rounded ? 32 : 24);
    button->cell().setBezelStyle(bezel);
    return button;
}

BGHUDTextField* textField(const QString& text, bool filled, BGHUDTextFieldCell::BezelStyle bezel)
{
    auto* field = sized(new BGHUDTextField, 180, 22);
    field->setText(text);
    field->cell().setFillsBackground(filled);
    field->cell().setBezelStyle(bezel);
    return field;
}

void addTextRows(WidgetGallery& gallery)
{
    auto* dimmed = new BGHUDLabel("Disabled label");
    dimmed->setEnabled(false);
    gallery.addGalleryRow("BGHUDLabel", {new BGHUDLabel("Amount due"), dimmed});

    auto* placeholder = textField(QString(), true, BGHUDTextFieldCell::BezelStyle::Rounded);
    placeholder->setPlaceholderText("Search bills");
    gallery.addGalleryRow("BGHUDTextField", {textField("Electricity", true, BGHUDTextFieldCell::BezelStyle::Square),
                                             placeholder});
    auto* disabledField = textField("Disabled", false, BGHUDTextFieldCell::BezelStyle::Square);
    disabledField->setEnabled(false);
    gallery.addGalleryRow("unfilled / disabled",
                          {textField("No fill", false, BGHUDTextFieldCell::BezelStyle::Square), disabledField});
}

void addButtonRows(WidgetGallery& gallery)
{
    using Cell = BGHUDButtonCell;
    gallery.addGalleryRow("BGHUDButton", {hudButton("Rounded", Cell::Rounded), hudButton("Textured", Cell::TexturedRounded),
                                          hudButton("Round Rect", Cell::RoundRect)});
    auto* toggled = hudButton("On", Cell::TexturedRounded);
    toggled->setCheckable(true);
    toggled->setChecked(true);
    auto* disabled = hudButton("Disabled", Cell::TexturedRounded);
    disabled->setEnabled(false);
    gallery.addGalleryRow("", {hudButton("Small Square", Cell::SmallSquare), hudButton("Recessed", Cell::Recessed),
                               toggled, disabled});

    auto* checked = new BGHUDCheckBox("Checked");
    checked->setChecked(true);
    auto* mixed = new BGHUDCheckBox("Mixed");
    mixed->setTristate(true);
    mixed->setCheckState(Qt::PartiallyChecked);
    auto* disabledBox = new BGHUDCheckBox("Disabled");
    disabledBox->setEnabled(false);
    gallery.addGalleryRow("BGHUDCheckBox", {new BGHUDCheckBox("Off"), checked, mixed, disabledBox});

    auto* weekly = new BGHUDRadioButton("Weekly");
    auto* monthly = new BGHUDRadioButton("Monthly");
    monthly->setChecked(true);
    gallery.addGalleryRow("BGHUDRadioButton", {weekly, monthly});
}

void addColouredButtonRows(WidgetGallery& gallery)
{
    const char* names[] = {"Grey", "Blue", "Teal", "Green", "Orange", "Red", "Black"};
    QList<QWidget*> buttons;
    auto* row = new QWidget;
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    for (int type = KBButtonTypeLightGrey; type <= KBButtonTypeNearBlack; ++type) {
        auto* button = sized(new KBButton(names[type]), 64, 24);
        button->setKBButtonType(type);
        line->addWidget(button);
    }
    gallery.addGalleryRow("KBButton", row);

    auto* popup = sized(new BWPopupButton, 150, 24);
    popup->addItems({"Pay Now", "Quick Log", "Skip Payment"});
    popup->setKBButtonType(KBButtonTypeBlue);
    auto* pressed = sized(new KBButton("Pressed"), 90, 24);
    pressed->setKBButtonType(KBButtonTypeGreen);
    pressed->setDown(true);
    gallery.addGalleryRow("BWPopupButton", {popup, pressed});
}

void addContainerRows(WidgetGallery& gallery)
{
    auto* themedBox = sized(new BGHUDBox, 120, 48);
    themedBox->setBoxType(BGHUDBox::Custom);
    auto* roundedBox = sized(new BGHUDBox, 120, 48);
    roundedBox->setBoxType(BGHUDBox::Custom);
    roundedBox->setUseTheme(false);
    roundedBox->setCornerRadius(8);
    roundedBox->setColor1(QColor(70, 70, 76));
    roundedBox->setColor2(QColor(30, 30, 34));
    roundedBox->setBorderColor(QColor(120, 120, 128));
    auto* edgedBox = sized(new BGHUDBox, 120, 48);
    edgedBox->setBoxType(BGHUDBox::Custom);
    edgedBox->setUseTheme(false);
    edgedBox->setColor1(QColor(60, 60, 64));
    edgedBox->setColor2(QColor(40, 40, 44));
    edgedBox->setDrawTopBorder(true);
    edgedBox->setDrawTopShadow(true);
    edgedBox->setDrawBottomBorder(true);
    gallery.addGalleryRow("BGHUDBox", {themedBox, roundedBox, edgedBox});

    auto* themedView = sized(new BGHUDView, 120, 48);
    auto* ownView = sized(new BGHUDView, 120, 48);
    ownView->setUseTheme(false);
    ownView->setColor1(QColor(90, 90, 96));
    ownView->setColor2(QColor(20, 20, 22));
    ownView->setDrawLeftBorder(true);
    ownView->setDrawLeftShadow(true);
    auto* background = sized(new BackgroundView, 120, 48);
    background->setBackgroundColor(QColor::fromRgbF(0.11f, 0.52f, 0.97f, 0.4f));
    gallery.addGalleryRow("BGHUDView / BackgroundView", {themedView, ownView, background});
}

// Two bills for the calendar's dots.
struct GalleryBills : LRCalendarAppDelegate
{
    QVariantList getBills() override
    {
        const auto due = [](int day) { return QDateTime(QDate(2026, 2, day), QTime(0, 0)).toUTC(); };
        return {QVariantMap{{LRCalendarRecordKeys::Bid, "A"}, {LRCalendarRecordKeys::Name, "Rent"},
                            {LRCalendarRecordKeys::DueDate, due(3)}, {LRCalendarRecordKeys::DueIcon, "red5.png"}},
                QVariantMap{{LRCalendarRecordKeys::Bid, "B"}, {LRCalendarRecordKeys::Name, "Salary"},
                            {LRCalendarRecordKeys::DueDate, due(20)}, {LRCalendarRecordKeys::IsIncome, true}}};
    }
    void showBillFromSearch(const QString&) override {}
};

void addCalendarRows(WidgetGallery& gallery, const Clock& clock, GalleryBills& bills)
{
    auto* calendar = sized(new LRCalendarView(clock), 460, 300);
    calendar->setAppDelegate(&bills);
    calendar->addObject(QVariant(), "Dentist", QDate(2026, 2, 12));
    calendar->drawCalendar();
    gallery.addGalleryRow("LRCalendarView", calendar);

    auto* picker = sized(new KNPopUpDatePicker, 150, 22);
    picker->setDate(QDate(2026, 2, 10));
    // The picker's own bubble is a window of its own; its picture joins the
    // row once the picker is in the gallery's window.
    auto* bubbleImage = new QLabel;
    gallery.addGalleryRow("KNPopUpDatePicker / MAAttachedWindow", {picker, bubbleImage});
    bubbleImage->setPixmap(picker->attachedWindow()->grab());
}

}  // namespace

TEST(WidgetGalleryScreenshot, RendersEveryControlOnTheDarkPanel)
{
    Clock clock;
    clock.setNow(QDateTime(QDate(2026, 2, 10), QTime(12, 0)));
    GalleryBills bills;
    WidgetGallery gallery;
    addTextRows(gallery);
    addButtonRows(gallery);
    addColouredButtonRows(gallery);
    addContainerRows(gallery);
    addCalendarRows(gallery, clock, bills);
    WidgetGalleryHUDRows::addTableRows(gallery);
    WidgetGalleryHUDRows::addSearchRows(gallery);
    WidgetGalleryHUDRows::addChoiceRows(gallery);
    WidgetGalleryHUDRows::addValueRows(gallery);
    WidgetGalleryHUDRows::addFormRows(gallery);

    const QString path = QStringLiteral(ORVANE_BINARY_DIR "/screenshots/widgets.png");
    ASSERT_TRUE(gallery.saveScreenshot(path));
    const QImage saved(path);
    ASSERT_FALSE(saved.isNull());
    EXPECT_GT(saved.width(), 300);
    // The panel's own dark grey shows in the top-left corner.
    EXPECT_EQ(saved.pixelColor(2, 2), QColor(24, 24, 26));
}
