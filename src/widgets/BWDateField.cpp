#include "BWDateField.h"

#include "BWTypedDateReader.h"

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
    return QLocale().toString(date, m_displayFormat);
}

void BWDateField::setDate(const QDate& date)
{
    if (!date.isValid())
        return;
    const QDate held = std::clamp(date, m_minimum, m_maximum);
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
    if (text() == textOf(m_date))
        return m_date;
    const std::optional<QDate> typed = BWTypedDateReader().read(text(), m_date);
    if (!typed || *typed < m_minimum || *typed > m_maximum)
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
    if (const std::optional<QDate> named = BWTypedDateReader().read(typed, m_date))
        return tr("%1 lies outside the dates this field takes, %2 to %3.")
            .arg(textOf(*named), textOf(m_minimum), textOf(m_maximum));
    const QLocale locale;
    return tr("\"%1\" is not a date. Type a day of the month, a month and day such as \"%2\", or a whole date "
              "such as \"%3\".")
        .arg(typed, locale.toString(m_date, QStringLiteral("MMM d")), locale.toString(m_date, QLocale::ShortFormat));
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
            setDate(m_date.addDays(event->key() == Qt::Key_Up ? 1 : -1));
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

