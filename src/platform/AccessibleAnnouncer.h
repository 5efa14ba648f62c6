#pragma once

#include <QObject>
#include <QString>

// Tells a screen reader what just happened ("Rent: payment of $1,450.00
// logged"). Qt of this version has no announcement event, so the message is
// the name of a live status object of the notification role: each message
// goes out as a NameChanged and an ObjectShow event on it, which the AT-SPI
// bridge passes on as accessible-name and showing changes, and which screen
// readers speak for a notification without moving the focus. The status is a part
// of the application, beside its windows.
class AccessibleAnnouncer : public QObject
{
    Q_OBJECT

public:
    explicit AccessibleAnnouncer(QObject* parent = nullptr);

    // Says `message` now; a message sent from another thread is said on this
    // object's thread.
    void announce(const QString& message);
    // The message said last, the status's name.
    QString message() const { return m_message; }

private:
    void sayNow(const QString& message);

    QString m_message;
};
