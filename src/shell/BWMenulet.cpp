#include "shell/BWMenulet.h"

#include "platform/Clock.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "widgets/BWIconFont.h"

#include <QAction>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFont>
#include <QFontMetricsF>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSystemTrayIcon>

#include <algorithm>

namespace {

constexpr qlonglong AutomaticPayType = 1;
constexpr int IconSide = 64;

// The plain tray icon: the calendar glyph of the icon font, dark with a light
// rim, so that it reads on light and dark panels.
QImage drawPlainIcon()
{
    QImage icon(IconSide, IconSide, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);

    QFont font(BWIconFont::family());
    font.setPixelSize(IconSide * 3 / 4);
    QPainterPath glyph;
    const QString text(BWIconFont::glyphForName(QStringLiteral("menulet")));
    const QRectF bounds = QFontMetricsF(font).boundingRect(text);
    glyph.addText((IconSide - bounds.width()) / 2 - bounds.left(), (IconSide - bounds.height()) / 2 - bounds.top(),
                  font, text);
    if (!BWIconFont::isAvailable()) {
        // Without the font: a plain sheet.
        glyph = QPainterPath();
        glyph.addRoundedRect(QRectF(12, 8, 40, 48), 4, 4);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 220), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(glyph);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(glyph);
    return icon;
}

// The count in a dark badge at the lower right corner of the icon.
QImage withCount(const QImage& icon, const QString& count)
{
    QImage badged = icon;
    QPainter painter(&badged);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(count.size() > 2 ? 20 : 28);
    painter.setFont(font);
    const QRect badge(IconSide / 3, IconSide / 3, IconSide * 2 / 3, IconSide * 2 / 3);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(QColor(32, 32, 32));
    painter.drawEllipse(badge.adjusted(1, 1, -1, -1));
    painter.drawText(badge, Qt::AlignCenter, count);
    return badged;
}

}  // namespace

QString BWMenulet::menuText(const QString& plain, MenuHost host)
{
    QString escaped = plain;
    if (host == MenuHost::Qt)
        return escaped.replace(u'&', QStringLiteral("&&"));
    // Qt hands a D-Bus menu's label on with only its first "&" turned into
    // the host's mnemonic mark "_", the others as they are. Doubled, that
    // first one becomes a marked "&", which the host shows as written.
    escaped.replace(u'_', QStringLiteral("__"));
    const qsizetype firstAmpersand = escaped.indexOf(u'&');
    if (firstAmpersand >= 0)
        escaped.insert(firstAmpersand, u'&');
    return escaped;
}

BWMenulet::MenuHost BWMenulet::currentMenuHost()
{
    // Qt hands its tray menu to a StatusNotifierItem host whenever a watcher
    // for them runs on the session bus.
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")) ? MenuHost::DBus
                                                                                            : MenuHost::Qt;
}

BWMenulet::BWMenulet(const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent), m_env(env)
{
}

BWMenulet::~BWMenulet() = default;

void BWMenulet::createMenu()
{
    if (m_statusItem)
        return;
    m_menuIcon = drawPlainIcon();
    m_statusItem = std::make_unique<QSystemTrayIcon>();
    m_theMenu = std::make_unique<QMenu>();
    m_statusItem->setContextMenu(m_theMenu.get());
    connect(m_theMenu.get(), &QMenu::aboutToShow, this, &BWMenulet::menuWillOpen);
    // Most trays open the menu on a right click only; a plain click opens it too.
    connect(m_statusItem.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            m_theMenu->popup(QCursor::pos());
    });
    showStatusImage(m_menuIcon, tr("Orvane"));
    m_statusItem->show();
}

void BWMenulet::updateMenuWithDataSource(const QVariantList& dataSource)
{
    if (!m_theMenu || !m_env.defaults->boolForKey(BWDefaultsKeys::BWEnableMenu))
        return;
    attachDefaultItemsToMenu(dataSource.size());
    attachBillsToMenuWithData(dataSource);
    attachQuitItemToMenu();
}

void BWMenulet::attachDefaultItemsToMenu(qlonglong count)
{
    m_theMenu->clear();
    addCommand(tr("Show Orvane"), &BWMenulet::showOrvaneChosen);
    if (m_env.defaults->integerForKey(BWDefaultsKeys::OrvaneVisibility) == 1)
        addCommand(tr("Preferences"), &BWMenulet::preferencesChosen);
    if (count > 0)
        m_theMenu->addSeparator();
}

