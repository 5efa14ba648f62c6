#pragma once

#include <QColor>
#include <QDate>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <memory>
#include <optional>
#include <utility>

#include "store/BWStoreEnvironment.h"

class QAction;
class QMenu;
class QSystemTrayIcon;

// The tray item: lists the bills due soon (and overdue ones) with their due
// texts, and offers the main window, the preferences (in menu-bar-only mode)
// and quitting. It keeps no bill data of its own; every refresh brings the
// menu in line with the records it is handed, replacing only the entries
// that changed.
//
// Tray hosts show no text beside an icon, so the count of listed bills is
// drawn into the icon and repeated in the tool tip, and the icon takes the
// due colour (orange, or red when one of them is overdue).
//
// Choosing an item is announced through the signals; the application
// delegate carries the commands out.
class BWMenulet : public QObject
{
    Q_OBJECT

public:
    static inline const QColor OverdueColor = QColor::fromRgbF(1.0f, 0.22f, 0.20f, 1.0f);
    static inline const QColor DueSoonColor = QColor::fromRgbF(1.0f, 0.6f, 0.16f, 1.0f);

    // Who draws the tray's menu: Qt itself, or a desktop panel reading it
    // over D-Bus (a StatusNotifierItem host).
    enum class MenuHost { Qt, DBus };
    // A text as a menu item title that the host shows as written: Qt takes
    // "&" for a mnemonic mark, the D-Bus menu "_" as well.
    static QString menuText(const QString& plain, MenuHost host);
    // The host that a tray item made now would have.
    static MenuHost currentMenuHost();

    // Reads its settings from `env.defaults` and "now" from `env.clock`.
    explicit BWMenulet(const BWStoreEnvironment& env, QObject* parent = nullptr);
    ~BWMenulet() override;

    // Puts the item into the tray with an empty menu. Only the first call of a
    // run makes it; a later call leaves the existing item alone.
    void createMenu();

    // Brings the menu and the count in line with the records (bills and
    // income as loaded for display) while BWEnableMenu is on; otherwise, and
    // before createMenu(), nothing changes.
    void updateMenuWithDataSource(const QVariantList& dataSource);

    // The building steps of a refresh.
    void attachDefaultItemsToMenu(qlonglong count);
    // No caller in the program; the bill entries that updateMenuWithDataSource() lists (listedEntries()).
    void attachBillsToMenuWithData(const QVariantList& data);
    // No caller in the program; one entry as billAction() makes it.
    void addMenuItemWithDictionary(const QVariantMap& bill);
    void attachQuitItemToMenu();

    // Shows the count and due colour, while BWShouldDisplayStatusTitle is on.
    void setStatusTitle(const QString& title, qlonglong billCount, bool overdue);
    // A copy of the plain icon whose opaque pixels take the colour; the plain
    // copy for an invalid colour.
    QImage imageTintedWithColor(const QColor& color) const;

    QMenu* theMenu() const { return m_theMenu.get(); }
    QSystemTrayIcon* statusItem() const { return m_statusItem.get(); }
    QImage menuIcon() const { return m_menuIcon; }
    // The count as last shown ("" for none).
    QString statusTitle() const { return m_statusTitle; }
    // The picture the tray shows: the icon, tinted or not, with the count.
    QImage statusImage() const { return m_statusImage; }

signals:
    void showOrvaneChosen();
    void preferencesChosen();
    void quitChosen();
    void billChosen(const QString& billID);
    // The menu is about to open: a good moment to notice a change of day.
    void menuWillOpen();

private:
    // Lets the program notice a new day, then gives the entries that day's due texts.
    void prepareToOpen();

    // One listed bill's entry as the menu shows it.
    struct BillEntry
    {
        QString title;
        QString billID;
        QString iconName;
        bool operator==(const BillEntry&) const = default;
        friend size_t qHash(const BillEntry& entry, size_t seed)
        {
            return qHashMulti(seed, entry.title, entry.billID, entry.iconName);
        }
    };
    // What the refresh shows besides the entries.
    struct MenuFrame
    {
        bool preferences = false;
        bool separator = false;   // any records at all
        MenuHost host = MenuHost::Qt;
        bool operator==(const MenuFrame&) const = default;
    };
    struct Status
    {
        QString title;
        qlonglong count = 0;
        bool overdue = false;
        bool shown = false;     // the settings that draw them
        bool coloured = false;
        bool operator==(const Status&) const = default;
    };

    // The listed bills in menu order, and the count and colour they show.
    QList<BillEntry> listedEntries(const QVariantList& data, Status* status) const;
    BillEntry entryOf(const QVariantMap& bill) const;
    QAction* billAction(const BillEntry& entry, MenuHost host);
    void rebuildMenu(const MenuFrame& frame, const QList<BillEntry>& entries);
    // Puts `entries` in place of the shown ones, keeping the actions of
    // entries that stay; false when the kept ones would have to change places.
    bool replaceChangedEntries(const QList<BillEntry>& entries, MenuHost host);
    // Puts `entries` in place of `shownEntries`, which stand before `end`;
    // none when the kept ones would have to change places.
    std::optional<QList<std::pair<BillEntry, QPointer<QAction>>>> replaceEntriesBefore(
        QAction* end, const QList<std::pair<BillEntry, QPointer<QAction>>>& shownEntries,
        const QList<BillEntry>& entries, MenuHost host);
    MenuFrame frameFor(const QVariantList& dataSource) const;
    // A listed bill's title as the user reads it: its name and due text on
    // one line, since tray hosts show neither a second line nor a column.
    static QString billTitle(const QVariantMap& bill);
    QAction* addCommand(const QString& title, void (BWMenulet::*chosen)());
    void showStatusImage(const QImage& image, const QString& toolTip);

    BWStoreEnvironment m_env;
    std::unique_ptr<QMenu> m_theMenu;
    std::unique_ptr<QSystemTrayIcon> m_statusItem;
    QImage m_menuIcon;
    QImage m_statusImage;
    QString m_statusTitle;
    // What the last refresh showed: the frame, each entry with its action
    // (in menu order), the separator above Quit and the count and colour.
    std::optional<MenuFrame> m_shownFrame;
    QList<std::pair<BillEntry, QPointer<QAction>>> m_shownEntries;
    QPointer<QAction> m_quitSeparator;
    std::optional<Status> m_shownStatus;
    // The last list handed in and the day it was handed in.
    QVariantList m_dataSource;
    QDate m_dataDay;
    // Drawn icons by name: the same few icons stand beside most entries.
    QHash<QString, QIcon> m_icons;
};
