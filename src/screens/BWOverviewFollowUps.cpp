#include "screens/BWOverviewFollowUps.h"

#include <QTimer>

#include <utility>

namespace {

constexpr unsigned bitOf(BWOverviewFollowUps::Part part)
{
    return 1U << unsigned(part);
}

}  // namespace

BWOverviewFollowUps::BWOverviewFollowUps(QObject* parent)
    : QObject(parent)
    , m_turn(new QTimer(this))
{
    m_turn->setSingleShot(true);
    m_turn->setInterval(0);
    connect(m_turn, &QTimer::timeout, this, &BWOverviewFollowUps::runNextPending);
}

void BWOverviewFollowUps::setPart(Part part, std::function<void()> show)
{
    m_parts.at(part) = std::move(show);
}

void BWOverviewFollowUps::scheduleAll()
{
    m_pending = bitOf(PartCount) - 1;
    if (!m_turn->isActive())
        m_turn->start();
}

void BWOverviewFollowUps::cancelAll()
{
    m_pending = 0;
    m_turn->stop();
}

void BWOverviewFollowUps::runNextPending()
{
    for (int part = 0; part < PartCount; ++part) {
        if ((m_pending & bitOf(Part(part))) == 0)
            continue;
        m_pending &= ~bitOf(Part(part));
        // Started before the part runs: a part that schedules again finds
        // its turn taken already.
        if (m_pending != 0)
            m_turn->start();
        m_parts.at(part)();
        return;
    }
}
