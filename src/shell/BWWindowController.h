#pragma once

#include "shell/BWTouchBar.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>

enum class PaymentKind : int;
class BWView;
class QMainWindow;

// Builds and keeps the main window. The window's delegate (the application
// delegate) receives, by name, the touch bar's bill commands and the window's
// notifications: windowDidResize(QWidget*), windowDidEndLiveResize(QWidget*),
// windowShouldZoom(QWidget*, QRect) -> bool, windowShouldClose(QWidget*) -> bool
// and windowDidResignKey(QWidget*).
// A delegate that lacks one of them simply doesn't hear of it.
class BWWindowController : public QObject
{
    Q_OBJECT

public:
    static inline const QString showOverviewItem = QStringLiteral("com.Bramwick.Orvane.ShowOverview");
    static inline const QString payItem = QStringLiteral("com.Bramwick.Orvane.Pay");
    static inline const QString logPaymentItem = QStringLiteral("com.Bramwick.Orvane.LogPayment");
    static inline const QString quickLogItem = QStringLiteral("com.Bramwick.Orvane.QuickLog");
    static inline const QString skipPaymentItem = QStringLiteral("com.Bramwick.Orvane.SkipPayment");
    static inline const QString touchBarCustomizationIdentifier = QStringLiteral("com.Bramwick.Orvane.MainBar2");

    // A resize counts as live while another follows within this time.
    static constexpr int liveResizeEndDelayMs = 300;

    // Builds the window (not shown yet) with a BWView as its content.
    explicit BWWindowController(QObject* parent = nullptr);
    ~BWWindowController() override;

    QMainWindow* window() const { return m_window.get(); }
    BWView* contentView() const { return m_contentView; }

    void setWindowDelegate(QObject* delegate) { m_delegate = delegate; }

    // Whether the application offers the item that customises the touch bar.
    bool isTouchBarCustomizationEnabled() const { return m_touchBarCustomizationEnabled; }
    // No caller in the program; the desktop has no touch bar; the toolbar carries these commands.
    BWTouchBar makeTouchBar() const;
    // The item for a known identifier; nothing for any other.
    // No caller in the program; the desktop has no touch bar; the items' actions are the toolbar's.
    std::optional<BWTouchBarItem> makeItemForIdentifier(const QString& identifier);

public slots:
    // The touch bar's commands, forwarded to the window's delegate.
    void loadOverviewFromTouchBar();
    void payBillFromTouchBar();
    void logPaymentFromTouchBar();
    void quickLogBillFromTouchBar();
    void skipPaymentFromTouchbar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void windowDidLoad();
    // Sends a delegate command that takes the sender as its one argument.
    void forwardToDelegate(const char* method, QObject* sender);
    // Sends a window notification the delegate may or may not implement.
    void notifyDelegate(const char* method);
    void logPayment(PaymentKind kind);
    void refuseZoomIfDelegateSaysSo(Qt::WindowStates oldState);
    // Asks the delegate's windowShouldClose(QWidget*) -> bool; yes without one.
    bool delegateLetsWindowClose();

    std::unique_ptr<QMainWindow> m_window;
    BWView* m_contentView = nullptr;
    QPointer<QObject> m_delegate;
    QTimer m_liveResizeEnd;
    bool m_touchBarCustomizationEnabled = false;
};
