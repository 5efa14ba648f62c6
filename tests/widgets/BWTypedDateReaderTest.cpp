#include "widgets/BWTypedDateReader.h"

#include <QLocale>

#include "platform/Clock.h"
#include "widgets/KNPopUpDatePicker.h"

#include <gtest/gtest.h>

namespace {

struct Typed
{
    const char* text;
    QDate expected;  // invalid: no date
};

// What the field shows when the user starts typing, and today: Wednesday 9
// December 2026.
const QDate Shown(2026, 12, 9);

void expectReads(const QLocale& locale, const QList<Typed>& cases)
{
    const BWTypedDateReader reader(locale);
    for (const Typed& c : cases) {
        SCOPED_TRACE(locale.name().toStdString() + " \"" + c.text + "\"");
        const std::optional<QDate> read = reader.read(QString::fromUtf8(c.text), Shown, Shown);
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
                    {"1/5", QDate(2027, 1, 5)},
                    {"Dec 31", QDate(2026, 12, 31)},
                    {"december 31", QDate(2026, 12, 31)},
                    {"Sept 3", QDate(2026, 9, 3)},
                    {"31 Dec", QDate(2026, 12, 31)},
                    {"Jan 5, 2027", QDate(2027, 1, 5)},
                    {"12/31/26", QDate(2026, 12, 31)},
                    {"1/5/2027", QDate(2027, 1, 5)},
                    {"2027/01/05", QDate(2027, 1, 5)},
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
                                                                       {"5/1", QDate(2027, 1, 5)},
                                                                       {"31/12/2026", QDate(2026, 12, 31)},
                                                                       {"12/31", QDate()},
                                                                       {"Wed, 9 Dec 2026", QDate(2026, 12, 9)},
                                                                   });
    expectReads(QLocale(QLocale::German, QLocale::Germany), {
                                                                {"31.12.", QDate(2026, 12, 31)},
                                                                {"31.12.26", QDate(2026, 12, 31)},
                                                                {"31. Dezember 2026", QDate(2026, 12, 31)},
                                                                {"3. März", QDate(2027, 3, 3)},
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

// Dates typed into a form's date field, in the order of day, month and year
// that the field shows its dates in, whatever the locale. Month and day name
// the such day nearest to today; a date paid is never after today.
TEST(BWTypedDateReader, ReadsTypedDatesAsMeantInEveryLocale)
{
    const QList<QLocale> locales{QLocale(QLocale::English, QLocale::UnitedStates),
                                 QLocale(QLocale::English, QLocale::UnitedKingdom),
                                 QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Japanese, QLocale::Japan),
                                 QLocale::c()};
    const QDate none;
    struct Case
    {
        const char* text;
        QDate today;
        bool paid;
        std::array<QDate, 5> expected;  // in the order of `locales`
    };
    const QDate dec1(2026, 12, 1);
    const QDate jan9(2027, 1, 9);
    const QList<Case> cases{
        {"1/9", dec1, false, {jan9, QDate(2026, 9, 1), none, jan9, jan9}},
        {"1/9", dec1, true, {QDate(2026, 1, 9), QDate(2026, 9, 1), none, QDate(2026, 1, 9), QDate(2026, 1, 9)}},
        {"12/28", QDate(2027, 1, 3), true, {QDate(2026, 12, 28), none, none, QDate(2026, 12, 28), QDate(2026, 12, 28)}},
        {"31", dec1, false, {QDate(2026, 12, 31), QDate(2026, 12, 31), QDate(2026, 12, 31), QDate(2026, 12, 31),
                             QDate(2026, 12, 31)}},
        {"2/30", dec1, false, {none, none, none, none, none}},
        {"Feb 29", QDate(2025, 6, 15), false, {none, none, none, none, none}},
        {"Feb 29", QDate(2028, 1, 10), false,
         {QDate(2028, 2, 29), QDate(2028, 2, 29), QDate(2028, 2, 29), none, QDate(2028, 2, 29)}},
        {"-5", dec1, false, {none, none, none, none, none}},
        {"+3", dec1, false, {none, none, none, none, none}},
        {"12:30", dec1, false, {none, none, none, none, none}},
        {"1.5", dec1, false, {none, none, QDate(2027, 5, 1), none, none}},
        {"12/31/99", dec1, false, {QDate(1999, 12, 31), none, none, none, QDate(1999, 12, 31)}},
        {"12/31/0", dec1, false, {none, none, none, none, none}},
        {"   ", dec1, false, {none, none, none, none, none}},
        {"", dec1, false, {none, none, none, none, none}},
    };
    const QLocale saved;
    for (qsizetype l = 0; l < locales.size(); ++l) {
        QLocale::setDefault(locales.at(l));
        for (const Case& c : cases) {
            SCOPED_TRACE(locales.at(l).name().toStdString() + " \"" + c.text + "\" on "
                         + c.today.toString(Qt::ISODate).toStdString() + (c.paid ? " paid" : " due"));
            Clock clock;
            clock.setNow(QDateTime(c.today, QTime(12, 0)));
            KNPopUpDatePicker field;
            field.setClock(&clock);
            field.setNoDateAfterToday(c.paid);
            field.setDate(c.today);
            field.setText(QString::fromUtf8(c.text));
            const QDate expected = c.expected.at(size_t(l));
            EXPECT_EQ(field.acceptTypedDate(), expected.isValid());
            if (expected.isValid()) {
                EXPECT_EQ(field.date(), expected);
            } else {
                EXPECT_EQ(field.date(), c.today);
                EXPECT_FALSE(field.refusal().isEmpty());
            }
        }
    }
    QLocale::setDefault(saved);
}
