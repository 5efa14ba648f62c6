#include "BWDateField.h"

#include "BWTypedDateReader.h"
#include "platform/Clock.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QToolTip>

BWDateField::BWDateField(QWidget* parent)
    : QLineEdit(parent)
    , m_displayFormat(QLocale().dateFormat(QLocale::ShortFormat))
{
    setText(textOf(m_date));
    connect(this, &QLineEdit::returnPressed, this, &BWDateField::acceptTypedDateOrTellWhy);
}

QString BWDateField::textOf(const QDate& date) const
{
    return date.isValid() ? QLocale().toString(date, m_displayFormat) : QString();
}

QDate BWDateField::today() const
{
    return m_clock ? m_clock->today() : QDate::currentDate();
}

QDate BWDateField::latestDate() const
{
    return m_noDateAfterToday ? std::min(m_maximum, today()) : m_maximum;
}

BWTypedDateReader BWDateField::reader() const
{
    return BWTypedDateReader(QLocale(), m_displayFormat);
}

void BWDateField::setDate(const QDate& date)
{
    const QDate held = date.isValid() ? std::clamp(date, m_minimum, m_maximum) : QDate();
    // Text that already reads so keeps its selection and cursor.
    if (text() != textOf(held))
        setText(textOf(held));
    if (held == m_date)
        return;
    m_date = held;
    emit dateChanged(m_date);
}

void BWDateField::setDateRange(const QDate& minimum, const QDate& maximum)
{
    if (!minimum.isValid() || !maximum.isValid())
        return;
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    if (m_date.isValid())
        setDate(m_date);
}

void BWDateField::setMinimumDate(const QDate& minimum)
{
    setDateRange(minimum, std::max(minimum, m_maximum));
}

void BWDateField::setDisplayFormat(const QString& format)
{
    m_displayFormat = format;
    setText(textOf(m_date));
}

std::optional<QDate> BWDateField::typedDate() const
{
    // The field's own text names its date exactly, whatever the reader
    // would make of the form.
    if (m_date.isValid() && text() == textOf(m_date))
        return m_date;
    const std::optional<QDate> typed = reader().read(text(), m_date, today(), m_noDateAfterToday);
    if (!typed || *typed < m_minimum || *typed > latestDate())
        return std::nullopt;
    return typed;
}

bool BWDateField::acceptTypedDate()
{
    const std::optional<QDate> typed = typedDate();
    if (!typed)
        return false;
    setDate(*typed);
    return true;
}

QString BWDateField::refusal() const
{
    if (typedDate())
        return QString();
    const QString typed = text().trimmed();
    if (const std::optional<QDate> named = reader().read(typed, m_date, today(), m_noDateAfterToday))
        return tr("%1 lies outside the dates this field takes, %2 to %3.")
            .arg(textOf(*named), textOf(m_minimum), textOf(latestDate()));
    const QLocale locale;
    const QDate example = m_date.isValid() ? m_date : today();
    const QString monthAndDay = locale.toString(example, QStringLiteral("MMM d"));
    const QString wholeDate = locale.toString(example, QLocale::ShortFormat);
    if (typed.isEmpty())
        return tr("No date is entered. Type a day of the month, a month and day such as \"%1\", or a whole date "
                  "such as \"%2\", or pick one from the calendar.")
            .arg(monthAndDay, wholeDate);
    return tr("\"%1\" is not a date. Type a day of the month, a month and day such as \"%2\", or a whole date "
              "such as \"%3\".")
        .arg(typed, monthAndDay, wholeDate);
}

bool BWDateField::acceptTypedDateOrTellWhy()
{
    if (acceptTypedDate())
        return true;
    QToolTip::showText(mapToGlobal(QPoint(0, height())), refusal(), this);
    return false;
}

void BWDateField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        if (acceptTypedDate())
            setDate(std::min(m_date.addDays(event->key() == Qt::Key_Up ? 1 : -1), latestDate()));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Leaving the field takes what was typed. The message waits for the user
// moving on within the window, not for a window or pop-up coming over it.
void BWDateField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const bool leftWithinWindow
        = event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    if (leftWithinWindow)
        acceptTypedDateOrTellWhy();
    else
        acceptTypedDate();
}

