// The popover's two pages and their controls, built once by the constructor.
#include "shell/BWOrvaneCloudLoginController.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDProgressIndicator.h"
#include "widgets/BGHUDSecureTextField.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BGThemeManager.h"
#include "widgets/KBButton.h"
#include "widgets/MAAttachedWindow.h"

namespace {

constexpr int kPageWidth = 340;
constexpr int kSpacing = 8;
constexpr qreal kTitleScale = 1.3;
// Failures read in a soft red on the dark bubble.
const QColor kErrorColor(255, 120, 110);

std::shared_ptr<const BGTheme> bubbleTheme()
{
    return BGThemeManager::keyedManager().themeForKey(BGThemeManager::GradientThemeKey);
}

BGHUDLabel* plainLabel(const QString& text = QString())
{
    auto* label = new BGHUDLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

BGHUDLabel* title()
{
    BGHUDLabel* label = plainLabel(QObject::tr("Orvane Cloud"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * kTitleScale);
    label->setFont(font);
    return label;
}

KBButton* colouredButton(const QString& text, std::int32_t type)
{
    auto* button = new KBButton(text);
    button->setKBButtonType(type);
    return button;
}

// A step that reads as a link: flat, in the theme's highlight colour.
QPushButton* linkButton(const QString& text)
{
    auto* button = new QPushButton(text);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, bubbleTheme()->highlightTextColor());
    button->setPalette(palette);
    return button;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretchFirst)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSpacing);
    if (stretchFirst)
        layout->addStretch(1);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    if (!stretchFirst)
        layout->addStretch(1);
    return layout;
}

}  // namespace

void BWOrvaneCloudLoginController::buildPopover()
{
    m_tabView = new QStackedWidget;
    m_tabView->setFixedWidth(kPageWidth);
    m_signInPage = buildSignInPage();
    m_signedInPage = buildSignedInPage();
    m_tabView->addWidget(m_signInPage);
    m_tabView->addWidget(m_signedInPage);

    m_popover = MAAttachedWindow::create(m_tabView, QPointF(), nullptr, MAAttachedSide::Below);
    m_popover->useHUDLook();
    m_popover->setWindowTitle(tr("Orvane Cloud"));
    m_popover->hide();
    // Return and Escape that no control took reach the pages.
    m_tabView->installEventFilter(this);
}

QWidget* BWOrvaneCloudLoginController::buildSignInPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setSpacing(kSpacing);
    layout->addWidget(title());
    BGHUDLabel* intro = plainLabel(tr("Sign in to keep your bills in step on all your computers."));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* fields = new QGridLayout;
    fields->setSpacing(kSpacing);
    m_emailAddressField = new BGHUDTextField;
    m_emailAddressField->setPlaceholderText(tr("name@example.com"));
    m_passwordLabel = plainLabel(tr("Password"));
    m_passwordField = new BGHUDSecureTextField;
    fields->addWidget(plainLabel(tr("Email")), 0, 0, Qt::AlignRight);
    fields->addWidget(m_emailAddressField, 0, 1);
    fields->addWidget(m_passwordLabel, 1, 0, Qt::AlignRight);
    fields->addWidget(m_passwordField, 1, 1);
    layout->addLayout(fields);

    m_forgotPasswordButton = linkButton(tr("Forgot Password?"));
    m_alreadyHaveAccountButton = linkButton(tr("I Already Have an Account"));
    m_editEmailAddressButton = linkButton(tr("Use Another Address"));
    layout->addLayout(row({m_editEmailAddressButton, m_forgotPasswordButton, m_alreadyHaveAccountButton}, true));

    m_loadingText = plainLabel();
    m_loadingBar = new BGHUDProgressIndicator;
    m_loadingBar->setIndeterminate(true);
    m_loadingBar->setTextVisible(false);
    auto* progress = new QHBoxLayout;
    progress->setSpacing(kSpacing);
    progress->addWidget(m_loadingText);
    progress->addWidget(m_loadingBar, 1);
    layout->addLayout(progress);

    m_errorField = new QLabel;
    m_errorField->setTextFormat(Qt::PlainText);
    m_errorField->setWordWrap(true);
    QPalette palette = m_errorField->palette();
    palette.setColor(QPalette::WindowText, kErrorColor);
    m_errorField->setPalette(palette);
    layout->addWidget(m_errorField);

    m_nextButton = colouredButton(tr("Next"), KBButtonTypeBlue);
    m_signInButton = colouredButton(tr("Sign In"), KBButtonTypeBlue);
    m_signUpButton = colouredButton(tr("Create Account"), KBButtonTypeGreen);
    QPushButton* about = linkButton(tr("About Orvane Cloud"));
    m_aboutButtons << about;
    KBButton* close = colouredButton(tr("Close"), KBButtonTypeLightGrey);
    m_closeButtons << close;
    auto* buttons = row({about}, false);
    buttons->addWidget(close);
    for (QWidget* step : {m_nextButton, m_signInButton, m_signUpButton})
        buttons->addWidget(step);
    layout->addLayout(buttons);
    return page;
}

QWidget* BWOrvaneCloudLoginController::buildSignedInPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setSpacing(kSpacing);
    layout->addWidget(title());

    auto* fields = new QGridLayout;
    fields->setSpacing(kSpacing);
    m_cloudAccountField = plainLabel();
    m_cloudAccountField->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_cloudStatusField = plainLabel();
    fields->addWidget(plainLabel(tr("Signed in as")), 0, 0, Qt::AlignRight);
    fields->addWidget(m_cloudAccountField, 0, 1);
    fields->addWidget(plainLabel(tr("Status")), 1, 0, Qt::AlignRight);
    fields->addWidget(m_cloudStatusField, 1, 1);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    m_troubleshootButton = linkButton(tr("Trouble Syncing?"));
    QPushButton* about = linkButton(tr("About Orvane Cloud"));
    m_aboutButtons << about;
    layout->addLayout(row({m_troubleshootButton, about}, false));

    m_signOutButton = colouredButton(tr("Sign Out"), KBButtonTypeLightGrey);
    KBButton* close = colouredButton(tr("Close"), KBButtonTypeBlue);
    m_closeButtons << close;
    layout->addLayout(row({m_signOutButton, close}, true));
    return page;
}
