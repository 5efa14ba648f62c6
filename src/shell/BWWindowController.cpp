#include "shell/BWWindowController.h"

#include "platform/SenderTag.h"
#include "store/PaymentKind.h"
#include "screens/BWView.h"

#include <QEvent>
#include <QMainWindow>
#include <QWindowStateChangeEvent>

namespace {

const QSize initialWindowSize(1000, 640);
const QSize minimumWindowSize(700, 480);

bool respondsTo(const QObject* receiver, const char* signature)
{
    return receiver
        && receiver->metaObject()->indexOfMethod(QMetaObject::normalizedSignature(signature).constData()) >= 0;
}

}  // namespace

BWWindowController::BWWindowController(QObject* parent)
    : QObject(parent)
    , m_window(std::make_unique<QMainWindow>())
{
    m_contentView = new BWView;
    m_window->setCentralWidget(m_contentView);
    m_window->resize(initialWindowSize);
    m_window->setMinimumSize(minimumWindowSize);
    m_window->installEventFilter(this);

    m_liveResizeEnd.setSingleShot(true);
    m_liveResizeEnd.setInterval(liveResizeEndDelayMs);
    connect(&m_liveResizeEnd, &QTimer::timeout, this, [this] { notifyDelegate("windowDidEndLiveResize"); });

    windowDidLoad();
}

BWWindowController::~BWWindowController()
{
    // The window is destroyed after this body; its last events must not reach
    // a controller that is half gone.
    m_window->removeEventFilter(this);
}

void BWWindowController::windowDidLoad()
{
    // The panes carry their own headings; the title bar shows no text.
    m_window->setWindowTitle(QString());
    // A screen reader still names the window.
    m_window->setAccessibleName(tr("Orvane"));
    m_contentView->setAccessibleName(tr("Orvane"));
    m_touchBarCustomizationEnabled = true;
}

BWTouchBar BWWindowController::makeTouchBar() const
{
    BWTouchBar bar;
    bar.customizationIdentifier = touchBarCustomizationIdentifier;
    bar.defaultItemIdentifiers = {showOverviewItem, BWTouchBar::flexibleSpace, logPaymentItem,
                                  skipPaymentItem,  payItem,                   quickLogItem};
    bar.customizationAllowedItemIdentifiers = bar.defaultItemIdentifiers;
    bar.customizationRequiredItemIdentifiers = {showOverviewItem};
    return bar;
}

std::optional<BWTouchBarItem> BWWindowController::makeItemForIdentifier(const QString& identifier)
{
    struct Description
    {
        const QString& identifier;
        const char* imageName;
        bool isTemplate;
        const char* label;
        void (BWWindowController::*action)();
    };
    const Description descriptions[] = {
        {showOverviewItem, "TouchBarListViewTemplate", true, QT_TR_NOOP("Show Overview"),
         &BWWindowController::loadOverviewFromTouchBar},
        {payItem, "TouchBarOpenInBrowserTemplate", true, QT_TR_NOOP("Pay Bill"), &BWWindowController::payBillFromTouchBar},
        {logPaymentItem, "977-checkbox-toolbar", true, QT_TR_NOOP("Log Payment"), &BWWindowController::logPaymentFromTouchBar},
        {quickLogItem, "1093-lightning-bolt-2-toolbar", true, QT_TR_NOOP("Quick Log"),
         &BWWindowController::quickLogBillFromTouchBar},
        {skipPaymentItem, "1025-reply-all-toolbar", true, QT_TR_NOOP("Skip Payment"),
         &BWWindowController::skipPaymentFromTouchbar},
    };
    for (const Description& description : descriptions) {
        if (description.identifier != identifier)
            continue;
        BWTouchBarItem item;
        item.identifier = identifier;
        item.imageName = QString::fromLatin1(description.imageName);
        item.imageIsTemplate = description.isTemplate;
        item.customizationLabel = tr(description.label);
        item.press = [this, action = description.action] { (this->*action)(); };
        return item;
    }
    return std::nullopt;
}

void BWWindowController::loadOverviewFromTouchBar()
{
    forwardToDelegate("switchToOverview", this);
}

void BWWindowController::payBillFromTouchBar()
{
    forwardToDelegate("showBillWithPayAction", this);
}

void BWWindowController::logPaymentFromTouchBar()
{
    logPayment(PaymentKind::Full);
}

void BWWindowController::quickLogBillFromTouchBar()
{
    logPayment(PaymentKind::QuickLog);
}

void BWWindowController::skipPaymentFromTouchbar()
{
    forwardToDelegate("skipPaymentFromTouchbar", this);
}

void BWWindowController::logPayment(PaymentKind kind)
{
    QObject button;
    SenderTag::set(&button, int(kind));
    forwardToDelegate("showLogPaymentPanel", &button);
}

void BWWindowController::forwardToDelegate(const char* method, QObject* sender)
{
    if (!m_delegate)
        return;
    QMetaObject::invokeMethod(m_delegate, method, Qt::DirectConnection, Q_ARG(QObject*, sender));
}

void BWWindowController::notifyDelegate(const char* method)
{
    const QByteArray signature = QByteArray(method) + "(QWidget*)";
    if (respondsTo(m_delegate, signature.constData()))
        QMetaObject::invokeMethod(m_delegate, method, Qt::DirectConnection, Q_ARG(QWidget*, m_window.get()));
}

bool BWWindowController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window.get())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Resize:
        notifyDelegate("windowDidResize");
        m_liveResizeEnd.start();
        break;
    case QEvent::WindowDeactivate:
        notifyDelegate("windowDidResignKey");
        break;
    case QEvent::WindowStateChange:
        refuseZoomIfDelegateSaysSo(static_cast<QWindowStateChangeEvent*>(event)->oldState());
        break;
    case QEvent::Close:
        if (!delegateLetsWindowClose()) {
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool BWWindowController::delegateLetsWindowClose()
{
    if (!respondsTo(m_delegate, "windowShouldClose(QWidget*)"))
        return true;
    bool shouldClose = true;
    QMetaObject::invokeMethod(m_delegate, "windowShouldClose", Qt::DirectConnection, Q_RETURN_ARG(bool, shouldClose),
                              Q_ARG(QWidget*, m_window.get()));
    return shouldClose;
}

void BWWindowController::refuseZoomIfDelegateSaysSo(Qt::WindowStates oldState)
{
    const bool zooming = m_window->windowState().testFlag(Qt::WindowMaximized)
        && !oldState.testFlag(Qt::WindowMaximized);
    if (!zooming || !respondsTo(m_delegate, "windowShouldZoom(QWidget*,QRect)"))
        return;
    bool shouldZoom = true;
    QMetaObject::invokeMethod(m_delegate, "windowShouldZoom", Qt::DirectConnection, Q_RETURN_ARG(bool, shouldZoom),
                              Q_ARG(QWidget*, m_window.get()), Q_ARG(QRect, m_window->geometry()));
    if (!shouldZoom) {
        // The state can't be changed back from inside its own change event.
        QTimer::singleShot(0, m_window.get(), [window = m_window.get(), oldState] { window->setWindowState(oldState); });
    }
}
