#include "screens/BWOverviewHeader.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

#include "widgets/BackgroundView.h"
#include "widgets/BGHUDSearchField.h"
#include "widgets/BWIconFont.h"
#include "widgets/BWPlainText.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"

namespace {

constexpr int kHeaderHeight = 36;
constexpr int kSearchFieldWidth = 180;
const QColor AllItemsHeaderColor = QColor::fromRgbF(0.82f, 0.82f, 0.82f, 1.0f);
const QColor SubsetHeaderColor = QColor::fromRgbF(0.23f, 0.18f, 0.49f, 1.0f);
const QColor VacationOnColor = QColor(0, 122, 255);
const QColor VacationOffColor = QColor(90, 90, 90);

}  // namespace

BWOverviewHeader::BWOverviewHeader(QWidget* barParent, QObject* parent)
    : QObject(parent)
    , m_headerBox(new BackgroundView(barParent))
{
    m_headerBox->setFixedHeight(kHeaderHeight);
    auto* layout = new QHBoxLayout(m_headerBox);
    layout->setContentsMargins(8, 4, 8, 4);

    m_overviewNewBillButton = new KBButton(tr("+ New Bill"), KBButtonTypeGreen, m_headerBox);
    m_overviewNewBillButton->setAccessibleName(tr("New Bill"));
    m_overviewNewBillButton->setToolTip(tr("Add a bill"));
    layout->addWidget(m_overviewNewBillButton);
    m_overviewNewIncomeButton = new KBButton(tr("+ Income"), KBButtonTypeTeal, m_headerBox);
    m_overviewNewIncomeButton->setAccessibleName(tr("New Income"));
    m_overviewNewIncomeButton->setToolTip(tr("Add an income item"));
    layout->addWidget(m_overviewNewIncomeButton);
    connect(m_overviewNewBillButton, &QAbstractButton::clicked, this,
            [this] { emit newBillRequested(m_overviewNewBillButton); });
    connect(m_overviewNewIncomeButton, &QAbstractButton::clicked, this,
            [this] { emit newIncomeRequested(m_overviewNewIncomeButton); });

    m_tagDropdown = new BWPopupButton(m_headerBox);
    m_tagDropdown->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_tagDropdown->setAccessibleName(tr("Bills Shown"));
    connect(m_tagDropdown, &QComboBox::activated, this, &BWOverviewHeader::listChosen);
    layout->addWidget(m_tagDropdown);

    m_showAllButton = new KBButton(tr("Show All"), KBButtonTypeLightGrey, m_headerBox);
    m_showAllButton->hide();
    connect(m_showAllButton, &QAbstractButton::clicked, this, &BWOverviewHeader::showAllRequested);
    layout->addWidget(m_showAllButton);
    layout->addStretch(1);

    buildSearchField();
    layout->addWidget(m_searchField);
    buildAirplane();
    layout->addWidget(m_airplaneButton);
}

void BWOverviewHeader::buildSearchField()
{
    m_searchField = new BGHUDSearchField(m_headerBox);
    m_searchField->cell().setBezelStyle(BGHUDTextFieldCell::BezelStyle::Rounded);
    // The dark fill keeps the field's white text readable on the light bar.
    m_searchField->cell().setFillsBackground(true);
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setAccessibleName(tr("Search Bills"));
    m_searchField->setFixedWidth(kSearchFieldWidth);
    // Only typing filters: a load clears the field without filtering twice.
    connect(m_searchField, &QLineEdit::textEdited, this, &BWOverviewHeader::searchEdited);
    connect(m_searchField, &QLineEdit::returnPressed, this, &BWOverviewHeader::searchEntered);
    m_searchField->installEventFilter(this);
}

void BWOverviewHeader::buildAirplane()
{
    m_airplaneButton = new QToolButton(m_headerBox);
    m_airplaneButton->setAutoRaise(true);
    m_airplaneButton->setText(QStringLiteral("\u2708"));
    m_airplaneButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_airplaneButton->setIconSize(QSize(18, 18));
    m_airplaneButton->setToolTip(tr("Vacation mode"));
    m_airplaneButton->setAccessibleName(tr("Vacation"));
    connect(m_airplaneButton, &QToolButton::clicked, this, [this] { emit vacationRequested(m_airplaneButton); });
}

void BWOverviewHeader::showListOfAllItems(bool allItems)
{
    m_headerBox->setBackgroundColor(allItems ? AllItemsHeaderColor : SubsetHeaderColor);
    m_showAllButton->setVisible(!allItems);
}

void BWOverviewHeader::showVacation(bool on)
{
    const QString airplane = on ? QStringLiteral("893-airplaneselect") : QStringLiteral("893-airplane");
    m_airplaneButton->setProperty("imageName", airplane);
    m_airplaneButton->setIcon(BWIconFont::icon(airplane, on ? VacationOnColor : VacationOffColor));
    m_airplaneButton->setToolTip(on ? tr("Vacation mode is on") : tr("Vacation mode is off"));
}

void BWOverviewHeader::setSearchTags(const QStringList& tags)
{
    if (!m_searchMenu)
        m_searchMenu = new QMenu(QStringLiteral("Search Menu"), m_searchField);
    m_searchMenu->clear();
    for (const QString& tag : tags) {
        QAction* item = m_searchMenu->addAction(BWPlainText::mnemonicFree(tag));
        item->setData(tag);
        connect(item, &QAction::triggered, this, [this, item] { emit searchTagChosen(item); });
    }
}

bool BWOverviewHeader::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_searchField && event->type() == QEvent::MouseButtonPress && m_searchMenu) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QRectF bounds = m_searchField->rect();
        // A click on the magnifier opens the menu of tags.
        if (m_searchField->cell().searchButtonRect(bounds).contains(press->position()) && !m_searchMenu->isEmpty()) {
            m_searchMenu->popup(m_searchField->mapToGlobal(QPoint(0, m_searchField->height())));
            return true;
        }
    }
    if (watched == m_searchField && event->type() == QEvent::FocusIn)
        emit searchFocused();
    return QObject::eventFilter(watched, event);
}
