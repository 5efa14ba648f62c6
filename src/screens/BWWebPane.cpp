#include "screens/BWWebPane.h"

#include <QHBoxLayout>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/Log.h"
#include "screens/BWPopupBrowserWindow.h"
#include "screens/BWWebAddressPolicy.h"
#include "screens/BWWebEngineLoader.h"
#include "widgets/BGHUDButton.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDProgressIndicator.h"
#include "widgets/BGHUDTextField.h"

namespace {

const QUrl BlankPage(QStringLiteral("about:blank"));

// The empty page the pane leaves a site for has no address to show.
QString shownAddress(const QUrl& url)
{
    return url == BlankPage ? QString() : url.toString();
}

QString refusedLine(const QUrl& url)
{
    return BWWebPane::tr("Not opened: %1 is not a web page (only http and https addresses open here)")
        .arg(url.toString());
}

QString certificateLine(const QUrl& url, const QString& description)
{
    return BWWebPane::tr("Stopped: the certificate of %1 is not valid (%2)").arg(url.host(), description);
}

}  // namespace

BWWebPane::BWWebPane(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* bar = new QHBoxLayout;
    m_back = new BGHUDButton(tr("Back"), this);
    m_forward = new BGHUDButton(tr("Forward"), this);
    m_reload = new BGHUDButton(tr("Reload"), this);
    m_indicator = new BGHUDProgressIndicator(this);
    m_indicator->setIndeterminate(true);
    m_indicator->setFixedWidth(60);
    QSizePolicy keepsPlace = m_indicator->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    m_indicator->setSizePolicy(keepsPlace);
    m_indicator->hide();
    m_address = new BGHUDTextField(this);
    m_address->setReadOnly(true);
    m_openInBrowser = new BGHUDButton(tr("Open in Browser"), this);
    m_close = new BGHUDButton(tr("Close"), this);
    for (QWidget* control : {static_cast<QWidget*>(m_back), static_cast<QWidget*>(m_forward),
                             static_cast<QWidget*>(m_reload), static_cast<QWidget*>(m_indicator)})
        bar->addWidget(control);
    bar->addWidget(m_address, 1);
    bar->addWidget(m_openInBrowser);
    bar->addWidget(m_close);
    layout->addLayout(bar);

    m_notice = new BGHUDLabel(QString(), this);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(true);
    m_notice->setAlignment(Qt::AlignCenter);
    m_pageArea = new QStackedLayout;
    m_pageArea->addWidget(m_notice);
    layout->addLayout(m_pageArea, 1);
    updateHistoryButtons();

    connect(m_back, &QPushButton::clicked, this, [this] {
        if (m_view)
            m_view->back();
    });
    connect(m_forward, &QPushButton::clicked, this, [this] {
        if (m_view)
            m_view->forward();
    });
    connect(m_reload, &QPushButton::clicked, this, [this] {
        if (!m_view)
            return;
        showPage();
        m_view->reload();
    });
    connect(m_openInBrowser, &QPushButton::clicked, this, &BWWebPane::openInBrowserRequested);
    connect(m_close, &QPushButton::clicked, this, &BWWebPane::closeRequested);
}

BWWebPane::~BWWebPane() = default;

QAbstractButton* BWWebPane::reloadButton() const
{
    return m_reload;
}
QAbstractButton* BWWebPane::openInBrowserButton() const
{
    return m_openInBrowser;
}
QAbstractButton* BWWebPane::closeButton() const
{
    return m_close;
}

bool BWWebPane::load(const QUrl& url)
{
    if (!start())
        return false;
    showPage();
    m_view->load(url);
    return true;
}

void BWWebPane::leaveSite()
{
    m_indicator->hide();
    m_address->clear();
    if (m_view)
        m_view->load(BlankPage);
}

bool BWWebPane::start()
{
    if (m_view)
        return true;
    BWWebEngine* engine = m_loader ? m_loader->engine() : nullptr;
    if (!engine) {
        const QString reason = m_loader ? m_loader->errorString() : tr("This copy of Orvane has no web engine.");
        showNotice(
            tr("The built-in browser could not start. %1\nPay sites open in your web browser instead.").arg(reason));
        return false;
    }
    m_view = engine->makeView(paneEvents());
    m_pageArea->addWidget(m_view->widget());
    return true;
}

