#include "widgets/BWMessageBox.h"

#include <QLabel>
#include <QTextLayout>
#include <QTextOption>
#include <gtest/gtest.h>

namespace {

// The lines `label` shows, laid out as a word-wrapping label lays them out at
// its width.
QStringList shownLines(const QLabel& label)
{
    QStringList lines;
    for (const QString& paragraph : label.text().split(u'\n')) {
        QTextLayout layout(paragraph, label.font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label.contentsRect().width());
            lines.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
    }
    return lines;
}

}  // namespace

// A path or an address in a message is never broken across lines, and the
// words around it are all still there.
TEST(BWMessageBox, APathOrAddressStaysOnOneLine)
{
    struct Case
    {
        const char* text;
        const char* whole;
    };
    const Case cases[] = {
        {"Another copy of Orvane is using the database /home/margaret-jones/Household-Finances/Orvane.ovdata. "
         "Quit it before starting Orvane again.",
         "/home/margaret-jones/Household-Finances/Orvane.ovdata."},
        {"Orvane could not open https://example.com/orvane/phone/sign-up-for-the-news. Check that the desktop "
         "has a default web browser.",
         "https://example.com/orvane/phone/sign-up-for-the-news."},
        {"\"~/Documents/Bills-and-Payments/Orvane\" is not a folder Orvane can reach.",
         "\"~/Documents/Bills-and-Payments/Orvane\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        BWMessageBox box(QMessageBox::Warning, QStringLiteral("Title"), QString::fromUtf8(c.text));
        box.show();
        const auto* informative = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
        ASSERT_NE(informative, nullptr);
        const QStringList lines = shownLines(*informative);
        EXPECT_TRUE(lines.contains(QString::fromUtf8(c.whole))) << lines.join(u'|').toStdString();
        EXPECT_EQ(lines.join(u' ').simplified(), QString::fromUtf8(c.text).simplified());
    }
}

// Words that merely hold a slash stay in their sentence.
TEST(BWMessageBox, OnlyPathsAndAddressesGetALineOfTheirOwn)
{
    EXPECT_EQ(BWMessageBox::withPathsOnLinesOfTheirOwn(QStringLiteral("Pay and/or skip it.")),
              QStringLiteral("Pay and/or skip it."));
    EXPECT_EQ(BWMessageBox::withPathsOnLinesOfTheirOwn(QStringLiteral("/tmp/a is gone")),
              QStringLiteral("/tmp/a\nis gone"));
}

// Both texts may quote a name the user typed: neither is read as markup.
TEST(BWMessageBox, ShowsBothTextsAsPlainText)
{
    BWMessageBox box(QMessageBox::Warning, QStringLiteral("Delete <b>Rent</b>?"),
                     QStringLiteral("The bill \u201CWater <Acme>\u201D goes."));
    box.show();
    for (const char* name : {"qt_msgbox_label", "qt_msgbox_informativelabel"}) {
        SCOPED_TRACE(name);
        const auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
}
