#include "widgets/BWTypedDateReader.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

struct Typed
{
    const char* text;
    QDate expected;  // invalid: no date
};

// What the field shows when the user starts typing: Wednesday 9 December 2026.
const QDate Shown(2026, 12, 9);

void expectReads(const QLocale& locale, const QList<Typed>& cases)
{
    const BWTypedDateReader reader(locale);
    for (const Typed& c : cases) {
        SCOPED_TRACE(locale.name().toStdString() + " \"" + c.text + "\"");
        const std::optional<QDate> read = reader.read(QString::fromUtf8(c.text), Shown);
        if (c.expected.isValid()) {
            ASSERT_TRUE(read.has_value());
            EXPECT_EQ(*read, c.expected);
        } else {
            EXPECT_FALSE(read.has_value()) << read->toString(Qt::ISODate).toStdString();
        }
    }
}

}  // namespace

TEST(BWTypedDateReader, ReadsTheFormsPeopleTypeInUsEnglish)
{
    expectReads(QLocale(QLocale::English, QLocale::UnitedStates),
                {
                    {"31", QDate(2026, 12, 31)},
                    {" 1 ", QDate(2026, 12, 1)},
                    {"12/31", QDate(2026, 12, 31)},
                    {"1/5", QDate(2026, 1, 5)},
                    {"Dec 31", QDate(2026, 12, 31)},
                    {"december 31", QDate(2026, 12, 31)},
                    {"Sept 3", QDate(2026, 9, 3)},
                    {"31 Dec", QDate(2026, 12, 31)},
                    {"Jan 5, 2027", QDate(2027, 1, 5)},
                    {"12/31/26", QDate(2026, 12, 31)},
                    {"1/5/2027", QDate(2027, 1, 5)},
                    {"2027-01-05", QDate(2027, 1, 5)},
                    {"Wed, Dec 9, 2026", QDate(2026, 12, 9)},
                    // The weekday of the form the field showed, left as it was.
                    {"Wed, Dec 31, 2026", QDate(2026, 12, 31)},
                    {"Thursday, December 31, 2026", QDate(2026, 12, 31)},
                });
}

TEST(BWTypedDateReader, TakesTheLocalesOrderOfDayAndMonth)
{
    expectReads(QLocale(QLocale::English, QLocale::UnitedKingdom), {
                                                                       {"31/12", QDate(2026, 12, 31)},
                                                                       {"5/1", QDate(2026, 1, 5)},
                                                                       {"31/12/2026", QDate(2026, 12, 31)},
                                                                       {"12/31", QDate()},
                                                                       {"Wed, 9 Dec 2026", QDate(2026, 12, 9)},
                                                                   });
    expectReads(QLocale(QLocale::German, QLocale::Germany), {
                                                                {"31.12.", QDate(2026, 12, 31)},
                                                                {"31.12.26", QDate(2026, 12, 31)},
                                                                {"31. Dezember 2026", QDate(2026, 12, 31)},
                                                                {"3. März", QDate(2026, 3, 3)},
                                                                {"Mi., 9. Dez. 2026", QDate(2026, 12, 9)},
                                                            });
    expectReads(QLocale(QLocale::Swedish, QLocale::Sweden), {
                                                                {"2026-12-31", QDate(2026, 12, 31)},
                                                                {"12-31", QDate(2026, 12, 31)},
                                                            });
}

// The reader never falls back on a date the text did not name.
TEST(BWTypedDateReader, RefusesTextThatNamesNoDate)
{
    expectReads(QLocale(QLocale::English, QLocale::UnitedStates), {
                                                                      {"", QDate()},
                                                                      {"   ", QDate()},
                                                                      {"soon", QDate()},
                                                                      {"next Friday", QDate()},
                                                                      {"32", QDate()},
                                                                      {"0", QDate()},
                                                                      {"13/1", QDate()},
                                                                      {"2/30", QDate()},
                                                                      {"Feb 30", QDate()},
                                                                      {"Ju 4", QDate()},  // June or July
                                                                      {"Dec", QDate()},
                                                                      {"Dec Jan 3", QDate()},
                                                                      {"1/2/3/4", QDate()},
                                                                      {"123", QDate()},
                                                                      {"12/31/123", QDate()},
                                                                      {"31 Dec 12345", QDate()},
                                                                      {"Dec 31 2026 5", QDate()},
                                                                  });
}
