#include "platform/InstalledFiles.h"

#include "support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// In the build tree the files sit beside the program; once installed they are
// found from the program's folder through the prefix's own folders.
TEST(InstalledFiles, FindsFilesBesideTheProgramOrUnderItsPrefix)
{
    TempFolder temp;
    const QString buildTree = temp.file(QStringLiteral("build"));
    temp.write(QStringLiteral("build/OrvaneAgent"), {});
    temp.write(QStringLiteral("build/translations/orvane_de.qm"), {});
    const QString installedBin = temp.file(QStringLiteral("prefix/bin"));
    ASSERT_TRUE(QDir().mkpath(installedBin));
    const QString prefix = QDir::cleanPath(installedBin + QStringLiteral("/.."));

    EXPECT_EQ(InstalledFiles::privateFileFor(buildTree, QStringLiteral("OrvaneAgent")),
              buildTree + QStringLiteral("/OrvaneAgent"));
    EXPECT_EQ(InstalledFiles::translationsFolderFor(buildTree), buildTree + QStringLiteral("/translations"));

    const QString agent = InstalledFiles::privateFileFor(installedBin, QStringLiteral("OrvaneAgent"));
    EXPECT_TRUE(agent.startsWith(prefix + QStringLiteral("/lib"))) << agent.toStdString();
    EXPECT_TRUE(agent.endsWith(QStringLiteral("/orvane/OrvaneAgent"))) << agent.toStdString();
    EXPECT_EQ(InstalledFiles::translationsFolderFor(installedBin), prefix + QStringLiteral("/share/orvane/translations"));
}

}  // namespace
