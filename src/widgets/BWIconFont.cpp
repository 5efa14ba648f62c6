#include "widgets/BWIconFont.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QPainter>

#include "widgets/BWGlyphIconEngine.h"

namespace {

// Where Debian installs the font.
const char* const FontFiles[] = {
    "/usr/share/fonts/truetype/font-awesome/fontawesome-webfont.ttf",
    "/usr/share/fonts-font-awesome/fonts/fontawesome-webfont.ttf",
};

// The glyph's share of the square it is drawn in, so that wide glyphs fit.
constexpr qreal GlyphScale = 0.82;

const QHash<QString, char16_t>& glyphTable()
{
    static const QHash<QString, char16_t> table = {
        // The bill icon catalogue.
        {QStringLiteral("GScale_Home"), 0xf015},          // home
        {QStringLiteral("GScale_CreditCard"), 0xf09d},    // credit-card
        {QStringLiteral("GScale_Smartphone"), 0xf10b},    // mobile
        {QStringLiteral("GScale_Umbrella"), 0xf0e9},      // umbrella
        {QStringLiteral("GScale_Power"), 0xf0e7},         // bolt
        {QStringLiteral("GScale_Gas"), 0xf06d},           // fire
        {QStringLiteral("GScale_Internet"), 0xf1eb},      // wifi
        {QStringLiteral("GScale_Phone"), 0xf095},         // phone
        {QStringLiteral("GScale_Trash"), 0xf1f8},         // trash
        {QStringLiteral("GScale_Water"), 0xf043},         // tint
        {QStringLiteral("GScale_Boat"), 0xf21a},          // ship
        {QStringLiteral("GScale_Auto"), 0xf1b9},          // car
        {QStringLiteral("GScale_Motorcycle"), 0xf21c},    // motorcycle
        {QStringLiteral("GScale_Repairs"), 0xf0ad},       // wrench
        {QStringLiteral("GScale_Travel"), 0xf0f2},        // suitcase
        {QStringLiteral("GScale_TV"), 0xf26c},            // television
        {QStringLiteral("CloudDrive"), 0xf0c2},           // cloud
        {QStringLiteral("GScale_Music"), 0xf001},         // music
        {QStringLiteral("GScale_Subscription"), 0xf1ea},  // newspaper-o
        {QStringLiteral("GScale_Cleaning"), 0xf2cd},      // bath
        {QStringLiteral("FoodSubscription"), 0xf0f5},     // cutlery
        {QStringLiteral("GScale_Landscaping"), 0xf06c},   // leaf
        {QStringLiteral("GScale_Alarm"), 0xf132},         // shield
        {QStringLiteral("GScale_Appliance"), 0xf1e6},     // plug
        {QStringLiteral("GScale_Computer"), 0xf109},      // laptop
        {QStringLiteral("GScale_Furniture"), 0xf236},     // bed
        {QStringLiteral("Jewelery"), 0xf219},             // diamond
        {QStringLiteral("GScale_Shopping"), 0xf07a},      // shopping-cart
        {QStringLiteral("GScale_Childcare"), 0xf1ae},     // child
        {QStringLiteral("GScale_Donation"), 0xf004},      // heart
        {QStringLiteral("GScale_Gym"), 0xf21e},           // heartbeat
        {QStringLiteral("GScale_Hairstyling"), 0xf0c4},   // scissors
        {QStringLiteral("GScale_Legal"), 0xf0e3},         // gavel
        {QStringLiteral("GScale_Medication"), 0xf0fa},    // medkit
        {QStringLiteral("Club"), 0xf0c0},                 // users
        {QStringLiteral("GScale_Pets"), 0xf1b0},          // paw
        {QStringLiteral("GScale_Education"), 0xf19d},     // graduation-cap
        {QStringLiteral("GScale_Ticket"), 0xf145},        // ticket
        {QStringLiteral("GScale_Business"), 0xf0b1},      // briefcase
        {QStringLiteral("GScale_SafetyDeposit"), 0xf023}, // lock
        {QStringLiteral("GScale_Wallet"), 0xf0d6},        // money
        {QStringLiteral("GScale_PostOffice"), 0xf0e0},    // envelope
        {QStringLiteral("Savings"), 0xf19c},              // bank
        {QStringLiteral("GScale_Taxes"), 0xf1ec},         // calculator
        // Every income item's.
        {QStringLiteral("GScale_Loan"), 0xf155},          // usd
        // Due dots and the income marker.
        {QStringLiteral("red5.png"), 0xf111},             // circle
        {QStringLiteral("yellow5.png"), 0xf111},
        {QStringLiteral("green5.png"), 0xf111},
        {QStringLiteral("blue5.png"), 0xf111},
        {QStringLiteral("white5.png"), 0xf10c},           // circle-o
        {QStringLiteral("calendarDot"), 0xf111},          // circle
        // The month calendar's buttons.
        {QStringLiteral("leftimage"), 0xf053},            // chevron-left
        {QStringLiteral("rightimage"), 0xf054},           // chevron-right
        {QStringLiteral("todayimage"), 0xf192},           // dot-circle-o
        // The tray item.
        {QStringLiteral("menulet"), 0xf073},              // calendar
        {QStringLiteral("menuletOverdue"), 0xf274},       // calendar-check-o
        // Vacation mode.
        {QStringLiteral("893-airplane"), 0xf072},         // plane
        {QStringLiteral("893-airplaneselect"), 0xf072},
        // Toolbar and menu commands.
        {QStringLiteral("overview"), 0xf03a},             // list
        {QStringLiteral("newBill"), 0xf067},              // plus
        {QStringLiteral("logPayment"), 0xf046},           // check-square-o
        {QStringLiteral("quickLog"), 0xf0e7},             // bolt
        {QStringLiteral("skipPayment"), 0xf122},          // reply-all
        {QStringLiteral("payNow"), 0xf0ac},               // globe
        {QStringLiteral("editBill"), 0xf040},             // pencil
        {QStringLiteral("preferences"), 0xf013},          // cog
        {QStringLiteral("forecast"), 0xf201},             // line-chart
        {QStringLiteral("history"), 0xf1da},              // history
        {QStringLiteral("reports"), 0xf200},              // pie-chart
        {QStringLiteral("cloudAccount"), 0xf0c2},         // cloud
        {QStringLiteral("income"), 0xf155},               // usd
        {QStringLiteral("search"), 0xf002},               // search
        // A payment's receipt.
        {QStringLiteral("770-paper-clip-toolbar"), 0xf0c6},  // paperclip
    };
    return table;
}

}  // namespace

