#pragma once

#include <QString>
#include <QVariantMap>

// A hand-off activity: what the user is looking at, published so that another
// device could continue it. The desktop has no service to publish to, so the
// activity only keeps its state; whoever made it (and tests) can read it, and
// continuing one goes through the application delegate as usual.
class UserActivity
{
public:
    explicit UserActivity(const QString& activityType);

    QString activityType() const { return m_activityType; }

    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    QVariantMap userInfo() const { return m_userInfo; }
    void setUserInfo(const QVariantMap& userInfo) { m_userInfo = userInfo; }

    bool needsSave() const { return m_needsSave; }
    void setNeedsSave(bool needsSave) { m_needsSave = needsSave; }

    // Current while valid and made current; invalidating ends it for good.
    void becomeCurrent();
    void invalidate();
    bool isCurrent() const { return m_current && m_valid; }
    bool isValid() const { return m_valid; }

private:
    QString m_activityType;
    QString m_title;
    QVariantMap m_userInfo;
    bool m_needsSave = false;
    bool m_current = false;
    bool m_valid = true;
};
