#include "platform/UiTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool installCatalogue(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(catalogue))
        return true;
    delete catalogue;
    return false;
}

}  // namespace

bool UiTranslations::install(const QLocale& locale, const QString& folder)
{
    installCatalogue(locale, QStringLiteral("qt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installCatalogue(locale, QStringLiteral("orvane"), folder);
}
