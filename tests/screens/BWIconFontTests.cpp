#include "screens/BWBillEditorController.h"
#include "store/OrBillEditorAssistant.h"
#include "widgets/BWIconFont.h"

#include <QImage>
#include <QWidget>
#include <QSet>

#include <gtest/gtest.h>

// Whether any pixel of the picture is drawn.
static bool hasInk(const QPixmap& picture)
{
    const QImage image = picture.toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() > 0)
                return true;
    return false;
}

TEST(BWIconFont, EveryCatalogueIconHasAGlyphOfItsOwn)
{
    const QList<IconItem> catalogue = OrBillEditorAssistant::listOfIcons();
    ASSERT_EQ(catalogue.size(), 44);
    QSet<QChar> glyphs;
    for (const IconItem& icon : catalogue) {
        const QChar glyph = BWIconFont::glyphForName(icon.iconName);
        EXPECT_FALSE(glyph.isNull()) << icon.iconName.toStdString();
        glyphs.insert(glyph);
    }
    EXPECT_EQ(glyphs.size(), catalogue.size());
    // The editor gives every income item an icon of its own.
    EXPECT_FALSE(BWIconFont::glyphForName(BWBillEditorController::IncomeIcon).isNull());
    EXPECT_FALSE(glyphs.contains(BWIconFont::glyphForName(BWBillEditorController::IncomeIcon)));
}

TEST(BWIconFont, DrawsKnownNamesAndNothingForOthers)
{
    if (!BWIconFont::isAvailable())
        GTEST_SKIP() << "the icon font is not installed";
    for (const char* name : {"GScale_Home", "red5.png", "leftimage", "rightimage", "todayimage", "893-airplane",
                             "menulet"}) {
        const QPixmap picture = BWIconFont::pixmap(QString::fromLatin1(name), 24, Qt::black);
        EXPECT_TRUE(!picture.isNull() && hasInk(picture)) << name;
    }
    EXPECT_TRUE(BWIconFont::pixmap(QStringLiteral("no such image"), 24, Qt::black).isNull());
    EXPECT_TRUE(BWIconFont::pixmap(QStringLiteral("GScale_Home"), 0, Qt::black).isNull());
}

// Icons are drawn when asked for, at the size asked for, in the looks the
// style gives other icons.
TEST(BWIconFont, IconsDrawTheGlyphAtEachSizeAndLook)
{
    if (!BWIconFont::isAvailable())
        GTEST_SKIP() << "the icon font is not installed";
    const QIcon icon = BWIconFont::icon(QStringLiteral("GScale_Home"), Qt::black);
    ASSERT_FALSE(icon.isNull());
    for (const int side : {16, 20, 48}) {
        const QPixmap normal = icon.pixmap(side, side);
        EXPECT_EQ(normal.size(), QSize(side, side));
        EXPECT_TRUE(hasInk(normal)) << side;
        EXPECT_NE(icon.pixmap(side, side, QIcon::Disabled).toImage(), normal.toImage()) << side;
    }
    EXPECT_TRUE(BWIconFont::icon(QStringLiteral("no such image"), Qt::black).isNull());
}
