#include "widgets/BWMessageBox.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSpacerItem>

namespace {

// The room beside the text: the icon and its gap.
constexpr int IconAndGap = 80;

}  // namespace

BWMessageBox::BWMessageBox(Icon icon, const QString& text, const QString& informativeText, QWidget* parent)
    : QMessageBox(icon, QString(), QString(), NoButton, parent)
{
    // Set before the texts, so that a name the user typed is never read as markup.
    setTextFormat(Qt::PlainText);
    setText(withPathsOnLinesOfTheirOwn(text));
    setInformativeText(withPathsOnLinesOfTheirOwn(informativeText));
    // The informative text has a label of its own, which QMessageBox leaves
    // reading markup whatever the box's text format.
    if (auto* informative = findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        informative->setTextFormat(Qt::PlainText);
}

// The line breaker may split a path or an address at any '/' or '-' to fill
// the line it starts on; starting a line of its own, in a box as wide as it,
// it stays whole.
QString BWMessageBox::withPathsOnLinesOfTheirOwn(const QString& text)
{
    static const QRegularExpression run(QStringLiteral("\\S+"));
    static const QRegularExpression pathOrAddress(QStringLiteral("^[\"(\u201C]?(?:[A-Za-z][A-Za-z0-9+.-]*://|~?/)"));
    QString result;
    qsizetype end = 0;
    bool afterPath = false;
    for (const QRegularExpressionMatch& word : run.globalMatch(text)) {
        const bool isPath = pathOrAddress.match(word.captured()).hasMatch();
        QString gap = text.mid(end, word.capturedStart() - end);
        if ((isPath || afterPath) && end > 0 && !gap.contains(u'\n'))
            gap = QStringLiteral("\n");
        result += gap + word.captured();
        end = word.capturedEnd();
        afterPath = isPath;
    }
    return result + text.mid(end);
}

int BWMessageBox::longestRunWidth(const QStringList& texts, const QFont& font)
{
    const QFontMetrics metrics(font);
    static const QRegularExpression whitespace(QStringLiteral("\\s+"));
    int widest = 0;
    for (const QString& text : texts)
        for (const QString& run : text.split(whitespace, Qt::SkipEmptyParts))
            widest = std::max(widest, metrics.horizontalAdvance(run));
    return widest;
}

void BWMessageBox::showEvent(QShowEvent* event)
{
    widenForLongestRun();
    QMessageBox::showEvent(event);
}

// QMessageBox keeps itself narrow and wraps; a spacer across its grid makes
// the layout ask for the room the longest run needs. The box still stops at
// its own limit on small screens.
void BWMessageBox::widenForLongestRun()
{
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid)
        return;
    const int wanted = longestRunWidth({text(), informativeText()}, font()) + IconAndGap;
    if (!m_widthSpacer) {
        m_widthSpacer = new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
        grid->addItem(m_widthSpacer, grid->rowCount(), 0, 1, grid->columnCount());
    }
    m_widthSpacer->changeSize(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    grid->invalidate();
}
