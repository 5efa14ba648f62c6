#include "shell/BWWelcomeSheet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel* paragraph(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A page's button, named for the tests; a click asks the sheet's owner for
// what `requested` says.
QPushButton* button(const QString& title, const QString& name, QWidget* page, BWWelcomeSheet* sheet,
                    void (BWWelcomeSheet::*requested)())
{
    auto* pushButton = new QPushButton(title, page);
    pushButton->setObjectName(name);
    // The sheet may stay open while the user types elsewhere: Return must
    // never press one of its buttons by surprise.
    pushButton->setAutoDefault(false);
    QObject::connect(pushButton, &QPushButton::clicked, sheet, requested);
    return pushButton;
}

// The layout of a page that opens with the paragraph `text`.
QVBoxLayout* pageOpeningWith(const QString& text, QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(paragraph(text, page));
    return layout;
}

}  // namespace

BWWelcomeSheet::BWWelcomeSheet(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Welcome to Orvane"));
    setWindowModality(Qt::WindowModal);
    m_pages = new QTabWidget(this);
    m_pages->tabBar()->hide();  // pages are turned by their buttons
    m_pages->addTab(welcomePage(), QString());
    m_pages->addTab(phonePage(), QString());
    m_pages->addTab(importPage(), QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    resize(520, 320);
}

QWidget* BWWelcomeSheet::welcomePage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* title = new QLabel(tr("Welcome to Orvane"), page);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    layout->addWidget(title);
    layout->addWidget(paragraph(tr("Orvane keeps your recurring bills and income in order: when each falls due, what "
                                   "you paid, and what is coming up. It reminds you before a bill is due and backs "
                                   "up your data every day."),
                                page));
    layout->addStretch();
    layout->addWidget(button(tr("Continue"), QStringLiteral("next"), page, this, &BWWelcomeSheet::nextPageRequested),
                      0, Qt::AlignRight);
    return page;
}

QWidget* BWWelcomeSheet::phonePage()
{
    auto* page = new QWidget(this);
    auto* layout = pageOpeningWith(
        tr("Orvane for phones is on its way. Sign up to hear when you can keep your bills with you."), page);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button(tr("Not Now"), QStringLiteral("next"), page, this, &BWWelcomeSheet::nextPageRequested));
    buttons->addWidget(button(tr("Sign Up and Continue"), QStringLiteral("signUpAndContinue"), page, this,
                              &BWWelcomeSheet::signUpAndContinueRequested));
    layout->addLayout(buttons);
    return page;
}

QWidget* BWWelcomeSheet::importPage()
{
    auto* page = new QWidget(this);
    auto* layout = pageOpeningWith(
        tr("Used Orvane 7 before? Orvane can take over its bills, with their payments and reminders."), page);
    layout->addWidget(button(tr("Import Orvane 7 Bills"), QStringLiteral("importVersion7"), page, this,
                             &BWWelcomeSheet::importVersion7DataRequested));
    layout->addWidget(button(tr("More Import Options…"), QStringLiteral("importOptions"), page, this,
                             &BWWelcomeSheet::importOptionsRequested));
    layout->addStretch();
    layout->addWidget(button(tr("Start Using Orvane"), QStringLiteral("startUsing"), page, this,
                             &BWWelcomeSheet::startUsingRequested),
                      0, Qt::AlignRight);
    return page;
}
