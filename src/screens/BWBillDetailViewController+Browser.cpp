// The shown bill's pay site: in the page's browser pane, which slides up over
// the page's panels, or, with the setting off, in the desktop's browser. Only
// web pages are opened (the store's one rule for pay sites).
#include "screens/BWBillDetailViewController.h"

#include <QAction>
#include <QPropertyAnimation>

#include "platform/Log.h"
#include "platform/SenderTag.h"
#include "platform/UserDefaults.h"
#include "screens/BWWebPane.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPaySite.h"
#include "widgets/BGHUDView.h"
#include "widgets/BWAnimatingView.h"
#include "widgets/KBButton.h"

namespace {

// The log-payment panel's kind for a full payment.
constexpr int FullPaymentTag = 0;
// How long the pane takes to slide up over the page.
constexpr int PaneSlideMs = 200;

}  // namespace

void BWBillDetailViewController::showWebView()
{
    QAction fullPayment;
    SenderTag::set(&fullPayment, FullPaymentTag);
    emit logPaymentRequested(&fullPayment);
    finishShowingWebsite();
}

void BWBillDetailViewController::finishShowingWebsite()
{
    const std::optional<QUrl> url = shownPaySite();
    if (!url)
        return;
    if (m_env.defaults->boolForKey(BWDefaultsKeys::BWPayWithInternalBrowser))
        slideWebViewUp(*url);
    else
        m_desktop.openPaySite(*url);
}

void BWBillDetailViewController::openWebsiteInBrowser()
{
    if (const std::optional<QUrl> url = shownPaySite())
        m_desktop.openPaySite(*url);
    hideWebView();
}

void BWBillDetailViewController::hideWebView()
{
    m_widgets.webPane->leaveSite();
    for (QWidget* shown :
         {static_cast<QWidget*>(m_widgets.nextBillButton), static_cast<QWidget*>(m_widgets.previousBillButton),
          static_cast<QWidget*>(m_widgets.paymentHistory), static_cast<QWidget*>(m_widgets.statisticsView),
          static_cast<QWidget*>(m_widgets.stickyNote)})
        shown->show();
    BWAnimatingView::setLocationOffScreenBottomAnimated(m_widgets.webViewContainer, true);
}

bool BWBillDetailViewController::webViewIsShown() const
{
    return m_widgets.webViewContainer && !m_widgets.webViewContainer->isHidden();
}

std::optional<QUrl> BWBillDetailViewController::shownPaySite() const
{
    const std::optional<QVariantMap> record = loadShownBill();
    const QString site = record ? record->value(BillKeys::PaySite).toString() : QString();
    const std::optional<QUrl> url = BWPaySite::webAddress(site);
    if (!url)
        Log::line(QStringLiteral("No web address to open for the pay site of %1").arg(m_currentBillID));
    return url;
}

// The pane enters from below the window, stretched to the window's size, and
// comes to rest under the header, covering the page's other panels. Its foot
// stays at the window's bottom edge, so no part of the site is out of sight.
void BWBillDetailViewController::slideWebViewUp(const QUrl& url)
{
    // The engine's first start takes a moment: before the slide, so that it
    // plays smoothly. Without an engine the pane says why, and the site
    // opens in the desktop's browser at once.
    const bool engineStarted = m_widgets.webPane->start();
    if (!engineStarted)
        m_desktop.openPaySite(url);

    QWidget* container = m_widgets.webViewContainer;
    BWAnimatingView::maximizeItemHeightAnimated(container, false, 0);
    BWAnimatingView::maximizeItemWidthAnimated(container, false, 0);
    BWAnimatingView::setLocationOffScreenBottomAnimated(container, false);
    m_widgets.nextBillButton->hide();
    m_widgets.previousBillButton->hide();
    container->show();
    container->raise();

    const QRectF target(0, 0, container->width(), container->height() - m_widgets.billHeader->height());
    BWAnimatingView::setFrameAnimated(container, target, false, PaneSlideMs);
    // It follows the window's size while it shows.
    if (QWidget* window = container->parentWidget())
        window->installEventFilter(this);
    const QList<QWidget*> panels{m_widgets.paymentHistory, m_widgets.statisticsView, m_widgets.stickyNote};
    for (QWidget* panel : panels)
        panel->hide();
    connect(BWAnimatingView::runningAnimation(container), &QPropertyAnimation::finished, this,
            [this, panels, url, engineStarted] {
                // Whatever showed them meanwhile, they stay under the pane.
                for (QWidget* panel : panels)
                    panel->hide();
                if (engineStarted)
                    m_widgets.webPane->load(url);
            });
}

void BWBillDetailViewController::fitWebViewToWindow()
{
    const QWidget* window = m_widgets.webViewContainer->parentWidget();
    if (!window || !webViewIsShown() || BWAnimatingView::runningAnimation(m_widgets.webViewContainer))
        return;
    const int headerHeight = m_widgets.billHeader->height();
    m_widgets.webViewContainer->setGeometry(0, headerHeight, window->width(), window->height() - headerHeight);
}
