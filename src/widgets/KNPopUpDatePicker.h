#pragma once

#include "BWDateField.h"

#include <QPointer>

#include "MAAttachedSide.h"

class MAAttachedWindow;
class QCalendarWidget;

// A date field that, while it has the keyboard focus, shows a month
// calendar in a bubble below it (above it where the screen has no room
// below): the one calendar of every date field. The bubble closes with the
// field's form. A day picked there becomes the field's
// date and, when the field's "value" is bound to an object, that object's
// property too; a date typed into the field moves the calendar to it.
class KNPopUpDatePicker : public BWDateField
{
    Q_OBJECT

public:
    explicit KNPopUpDatePicker(QWidget* parent = nullptr);
    ~KNPopUpDatePicker() override;

    // The bubble and its calendar, made on first use.
    MAAttachedWindow* attachedWindow();
    QCalendarWidget* graphicalPicker();
    bool isBubbleOpen() const;

    // The calendar follows every change of the field's date, so it opens
    // on the current date.
    void setDateValue(const QDate& date) { setDate(date); }
    QDate dateValue() const { return date(); }

    // Binding "value" to `object` makes a picked day go to the property that
    // `keyPath` names: "a.b" sets property b of the object held in property
    // a. Other binding names are not ours and are ignored.
    void bind(const QString& binding, QObject* object, const QString& keyPath);
    void unbind(const QString& binding);

    // Where the calendar's arrow points: the field's bottom edge near its
    // left end, in its window's coordinates. The calendar drops down from
    // there over the field's own form, as a date field's calendar does;
    // beside the form it would cover what lies next to it (the overview's
    // search field and month calendar beside the bill editor).
    QPointF anchorPoint() const;
    // The same on the field's top edge, for a calendar that opens above it.
    QPointF anchorPointAbove() const;
    static constexpr MAAttachedSide BubbleSide = MAAttachedSide::BelowRightwards;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openBubble();
    void closeBubble();
    void graphicalDatePickerdDidChooseDate(const QDate& date);
    void writeBoundValue();
    void showTypedDateInCalendar();

    QPointer<MAAttachedWindow> m_attachedWindow;
    QPointer<QCalendarWidget> m_graphicalPicker;
    QPointer<QObject> m_observingObject;
    QString m_keyPathOnObservingObject;
};
