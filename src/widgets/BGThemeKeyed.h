#pragma once

#include "BGThemeManager.h"

#include <QString>
#include <memory>

// What every HUD control shares: the key of the theme it draws with. The
// theme itself is looked up on every use, never kept, so a theme replaced in
// the manager shows at the control's next repaint.
class BGThemeKeyed {
public:
    QString themeKey() const { return themeKey_; }
    void setThemeKey(const QString& key) { themeKey_ = key; }

    std::shared_ptr<const BGTheme> theme() const
    {
        return BGThemeManager::keyedManager().themeForKey(themeKey_);
    }

private:
    QString themeKey_ = BGThemeManager::GradientThemeKey;
};
