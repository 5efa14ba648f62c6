#include "UserActivity.h"

UserActivity::UserActivity(const QString& activityType)
    : m_activityType(activityType)
{
}

void UserActivity::becomeCurrent()
{
    if (m_valid)
        m_current = true;
}

void UserActivity::invalidate()
{
    m_valid = false;
    m_current = false;
}
