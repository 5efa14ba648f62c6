#include "ScreenOpenersFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>

#include <tuple>

namespace {

// The texts of a shipped catalogue: its English sources that read otherwise
// in the language, and the texts in the language.
struct Catalogue
{
    QSet<QString> english;
    QSet<QString> translated;
};

Catalogue readCatalogue(const QString& language)
{
    QFile file(QStringLiteral(ORVANE_SOURCE_DIR "/translations/orvane_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    QString source;
    QSet<QString> sources;
    Catalogue catalogue;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source") {
            source = xml.readElementText();
            sources.insert(source);
        } else if (xml.name() == u"translation" || xml.name() == u"numerusform") {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            if (!text.isEmpty())
                catalogue.translated.insert(text);
        }
    }
    // A source that is also a translation ("Name", "Type") is both languages.
    for (const QString& text : sources) {
        if (!catalogue.translated.contains(text))
            catalogue.english.insert(text);
    }
    return catalogue;
}

QString plainText(const QString& text)
{
    const QString plain = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    return QString(plain).remove(u'&').trimmed();
}

QString shownText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return plainText(label->text());
    // A tool button that shows its icon only keeps its text for the tooltip.
    if (const auto* tool = qobject_cast<const QToolButton*>(widget);
        tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return QString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return plainText(button->text());
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return plainText(box->title());
    return QString();
}

int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// A label or button whose text does not fit its widget: wider than it, or
// taller once wrapped.
bool isCutShort(const QWidget* widget, const QString& text)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap())
            return label->heightForWidth(label->width()) > label->height();
        return widestLine(label->fontMetrics(), text) > label->contentsRect().width() - 2 * label->margin();
    }
    // Check boxes, radio and push buttons know the room their text and
    // indicator need; other buttons draw their text in their whole width.
    if (qobject_cast<const QPushButton*>(widget) || qobject_cast<const QCheckBox*>(widget)
        || qobject_cast<const QRadioButton*>(widget))
        return widget->sizeHint().width() > widget->width();
    if (qobject_cast<const QAbstractButton*>(widget))
        return widestLine(widget->fontMetrics(), text) > widget->width();
    return false;
}

// Each shown text of the window and of its shown child windows.
QList<std::pair<QWidget*, QString>> shownTexts(QWidget* window)
{
    QList<std::pair<QWidget*, QString>> texts;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString text = shownText(widget);
        if (!text.isEmpty() && widget->isVisible() && !widget->visibleRegion().isEmpty())
            texts.append({widget, text});
    }
    return texts;
}

QString describe(const QWidget* widget, const QString& text)
{
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(), text);
}

struct Opening
{
    const char* what;
    QWidget* (ScreenOpenersTest::*open)();
};

void PrintTo(const Opening& opening, std::ostream* out)
{
    *out << opening.what;
}

// The main window at the smallest size it is made for, in the language and
// locale of the parameter, with Orvane's catalogue and Qt's.
class TranslatedScreensTest : public ScreenOpenersTest,
                              public testing::WithParamInterface<std::tuple<const char*, Opening>>
{
public:
    TranslatedScreensTest()
    {
        const QLocale locale(QString::fromLatin1(language()));
        QLocale::setDefault(locale);
        EXPECT_TRUE(orvaneCatalogue.load(locale, QStringLiteral("orvane"), QStringLiteral("_"),
                                         QStringLiteral(ORVANE_BINARY_DIR "/translations")));
        EXPECT_TRUE(qtCatalogue.load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&orvaneCatalogue);
        QCoreApplication::installTranslator(&qtCatalogue);
    }
    ~TranslatedScreensTest() override
    {
        QCoreApplication::removeTranslator(&qtCatalogue);
        QCoreApplication::removeTranslator(&orvaneCatalogue);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    static const char* language() { return std::get<0>(GetParam()); }

    QTranslator orvaneCatalogue;
    QTranslator qtCatalogue;
};

TEST_P(TranslatedScreensTest, TextsAreInTheLanguageAndFitTheirWidgets)
{
    const Catalogue catalogue = readCatalogue(QString::fromLatin1(language()).section(u'_', 0, 0));
    startUp();
    delegate.window().mainWindow()->resize(1000, 640);
    delegate.window().mainWindow()->show();
    QWidget* opened = (this->*std::get<1>(GetParam()).open)();
    ASSERT_TRUE(opened && opened->isVisible());

    QList<QAction*> panesToShow = panes ? panel.toolbarItems() : QList<QAction*>();
    QStringList english;
    QStringList cutShort;
    int translated = 0;
    for (;;) {
        QTRY_VERIFY(opened->isVisible() && opened->testAttribute(Qt::WA_Mapped));
        QCoreApplication::sendPostedEvents();
        for (const auto& [widget, text] : shownTexts(opened)) {
            if (catalogue.english.contains(text))
                english.append(describe(widget, text));
            if (catalogue.translated.contains(text))
                ++translated;
            if (isCutShort(widget, text))
                cutShort.append(describe(widget, text));
        }
        if (panesToShow.isEmpty())
            break;
        panesToShow.takeFirst()->trigger();
    }
    EXPECT_GT(translated, 2) << "too few texts in the language";
    EXPECT_TRUE(english.isEmpty()) << english.join(u'\n').toStdString();
    EXPECT_TRUE(cutShort.isEmpty()) << cutShort.join(u'\n').toStdString();
}

const Opening openings[] = {
    {"MainWindow", &ScreenOpenersTest::mainWindow},
    {"NewBillEditor", &ScreenOpenersTest::newBillEditor},
    {"BillPage", &ScreenOpenersTest::billPage},
    {"Preferences", &ScreenOpenersTest::preferences},
    {"LogPaymentPanel", &ScreenOpenersTest::logPaymentPanel},
};

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, TranslatedScreensTest,
                         testing::Combine(testing::Values("de_DE", "fr_FR"), testing::ValuesIn(openings)),
                         [](const testing::TestParamInfo<TranslatedScreensTest::ParamType>& info) {
                             return std::string(std::get<0>(info.param)) + std::get<1>(info.param).what;
                         });

}  // namespace
