#pragma once

#include <QDate>
#include <QLineEdit>

#include <optional>

// The date field of every form: it shows its date in its display format and
// takes a date typed as text, in any form BWTypedDateReader reads ("31",
// "12/31", "Dec 31", the locale's short form, the field's own form). The
// typed text becomes the field's date on Return, on leaving the field, or
// when a form asks (acceptTypedDate()) before it saves. Text that names no
// date is never taken for another date: it stays in the field, the field
// says why it was refused, and the date held stays as it was.
//
// Up and Down move the date by a day. Its calendar is KNPopUpDatePicker's.
class BWDateField : public QLineEdit
{
    Q_OBJECT

public:
    explicit BWDateField(QWidget* parent = nullptr);

    QDate date() const { return m_date; }
    // Shows `date`, held within the field's range; an invalid date changes
    // nothing.
    void setDate(const QDate& date);
    void setDateRange(const QDate& minimum, const QDate& maximum);
    void setMinimumDate(const QDate& minimum);
    QString displayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString& format);

    // The date the text names, read against the date the field holds;
    // nothing when it names none within the field's range.
    std::optional<QDate> typedDate() const;
    // Takes the typed date as the field's date. False when the text names
    // none: the text stays for the user to correct, and the date held stays.
    bool acceptTypedDate();
    // The same, showing beside the field why text is refused.
    bool acceptTypedDateOrTellWhy();
    // What is wrong with the text, for the message that refuses it; "" when
    // it names a date the field takes.
    QString refusal() const;

signals:
    void dateChanged(const QDate& date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString textOf(const QDate& date) const;

    QDate m_date{2000, 1, 1};
    QDate m_minimum{1752, 9, 14};
    QDate m_maximum{9999, 12, 31};
    QString m_displayFormat;
};
