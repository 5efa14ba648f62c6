#include "screens/BWTableColumnLayout.h"

#include <QHeaderView>
#include <QTimer>

#include "platform/UserDefaults.h"

namespace {

// Column resizes come in bursts while the user drags; the layout is stored
// once the burst is over.
constexpr int kColumnLayoutSaveDelayMs = 500;

}  // namespace

BWTableColumnLayout::BWTableColumnLayout(QHeaderView& header, UserDefaults& defaults, const QString& key,
                                         QObject* parent)
    : QObject(parent)
    , m_header(header)
    , m_defaults(defaults)
    , m_key(key)
    , m_saver(new QTimer(this))
{
    m_saver->setSingleShot(true);
    m_saver->setInterval(kColumnLayoutSaveDelayMs);
    connect(m_saver, &QTimer::timeout, this, [this] { save(); });
}

void BWTableColumnLayout::restoreOnce()
{
    if (m_restored)
        return;
    restore();
    m_restored = true;
    connect(&m_header, &QHeaderView::sectionResized, m_saver, qOverload<>(&QTimer::start));
    connect(&m_header, &QHeaderView::sectionMoved, m_saver, qOverload<>(&QTimer::start));
}

void BWTableColumnLayout::restore()
{
    const QByteArray saved = m_defaults.objectForKey(m_key).toByteArray();
    if (saved.isEmpty())
        return;
    const int sortColumn = m_header.sortIndicatorSection();
    const Qt::SortOrder sortOrder = m_header.sortIndicatorOrder();
    const QSignalBlocker quiet(&m_header);
    m_header.restoreState(saved);
    m_header.setSortIndicator(sortColumn, sortOrder);
}

void BWTableColumnLayout::save()
{
    m_defaults.setObject(m_key, m_header.saveState());
}
