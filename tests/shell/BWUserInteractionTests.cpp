#include "shell/BWUserInteraction.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QTest>

#include <memory>

#include <gtest/gtest.h>

namespace {

// A desktop opener that answers with `exitCode`, first on the search path.
class FakeOpener
{
public:
    explicit FakeOpener(int exitCode) : m_savedPath(qgetenv("PATH"))
    {
        QFile script(m_folder.file(QStringLiteral("xdg-open")));
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(exitCode).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", m_folder.path().toUtf8());
    }
    ~FakeOpener() { qputenv("PATH", m_savedPath); }

private:
    TempFolder m_folder;
    QByteArray m_savedPath;
};

}  // namespace

TEST(BWUserInteractionTest, TheUserHearsWhenNoBrowserTookTheAddress)
{
    const QUrl site(QStringLiteral("https://bank.example/pay"));
    for (const int exitCode : {0, 3}) {
        SCOPED_TRACE(exitCode);
        FakeOpener opener(exitCode);
        QStringList told;
        // Held by the opener's answer until the opener has finished and gone.
        const auto heldByOpener = std::make_shared<int>();
        EXPECT_TRUE(BWUserInteraction::openInDesktopBrowser(
            site, [&told, heldByOpener](const QString& message, const QString&) { told.append(message); }));
        EXPECT_TRUE(QTest::qWaitFor([&heldByOpener] { return heldByOpener.use_count() == 1; }, 10000));
        EXPECT_EQ(told.size(), exitCode == 0 ? 0 : 1);
    }
}

TEST(BWUserInteractionTest, TheUserHearsWhenTheOpenerIsMissing)
{
    const QByteArray savedPath = qgetenv("PATH");
    TempFolder empty;
    qputenv("PATH", empty.path().toUtf8());
    QStringList told;
    EXPECT_FALSE(BWUserInteraction::openInDesktopBrowser(
        QUrl(QStringLiteral("https://bank.example/pay")),
        [&told](const QString& message, const QString&) { told.append(message); }));
    qputenv("PATH", savedPath);
    EXPECT_EQ(told, QStringList{QStringLiteral("No Web Browser Could Be Started")});
}
