#include "platform/PropertyList.h"

#include "support/TempFolder.h"
#include "support/XmlReaderOracle.h"

#include <QBuffer>
#include <QFile>
#include <QPoint>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

QVariant roundTrip(const QVariant& value)
{
    QString error;
    const QByteArray xml = PropertyList::serialize(value, &error);
    EXPECT_FALSE(xml.isEmpty()) << error.toStdString();
    const PropertyList::ReadResult result = PropertyList::parse(xml);
    EXPECT_TRUE(result.ok()) << result.error.toStdString() << "\n" << xml.toStdString();
    return result.value;
}

QByteArray plist(const QByteArray& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n" + body + "\n</plist>\n";
}

QVariant parsed(const QByteArray& body)
{
    const PropertyList::ReadResult result = PropertyList::parse(plist(body));
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    return result.value;
}

QDateTime utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

}  // namespace

// ------------------------------------------------------------------ round trips

TEST(PropertyListRoundTrip, KeepsIntegerRealAndBooleanApart)
{
    const QVariantMap record{{"Zero", qlonglong(0)},  {"ZeroReal", 0.0},  {"No", false},
                             {"One", qlonglong(1)},   {"OneReal", 1.0},   {"Yes", true},
                             {"Negative", qlonglong(-42)}};
    const QVariantMap back = roundTrip(record).toMap();

    ASSERT_EQ(back.size(), record.size());
    for (auto it = record.cbegin(); it != record.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        const QVariant got = back.value(it.key());
        EXPECT_EQ(got.typeId(), it.value().typeId());
        EXPECT_EQ(got, it.value());
    }
}

TEST(PropertyListRoundTrip, KeepsEveryTypeOfARecord)
{
    const QVariantMap payment{{"Amount", 12.5}, {"Date", utc(2024, 2, 29, 13, 5, 59)}};
    const QVariantMap record{
        {"Name", QStringLiteral("Rent & <Garage> \"ÄÖü\" 家賃 🏠")},
        {"Amount", 123456789.01},
        {"PayType", qlonglong(3)},
        {"RemindMe", true},
        {"DueDate", PropertyList::distantFuture()},
        {"LastPayment", PropertyList::distantPast()},
        {"Payments", QVariantList{payment, payment}},
        {"Tags", QVariantList{QStringLiteral("home"), QString()}},
        {"Receipt", QByteArray("\x00\x01\xfe\xff binary", 11)},
        {"EmptyDict", QVariantMap()},
        {"EmptyArray", QVariantList()},
        {"EmptyString", QString()},
        {"", QStringLiteral("empty key")},
    };
    EXPECT_EQ(roundTrip(record), QVariant(record));
    const QVariantMap back = roundTrip(record).toMap();
    EXPECT_EQ(back.value("EmptyDict").typeId(), QMetaType::QVariantMap);
    EXPECT_EQ(back.value("EmptyArray").typeId(), QMetaType::QVariantList);
    EXPECT_EQ(back.value("Receipt").typeId(), QMetaType::QByteArray);
    EXPECT_EQ(back.value("EmptyString").typeId(), QMetaType::QString);
}

TEST(PropertyListRoundTrip, RealsReadBackBitForBit)
{
    const double values[] = {0.1,
                             1e-300,
                             123456789.01,
                             1.0 / 3.0,
                             -2.5,
                             1e21,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             -std::numeric_limits<double>::max()};
    for (const double value : values) {
        SCOPED_TRACE(value);
        const QVariant back = roundTrip(value);
        EXPECT_EQ(back.typeId(), QMetaType::Double);
        EXPECT_EQ(back.toDouble(), value);
    }
}

