#include "BGThemeManager.h"

#include "BGGradientTheme.h"

BGThemeManager& BGThemeManager::keyedManager()
{
    // Made on first use from the GUI thread and kept for the whole run.
    static BGThemeManager manager;
    return manager;
}

BGThemeManager::BGThemeManager()
{
    initDefaultThemes();
}

void BGThemeManager::initDefaultThemes()
{
    themes_.reserve(2);
    themes_.insert(FlatThemeKey, std::make_shared<BGTheme>());
    themes_.insert(GradientThemeKey, std::make_shared<BGGradientTheme>());
}

std::shared_ptr<const BGTheme> BGThemeManager::themeForKey(const QString& key) const
{
    const auto found = themes_.constFind(key);
    if (found != themes_.constEnd())
        return found.value();
    return themes_.value(GradientThemeKey);
}

void BGThemeManager::setTheme(std::shared_ptr<const BGTheme> theme, const QString& key)
{
    if (!theme)
        return;
    themes_.insert(key, std::move(theme));
}

QStringList BGThemeManager::themeKeys() const
{
    return themes_.keys();
}
