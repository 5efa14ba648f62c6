#include "shell/BWMenulet.h"

#include "platform/Clock.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWStatisticsCalculator.h"
#include "widgets/BWIconFont.h"
#include "widgets/BWPlainText.h"

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
#include <QSet>
#include <QSystemTrayIcon>

#include <algorithm>

namespace {

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
    if (host == MenuHost::Qt)
        return BWPlainText::mnemonicFree(plain);
    QString escaped = plain;
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
    connect(m_theMenu.get(), &QMenu::aboutToShow, this, &BWMenulet::prepareToOpen);
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
    m_dataSource = dataSource;
    m_dataDay = m_env.clock->now().toLocalTime().date();
    Status status;
    const QList<BillEntry> entries = listedEntries(dataSource, &status);
    const MenuFrame frame = frameFor(dataSource);
    if (frame != m_shownFrame || !replaceChangedEntries(entries, frame.host))
        rebuildMenu(frame, entries);
    // The tray redraws its icon on every change, however small.
    if (status != m_shownStatus) {
        setStatusTitle(status.title, status.count, status.overdue);
        m_shownStatus = status;
    }
}

BWMenulet::MenuFrame BWMenulet::frameFor(const QVariantList& dataSource) const
{
    return {m_env.defaults->integerForKey(BWDefaultsKeys::OrvaneVisibility) == 1, !dataSource.isEmpty(),
            currentMenuHost()};
}

void BWMenulet::rebuildMenu(const MenuFrame& frame, const QList<BillEntry>& entries)
{
    attachDefaultItemsToMenu(frame.separator ? 1 : 0);
    for (const BillEntry& entry : entries) {
        QAction* item = billAction(entry, frame.host);
        m_theMenu->addAction(item);
        m_shownEntries.append({entry, item});
    }
    attachQuitItemToMenu();
    m_shownFrame = frame;
}

bool BWMenulet::replaceChangedEntries(const QList<BillEntry>& entries, MenuHost host)
{
    const bool intact = m_quitSeparator && std::all_of(m_shownEntries.cbegin(), m_shownEntries.cend(),
                                                       [](const auto& shown) { return !shown.second.isNull(); });
    if (!intact)
        return false;
    // An update changes a few entries: those before the first change and
    // after the last one stand as they are.
    qsizetype first = 0;
    while (first < entries.size() && first < m_shownEntries.size() && entries.at(first) == m_shownEntries.at(first).first)
        ++first;
    qsizetype shownEnd = m_shownEntries.size();
    qsizetype wantedEnd = entries.size();
    while (shownEnd > first && wantedEnd > first && entries.at(wantedEnd - 1) == m_shownEntries.at(shownEnd - 1).first) {
        --shownEnd;
        --wantedEnd;
    }
    const QList<std::pair<BillEntry, QPointer<QAction>>> before = m_shownEntries.mid(0, first);
    const QList<std::pair<BillEntry, QPointer<QAction>>> after = m_shownEntries.mid(shownEnd);
    QAction* end = after.isEmpty() ? m_quitSeparator.data() : after.first().second.data();
    const std::optional<QList<std::pair<BillEntry, QPointer<QAction>>>> between =
        replaceEntriesBefore(end, m_shownEntries.mid(first, shownEnd - first), entries.mid(first, wantedEnd - first), host);
    if (!between) {
        m_shownEntries.clear();
        return false;
    }
    m_shownEntries = before + *between + after;
    return true;
}

// The entries that stay keep their actions; the others go, and new ones are
// put between the kept ones, which keep their order.
std::optional<QList<std::pair<BWMenulet::BillEntry, QPointer<QAction>>>> BWMenulet::replaceEntriesBefore(
    QAction* end, const QList<std::pair<BillEntry, QPointer<QAction>>>& shownEntries,
    const QList<BillEntry>& entries, MenuHost host)
{
    QHash<BillEntry, int> wanted;
    for (const BillEntry& entry : entries)
        ++wanted[entry];
    QList<std::pair<BillEntry, QPointer<QAction>>> kept;
    QHash<BillEntry, int> keptAhead;
    for (const auto& shown : shownEntries) {
        int& stillWanted = wanted[shown.first];
        if (stillWanted > 0) {
            --stillWanted;
            kept.append(shown);
            ++keptAhead[shown.first];
        } else {
            delete shown.second.data();
        }
    }
    QList<std::pair<BillEntry, QPointer<QAction>>> shown;
    qsizetype next = 0;
    for (const BillEntry& entry : entries) {
        if (next < kept.size() && kept.at(next).first == entry) {
            --keptAhead[entry];
            shown.append(kept.at(next++));
            continue;
        }
        if (keptAhead.value(entry) > 0)
            return std::nullopt;
        QAction* item = billAction(entry, host);
        m_theMenu->insertAction(next < kept.size() ? kept.at(next).second.data() : end, item);
        shown.append({entry, item});
    }
    return shown;
}

