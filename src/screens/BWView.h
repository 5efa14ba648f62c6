#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>


// The main window's content view. It takes the keyboard focus after every
// move between the panes, and keeps the two log buttons the shell stores in it.
class BWView : public QWidget
{
    Q_OBJECT

public:
    explicit BWView(QWidget* parent = nullptr);

    QAbstractButton* overviewbutton() const { return m_overviewbutton; }
    void setOverviewbutton(QAbstractButton* button) { m_overviewbutton = button; }
    QAbstractButton* button() const { return m_button; }
    void setButton(QAbstractButton* button) { m_button = button; }

private:
    QPointer<QAbstractButton> m_overviewbutton;
    QPointer<QAbstractButton> m_button;
};
