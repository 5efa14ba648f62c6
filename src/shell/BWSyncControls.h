#pragma once

#include <QWidget>

class BGHUDProgressIndicator;
class KBButton;
class QFrame;
class QLabel;

// The sync controls at the foot of the main window's side bar: the manual
// sync button with its progress bar, the "Last Sync" text, two lines that
// frame them while a sync channel is on, and the line that stands alone when
// none is. The shell decides what shows; clicking the button is announced.
class BWSyncControls : public QWidget
{
    Q_OBJECT

public:
    explicit BWSyncControls(QWidget* parent = nullptr);

    KBButton* manualSyncButton() const { return m_manualSyncButton; }
    BGHUDProgressIndicator* syncProgressIndicator() const { return m_syncProgressIndicator; }
    QLabel* lastSyncedText() const { return m_lastSyncedText; }
    QFrame* syncLine() const { return m_syncLine; }
    QFrame* syncLine2() const { return m_syncLine2; }
    QFrame* editLine() const { return m_editLine; }

    // The button, its lines and the text while a channel is on; the lone
    // line otherwise.
    void showSyncButton(bool shown);
    void startProgress();
    void stopProgress();
    void setLastSyncedText(const QString& text);

signals:
    void syncRequested();

private:
    KBButton* m_manualSyncButton;
    BGHUDProgressIndicator* m_syncProgressIndicator;
    QLabel* m_lastSyncedText;
    QFrame* m_syncLine;
    QFrame* m_syncLine2;
    QFrame* m_editLine;
};