BWWebView::Events BWWebPane::paneEvents()
{
    const auto showLine = [this](const QString& line) { m_address->setText(line); };
    BWWebView::Events events;
    events.mayLoad = [showLine](const QUrl& url, bool mainFrame) { return admit(url, mainFrame, showLine); };
    events.loadStarted = [this](const QUrl& url) { pageLoadStarted(url); };
    events.loadFinished = [this](bool ok) { pageLoadFinished(ok); };
    events.newWindow = [this, showLine](const QUrl& url) { return openPopup(url, showLine); };
    events.certificateRefused = [this](const QUrl& url, const QString& description, bool mainFrame) {
        Log::line(QStringLiteral("Refused the certificate of %1: %2").arg(url.toString(), description));
        if (!mainFrame)
            return;
        m_indicator->hide();
        m_address->setText(certificateLine(url, description));
    };
    events.historyChanged = [this] { updateHistoryButtons(); };
    // The pane is no window of the site's: only the user closes it.
    events.closeRequested = [] {};
    events.processEnded = [this](const QString& reason) { pageProcessEnded(reason); };
    return events;
}

BWWebView::Events BWWebPane::popupEvents()
{
    BWPopupBrowserWindow* popup = m_popup.get();
    const auto showLine = [popup](const QString& line) { popup->showLine(line); };
    BWWebView::Events events;
    events.mayLoad = [showLine](const QUrl& url, bool mainFrame) { return admit(url, mainFrame, showLine); };
    events.loadStarted = [popup](const QUrl& url) { popup->loadStarted(url); };
    events.loadFinished = [popup](bool) { popup->loadFinished(); };
    // A window the pop-up's page opens takes the pop-up's place.
    events.newWindow = [this, showLine](const QUrl& url) { return openPopup(url, showLine); };
    events.certificateRefused = [popup](const QUrl& url, const QString& description, bool mainFrame) {
        Log::line(QStringLiteral("Refused the certificate of %1: %2").arg(url.toString(), description));
        if (!mainFrame)
            return;
        popup->loadingIndicator()->hide();
        popup->showLine(certificateLine(url, description));
    };
    events.historyChanged = [] {};
    // Closed once the page's signal has returned: closing drops the page.
    events.closeRequested = [popup] { QTimer::singleShot(0, popup, &QWidget::close); };
    events.processEnded = [popup](const QString& reason) {
        popup->loadingIndicator()->hide();
        popup->showLine(tr("The page stopped: %1").arg(reason));
    };
    return events;
}

bool BWWebPane::admit(const QUrl& url, bool mainFrame, const std::function<void(const QString&)>& showLine)
{
    if (BWWebAddressPolicy::mayLoad(url, mainFrame))
        return true;
    Log::line(QStringLiteral("Refused to load %1 in the browser").arg(url.toString()));
    if (mainFrame)
        showLine(refusedLine(url));
    return false;
}

BWWebView* BWWebPane::openPopup(const QUrl& url, const std::function<void(const QString&)>& showLine)
{
    Log::line(QStringLiteral("Deciding Policy: new window for %1").arg(url.toString()));
    if (!BWWebAddressPolicy::mayOpenWindow(url)) {
        showLine(refusedLine(url));
        return nullptr;
    }
    // A view exists already, so the engine runs.
    BWWebEngine* engine = m_loader ? m_loader->engine() : nullptr;
    if (!engine)
        return nullptr;
    if (!m_popup)
        m_popup = std::make_unique<BWPopupBrowserWindow>();
    m_popup->setView(engine->makeView(popupEvents()));
    m_popup->show();
    m_popup->raise();
    m_popup->activateWindow();
    return m_popup->view();
}

// The engine reports a load before it asks whether it may go on: an address
// that is refused (or one it cannot show at all) goes nowhere.
void BWWebPane::pageLoadStarted(const QUrl& url)
{
    if (!BWWebAddressPolicy::mayLoad(url, true)) {
        m_address->setText(refusedLine(url));
        return;
    }
    m_indicator->show();
    m_address->setText(shownAddress(url));
}

void BWWebPane::pageLoadFinished(bool ok)
{
    m_indicator->hide();
    if (ok) {
        m_hasShownPage = true;
        // After redirects, the address of the page that loaded.
        m_address->setText(shownAddress(m_view->url()));
    }
    updateHistoryButtons();
}

void BWWebPane::pageProcessEnded(const QString& reason)
{
    m_indicator->hide();
    showNotice(tr("The page stopped: %1").arg(reason));
    if (!m_hasShownPage)
        emit engineFailed();
}

void BWWebPane::updateHistoryButtons()
{
    m_back->setEnabled(m_view && m_view->canGoBack());
    m_forward->setEnabled(m_view && m_view->canGoForward());
    m_reload->setEnabled(m_view != nullptr);
}

void BWWebPane::showNotice(const QString& text)
{
    m_notice->setText(text);
    m_pageArea->setCurrentWidget(m_notice);
}

void BWWebPane::showPage()
{
    if (m_view)
        m_pageArea->setCurrentWidget(m_view->widget());
}