void BWMenulet::attachDefaultItemsToMenu(qlonglong count)
{
    m_theMenu->clear();
    m_shownFrame.reset();
    m_shownEntries.clear();
    addCommand(tr("Show Orvane"), &BWMenulet::showOrvaneChosen);
    if (m_env.defaults->integerForKey(BWDefaultsKeys::OrvaneVisibility) == 1)
        addCommand(tr("Preferences"), &BWMenulet::preferencesChosen);
    if (count > 0)
        m_theMenu->addSeparator();
}

void BWMenulet::attachBillsToMenuWithData(const QVariantList& data)
{
    Status status;
    const MenuHost host = currentMenuHost();
    for (const BillEntry& entry : listedEntries(data, &status))
        m_theMenu->addAction(billAction(entry, host));
    setStatusTitle(status.title, status.count, status.overdue);
    m_shownStatus.reset();
}

void BWMenulet::prepareToOpen()
{
    emit menuWillOpen();
    // The new day's reload comes later, from a worker; the menu opening now
    // already tells the due texts of today.
    const QDateTime current = m_env.clock->now();
    if (m_dataSource.isEmpty() || current.toLocalTime().date() == m_dataDay)
        return;
    const BWBillsLoader loader(m_env);
    QVariantList today;
    today.reserve(m_dataSource.size());
    for (const QVariant& entry : std::as_const(m_dataSource)) {
        QVariantMap bill = entry.toMap();
        const QDateTime dueDate = bill.value(BillKeys::DueDate).toDateTime();
        bill.insert(BillKeys::HumanDueDate,
                    loader.createHumanDueDate(dueDate, current, bill.value(BillKeys::IsIncome).toBool()));
        bill.insert(BillKeys::SortableDueDate, loader.createSortableDueDate(dueDate, current));
        today.append(bill);
    }
    updateMenuWithDataSource(today);
}

QList<BWMenulet::BillEntry> BWMenulet::listedEntries(const QVariantList& data, Status* status) const
{
    // The side bar's and the badge's rule decides what is due soon and overdue,
    // from one now.
    const Clock::Hold sameMoment(m_env.clock);
    const BWStatisticsCalculator statistics(m_env);
    struct Listed
    {
        qlonglong sortable;
        QVariantMap bill;
    };
    QList<Listed> listed;
    for (const QVariant& entry : data) {
        const QVariantMap bill = entry.toMap();
        if (statistics.countsAsDueSoon(bill))
            listed.append({bill.value(BillKeys::SortableDueDate).toLongLong(), bill});
    }
    // Sorting the listed bills alone puts them in the order a sort of all
    // of them would: the sort is stable.
    std::stable_sort(listed.begin(), listed.end(),
                     [](const Listed& a, const Listed& b) { return a.sortable < b.sortable; });
    // A repeating bill may be listed with further occurrences: the menu
    // names it once, at its nearest one.
    QList<BillEntry> entries;
    entries.reserve(listed.size());
    QSet<QString> named;
    for (const Listed& each : std::as_const(listed)) {
        const QString billID = each.bill.value(BillKeys::Bid).toString();
        if (!billID.isEmpty() && named.contains(billID))
            continue;
        named.insert(billID);
        entries.append(entryOf(each.bill));
        status->overdue |= statistics.isOverdue(each.bill);
    }
    // The entries are the bills due soon by the side bar's count, each once:
    // counted again over all the bills (with their amounts) would cost as
    // much as the listing.
    status->count = entries.size();
    status->title = status->count > 0 ? QString::number(status->count) : QString();
    status->shown = m_env.defaults->boolForKey(BWDefaultsKeys::BWShouldDisplayStatusTitle);
    status->coloured = m_env.defaults->boolForKey(BWDefaultsKeys::BWShouldDisplayStatusColors);
    return entries;
}

BWMenulet::BillEntry BWMenulet::entryOf(const QVariantMap& bill) const
{
    return {billTitle(bill), bill.value(BillKeys::Bid).toString(),
            BWBill::convertIconName(bill.value(BillKeys::Icon).toString())};
}

void BWMenulet::addMenuItemWithDictionary(const QVariantMap& bill)
{
    m_theMenu->addAction(billAction(entryOf(bill), currentMenuHost()));
}

QAction* BWMenulet::billAction(const BillEntry& entry, MenuHost host)
{
    auto* item = new QAction(menuText(entry.title, host), m_theMenu.get());
    item->setData(entry.billID);
    const QColor color = m_theMenu->palette().color(QPalette::WindowText);
    const QString iconKey = entry.iconName + QChar(0) + color.name(QColor::HexArgb);
    auto icon = m_icons.constFind(iconKey);
    if (icon == m_icons.cend())
        icon = m_icons.insert(iconKey, BWIconFont::icon(entry.iconName, color));
    item->setIcon(*icon);
    const QString billID = entry.billID;
    connect(item, &QAction::triggered, this, [this, billID] { emit billChosen(billID); });
    return item;
}

QString BWMenulet::billTitle(const QVariantMap& bill)
{
    return bill.value(BillKeys::Name).toString() + QStringLiteral(" — ") + bill.value(BillKeys::HumanDueDate).toString();
}

void BWMenulet::attachQuitItemToMenu()
{
    m_quitSeparator = m_theMenu->addSeparator();
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
