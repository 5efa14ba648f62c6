#include "platform/PropertyList.h"
#include "platform/PropertyListQuickReader.h"
#include "support/XmlReaderOracle.h"

#include <QDateTime>
#include <gtest/gtest.h>

#include <vector>

// The reader over the bytes must give what the XML reader gives, or leave
// the document to it. The XML reader alone reads a document whose prolog
// holds a comment, which the reader over the bytes never takes.
namespace {

const QByteArray Head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                        "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n";

// Both readers agree on the outcome and on the value.
void expectSameAsXmlReader(const QByteArray& document)
{
    const PropertyList::ReadResult quick = PropertyList::parse(document);
    const PropertyList::ReadResult full = readByXmlReader(document);
    ASSERT_EQ(quick.status, full.status) << document.toStdString();
    if (quick.ok()) {
        EXPECT_TRUE(PropertyList::sameValue(quick.value, full.value)) << document.toStdString();
    }
    EXPECT_EQ(quick.value.typeId(), full.value.typeId()) << document.toStdString();
}

QVariantMap billRecord()
{
    QVariantList payments;
    for (int p = 0; p < 3; ++p)
        payments.append(QVariantMap{{"Amount", 100.25 + p},
                                    {"Date", QDateTime(QDate(2021, 7 + p, 1), QTime(12, 0), Qt::UTC)},
                                    {"Note", QStringLiteral("Payment %1 & <co> \"q\" 'a' \u00E9\u263A\U0001F600").arg(p)},
                                    {"Receipt", QString()}});
    return {{"Name", QStringLiteral("Water > Gas")}, {"Bid", QStringLiteral("0123456789ABCDEF0123456789ABCDEF")},
            {"PaymentList", payments}, {"Repeat", QVariantList{1, 2}}, {"Amount", -0.5}, {"Big", qlonglong(1) << 62},
            {"RemindMe", false}, {"IsIncome", true}, {"Receipt", QByteArray("\x00\x01\xFF", 3)},
            {"Tags", QVariantList()}, {"Empty", QVariantMap()}, {"Tab\tKey", QStringLiteral("line\nbreak\ttab")}};
}

}  // namespace

TEST(PropertyListQuickReader, ReadsWhatOurWriterWritesAsTheXmlReaderDoes)
{
    const QByteArray document = PropertyList::serialize(billRecord());
    ASSERT_TRUE(PropertyList::Quick::read(document).has_value());
    EXPECT_EQ(PropertyList::parse(document).value, QVariant(billRecord()));
    expectSameAsXmlReader(document);
}

TEST(PropertyListQuickReader, OddInputsReadAsTheXmlReaderReadsThem)
{
    const QList<QByteArray> bodies{
        "<string>a &amp; b &lt;c&gt; &#x263A; &#65; &quot;q&quot; &apos;</string>",
        "<string>carriage&#13;return</string>", "<string>raw\rreturn</string>", "<string>crlf\r\nline</string>",
        "<string>&#0;</string>", "<string>&#xD800;</string>", "<string>&#xFFFE;</string>", "<string>&bogus;</string>",
        "<string>&amp</string>", "<string>a]]>b</string>", "<string>a]b>c</string>", "<string><![CDATA[x<y]]></string>",
        "<string>\xED\xA0\x80</string>", "<string>\xEF\xBF\xBE</string>", "<string>\xEF\xBF\xBD</string>",
        "<string>a\xFF</string>", "<string>\xC3\xA9\xF0\x9F\x98\x80</string>", "<string>bell\x07</string>",
        "<string>a<!-- c -->b</string>", "<string/>", "<string></string>", "<string >x</string>",
        "<integer> -17 </integer>", "<integer>+5</integer>", "<integer>007</integer>", "<integer>1 2</integer>",
        "<integer>9223372036854775808</integer>", "<integer>0x10</integer>", "<integer>\xC2\xA0" "5</integer>",
        "<integer></integer>", "<integer/>", "<real>3</real>", "<real>1E-300</real>", "<real>.5</real>",
        "<real>5.</real>", "<real>1e999</real>", "<real>1e-400</real>", "<real>4.9e-324</real>", "<real>NaN</real>",
        "<real>-infinity</real>", "<real>1,5</real>", "<real>0x1p3</real>", "<real>-0</real>",
        "<date>2020-02-29T23:59:59.5Z</date>", "<date>2020-02-30T00:00:00Z</date>", "<date> 2020-01-01T00:00:00Z </date>",
        "<date>0001-01-01T00:00:00Z</date>", "<date>2020-01-01T24:00:00Z</date>", "<data>\n AAEC\n /w==\n</data>",
        "<data>!!!!</data>", "<data></data>", "<true/>", "<true></true>", "<true> </true>", "<true>yes</true>",
        "<false/>", "<dict><key>a</key><integer>1</integer><key>a</key><integer>2</integer></dict>",
        "<dict><key>b</key><true/><key>a</key><false/></dict>", "<dict><key/><true/></dict>",
        "<dict><key>a&amp;b</key><true/></dict>", "<dict><key>a</key></dict>", "<dict><string>a</string></dict>",
        "<dict>\r\n<key>a</key>\r\n<true/>\r\n</dict>", "<array>text<true/></array>", "<array/>",
        "<array><array><string>x</string></array></array>", "<number>1</number>", "<plist/>"};
    for (const QByteArray& body : bodies) {
        expectSameAsXmlReader(Head + "<plist version=\"1.0\">\n" + body + "\n</plist>\n");
        expectSameAsXmlReader("<plist>" + body + "</plist>");
    }
}