QChar BWIconFont::glyphForName(const QString& imageName)
{
    return QChar(glyphTable().value(imageName, 0));
}

QString BWIconFont::loadFamily()
{
    for (const char* file : FontFiles) {
        const QString path = QString::fromLatin1(file);
        if (!QFile::exists(path))
            continue;
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        if (!families.isEmpty())
            return families.first();
    }
    return QString();
}

QString BWIconFont::family()
{
    static const QString loaded = loadFamily();
    return loaded;
}

bool BWIconFont::isAvailable()
{
    return !family().isEmpty();
}

bool BWIconFont::paint(QPainter& painter, const QRectF& area, const QString& imageName, const QColor& color)
{
    const QChar glyph = glyphForName(imageName);
    if (glyph.isNull() || !isAvailable() || area.isEmpty())
        return false;
    QFont font(family());
    font.setPixelSize(std::max(1, int(std::min(area.width(), area.height()) * GlyphScale)));
    font.setStyleStrategy(QFont::NoFontMerging);
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(area, Qt::AlignCenter, QString(glyph));
    painter.restore();
    return true;
}

QPixmap BWIconFont::pixmap(const QString& imageName, int side, const QColor& color)
{
    if (side <= 0 || glyphForName(imageName).isNull() || !isAvailable())
        return {};
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(painter, QRectF(0, 0, side, side), imageName, color);
    return picture;
}

QIcon BWIconFont::icon(const QString& imageName, const QColor& color)
{
    if (glyphForName(imageName).isNull() || !isAvailable())
        return {};
    return QIcon(new BWGlyphIconEngine(imageName, color));
}
