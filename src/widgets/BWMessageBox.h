#pragma once

#include <QMessageBox>

class QSpacerItem;

// A message box for texts that may quote the user's names and paths: shown
// as plain text, and wide enough that a path or address stays on one line
// (up to what the screen allows) instead of breaking wherever it is long.
// Its title bar carries the program's name: the message is not repeated there.
class BWMessageBox : public QMessageBox
{
    Q_OBJECT

public:
    BWMessageBox(Icon icon, const QString& text, const QString& informativeText, QWidget* parent = nullptr);

    // The width the longest unbroken run of `texts` takes in `font`: a box
    // narrower than this has to break that run.
    static int longestRunWidth(const QStringList& texts, const QFont& font);

    // `text` with each path or web address it quotes on a line of its own.
    static QString withPathsOnLinesOfTheirOwn(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void widenForLongestRun();

    QSpacerItem* m_widthSpacer = nullptr;
};
