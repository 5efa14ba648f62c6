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

QPushButton* button(const QString& title, const QString& name, QWidget* parent)
{
    auto* pushButton = new QPushButton(title, parent);
    pushButton->setObjectName(name);
    // The sheet may stay open while the user types elsewhere: Return must
    // never press one of its buttons by surprise.
    pushButton->setAutoDefault(false);
    return pushButton;
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
    auto* next = button(tr("Continue"), QStringLiteral("next"), page);
    connect(next, &QPushButton::clicked, this, &BWWelcomeSheet::nextPageRequested);
    layout->addWidget(next, 0, Qt::AlignRight);
    return page;
}

QWidget* BWWelcomeSheet::phonePage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(paragraph(tr("Orvane for phones is on its way. Sign up to hear when you can keep your bills with "
                                   "you."),
                                page));
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    auto* signUp = button(tr("Sign Up and Continue"), QStringLiteral("signUpAndContinue"), page);
    auto* next = button(tr("Not Now"), QStringLiteral("next"), page);
    connect(signUp, &QPushButton::clicked, this, &BWWelcomeSheet::signUpAndContinueRequested);
    connect(next, &QPushButton::clicked, this, &BWWelcomeSheet::nextPageRequested);
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(signUp);
    layout->addLayout(buttons);
    return page;
}

QWidget* BWWelcomeSheet::importPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(paragraph(tr("Used Orvane 7 before? Orvane can take over its bills, with their payments and "
                                   "reminders."),
                                page));
    auto* importBills = button(tr("Import Orvane 7 Bills"), QStringLiteral("importVersion7"), page);
    auto* options = button(tr("More Import Options…"), QStringLiteral("importOptions"), page);
    connect(importBills, &QPushButton::clicked, this, &BWWelcomeSheet::importVersion7DataRequested);
    connect(options, &QPushButton::clicked, this, &BWWelcomeSheet::importOptionsRequested);
    layout->addWidget(importBills);
    layout->addWidget(options);
    layout->addStretch();
    auto* start = button(tr("Start Using Orvane"), QStringLiteral("startUsing"), page);
    connect(start, &QPushButton::clicked, this, &BWWelcomeSheet::startUsingRequested);
    layout->addWidget(start, 0, Qt::AlignRight);
    return page;
}
