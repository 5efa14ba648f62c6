#include "platform/DateTemplate.h"
#include "platform/IcuText.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

class DateTemplateTest : public ::testing::Test
{
protected:
    ~DateTemplateTest() override { QLocale::setDefault(m_savedLocale); }

    static void useLocale(QLocale::Language language, QLocale::Territory territory)
    {
        QLocale::setDefault(QLocale(language, territory));
    }

    // Late in the local evening, when the UTC day may already be the next.
    static QDateTime lateOn(int year, int month, int day)
    {
        return QDateTime(QDate(year, month, day), QTime(23, 30), Qt::LocalTime).toUTC();
    }

private:
    QLocale m_savedLocale;
};

}  // namespace

TEST_F(DateTemplateTest, OrderAndPunctuationComeFromTheLocale)
{
    useLocale(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(DateTemplate::format(lateOn(2016, 3, 8), QStringLiteral("MMMdyyyy")), "Mar 8, 2016");
    useLocale(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(DateTemplate::format(lateOn(2016, 3, 8), QStringLiteral("MMMdyyyy")), "8 Mar 2016");
    useLocale(QLocale::German, QLocale::Germany);
    EXPECT_EQ(DateTemplate::format(lateOn(2016, 3, 8), QStringLiteral("MMMd")), QString::fromUtf8("8. März"));
}

TEST_F(DateTemplateTest, TheSameTemplateIsKeptApartPerLocale)
{
    useLocale(QLocale::English, QLocale::UnitedStates);
    const QString american = DateTemplate::format(lateOn(2016, 3, 8), QStringLiteral("EEEE"));
    useLocale(QLocale::French, QLocale::France);
    const QString french = DateTemplate::format(lateOn(2016, 3, 8), QStringLiteral("EEEE"));
    EXPECT_EQ(american, "Tuesday");
    EXPECT_EQ(french, "mardi");
}

TEST_F(DateTemplateTest, WritesTheLocalDayEvenWhenUtcIsAlreadyTomorrow)
{
    useLocale(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(DateTemplate::format(lateOn(2015, 12, 31), QStringLiteral("MMddyyyy")), "12/31/2015");
    EXPECT_EQ(DateTemplate::format(lateOn(2016, 2, 29), QStringLiteral("MMMd")), "Feb 29");
}

TEST_F(DateTemplateTest, InvalidDateGivesEmptyText)
{
    EXPECT_EQ(DateTemplate::format(QDateTime(), QStringLiteral("MMMdyyyy")), QString());
}

TEST_F(DateTemplateTest, TheCLocaleWritesAsUsEnglish)
{
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(IcuText::currentLocaleName(), "en_US");
    EXPECT_EQ(DateTemplate::format(lateOn(2016, 3, 8), QStringLiteral("MMMdyyyy")), "Mar 8, 2016");
}

// A date field shows its date exactly as the lists write it.
TEST_F(DateTemplateTest, DateFieldsWriteTheTemplateAsTheListsDo)
{
    const struct {
        QLocale::Language language;
        QLocale::Territory territory;
        const char* fieldFormat;
    } cases[] = {
        {QLocale::English, QLocale::UnitedStates, "ddd, MMM d, yyyy"},
        {QLocale::English, QLocale::UnitedKingdom, "ddd, d MMM yyyy"},
        {QLocale::German, QLocale::Germany, "ddd, d. MMM yyyy"},
        {QLocale::French, QLocale::France, "ddd d MMM yyyy"},
    };
    for (const auto& c : cases) {
        useLocale(c.language, c.territory);
        SCOPED_TRACE(QLocale().name().toStdString());
        const QString format = DateTemplate::displayFormat(QStringLiteral("EEEMMMdyyyy"));
        EXPECT_EQ(format, QLatin1String(c.fieldFormat));
        const QDateTime day = lateOn(2026, 12, 31);
        EXPECT_EQ(QLocale().toString(day.toLocalTime().date(), format),
                  DateTemplate::format(day, QStringLiteral("EEEMMMdyyyy")));
    }
}

TEST(DateTemplateFormats, QuotedTextAndUnshownFieldsOfAnIcuPattern)
{
    EXPECT_EQ(DateTemplate::qtFormatOfIcuPattern(QStringLiteral("EEEE d 'de' MMMM 'de' y")),
              QStringLiteral("dddd d 'de' MMMM 'de' yyyy"));
    EXPECT_EQ(DateTemplate::qtFormatOfIcuPattern(QStringLiteral("G y-MM-dd")), QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(DateTemplate::qtFormatOfIcuPattern(QStringLiteral("LLL d, yy")), QStringLiteral("MMM d, yy"));
}

TEST(IcuText, TextSurvivesTheTripThroughIcuWhole)
{
    const QString text = QString::fromUtf8("Caf\u00e9 \U0001F4B8 bill");
    const icu::UnicodeString unicode = IcuText::toIcu(text);
    EXPECT_EQ(unicode.length(), text.size());
    EXPECT_EQ(IcuText::fromIcu(unicode), text);
    EXPECT_EQ(IcuText::fromIcu(IcuText::toIcu(QString())), QString());
}

// A day written from its kept text reads as the day written afresh, in each
// locale in turn: a text kept for one locale never stands in for another's.
TEST_F(DateTemplateTest, KeptDayTextsFollowTheLocale)
{
    struct Case
    {
        QLocale::Language language;
        QLocale::Territory territory;
        const char* skeleton;
        const char* expected;
    };
    const Case cases[] = {
        {QLocale::English, QLocale::UnitedStates, "EEEMMMdyyyy", "Tue, Mar 8, 2016"},
        {QLocale::German, QLocale::Germany, "EEEMMMdyyyy", "Di., 8. März 2016"},
        {QLocale::English, QLocale::UnitedStates, "EEEMMMdyyyy", "Tue, Mar 8, 2016"},
        {QLocale::English, QLocale::UnitedKingdom, "MMMd", "8 Mar"},
        {QLocale::English, QLocale::UnitedStates, "EEEE", "Tuesday"},
    };
    for (const Case& each : cases) {
        useLocale(each.language, each.territory);
        const QString skeleton = QString::fromLatin1(each.skeleton);
        for (int pass = 0; pass < 2; ++pass) {
            EXPECT_EQ(DateTemplate::formatDay(QDate(2016, 3, 8), skeleton), QString::fromUtf8(each.expected));
            EXPECT_EQ(DateTemplate::formatDay(QDate(2016, 3, 8), skeleton),
                      DateTemplate::format(lateOn(2016, 3, 8), skeleton));
        }
    }
    EXPECT_EQ(DateTemplate::formatDay(QDate(), QStringLiteral("EEEE")), QString());
}
