#include "platform/BWUIDMaker.h"
#include "platform/CalendarStore.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class CalendarStoreTest : public testing::Test
{
protected:
    QString calendarsFolder() const { return folder.file(QStringLiteral("calendars")); }

    CalendarStore openStore() const
    {
        CalendarStore store(calendarsFolder());
        store.requestAccessToEvents();
        return store;
    }

    TempFolder folder;
};

}  // namespace

TEST_F(CalendarStoreTest, DefaultFolderLiesInTheUsersDataFolder)
{
    EXPECT_TRUE(CalendarStore::defaultFolder().endsWith(QStringLiteral("/Orvane/calendars")));
    EXPECT_TRUE(QDir::isAbsolutePath(CalendarStore::defaultFolder()));
}

TEST_F(CalendarStoreTest, ShowsNoCalendarsAndMakesNoneBeforeAccessWasRequested)
{
    ASSERT_TRUE(openStore().createCalendar(QStringLiteral("Orvane")));

    CalendarStore store(calendarsFolder());
    EXPECT_FALSE(store.hasAccessToEvents());
    EXPECT_TRUE(store.calendarsForEvents().isEmpty());
    QString error;
    EXPECT_FALSE(store.createCalendar(QStringLiteral("Other"), &error));
    EXPECT_FALSE(error.isEmpty());

    store.requestAccessToEvents();
    EXPECT_TRUE(store.hasAccessToEvents());
    EXPECT_EQ(store.calendarsForEvents().size(), 1);
}

TEST_F(CalendarStoreTest, AMissingFolderHoldsNoCalendars)
{
    EXPECT_TRUE(openStore().calendarsForEvents().isEmpty());
    EXPECT_FALSE(openStore().calendarWithTitle(QStringLiteral("Orvane")));
}

TEST_F(CalendarStoreTest, ACreatedCalendarIsFoundByTitleInALaterRun)
{
    const std::optional<CalendarStore::Calendar> made = openStore().createCalendar(QStringLiteral("Orvane"));
    ASSERT_TRUE(made);
    EXPECT_TRUE(BWUIDMaker::isValidUID(made->identifier));
    EXPECT_TRUE(QFile::exists(calendarsFolder() + QLatin1Char('/') + made->identifier + QStringLiteral(".ics")));

    const std::optional<CalendarStore::Calendar> found = openStore().calendarWithTitle(QStringLiteral("Orvane"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->identifier, made->identifier);
    EXPECT_EQ(found->title, QStringLiteral("Orvane"));
}

TEST_F(CalendarStoreTest, TitlesMatchExactly)
{
    ASSERT_TRUE(openStore().createCalendar(QStringLiteral("Orvane")));
    EXPECT_FALSE(openStore().calendarWithTitle(QStringLiteral("orvane")));
    EXPECT_FALSE(openStore().calendarWithTitle(QStringLiteral("Orvane ")));
}

TEST_F(CalendarStoreTest, TitlesWithICalendarSpecialCharactersSurvive)
{
    const QStringList titles{
        QStringLiteral("Bills, home; car\\boat"),
        QStringLiteral("Two\nlines"),
        QStringLiteral("Rechnungen für Jörg – 請求書"),
        QStringLiteral("A very long calendar title that certainly needs folding across several lines of the file"),
        QString(),
    };
    for (const QString& title : titles)
        ASSERT_TRUE(openStore().createCalendar(title));
    for (const QString& title : titles) {
        SCOPED_TRACE(title.toStdString());
        EXPECT_TRUE(openStore().calendarWithTitle(title));
    }
    EXPECT_EQ(openStore().calendarsForEvents().size(), titles.size());
}

TEST_F(CalendarStoreTest, OfCalendarsSharingATitleTheFirstListedIsFound)
{
    CalendarStore store = openStore();
    ASSERT_TRUE(store.createCalendar(QStringLiteral("Orvane")));
    ASSERT_TRUE(store.createCalendar(QStringLiteral("Orvane")));
    const QList<CalendarStore::Calendar> calendars = store.calendarsForEvents();
    ASSERT_EQ(calendars.size(), 2);
    EXPECT_LT(calendars[0].identifier, calendars[1].identifier);
    EXPECT_EQ(store.calendarWithTitle(QStringLiteral("Orvane"))->identifier, calendars[0].identifier);
}

TEST_F(CalendarStoreTest, FilesThatAreNotCalendarsOfOursAreIgnored)
{
    ASSERT_TRUE(openStore().createCalendar(QStringLiteral("Orvane")));
    const QByteArray calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nNAME:Stray\r\nEND:VCALENDAR\r\n";
    folder.write(QStringLiteral("calendars/work.ics"), calendar);
    folder.write(QStringLiteral("calendars/") + BWUIDMaker::makeUID().toLower() + QStringLiteral(".ics"), calendar);
    folder.write(QStringLiteral("calendars/") + BWUIDMaker::makeUID() + QStringLiteral(".ICS"), calendar);
    folder.write(QStringLiteral("calendars/") + BWUIDMaker::makeUID() + QStringLiteral(".ics"), "garbage\0\xff");
    folder.write(QStringLiteral("calendars/") + BWUIDMaker::makeUID() + QStringLiteral(".ics"),
                 "BEGIN:VEVENT\r\nSUMMARY:Stray\r\nEND:VEVENT\r\n");
    QDir().mkpath(calendarsFolder() + QLatin1Char('/') + BWUIDMaker::makeUID() + QStringLiteral(".ics"));

    const QList<CalendarStore::Calendar> calendars = openStore().calendarsForEvents();
    ASSERT_EQ(calendars.size(), 1);
    EXPECT_EQ(calendars[0].title, QStringLiteral("Orvane"));
}

TEST_F(CalendarStoreTest, AFolderThatCannotBeMadeFailsTheCreation)
{
    folder.write(QStringLiteral("calendars"), "a plain file where the folder should be");
    QString error;
    CalendarStore store = openStore();
    EXPECT_FALSE(store.createCalendar(QStringLiteral("Orvane"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(store.calendarsForEvents().isEmpty());
}
