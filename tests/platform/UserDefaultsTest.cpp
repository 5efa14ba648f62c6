#include "platform/UserDefaults.h"

#include "platform/PropertyList.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QPoint>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <limits>
#include <sys/stat.h>

namespace {

QVariantMap storedIn(const QString& path)
{
    return PropertyList::read(path).value.toMap();
}

}  // namespace

TEST(UserDefaultsPaths, StandardAndSuiteFiles)
{
    EXPECT_EQ(UserDefaults::standardPath("/f"), QStringLiteral("/f/Orvane.plist"));
    EXPECT_EQ(UserDefaults::suitePath("/f", "group.Orvane"), QStringLiteral("/f/group.Orvane.plist"));
    EXPECT_EQ(UserDefaults::defaultFolder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Orvane");
}

TEST(UserDefaultsLookup, StoredValuesWinOverRegisteredOnes)
{
    TempFolder temp;
    UserDefaults defaults(temp.file("d.plist"));
    defaults.registerDefaults({{"BWDueSoonDays", 5}, {"Sound", true}});
    defaults.registerDefaults({{"Other", "x"}});  // adds, does not replace the first set

    EXPECT_EQ(defaults.integerForKey("BWDueSoonDays"), 5);
    EXPECT_FALSE(defaults.hasStoredValue("BWDueSoonDays"));
    ASSERT_TRUE(defaults.setInteger("BWDueSoonDays", 9));
    EXPECT_EQ(defaults.integerForKey("BWDueSoonDays"), 9);
    EXPECT_TRUE(defaults.boolForKey("Sound"));
    EXPECT_EQ(defaults.stringForKey("Other"), "x");

    // A stored NO hides a registered YES; removing it brings the registered value back.
    ASSERT_TRUE(defaults.setBool("Sound", false));
    EXPECT_FALSE(defaults.boolForKey("Sound"));
    ASSERT_TRUE(defaults.removeObject("Sound"));
    EXPECT_TRUE(defaults.boolForKey("Sound"));
    // Registered values are never written to the file.
    EXPECT_FALSE(storedIn(temp.file("d.plist")).contains("Other"));
}

TEST(UserDefaultsLookup, MissingKeysReadAsEmptyValues)
{
    TempFolder temp;
    const UserDefaults defaults(temp.file("d.plist"));
    EXPECT_FALSE(defaults.objectForKey("none").isValid());
    EXPECT_FALSE(defaults.boolForKey("none"));
    EXPECT_EQ(defaults.integerForKey("none"), 0);
    EXPECT_TRUE(defaults.stringForKey("none").isEmpty());
    EXPECT_FALSE(defaults.dateForKey("none").isValid());
    EXPECT_TRUE(defaults.arrayForKey("none").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(temp.file("d.plist")));  // reading creates nothing
}

TEST(UserDefaultsConversion, Booleans)
{
    TempFolder temp;
    UserDefaults defaults(temp.file("d.plist"));
    defaults.registerDefaults({{"yes", "YES"},   {"yesLower", "yes"}, {"true", "True"}, {"one", "1"},
                               {"no", "NO"},     {"zero", "0"},       {"two", "2"},     {"int", 3},
                               {"intZero", 0},   {"real", 0.5},       {"realZero", 0.0}, {"date", QDateTime::currentDateTimeUtc()}});
    for (const char* key : {"yes", "yesLower", "true", "one", "int", "real"})
        EXPECT_TRUE(defaults.boolForKey(key)) << key;
    for (const char* key : {"no", "zero", "two", "intZero", "realZero", "date"})
        EXPECT_FALSE(defaults.boolForKey(key)) << key;
}

TEST(UserDefaultsConversion, Numbers)
{
    TempFolder temp;
    UserDefaults defaults(temp.file("d.plist"));
    defaults.registerDefaults({{"real", 7.9},        {"negReal", -7.9},  {"bool", true},
                               {"text", " 42 "},     {"realText", "2.5"}, {"junk", "abc"},
                               {"huge", 1e300},      {"nan", std::numeric_limits<double>::quiet_NaN()},
                               {"int", qlonglong(-3)}});
    EXPECT_EQ(defaults.integerForKey("real"), 7);
    EXPECT_EQ(defaults.integerForKey("negReal"), -7);
    EXPECT_EQ(defaults.integerForKey("bool"), 1);
    EXPECT_EQ(defaults.integerForKey("text"), 42);
    EXPECT_EQ(defaults.integerForKey("realText"), 2);
    EXPECT_EQ(defaults.integerForKey("junk"), 0);
    EXPECT_EQ(defaults.integerForKey("huge"), std::numeric_limits<qlonglong>::max());
    EXPECT_EQ(defaults.integerForKey("nan"), 0);
}

TEST(UserDefaultsConversion, StringsDatesAndContainers)
{
    TempFolder temp;
    UserDefaults defaults(temp.file("d.plist"));
    const QDateTime when(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC);
    defaults.registerDefaults({{"int", 12},         {"real", 0.1},    {"bool", true},
                               {"date", when},      {"list", QVariantList{1, "a"}},
                               {"strings", QStringList{"x"}},        {"map", QVariantMap{{"k", 1}}}});
    EXPECT_EQ(defaults.stringForKey("int"), "12");
    EXPECT_EQ(defaults.stringForKey("real"), "0.1");
    EXPECT_TRUE(defaults.stringForKey("bool").isEmpty());
    EXPECT_TRUE(defaults.stringForKey("list").isEmpty());
    EXPECT_EQ(defaults.dateForKey("date"), when);
    EXPECT_FALSE(defaults.dateForKey("int").isValid());
    EXPECT_EQ(defaults.arrayForKey("list"), (QVariantList{1, "a"}));
    EXPECT_EQ(defaults.arrayForKey("strings"), (QVariantList{"x"}));
    EXPECT_TRUE(defaults.arrayForKey("map").isEmpty());
}

TEST(UserDefaultsStorage, ValuesPersistAcrossInstancesWithTheirTypes)
{
    TempFolder temp;
    const QString path = UserDefaults::standardPath(temp.file("config/Orvane"));
    {
        UserDefaults defaults(path);
        ASSERT_TRUE(defaults.setBool("BWHideAd", true));  // creates the folder
        ASSERT_TRUE(defaults.setInteger("BRWWhichSoundEffect", 2));
        ASSERT_TRUE(defaults.setObject("Ratio", 0.1));
        ASSERT_TRUE(defaults.setObject("When", PropertyList::distantPast()));
        ASSERT_TRUE(defaults.setObject("Gone", "soon"));
        ASSERT_TRUE(defaults.setObject("Gone", QVariant()));  // invalid value removes the key
    }
    const UserDefaults again(path);
    EXPECT_EQ(again.objectForKey("BWHideAd").typeId(), QMetaType::Bool);
    EXPECT_EQ(again.objectForKey("BRWWhichSoundEffect").typeId(), QMetaType::LongLong);
    EXPECT_EQ(again.objectForKey("Ratio"), 0.1);
    EXPECT_EQ(again.dateForKey("When"), PropertyList::distantPast());
    EXPECT_FALSE(again.hasStoredValue("Gone"));
}

TEST(UserDefaultsStorage, SuitesAreSeparateFiles)
{
    TempFolder temp;
    UserDefaults standard(UserDefaults::standardPath(temp.path()));
    UserDefaults suite(UserDefaults::suitePath(temp.path(), "K4TRW8ZP2N.group.Bramwick.Orvane"));
    ASSERT_TRUE(standard.setInteger("BWDueSoonDays", 3));
    ASSERT_TRUE(suite.setInteger("BWDueSoonDays", 7));
    EXPECT_EQ(UserDefaults(standard.path()).integerForKey("BWDueSoonDays"), 3);
    EXPECT_EQ(UserDefaults(suite.path()).integerForKey("BWDueSoonDays"), 7);
}

TEST(UserDefaultsStorage, UnstorableValueIsRefusedWithoutSpoilingLaterWrites)
{
    TempFolder temp;
    UserDefaults defaults(temp.file("d.plist"));
    EXPECT_FALSE(defaults.setObject("Point", QPoint(1, 2)));
    EXPECT_FALSE(defaults.hasStoredValue("Point"));
    EXPECT_TRUE(defaults.setInteger("Next", 1));
    EXPECT_EQ(storedIn(temp.file("d.plist")).value("Next"), qlonglong(1));
}

TEST(UserDefaultsStorage, FailedWriteIsReportedAndKeptForThisRun)
{
    TempFolder temp;
    temp.write("blocker", "a file where the folder should be");
    UserDefaults defaults(temp.file("blocker/d.plist"));
    EXPECT_FALSE(defaults.setInteger("Key", 4));
    EXPECT_EQ(defaults.integerForKey("Key"), 4);
    EXPECT_FALSE(defaults.synchronize());
}

TEST(UserDefaultsCorruptFile, IsNeverOverwritten)
{
    TempFolder temp;
    const QByteArray damaged = "<?xml version=\"1.0\"?><plist><dict><key>BWHideAd</key><tr";
    const QString path = temp.write("d.plist", damaged);

    UserDefaults defaults(path);
    EXPECT_FALSE(defaults.hasStoredValue("BWHideAd"));
    EXPECT_FALSE(defaults.setInteger("New", 1));
    EXPECT_FALSE(defaults.removeObject("BWHideAd"));
    EXPECT_FALSE(defaults.synchronize());
    EXPECT_EQ(temp.read("d.plist"), damaged);
    EXPECT_EQ(defaults.integerForKey("New"), 1);  // still usable in memory
}

// A file edited by hand (a nested dictionary whose keys are indented by one
// tab), or holding a key our writer would write otherwise, is read as the
// XML reader reads it, and a save keeps every setting where it was. In one
// the XML reader can't read, a setting reads as nothing (never as another
// value), and the file is left untouched.
TEST(UserDefaultsHandEditedFile, IsReadAsTheXmlReaderReadsItAndSavedWhole)
{
    const QByteArray written = PropertyList::serialize(
        QVariantMap{{"A", qlonglong(1)}, {"Nested", QVariantMap{{"x", "1"}, {"y", "2"}}}, {"Z", "last"}});
    const struct
    {
        const char* name;
        QByteArray document;
    } cases[] = {
        {"nested keys indented by one tab", QByteArray(written).replace("\t\t<key>", "\t<key>")},
        {"nested dictionary at depth 1", QByteArray(written).replace("\t\t", "\t")},
        {"key of bytes that are not UTF-8", QByteArray(written).replace("<key>Z</key>", "<key>Z\xFF</key>")},
        {"key holding markup", QByteArray(written).replace("<key>Z</key>", "<key>Z<b/></key>")},
        {"key written with an entity", QByteArray(written).replace("<key>Z</key>", "<key>&#90;</key>")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder temp;
        const QString path = temp.write("d.plist", c.document);
        const PropertyList::ReadResult asXml = PropertyList::parse(c.document);
        UserDefaults defaults(path);
        if (!asXml.ok()) {
            // A value read as nothing keeps the whole file as it is.
            for (const char* key : {"A", "Nested", "Z"})
                defaults.objectForKey(key);
            EXPECT_FALSE(defaults.setInteger("Added", 2));
            EXPECT_EQ(temp.read("d.plist"), c.document);
            continue;
        }
        QVariantMap expected = asXml.value.toMap();
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            EXPECT_TRUE(PropertyList::sameValue(defaults.objectForKey(it.key()), it.value())) << it.key().toStdString();
        ASSERT_TRUE(defaults.setInteger("Added", 2));
        expected.insert("Added", qlonglong(2));
        EXPECT_TRUE(PropertyList::sameValue(storedIn(path), expected)) << temp.read("d.plist").toStdString();
    }
}

// A value that cannot be read is that key's alone, in our layout and in any
// other: it reads as unset, is told of once a run, stays in the file as it
// is, and every other key reads and saves.
TEST(UserDefaultsUnreadableValue, IsThatKeysAlone)
{
    const QByteArray badDate = "<date>2020-02-30T00:00:00Z</date>";
    const QByteArray written = PropertyList::serialize(QVariantMap{
        {"BWDataFolderPath", QStringLiteral("/home/ann/Bills \u00e9\u20ac\U0001F4B0")},
        {"LastSync", "placeholder"},
        {"Nested", QVariantMap{{"x", "1"}}},
        {"Z", qlonglong(7)}});
    const QByteArray inOurLayout = QByteArray(written).replace("<string>placeholder</string>", badDate);
    const struct
    {
        const char* name;
        QByteArray document;
    } cases[] = {
        {"our layout", inOurLayout},
        {"hand-edited", QByteArray(inOurLayout).replace("\t\t<key>", "\t<key>")},
        {"hand-edited on one line", QByteArray(inOurLayout).replace("\n", "").replace("\t", "")},
        {"hand-edited with Windows line ends", QByteArray(inOurLayout).replace("\t\t", "  ").replace("\n", "\r\n")},
        {"hand-edited with a byte-order mark", "\xEF\xBB\xBF" + QByteArray(inOurLayout).replace("\t\t", "\t")},
        {"a nested value that is none",
         QByteArray(written).replace("<string>placeholder</string>", "<array><integer>x</integer></array>")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder temp;
        const QString path = temp.write("d.plist", c.document);
        QList<QPair<QString, QString>> told;
        UserDefaults::setUnreadableValueListener(
            [&told](const QString& key, const QString& file) { told.append({key, file}); });
        LogCapture log;
        UserDefaults defaults(path);
        defaults.registerDefaults({{"LastSync", "default"}});

        EXPECT_EQ(defaults.stringForKey("LastSync"), "default");
        EXPECT_FALSE(defaults.hasStoredValue("LastSync"));
        EXPECT_EQ(defaults.stringForKey("BWDataFolderPath"), QStringLiteral("/home/ann/Bills \u00e9\u20ac\U0001F4B0"));
        EXPECT_EQ(defaults.objectForKey("Nested").toMap(), (QVariantMap{{"x", "1"}}));
        EXPECT_EQ(defaults.integerForKey("Z"), 7);
        EXPECT_FALSE(defaults.detachedCopy().hasStoredValue("LastSync"));
        ASSERT_TRUE(defaults.setInteger("Added", 2));

        UserDefaults again(path);
        EXPECT_EQ(again.integerForKey("Added"), 2);
        EXPECT_EQ(again.stringForKey("BWDataFolderPath"), defaults.stringForKey("BWDataFolderPath"));
        EXPECT_FALSE(again.objectForKey("LastSync").isValid());
        const QByteArray unreadable = c.document.contains(badDate) ? badDate : "<integer>x</integer>";
        EXPECT_TRUE(temp.read("d.plist").contains(unreadable)) << temp.read("d.plist").toStdString();
        EXPECT_EQ(told, (QList<QPair<QString, QString>>{{"LastSync", path}}));
        EXPECT_EQ(log.lines().filter("LastSync").size(), 1) << log.lines().join('\n').toStdString();
        UserDefaults::setUnreadableValueListener({});
    }
}

TEST(UserDefaultsCorruptFile, ANonDictionaryRootCountsAsCorrupt)
{
    TempFolder temp;
    const QByteArray array = PropertyList::serialize(QVariantList{1, 2});
    const QString path = temp.write("d.plist", array);
    UserDefaults defaults(path);
    EXPECT_FALSE(defaults.setBool("x", true));
    EXPECT_EQ(temp.read("d.plist"), array);
}

TEST(UserDefaultsCorruptFile, WritingResumesOnceTheFileIsRemoved)
{
    TempFolder temp;
    const QString path = temp.write("d.plist", "garbage");
    UserDefaults defaults(path);
    EXPECT_FALSE(defaults.setInteger("A", 1));

    QFile::remove(path);
    EXPECT_TRUE(defaults.setInteger("B", 2));
    EXPECT_EQ(storedIn(path), (QVariantMap{{"A", qlonglong(1)}, {"B", qlonglong(2)}}));
}

TEST(UserDefaultsCorruptFile, RepairedFileIsTakenInBeforeWriting)
{
    TempFolder temp;
    const QString path = temp.write("d.plist", "garbage");
    UserDefaults defaults(path);
    EXPECT_FALSE(defaults.setInteger("Mine", 1));
    EXPECT_FALSE(defaults.removeObject("Old"));

    ASSERT_TRUE(PropertyList::write(path, QVariantMap{{"Kept", "user"}, {"Mine", 0}, {"Old", "x"}}));
    EXPECT_TRUE(defaults.setInteger("Later", 3));
    EXPECT_EQ(storedIn(path), (QVariantMap{{"Kept", "user"}, {"Mine", qlonglong(1)}, {"Later", qlonglong(3)}}));
    EXPECT_EQ(defaults.stringForKey("Kept"), "user");
}

TEST(UserDefaultsSharing, TwoWritersOnOneFileKeepEachOthersKeys)
{
    TempFolder temp;
    const QString path = temp.file("d.plist");
    UserDefaults app(path);
    UserDefaults agent(path);
    ASSERT_TRUE(app.setInteger("BWDueSoonDays", 3));
    ASSERT_TRUE(app.setObject("Gone", "x"));
    ASSERT_TRUE(agent.setBool("EnableStartAtLoginMenu", true));  // agent never read the file before
    ASSERT_TRUE(app.removeObject("Gone"));
    ASSERT_TRUE(app.setInteger("BWReminderDays", 5));
    ASSERT_TRUE(agent.setInteger("BWDueSoonDays", 9));  // the later change of one key wins

    EXPECT_EQ(storedIn(path), (QVariantMap{{"BWDueSoonDays", qlonglong(9)},
                                           {"BWReminderDays", qlonglong(5)},
                                           {"EnableStartAtLoginMenu", true}}));
    EXPECT_TRUE(app.synchronize());
    EXPECT_EQ(app.integerForKey("BWDueSoonDays"), 9);
    EXPECT_TRUE(app.boolForKey("EnableStartAtLoginMenu"));
}

TEST(UserDefaultsSharing, AnEqualValueIsNotWrittenAgainButAnotherKindIs)
{
    TempFolder temp;
    const QString path = temp.file("d.plist");
    UserDefaults defaults(path);
    ASSERT_TRUE(defaults.setObject("List", QVariantList{qlonglong(1), 2.5, true, "a"}));
    // Every write puts a new file in place.
    const auto inode = [&path] {
        struct stat status {};
        ::stat(QFile::encodeName(path).constData(), &status);
        return status.st_ino;
    };
    const auto changed = inode();

    const QList<QVariant> equal{QVariantList{1, 2.5, true, "a"}, QVariantList{qlonglong(1), 2.5, true, "a"}};
    for (const QVariant& value : equal) {
        UserDefaults fresh(path);
        EXPECT_TRUE(fresh.setObject("List", value));
        EXPECT_EQ(inode(), changed);
    }
    const QList<QVariant> different{QVariantList{1.0, 2.5, true, "a"}, QVariantList{qlonglong(1), 2.5, 1, "a"},
                                    QVariantList{qlonglong(1), 2.5, true}};
    for (const QVariant& value : different) {
        UserDefaults fresh(path);
        ASSERT_TRUE(fresh.setObject("List", value));
        EXPECT_EQ(storedIn(path).value("List").toList().size(), value.toList().size());
        EXPECT_TRUE(PropertyList::sameValue(storedIn(path).value("List"), value));
    }
}

TEST(UserDefaultsSharing, ValuesOfAnotherLayoutAreComparedAsValues)
{
    TempFolder temp;
    const QString path = temp.write("d.plist", "<plist><dict><key>N</key><integer>7</integer>"
                                               "<key>Other</key><string>kept</string></dict></plist>");
    UserDefaults defaults(path);
    EXPECT_TRUE(defaults.setInteger("N", 7));
    EXPECT_EQ(temp.read("d.plist").left(7), QByteArray("<plist>"));
    EXPECT_TRUE(defaults.setObject("N", 7.0));
    EXPECT_EQ(storedIn(path), (QVariantMap{{"N", 7.0}, {"Other", "kept"}}));
}

// The app-group suite holds every bill: its list is compared with the file a
// piece at a time, an equal one is not written again, and a later write of
// another key keeps it as it was.
TEST(UserDefaultsSharing, ALongListIsComparedWithTheFileAndKeptByLaterWrites)
{
    QVariantList bills;
    for (int i = 0; i < 2000; ++i)
        bills.append(QVariantMap{{"Name", QStringLiteral("Bill %1 & co").arg(i)}, {"Amount", 10.5 + i},
                                 {"Notes", QString(200, QChar(u'x'))}});
    TempFolder temp;
    const QString path = temp.file("suite.plist");
    ASSERT_TRUE(UserDefaults(path).setObject("ActiveBills", bills));
    ASSERT_TRUE(UserDefaults(path).setInteger("BWDueSoonDays", 5));
    const QByteArray written = temp.read("suite.plist");

    QVariantList changedLast = bills;
    changedLast.last() = QVariantMap{{"Name", "Bill 1999 & co"}, {"Amount", 10.5}};
    QVariantList shorter = bills.mid(0, 1999);
    for (const QVariant& different : {QVariant(changedLast), QVariant(shorter), QVariant(bills + QVariantList{1})})
        EXPECT_FALSE(PropertyList::isSerializedDictionaryValue(different, PropertyList::serializeDictionaryValue(bills)));

    UserDefaults suite(path);
    EXPECT_EQ(suite.integerForKey("BWDueSoonDays"), 5);
    EXPECT_TRUE(suite.setObject("ActiveBills", bills));
    EXPECT_EQ(temp.read("suite.plist"), written);
    EXPECT_EQ(suite.arrayForKey("ActiveBills"), bills);
    ASSERT_TRUE(suite.setInteger("BWDueSoonDays", 7));
    EXPECT_EQ(temp.read("suite.plist"), PropertyList::serialize(QVariantMap{{"ActiveBills", bills}, {"BWDueSoonDays", 7}}));

    EXPECT_TRUE(suite.setObject("ActiveBills", changedLast));
    EXPECT_EQ(UserDefaults(path).arrayForKey("ActiveBills"), changedLast);
    EXPECT_EQ(UserDefaults(path).integerForKey("BWDueSoonDays"), 7);
}

namespace {

// Bills enough for a text that the suite leaves in its file.
QVariantList longBills(const QString& name)
{
    QVariantList bills;
    for (int i = 0; i < 1200; ++i)
        bills.append(QVariantMap{{"Name", QStringLiteral("%1 %2 & co").arg(name).arg(i)}, {"Amount", 10.5 + i},
                                 {"Notes", QString(200, QChar(u'n'))}});
    return bills;
}

// A suite file as the program writes it, with the bills and one short value.
QString writeSuite(const TempFolder& temp, const QVariantList& bills)
{
    const QString path = temp.file("suite.plist");
    EXPECT_TRUE(PropertyList::write(path, QVariantMap{{"ActiveBills", bills}, {"BWDueSoonDays", qlonglong(5)}}));
    return path;
}

// The suite as main() opens it: read on a worker, then used.
void startUsing(UserDefaults& suite)
{
    suite.startLoading();
    EXPECT_EQ(suite.integerForKey("BWDueSoonDays"), 5);
}

}  // namespace

// The bills are read from the file only when asked for; by then another
// process or program may have rewritten it.
TEST(UserDefaultsLongValues, AreReadBackFromTheFileAsItIsNow)
{
    const QVariantList bills = longBills("Bill");
    const QVariantList others = longBills("Other");
    const QList<std::tuple<const char*, std::function<void(const QString&)>, QVariantList>> cases{
        {"rewritten by another process",
         [&](const QString& path) { ASSERT_TRUE(UserDefaults(path).setObject("ActiveBills", others)); }, others},
        {"moved by a key written before it",
         [](const QString& path) { ASSERT_TRUE(UserDefaults(path).setObject("AAA", QString(999, QChar(u'a')))); },
         bills},
        {"rewritten in place by another program",
         [&](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(PropertyList::serialize(QVariantMap{{"ActiveBills", others}, {"BWDueSoonDays", 5}, {"X", 1}}));
         },
         others},
        {"removed", [](const QString& path) { ASSERT_TRUE(QFile::remove(path)); }, QVariantList()},
    };
    for (const auto& [name, change, expected] : cases) {
        TempFolder temp;
        const QString path = writeSuite(temp, bills);
        UserDefaults suite(path);
        startUsing(suite);
        change(path);
        EXPECT_EQ(suite.arrayForKey("ActiveBills"), expected) << name;
        ASSERT_TRUE(suite.setInteger("BWDueSoonDays", 6)) << name;
        EXPECT_EQ(storedIn(path).value("ActiveBills").toList(), expected) << name;
    }
}

// An equal value is found equal to its text in the file, and not written.
TEST(UserDefaultsLongValues, AreComparedWithTheFile)
{
    const QVariantList bills = longBills("Bill");
    QVariantList changedLast = bills;
    changedLast.last() = QVariantMap{{"Name", "Bill 1199 & co"}, {"Amount", 10.5}};
    const auto none = [](const QString&) {};
    const auto otherKeyRewritten = [](const QString& path) { ASSERT_TRUE(UserDefaults(path).setInteger("Other", 1)); };
    const QList<std::tuple<const char*, std::function<void(const QString&)>, QVariant, bool>> cases{
        {"equal", none, longBills("Bill"), false},
        {"equal, after another process rewrote the file", otherKeyRewritten, bills, false},
        {"last bill changed", none, changedLast, true},
        {"one bill fewer", none, bills.mid(0, bills.size() - 1), true},
        {"one item more", none, bills + QVariantList{1}, true},
        {"not a list", none, QVariantMap{{"Name", "x"}}, true},
    };
    for (const auto& [name, before, value, written] : cases) {
        TempFolder temp;
        const QString path = writeSuite(temp, bills);
        UserDefaults suite(path);
        startUsing(suite);
        before(path);
        const quint64 inode = TempFolder::inodeOf(path);
        ASSERT_TRUE(suite.setObject("ActiveBills", value)) << name;
        EXPECT_EQ(TempFolder::inodeOf(path) != inode, written) << name;
        EXPECT_TRUE(PropertyList::sameValue(storedIn(path).value("ActiveBills"), value)) << name;
        EXPECT_TRUE(PropertyList::sameValue(suite.objectForKey("ActiveBills"), value)) << name;
    }
}

// An object for a worker, started from what another object read, compares
// with the file as it stands and writes over it as a second writer does.
TEST(UserDefaultsLongValues, AreComparedAndWrittenByAnObjectSharingWhatWasRead)
{
    const QVariantList bills = longBills("Bill");
    const QVariantList others = longBills("Other");
    const auto none = [](const QString&) {};
    const auto dueSoonRewritten
        = [](const QString& path) { ASSERT_TRUE(UserDefaults(path).setInteger("BWDueSoonDays", 9)); };
    const auto billsRewritten
        = [&](const QString& path) { ASSERT_TRUE(UserDefaults(path).setObject("ActiveBills", others)); };
    const QList<std::tuple<const char*, std::function<void(const QString&)>, QVariantList, bool, qlonglong>> cases{
        {"equal", none, bills, false, 5},
        {"changed", none, others, true, 5},
        {"equal, after another process rewrote a short value", dueSoonRewritten, bills, false, 9},
        {"changed, after another process rewrote a short value", dueSoonRewritten, others, true, 9},
        {"equal to what another process wrote since", billsRewritten, others, false, 5},
        {"changed back after another process wrote", billsRewritten, bills, true, 5},
    };
    for (const auto& [name, before, value, written, dueSoon] : cases) {
        TempFolder temp;
        const QString path = writeSuite(temp, bills);
        UserDefaults suite(path);
        suite.registerDefaults({{"Registered", true}});
        startUsing(suite);
        UserDefaults worker = suite.sharingWhatWasRead();
        EXPECT_TRUE(worker.boolForKey("Registered")) << name;
        before(path);
        const quint64 inode = TempFolder::inodeOf(path);
        ASSERT_TRUE(worker.setObject("ActiveBills", value)) << name;
        EXPECT_EQ(TempFolder::inodeOf(path) != inode, written) << name;
        const QVariantMap stored = storedIn(path);
        EXPECT_EQ(stored.value("ActiveBills").toList(), value) << name;
        EXPECT_EQ(stored.value("BWDueSoonDays").toLongLong(), dueSoon) << name;
        EXPECT_EQ(suite.arrayForKey("ActiveBills"), value) << name;
    }
}

// Before the first object has read anything, the second reads for itself.
TEST(UserDefaultsLongValues, AreReadByTheSharingObjectWhenNothingWasRead)
{
    TempFolder temp;
    const QString path = writeSuite(temp, longBills("Bill"));
    const UserDefaults suite(path);
    UserDefaults worker = suite.sharingWhatWasRead();
    EXPECT_EQ(worker.integerForKey("BWDueSoonDays"), 5);
    ASSERT_TRUE(worker.setObject("ActiveBills", longBills("Other")));
    EXPECT_EQ(suite.arrayForKey("ActiveBills"), longBills("Other"));
}

// A save writes a long value left in the file again as it stands there, and
// finds it in the new file afterwards.
TEST(UserDefaultsLongValues, AreWrittenAgainFromTheFile)
{
    const QVariantList bills = longBills("Bill");
    const QVariantList others = longBills("Other");
    const QList<std::tuple<const char*, std::function<bool(UserDefaults&)>, QVariantMap>> cases{
        {"another key set", [](UserDefaults& suite) { return suite.setInteger("BWDueSoonDays", 7); },
         {{"ActiveBills", bills}, {"BWDueSoonDays", 7}}},
        {"another key removed", [](UserDefaults& suite) { return suite.removeObject("BWDueSoonDays"); },
         {{"ActiveBills", bills}}},
        {"after it was read",
         [](UserDefaults& suite) {
             return suite.arrayForKey("ActiveBills").size() == 1200 && suite.setInteger("BWDueSoonDays", 7);
         },
         {{"ActiveBills", bills}, {"BWDueSoonDays", 7}}},
        {"after it was found equal",
         [&](UserDefaults& suite) { return suite.setObject("ActiveBills", bills) && suite.setInteger("BWDueSoonDays", 7); },
         {{"ActiveBills", bills}, {"BWDueSoonDays", 7}}},
        {"set anew",
         [&](UserDefaults& suite) { return suite.setObject("ActiveBills", others) && suite.setInteger("BWDueSoonDays", 7); },
         {{"ActiveBills", others}, {"BWDueSoonDays", 7}}},
    };
    for (auto [name, write, expected] : cases) {
        TempFolder temp;
        const QString path = writeSuite(temp, bills);
        UserDefaults suite(path);
        startUsing(suite);
        ASSERT_TRUE(write(suite)) << name;
        EXPECT_EQ(temp.read("suite.plist"), PropertyList::serialize(expected)) << name;
        // Again, now from the file this process wrote.
        ASSERT_TRUE(suite.setInteger("Later", 1)) << name;
        expected.insert("Later", 1);
        EXPECT_EQ(temp.read("suite.plist"), PropertyList::serialize(expected)) << name;
        EXPECT_EQ(suite.arrayForKey("ActiveBills"), expected.value("ActiveBills").toList()) << name;
    }
}

// A file spoiled under a long value is left as it is, like any unreadable file.
TEST(UserDefaultsLongValues, AFileSpoiledUnderThemIsNeverOverwritten)
{
    const QList<std::tuple<const char*, std::function<void(const QString&)>>> cases{
        {"cut short in place",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             ASSERT_TRUE(file.resize(file.size() / 2));
         }},
        {"replaced by other bytes",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("garbage");
         }},
        {"damaged in place, keeping its size and time",
         [](const QString& path) {
             struct stat before {};
             ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             ASSERT_TRUE(file.seek(file.size() / 2));
             file.write(QByteArray(64, '<'));
             file.close();
             const struct timespec times[2] = {before.st_atim, before.st_mtim};
             ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
         }},
    };
    for (const auto& [name, spoil] : cases) {
        TempFolder temp;
        const QString path = writeSuite(temp, longBills("Bill"));
        UserDefaults suite(path);
        startUsing(suite);
        spoil(path);
        const QByteArray spoiled = temp.read("suite.plist");
        LogCapture log;
        EXPECT_TRUE(suite.arrayForKey("ActiveBills").isEmpty()) << name;
        EXPECT_FALSE(log.lines().isEmpty()) << name;
        EXPECT_FALSE(suite.setInteger("BWDueSoonDays", 6)) << name;
        EXPECT_FALSE(suite.synchronize()) << name;
        EXPECT_EQ(temp.read("suite.plist"), spoiled) << name;
    }
}
