#include "store/BWBillsLoader.h"

#include "store/BWDataFolder.h"

QString BWBillsLoader::orvaneDirectory() const
{
    return BWDataFolder(m_env).path();
}

QString BWBillsLoader::orvaneDropboxFolder() const
{
    return BWDataFolder(m_env).chosenLocation();
}
