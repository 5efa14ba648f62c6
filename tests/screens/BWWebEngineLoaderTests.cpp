#include <QDir>
#include <gtest/gtest.h>

#include "screens/BWWebEngineLoader.h"
#include "support/TempFolder.h"

TEST(BWWebEngineLoaderTest, ADownloadNeverOverwritesAFileNorLeavesTheFolder)
{
    TempFolder downloads;
    for (const char* existing : {"statement.pdf", "statement (2).pdf", "bill.tar.gz", "README", ".profile"})
        downloads.write(QString::fromLatin1(existing), "x");
    struct NameCase
    {
        const char* suggested;
        const char* saved;
    };
    const NameCase cases[] = {
        {"receipt.pdf", "receipt.pdf"},
        {"statement.pdf", "statement (3).pdf"},
        {"bill.tar.gz", "bill (2).tar.gz"},
        {"README", "README (2)"},
        {".profile", ".profile (2)"},
        {"../../.bashrc", ".bashrc"},
        {"/etc/passwd", "passwd"},
        {"", "download"},
        {"..", "download"},
    };
    for (const NameCase& name : cases) {
        SCOPED_TRACE(name.suggested);
        EXPECT_EQ(BWWebEngineLoader::freePathIn(downloads.path(), QString::fromLatin1(name.suggested)),
                  QDir(downloads.path()).filePath(QString::fromLatin1(name.saved)));
    }
}

TEST(BWWebEngineLoaderTest, ADownloadIsSavedOnlyWhenTheUserSaysSave)
{
    TempFolder home;
    const QString downloads = home.file(QStringLiteral("Downloads"));
    for (const int answer : {-1, 1, 0}) {
        SCOPED_TRACE(answer);
        QStringList asked;
        const BWWebEngineSettings settings = BWWebEngineLoader::settingsFor(
            home.file(QStringLiteral("web")), downloads,
            [&](QWidget*, const QString& message, const QString&, const QStringList& buttons) {
                asked.append(message);
                EXPECT_EQ(buttons, (QStringList{QStringLiteral("Save"), QStringLiteral("Don't Save")}));
                return answer;
            });
        EXPECT_EQ(settings.profileFolder, home.file(QStringLiteral("web")));
        const QString path = settings.downloadPath(QStringLiteral("statement.pdf"));
        EXPECT_EQ(asked, QStringList{QStringLiteral("Save “statement.pdf” in your Downloads folder?")});
        EXPECT_EQ(path, answer == 0 ? QDir(downloads).filePath(QStringLiteral("statement.pdf")) : QString());
        EXPECT_EQ(QDir(downloads).exists(), answer == 0);
    }
}

TEST(BWWebEngineLoaderTest, AMissingModuleIsTriedOnceAndSaysWhy)
{
    TempFolder folder;
    BWWebEngineLoader loader(folder.file(QStringLiteral("missing.so")), {});
    EXPECT_FALSE(loader.hasStarted());
    EXPECT_EQ(loader.engine(), nullptr);
    EXPECT_TRUE(loader.hasStarted());
    EXPECT_TRUE(loader.errorString().startsWith(QStringLiteral("Its module could not be loaded")));
    EXPECT_EQ(loader.engine(), nullptr);
}
