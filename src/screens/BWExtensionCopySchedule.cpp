#include "screens/BWExtensionCopySchedule.h"

#include <QTimer>

#include "store/BWExtensionExport.h"

namespace {

constexpr int ExtensionExportDelayMs = 1000;

}  // namespace

BWExtensionCopySchedule::BWExtensionCopySchedule(const BWStoreEnvironment& env, std::function<Items()> itemsNow,
                                                 QObject* parent)
    : QObject(parent)
    , m_itemsNow(std::move(itemsNow))
    , m_timer(new QTimer(this))
    , m_writer(std::make_unique<BWExtensionExport>(env))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(ExtensionExportDelayMs);
    connect(m_timer, &QTimer::timeout, this, [this] { m_writer->write(m_itemsNow()); });
}

BWExtensionCopySchedule::~BWExtensionCopySchedule() = default;

void BWExtensionCopySchedule::schedule()
{
    m_timer->start();
}