TEST(PropertyListRoundTrip, NegativeZeroNanAndInfinities)
{
    EXPECT_TRUE(std::signbit(roundTrip(-0.0).toDouble()));
    EXPECT_TRUE(std::isnan(roundTrip(std::nan("")).toDouble()));
    EXPECT_EQ(roundTrip(std::numeric_limits<double>::infinity()).toDouble(),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(roundTrip(-std::numeric_limits<double>::infinity()).toDouble(),
              -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(PropertyList::serialize(std::numeric_limits<double>::infinity())
                    .contains("<real>+infinity</real>"));
}

TEST(PropertyListRoundTrip, IntegerLimits)
{
    for (const qlonglong value : {std::numeric_limits<qlonglong>::min(),
                                  std::numeric_limits<qlonglong>::max(), qlonglong(-1)}) {
        const QVariant back = roundTrip(value);
        EXPECT_EQ(back.typeId(), QMetaType::LongLong);
        EXPECT_EQ(back.toLongLong(), value);
    }
    // Other integer widths are stored as integers too.
    EXPECT_EQ(roundTrip(int(-7)).typeId(), QMetaType::LongLong);
    EXPECT_EQ(roundTrip(uint(7)).toLongLong(), 7);
}

TEST(PropertyListRoundTrip, SentinelDatesAndUtc)
{
    EXPECT_EQ(PropertyList::distantPast(), utc(1, 1, 1));
    EXPECT_EQ(PropertyList::distantFuture(), utc(4001, 1, 1));
    EXPECT_TRUE(PropertyList::serialize(PropertyList::distantPast())
                    .contains("<date>0001-01-01T00:00:00Z</date>"));
    EXPECT_TRUE(PropertyList::serialize(PropertyList::distantFuture())
                    .contains("<date>4001-01-01T00:00:00Z</date>"));
    EXPECT_EQ(roundTrip(PropertyList::distantPast()).toDateTime(), PropertyList::distantPast());
    EXPECT_EQ(roundTrip(PropertyList::distantFuture()).toDateTime(), PropertyList::distantFuture());

    // A moment given in another zone is stored as the same instant in UTC.
    const QDateTime berlin(QDate(2024, 7, 1), QTime(9, 30), QTimeZone("Europe/Berlin"));
    const QDateTime back = roundTrip(berlin).toDateTime();
    EXPECT_EQ(back, berlin);
    EXPECT_EQ(back.timeSpec(), Qt::UTC);
}

TEST(PropertyListRoundTrip, DropsSubSecondParts)
{
    EXPECT_EQ(roundTrip(utc(2024, 3, 10, 8, 15, 30, 999)).toDateTime(), utc(2024, 3, 10, 8, 15, 30));
}

TEST(PropertyListRoundTrip, StringsKeepLineEndsAndWhitespace)
{
    const QString text = QStringLiteral("  a\r\nb\rc\td  ");
    EXPECT_EQ(roundTrip(text).toString(), text);
    EXPECT_EQ(roundTrip(QVariantMap{{text, 1}}).toMap().firstKey(), text);
}

TEST(PropertyListRoundTrip, CharactersXmlCannotCarryStayReadable)
{
    const QString text = QStringLiteral("bell") + QChar(0x07) + QStringLiteral("end") + QChar(0xD800);
    const QVariant back = roundTrip(text);
    EXPECT_EQ(back.toString(), QStringLiteral("bell\uFFFDend\uFFFD"));
}

TEST(PropertyListRoundTrip, StringListsBecomeArrays)
{
    const QVariant back = roundTrip(QStringList{"a", "b"});
    EXPECT_EQ(back.typeId(), QMetaType::QVariantList);
    EXPECT_EQ(back.toStringList(), (QStringList{"a", "b"}));
}

// ------------------------------------------------------------------ reading text from elsewhere

TEST(PropertyListParse, AcceptsTheFormsOtherWritersUse)
{
    const QVariantMap dict = parsed(R"(<dict>
        <!-- a comment -->
        <key>Negative</key><integer> -17 </integer>
        <key>Plus</key><integer>+5</integer>
        <key>Big</key><integer>9223372036854775807</integer>
        <key>RealWithoutPoint</key><real>3</real>
        <key>Long</key><real>0.10000000000000001</real>
        <key>Exp</key><real>1E-300</real>
        <key>Entities</key><string>a &amp; b &lt;c&gt; &#x263A; &#65; &quot;q&quot; &apos;</string>
        <key>EmptyString</key><string/>
        <key>EmptyDict</key><dict/>
        <key>EmptyArray</key><array></array>
        <key>True</key><true></true>
        <key>False</key><false/>
        <key>Data</key><data>
            AAEC
            /w==
        </data>
        <key>Fraction</key><date>2020-02-29T23:59:59.5Z</date>
        <key>Nan</key><real>NaN</real>
        <key>Inf</key><real>-infinity</real>
    </dict>)").toMap();

    EXPECT_EQ(dict.value("Negative"), qlonglong(-17));
    EXPECT_EQ(dict.value("Plus"), qlonglong(5));
    EXPECT_EQ(dict.value("Big"), std::numeric_limits<qlonglong>::max());
    EXPECT_EQ(dict.value("RealWithoutPoint").typeId(), QMetaType::Double);
    EXPECT_EQ(dict.value("Long").toDouble(), 0.1);
    EXPECT_EQ(dict.value("Exp").toDouble(), 1e-300);
    EXPECT_EQ(dict.value("Entities").toString(), QStringLiteral("a & b <c> \u263A A \"q\" '"));
    EXPECT_EQ(dict.value("EmptyString").typeId(), QMetaType::QString);
    EXPECT_TRUE(dict.value("EmptyString").toString().isEmpty());
    EXPECT_EQ(dict.value("EmptyDict").typeId(), QMetaType::QVariantMap);
    EXPECT_EQ(dict.value("EmptyArray").typeId(), QMetaType::QVariantList);
    EXPECT_EQ(dict.value("True"), true);
    EXPECT_EQ(dict.value("False"), false);
    EXPECT_EQ(dict.value("Data").toByteArray(), QByteArray("\x00\x01\x02\xff", 4));
    EXPECT_EQ(dict.value("Fraction").toDateTime(), utc(2020, 2, 29, 23, 59, 59, 500));
    EXPECT_TRUE(std::isnan(dict.value("Nan").toDouble()));
    EXPECT_EQ(dict.value("Inf").toDouble(), -std::numeric_limits<double>::infinity());
}

TEST(PropertyListParse, YearOneAndSecondsOfADate)
{
    EXPECT_EQ(parsed("<date>0001-01-01T00:00:00Z</date>").toDateTime(), PropertyList::distantPast());
    EXPECT_EQ(parsed("<date>1999-12-31T23:59:58Z</date>").toDateTime(), utc(1999, 12, 31, 23, 59, 58));
}

TEST(PropertyListParse, LaterDuplicateKeyWins)
{
    EXPECT_EQ(parsed("<dict><key>a</key><integer>1</integer><key>a</key><integer>2</integer></dict>")
                  .toMap()
                  .value("a"),
              qlonglong(2));
}

TEST(PropertyListParse, TopLevelArrayOfStrings)
{
    EXPECT_EQ(parsed("<array><string>b</string><string>a</string></array>").toStringList(),
              (QStringList{"b", "a"}));
}

// ------------------------------------------------------------------ refusing bad input

class PropertyListMalformed : public testing::TestWithParam<const char*>
{
};

TEST_P(PropertyListMalformed, IsReportedAsMalformed)
{
    const PropertyList::ReadResult result = PropertyList::parse(GetParam());
    EXPECT_EQ(result.status, PropertyList::Status::Malformed);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_FALSE(result.value.isValid());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PropertyListMalformed,
    testing::Values("", "   ", "not xml at all", "<plist version=\"1.0\"></plist>",
                    "<dict><key>a</key><true/></dict>",  // no <plist> root
                    "<plist><string>a</string><string>b</string></plist>",
                    "<plist><dict><key>a</key></dict></plist>",
                    "<plist><dict><string>a</string><true/></dict></plist>",
                    "<plist><key>a</key></plist>", "<plist><number>1</number></plist>",
                    "<plist><integer>12abc</integer></plist>", "<plist><integer></integer></plist>",
                    "<plist><integer>9223372036854775808</integer></plist>",
                    "<plist><integer>1.5</integer></plist>", "<plist><real>abc</real></plist>",
                    "<plist><real>1e999</real></plist>", "<plist><date>2020-13-01T00:00:00Z</date></plist>",
                    "<plist><date>2020-01-01</date></plist>",
                    "<plist><date>2020-02-30T00:00:00Z</date></plist>",
                    "<plist><data>!!!!</data></plist>", "<plist><true>yes</true></plist>",
                    "<plist><string>a<b/></string></plist>", "<plist><string>&bogus;</string></plist>",
                    "<plist><array>text<true/></array></plist>",
                    "<plist><string>a</string></plist><plist/>",
                    "<plist><string>a</string></plist>trailing",
                    "<plist><string>unclosed</plist>"));

TEST(PropertyListMalformedFile, EveryTruncationIsMalformed)
{
    const QVariantMap record{{"Name", "Water"}, {"Amount", 30.25}, {"Payments", QVariantList{1, 2.5}},
                             {"DueDate", utc(2025, 1, 31)}};
    const QByteArray xml = PropertyList::serialize(record);
    const qsizetype complete = xml.indexOf("</plist>") + qsizetype(strlen("</plist>"));
    for (qsizetype length = 0; length < complete; ++length) {
        const PropertyList::ReadResult result = PropertyList::parse(xml.left(length));
        ASSERT_EQ(result.status, PropertyList::Status::Malformed) << "cut at " << length;
    }
    EXPECT_TRUE(PropertyList::parse(xml.left(complete)).ok());
}

TEST(PropertyListMalformedFile, DeepNestingIsRefusedNotACrash)
{
    QByteArray deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<array>";
    EXPECT_EQ(PropertyList::parse("<plist>" + deep).status, PropertyList::Status::Malformed);

    QVariant nested = QVariantList();
    for (int i = 0; i < 600; ++i)
        nested = QVariantList{nested};
    QString error;
    EXPECT_TRUE(PropertyList::serialize(nested, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

TEST(PropertyListMalformedFile, NotFoundUnreadableAndMalformedFiles)
{
    TempFolder temp;
    EXPECT_EQ(PropertyList::read(temp.file("missing.plist")).status, PropertyList::Status::NotFound);
    EXPECT_EQ(PropertyList::read(temp.path()).status, PropertyList::Status::Unreadable);

    const QString broken = temp.write("broken.plist", "<plist><dict><key>a</key>");
    const PropertyList::ReadResult result = PropertyList::read(broken);
    EXPECT_EQ(result.status, PropertyList::Status::Malformed);
    EXPECT_TRUE(result.error.contains(broken));
}

// Files are read into a buffer each thread keeps from file to file: no file
// may show through in the next one, whatever their sizes.
TEST(PropertyListMalformedFile, EachFileReadsAsItsOwnBytesWhateverWasReadBefore)
{
    TempFolder temp;
    const QByteArray large = PropertyList::serialize(QVariantMap{{"text", QString(3 << 20, u'x')}});
    const QByteArray small = PropertyList::serialize(QVariantMap{{"name", "Rent"}, {"amount", 12.5}});
    const std::vector<std::pair<const char*, QByteArray>> files{
        {"large.plist", large}, {"small.plist", small}, {"empty.plist", ""},
        {"large-again.plist", large}, {"truncated.plist", small.left(small.size() / 2)}, {"small-again.plist", small}};
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const PropertyList::ReadResult expected = PropertyList::parse(bytes);
        const PropertyList::ReadResult read = PropertyList::read(temp.write(name, bytes));
        EXPECT_EQ(read.status, expected.status);
        EXPECT_EQ(read.value, expected.value);
    }
}

TEST(PropertyListMalformedFile, FileWithoutReadPermissionIsUnreadable)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempFolder temp;
    const QString path = temp.write("locked.plist", PropertyList::serialize(QVariantMap()));
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    EXPECT_EQ(PropertyList::read(path).status, PropertyList::Status::Unreadable);
}

// ------------------------------------------------------------------ writing files

TEST(PropertyListWrite, WritesAndReadsAFile)
{
    TempFolder temp;
    const QVariantMap record{{"a", qlonglong(1)}, {"b", QVariantList{true, 2.5}}};
    ASSERT_TRUE(PropertyList::write(temp.file("r.plist"), record));
    const PropertyList::ReadResult result = PropertyList::read(temp.file("r.plist"));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value, QVariant(record));
    EXPECT_TRUE(temp.read("r.plist").startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
}

TEST(PropertyListWrite, UnstorableValueLeavesTheOldFile)
{
    TempFolder temp;
    const QString path = temp.file("r.plist");
    ASSERT_TRUE(PropertyList::write(path, QVariantMap{{"a", 1}}));
    const QByteArray before = temp.read("r.plist");

    QString error;
    EXPECT_FALSE(PropertyList::write(path, QVariantMap{{"a", 2}, {"where", QPoint(1, 2)}}, &error));
    EXPECT_TRUE(error.contains("where"));
    EXPECT_EQ(temp.read("r.plist"), before);

    EXPECT_TRUE(PropertyList::serialize(QVariant()).isEmpty());
    EXPECT_TRUE(PropertyList::serialize(QDateTime()).isEmpty());
}

TEST(PropertyListMalformedFile, EntityDeclarationsAreNotExpanded)
{
    const QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY a \"aaaaaaaaaa\">"
                              "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                              "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                              "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
                              "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
                              "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">"
                              "<!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">]>"
                              "<plist><string>&g;</string></plist>";
    EXPECT_EQ(PropertyList::parse(laughs).status, PropertyList::Status::Malformed);
}

// Documents no property-list writer makes, refused before they can cost
// memory or change a record at its next save.
class PropertyListRefusedDocument : public testing::TestWithParam<QByteArray>
{
};

TEST_P(PropertyListRefusedDocument, IsMalformed)
{
    EXPECT_EQ(PropertyList::parse(GetParam()).status, PropertyList::Status::Malformed);
}

QByteArray oneEntityRepeated()
{
    QByteArray doc = "<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY big \"" + QByteArray(1000, 'x')
                     + "\">]><plist><string>";
    for (int i = 0; i < 1000; ++i)
        doc += "&big;";
    return doc + "</string></plist>";
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PropertyListRefusedDocument,
    testing::Values(oneEntityRepeated(),
                    QByteArray("<!DOCTYPE plist [<!ELEMENT plist ANY>]><plist><true/></plist>"),
                    QByteArray("<?xml version=\"1.0\" encoding=\"UTF-7\"?><plist><string>+AGE-</string></plist>"),
                    QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><plist><string>a</string></plist>"),
                    QByteArray("\xFF\xFE<\0p\0l\0i\0s\0t\0/\0>\0", 20),
                    QByteArray("<\0p\0l\0i\0s\0t\0/\0>\0", 18),
                    QByteArray("<plist><string>\xED\xA0\x80</string></plist>"),   // a surrogate as UTF-8
                    QByteArray("<plist><string>&#xD800;</string></plist>"),
                    QByteArray("<plist><string>a\xFF</string></plist>")));

TEST(PropertyListParse, UtfEightDeclarationsAndOurOwnDoctypeAreRead)
{
    for (const QByteArray& declaration : {QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>"),
                                          QByteArray("<?xml version=\"1.0\"?>"), QByteArray("\xEF\xBB\xBF")}) {
        const PropertyList::ReadResult result =
            PropertyList::parse(declaration + "<plist><string>\xC3\xA9</string></plist>");
        EXPECT_TRUE(result.ok()) << result.error.toStdString();
        EXPECT_EQ(result.value.toString(), QStringLiteral("\u00E9"));
    }
    EXPECT_EQ(parsed("<string>x</string>").toString(), QStringLiteral("x"));
}

TEST(PropertyListFragments, AssembledDictionaryIsTheSerializedOneAndSplitsBack)
{
    const QVariantMap dict{{"ActiveBills", QVariantList{QVariantMap{{"Name", "a\n\t<key>x</key>"}}, 2.5}},
                           {"BWDueSoonDays", qlonglong(7)},
                           {"Odd & <key>", true},
                           {"Nested", QVariantMap{{"Inner", QVariantMap{{"k", "v"}}}}}};
    PropertyList::Fragments fragments;
    for (auto it = dict.cbegin(); it != dict.cend(); ++it)
        fragments.insert(it.key(), PropertyList::serializeDictionaryValue(it.value()));

    QList<PropertyList::FragmentSpan> spans;
    const QByteArray document = PropertyList::assembleDictionary(fragments, &spans);
    EXPECT_EQ(document, PropertyList::serialize(dict));
    // The places it tells are the places a reader finds, each holding its text.
    const QList<PropertyList::FragmentSpan> found = PropertyList::dictionarySpans(document).value();
    ASSERT_EQ(spans.size(), found.size());
    for (qsizetype i = 0; i < spans.size(); ++i) {
        EXPECT_EQ(spans[i].key, found[i].key);
        EXPECT_EQ(spans[i].start, found[i].start);
        EXPECT_EQ(spans[i].length, found[i].length);
        EXPECT_EQ(document.sliced(found[i].start, found[i].length), fragments.value(found[i].key));
    }
    for (auto it = fragments.cbegin(); it != fragments.cend(); ++it)
        EXPECT_TRUE(PropertyList::sameValue(PropertyList::parseDictionaryValue(it.value()).value, dict.value(it.key())));

    EXPECT_EQ(PropertyList::assembleDictionary({}), PropertyList::serialize(QVariantMap()));
    EXPECT_TRUE(PropertyList::dictionarySpans(PropertyList::serialize(QVariantMap())).value().isEmpty());
}

// Long lists are written in pieces; the bytes, and a refusal, are the same.
TEST(PropertyListFragments, ALongListIsWrittenAsTheWriterWritesIt)
{
    QVariantList items;
    for (int i = 0; i < 1000; ++i)
        items.append(QVariantMap{{"Name", QStringLiteral("Bill %1 & <co>").arg(i)}, {"Amount", 10.5 + i},
                                 {"Payments", QVariantList{QDateTime(QDate(2026, 1, 1 + i % 28), QTime(12, 0), Qt::UTC)}}});
    EXPECT_EQ(PropertyList::assembleDictionary({{"ActiveBills", PropertyList::serializeDictionaryValue(items)}}),
              PropertyList::serialize(QVariantMap{{"ActiveBills", items}}));

    items[700] = QVariantMap{{"Name", QVariant::fromValue(QPoint(1, 2))}};
    QString error;
    EXPECT_TRUE(PropertyList::serializeDictionaryValue(items, &error).isEmpty());
    EXPECT_TRUE(error.contains("Name")) << error.toStdString();
}

// A stored text is compared with what a device reads, a piece at a time.
TEST(PropertyListFragments, ATextIsComparedWithWhatADeviceReads)
{
    QVariantList items;
    for (int i = 0; i < 600; ++i)
        items.append(QVariantMap{{"Name", QStringLiteral("Bill %1").arg(i)}, {"Amount", 1.5 + i}});
    const QByteArray text = PropertyList::serializeDictionaryValue(items);
    QVariantList changed = items;
    changed[599] = QVariantMap{{"Name", "Bill 599"}, {"Amount", 1.5}};
    const QList<std::tuple<const char*, QVariant, QByteArray, bool>> cases{
        {"equal", items, text, true},
        {"one item differs", changed, text, false},
        {"stored text is longer", items.mid(0, 599), text, false},
        {"stored text is cut short", items, text.first(text.size() - 1), false},
        {"another kind", QVariant(qlonglong(1)), text, false},
    };
    for (const auto& [name, value, stored, equal] : cases) {
        QByteArray framed = "head" + stored + "tail";
        QBuffer device(&framed);
        ASSERT_TRUE(device.open(QIODevice::ReadOnly));
        ASSERT_TRUE(device.seek(4));
        EXPECT_EQ(PropertyList::isSerializedDictionaryValue(value, device, stored.size()), equal) << name;
        EXPECT_EQ(PropertyList::isSerializedDictionaryValue(value, stored), equal) << name;
    }
}

TEST(PropertyListFragments, OtherLayoutsAreNotSplit)
{
    for (const QByteArray& document :
         {QByteArray("<plist><dict><key>a</key><true/></dict></plist>"), PropertyList::serialize(QVariantList{1}),
          PropertyList::serialize(QVariantMap{{"a", 1}}).replace("\t<key>", "  <key>"), QByteArray()})
        EXPECT_FALSE(PropertyList::dictionarySpans(document).has_value()) << document.toStdString();
}

namespace {

// A settings document split into the texts of its values must read, value
// by value, as the XML reader reads it whole, and read the same once put
// together again from those texts. Of a document the XML reader refuses,
// some value's text must be refused too, which leaves the file untouched.
void expectSplitAsTheXmlReaderReads(const QByteArray& document)
{
    const std::optional<QList<PropertyList::FragmentSpan>> spans = PropertyList::dictionarySpans(document);
    if (!spans)
        return;
    QVariantMap read;
    PropertyList::Fragments texts;
    bool everyValueRead = true;
    for (const PropertyList::FragmentSpan& span : *spans) {
        const QByteArray text = document.sliced(span.start, span.length);
        const PropertyList::ReadResult value = PropertyList::parseDictionaryValue(text);
        everyValueRead = everyValueRead && value.ok();
        read.insert(span.key, value.value);
        texts.insert(span.key, text);
    }
    const PropertyList::ReadResult whole = readByXmlReader(document);
    if (!whole.ok()) {
        EXPECT_FALSE(everyValueRead) << document.toStdString();
        return;
    }
    ASSERT_TRUE(everyValueRead) << document.toStdString();
    EXPECT_TRUE(PropertyList::sameValue(read, whole.value)) << document.toStdString();
    const PropertyList::ReadResult saved = readByXmlReader(PropertyList::assembleDictionary(texts));
    EXPECT_TRUE(saved.ok() && PropertyList::sameValue(saved.value, whole.value)) << document.toStdString();
}

QByteArray settingsDocument()
{
    return PropertyList::serialize(QVariantMap{
        {"A", qlonglong(1)},
        {"Nested", QVariantMap{{"x", "1"}, {"y", QVariantMap{{"z", QVariantList{1, 2}}}}}},
        {"List", QVariantList{QStringLiteral("a & <b>"), QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC)}},
        {"Text", QStringLiteral("line\nbreak\t<key>Q</key>")},
        {"Z", "last"},
    });
}

}  // namespace

// Hand edits and damage of every kind, one at a time: a changed byte, a
// line taken back to depth 1, a line of markup our writer never writes.
TEST(PropertyListFragments, EveryEditedDocumentIsSplitOnlyAsTheXmlReaderReadsIt)
{
    const QByteArray document = settingsDocument();
    expectSplitAsTheXmlReaderReads(document);
    ASSERT_TRUE(PropertyList::dictionarySpans(document).has_value());
    for (qsizetype at = 0; at < document.size(); ++at) {
        for (const char replacement : {'<', '>', '&', '/', ' ', '\t', '\n', 'x', '\x80'}) {
            QByteArray changed = document;
            changed[at] = replacement;
            expectSplitAsTheXmlReaderReads(changed);
        }
    }
    const QList<QByteArray> lines = document.split('\n');
    const QList<QByteArray> insertions{"\t<!-- \n\t<key>C</key>\n\t<true/>\n\t-->",
                                       "\t<key>Z</key>",
                                       "\t<key>New</key>\n\t<string><![CDATA[\n\t<key>Q</key>\n]]></string>",
                                       "\t<key>K\xC3</key>\n\t<true/>",
                                       "\t<key>K<b/></key>\n\t<true/>",
                                       "\t<key>K&#65;</key>\n\t<true/>"};
    for (qsizetype line = 0; line < lines.size(); ++line) {
        QList<QByteArray> outdented = lines;
        while (outdented[line].startsWith("\t\t"))
            outdented[line].remove(0, 1);
        expectSplitAsTheXmlReaderReads(outdented.join('\n'));
        for (const QByteArray& insertion : insertions) {
            QList<QByteArray> inserted = lines;
            inserted.insert(line, insertion);
            expectSplitAsTheXmlReaderReads(inserted.join('\n'));
        }
    }
}

TEST(PropertyListSameValue, KindsStayApart)
{
    const QDateTime moment(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
    const QList<std::tuple<QVariant, QVariant, bool>> cases{
        {qlonglong(1), 1, true},
        {qlonglong(1), 1.0, false},
        {qlonglong(1), true, false},
        {0.0, false, false},
        {0.0, -0.0, false},
        {QStringLiteral("1"), qlonglong(1), false},
        {moment, moment.addMSecs(400), true},
        {moment, moment.addSecs(1), false},
        {QVariantList{1, "a"}, QStringList{"1", "a"}, false},
        {QStringList{"a"}, QVariantList{"a"}, true},
        {QVariantMap{{"a", 1}}, QVariantMap{{"a", 1}, {"b", 2}}, false},
        {QVariantMap{{"a", QVariantList{1.5}}}, QVariantMap{{"a", QVariantList{1.5}}}, true},
        {QByteArray("x"), QStringLiteral("x"), false}};
    for (const auto& [a, b, same] : cases) {
        EXPECT_EQ(PropertyList::sameValue(a, b), same) << a.toString().toStdString() << " / " << b.toString().toStdString();
        EXPECT_EQ(PropertyList::sameValue(b, a), same);
    }
}