// A day or a time of day that does not exist is no date, for either
// reader: a time of 24 or 99 hours is not read as midnight.
TEST(PropertyListQuickReader, DatesThatDoNotExistAreRefused)
{
    for (const QByteArray& text : QList<QByteArray>{
             "2020-01-01T24:00:00Z", "2020-01-01T99:99:99Z", "2020-01-01T23:60:00Z", "2020-01-01T23:59:60Z",
             "2020-02-30T00:00:00Z", "2021-02-29T12:00:00Z", "2020-13-01T00:00:00Z", "2020-00-10T00:00:00Z"}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(PropertyList::Quick::dateOfText(text).isValid());
        const QByteArray document = "<plist><date>" + text + "</date></plist>";
        EXPECT_FALSE(PropertyList::parse(document).ok());
        EXPECT_FALSE(readByXmlReader(document).ok());
    }
    EXPECT_EQ(PropertyList::Quick::dateOfText("2020-02-29T23:59:59Z"),
              QDateTime(QDate(2020, 2, 29), QTime(23, 59, 59), Qt::UTC));
}

TEST(PropertyListQuickReader, PrologsAndTailsReadAsTheXmlReaderReadsThem)
{
    for (const QByteArray& document : QList<QByteArray>{
             "<?xml version=\"1.0\"?><plist><true/></plist>", "\xEF\xBB\xBF<plist><true/></plist>",
             "  <plist><true/></plist>", "<plist><true/></plist>  \n", "<plist><true/></plist>trailing",
             "<plist><true/></plist><!-- c -->", "<plist><true/><true/></plist>", "<plist version=\"2\"><true/></plist>",
             Head + "<plist version=\"1.0\"><true/></plist>", "<plist>", "", "<plist></plist>"})
        expectSameAsXmlReader(document);
}

TEST(PropertyListQuickReader, EveryCutAndEveryChangedByteReadsAsTheXmlReaderReadsIt)
{
    const QByteArray document = PropertyList::serialize(billRecord());
    for (qsizetype length = 0; length <= document.size(); ++length)
        expectSameAsXmlReader(document.left(length));
    for (qsizetype at = 0; at < document.size(); ++at) {
        for (const char replacement : {'<', '>', '&', '/', ' ', '\r', 'x', '9', '\x80'}) {
            QByteArray changed = document;
            changed[at] = replacement;
            expectSameAsXmlReader(changed);
        }
    }
}

// The elements of each list gather in buffers the thread keeps between
// documents: lists side by side, nested, or read after a document that
// broke off inside a list still hold their own elements and no others.
TEST(PropertyListQuickReader, EveryListHoldsItsOwnElementsWhateverWasReadBefore)
{
    QVariantList numbers;
    for (int i = 0; i < 1000; ++i)
        numbers.append(qlonglong(i));
    const QVariantList nested{QVariantList{1.5, QVariantList{}, QVariantList{"a", "b"}}, QVariantList{true}, "c"};
    const std::vector<QVariant> values{
        QVariantList{},
        numbers,
        QVariantMap{{"first", nested}, {"second", QVariantList{QVariantMap{{"inner", numbers}}, "d"}}},
        QVariantList{QVariantList{}, QVariantList{QVariantList{}}},
        QVariant(billRecord()),
    };
    for (const QVariant& value : values) {
        const QByteArray document = PropertyList::serialize(value);
        for (const QByteArray& before : {QByteArray(), document.left(document.size() * 2 / 3)}) {
            PropertyList::Quick::read(before);
            const std::optional<QVariant> read = PropertyList::Quick::read(document);
            ASSERT_TRUE(read.has_value()) << document.toStdString();
            EXPECT_TRUE(PropertyList::sameValue(*read, value)) << document.toStdString();
        }
    }
}

TEST(PropertyListQuickReader, DeepNestingIsLeftToTheXmlReader)
{
    QByteArray deep = "<plist>";
    for (int i = 0; i < 600; ++i)
        deep += "<array>";
    for (int i = 0; i < 600; ++i)
        deep += "</array>";
    EXPECT_FALSE(PropertyList::Quick::read(deep + "</plist>").has_value());
    EXPECT_EQ(PropertyList::parse(deep + "</plist>").status, PropertyList::Status::Malformed);
}

TEST(PropertyListQuickReader, RecordsShareTheStringsOfTheirKeysAndOfTheirStamps)
{
    const QString stamp = QStringLiteral("001625140800000-00000001-4FCE6E256ED948C08F5EEC0206246634");
    const QString escaped = QStringLiteral("a long note of a & b that is read twice");
    const QVariantList written{QVariantMap{{"Amount", 1}, {"Stamp", stamp}, {"Note", escaped}},
                               QVariantMap{{"Amount", 2}, {"Stamp", stamp}, {"Note", escaped}}};
    const QByteArray document = PropertyList::serialize(written);
    const QVariantList read = PropertyList::parse(document).value.toList();
    ASSERT_EQ(read.size(), 2);
    EXPECT_TRUE(read.at(0).toMap().firstKey().isSharedWith(read.at(1).toMap().firstKey()));
    EXPECT_TRUE(read.at(0).toMap().value("Stamp").toString().isSharedWith(read.at(1).toMap().value("Stamp").toString()));
    EXPECT_EQ(QVariant(read), QVariant(written));
    EXPECT_EQ(PropertyList::serialize(read), document);
}
