#pragma once

#include "BGTheme.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

// The one registry of HUD themes in the process. Controls keep only a theme
// key and ask the manager for the theme at every draw, so replacing the theme
// under a key restyles every control using it at its next repaint.
class BGThemeManager {
public:
    static inline const QString FlatThemeKey = QStringLiteral("flatTheme");
    static inline const QString GradientThemeKey = QStringLiteral("gradientTheme");

    // The shared manager, made on first use with its two default themes.
    static BGThemeManager& keyedManager();

    // The theme under `key`; the "gradientTheme" theme for an unregistered or
    // empty key, so a lookup never fails.
    std::shared_ptr<const BGTheme> themeForKey(const QString& key) const;

    // Registers `theme` under `key`, replacing what was there. Replacing the
    // "gradientTheme" theme also changes the fallback of unregistered keys.
    // A null theme is refused, so the fallback always exists.
    void setTheme(std::shared_ptr<const BGTheme> theme, const QString& key);

    QStringList themeKeys() const;

    BGThemeManager(const BGThemeManager&) = delete;
    BGThemeManager& operator=(const BGThemeManager&) = delete;

private:
    BGThemeManager();
    void initDefaultThemes();

    QHash<QString, std::shared_ptr<const BGTheme>> themes_;
};
