#include "platform/BWUIDMaker.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(BWUIDMaker, MakesValidUpperCaseIds)
{
    const QString id = BWUIDMaker::makeUID();
    EXPECT_EQ(id.size(), 32);
    EXPECT_EQ(id, id.toUpper());
    EXPECT_FALSE(id.contains(u'-'));
    EXPECT_TRUE(BWUIDMaker::isValidUID(id));
}

TEST(BWUIDMaker, IdsAreUnique)
{
    QSet<QString> seen;
    for (int i = 0; i < 2000; ++i)
        seen.insert(BWUIDMaker::makeUID());
    EXPECT_EQ(seen.size(), 2000);
}

TEST(BWUIDMaker, RefusesAnythingThatCouldMisnameAFile)
{
    const QString good = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    EXPECT_TRUE(BWUIDMaker::isValidUID(good));
    EXPECT_FALSE(BWUIDMaker::isValidUID(QString()));
    EXPECT_FALSE(BWUIDMaker::isValidUID(good.toLower()));
    EXPECT_FALSE(BWUIDMaker::isValidUID(good.left(31)));
    EXPECT_FALSE(BWUIDMaker::isValidUID(good + u'0'));
    EXPECT_FALSE(BWUIDMaker::isValidUID(QStringLiteral("0123456789ABCDEF0123456789ABCDEG")));
    EXPECT_FALSE(BWUIDMaker::isValidUID(QStringLiteral("01234567-89AB-CDEF-0123-456789ABCDEF")));
    EXPECT_FALSE(BWUIDMaker::isValidUID(QStringLiteral("../../../../../../../../etc/passwd")));
    EXPECT_FALSE(BWUIDMaker::isValidUID(QStringLiteral("0123456789ABCDEF0123456789ABCDE/")));
    // Full-width digits are digits to Unicode but not to a file name check.
    EXPECT_FALSE(BWUIDMaker::isValidUID(good.left(31) + QChar(0xFF10)));
}