void BWMenulet::attachBillsToMenuWithData(const QVariantList& data)
{
    QVariantList sorted = data;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QVariant& a, const QVariant& b) {
        return a.toMap().value(BillKeys::SortableDueDate).toLongLong()
               < b.toMap().value(BillKeys::SortableDueDate).toLongLong();
    });

    qlonglong count = 0;
    bool overdue = false;
    for (const QVariant& entry : sorted) {
        const QVariantMap bill = entry.toMap();
        if (!isListed(bill))
            continue;
        addMenuItemWithDictionary(bill);
        ++count;
        // By the due date, not the due dot: automatic bills have a dot of
        // their own, yet an overdue one turns the icon red as well.
        overdue |= daysToDue(bill) < 0;
    }
    setStatusTitle(count > 0 ? QString::number(count) : QString(), count, overdue);
}

qlonglong BWMenulet::daysToDue(const QVariantMap& bill) const
{
    return BWBillsLoader(m_env).getDaysApart(bill.value(BillKeys::DueDate).toDateTime(), m_env.clock->now());
}

bool BWMenulet::isListed(const QVariantMap& bill) const
{
    if (bill.value(BillKeys::IsIncome).toBool())
        return false;
    if (daysToDue(bill) > m_env.defaults->integerForKey(BWDefaultsKeys::BWDueSoonDays))
        return false;
    return !(m_env.defaults->boolForKey(BWDefaultsKeys::BWDontCountAuto)
             && bill.value(BillKeys::PayType).toLongLong() == AutomaticPayType);
}

void BWMenulet::addMenuItemWithDictionary(const QVariantMap& bill)
{
    QAction* item = m_theMenu->addAction(menuText(billTitle(bill), currentMenuHost()));
    const QString billID = bill.value(BillKeys::Bid).toString();
    item->setData(billID);
    item->setIcon(BWIconFont::icon(BWBill::convertIconName(bill.value(BillKeys::Icon).toString()),
                                   m_theMenu->palette().color(QPalette::WindowText)));
    connect(item, &QAction::triggered, this, [this, billID] { emit billChosen(billID); });
}

QString BWMenulet::billTitle(const QVariantMap& bill)
{
    return bill.value(BillKeys::Name).toString() + QStringLiteral(" — ") + bill.value(BillKeys::HumanDueDate).toString();
}

void BWMenulet::attachQuitItemToMenu()
{
    m_theMenu->addSeparator();
    addCommand(tr("Quit Orvane"), &BWMenulet::quitChosen);
}

QAction* BWMenulet::addCommand(const QString& title, void (BWMenulet::*chosen)())
{
    QAction* item = m_theMenu->addAction(title);
    connect(item, &QAction::triggered, this, chosen);
    return item;
}

void BWMenulet::setStatusTitle(const QString& title, qlonglong billCount, bool overdue)
{
    if (!m_statusItem || !m_env.defaults->boolForKey(BWDefaultsKeys::BWShouldDisplayStatusTitle))
        return;
    m_statusTitle = title;
    if (billCount <= 0) {
        showStatusImage(m_menuIcon, tr("Orvane"));
        return;
    }
    const bool colours = m_env.defaults->boolForKey(BWDefaultsKeys::BWShouldDisplayStatusColors);
    const QImage icon = colours ? imageTintedWithColor(overdue ? OverdueColor : DueSoonColor) : m_menuIcon;
    const QString toolTip = colours && overdue ? tr("Orvane: %1 due, some overdue").arg(title)
                                               : tr("Orvane: %1 due").arg(title);
    showStatusImage(withCount(icon, title), toolTip);
}

QImage BWMenulet::imageTintedWithColor(const QColor& color) const
{
    QImage tinted = m_menuIcon.copy();
    if (!color.isValid())
        return tinted;
    QPainter painter(&tinted);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(tinted.rect(), color);
    return tinted;
}

void BWMenulet::showStatusImage(const QImage& image, const QString& toolTip)
{
    m_statusImage = image;
    m_statusItem->setIcon(QIcon(QPixmap::fromImage(image)));
    m_statusItem->setToolTip(toolTip);
}
