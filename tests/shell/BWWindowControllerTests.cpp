#include "platform/SenderTag.h"
#include "screens/BWView.h"
#include "shell/BWWindowController.h"

#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A window delegate that notes what reaches it.
class RecordingDelegate : public QObject
{
    Q_OBJECT

public:
    QStringList calls;
    QList<int> logTags;
    QObject* lastSender = nullptr;
    bool zoomAnswer = true;

public slots:
    void switchToOverview(QObject* sender) { note("switchToOverview", sender); }
    void showBillWithPayAction(QObject* sender) { note("showBillWithPayAction", sender); }
    void skipPaymentFromTouchbar(QObject* sender) { note("skipPaymentFromTouchbar", sender); }
    void showLogPaymentPanel(QObject* sender)
    {
        logTags.append(SenderTag::of(sender));
        note("showLogPaymentPanel", sender);
    }
    void windowDidResize(QWidget*) { calls.append(QStringLiteral("windowDidResize")); }
    void windowDidEndLiveResize(QWidget*) { calls.append(QStringLiteral("windowDidEndLiveResize")); }
    bool windowShouldZoom(QWidget*, const QRect&)
    {
        calls.append(QStringLiteral("windowShouldZoom"));
        return zoomAnswer;
    }

private:
    void note(const char* call, QObject* sender)
    {
        calls.append(QString::fromLatin1(call));
        lastSender = sender;
    }
};

class BWWindowControllerTest : public testing::Test
{
protected:
    BWWindowControllerTest() { controller.setWindowDelegate(&delegate); }

    void press(const QString& identifier)
    {
        const std::optional<BWTouchBarItem> item = controller.makeItemForIdentifier(identifier);
        ASSERT_TRUE(item.has_value());
        item->press();
    }

    RecordingDelegate delegate;
    BWWindowController controller;
};

}  // namespace

TEST_F(BWWindowControllerTest, BuildsAnUntitledWindowAroundTheContentView)
{
    ASSERT_NE(controller.window(), nullptr);
    EXPECT_EQ(controller.window()->centralWidget(), controller.contentView());
    EXPECT_TRUE(controller.window()->windowTitle().isEmpty());
    EXPECT_FALSE(controller.window()->isVisible());
    EXPECT_TRUE(controller.isTouchBarCustomizationEnabled());
}

TEST_F(BWWindowControllerTest, TouchBarOffersTheFiveBillCommandsAroundAFlexibleSpace)
{
    const BWTouchBar bar = controller.makeTouchBar();
    EXPECT_EQ(bar.customizationIdentifier, QStringLiteral("com.Bramwick.Orvane.MainBar2"));
    const QStringList expected{QStringLiteral("com.Bramwick.Orvane.ShowOverview"), BWTouchBar::flexibleSpace,
                               QStringLiteral("com.Bramwick.Orvane.LogPayment"),
                               QStringLiteral("com.Bramwick.Orvane.SkipPayment"),
                               QStringLiteral("com.Bramwick.Orvane.Pay"), QStringLiteral("com.Bramwick.Orvane.QuickLog")};
    EXPECT_EQ(bar.defaultItemIdentifiers, expected);
    EXPECT_EQ(bar.customizationAllowedItemIdentifiers, expected);
    // However the user rearranges the bar, the way back to the overview stays.
    EXPECT_EQ(bar.customizationRequiredItemIdentifiers, QStringList{QStringLiteral("com.Bramwick.Orvane.ShowOverview")});
}

TEST_F(BWWindowControllerTest, EveryBarItemIsMadeWithItsLabelAndImage)
{
    const QList<QPair<QString, QString>> labels{
        {BWWindowController::showOverviewItem, QStringLiteral("Show Overview")},
        {BWWindowController::payItem, QStringLiteral("Pay Bill")},
        {BWWindowController::logPaymentItem, QStringLiteral("Log Payment")},
        {BWWindowController::quickLogItem, QStringLiteral("Quick Log")},
        {BWWindowController::skipPaymentItem, QStringLiteral("Skip Payment")}};
    for (const auto& [identifier, label] : labels) {
        const std::optional<BWTouchBarItem> item = controller.makeItemForIdentifier(identifier);
        ASSERT_TRUE(item.has_value()) << identifier.toStdString();
        EXPECT_EQ(item->identifier, identifier);
        EXPECT_EQ(item->customizationLabel, label);
        EXPECT_FALSE(item->imageName.isEmpty());
        EXPECT_TRUE(item->imageIsTemplate);
    }
    EXPECT_EQ(controller.makeItemForIdentifier(QStringLiteral("com.Bramwick.Orvane.MainBar2")), std::nullopt);
    EXPECT_EQ(controller.makeItemForIdentifier(BWTouchBar::flexibleSpace), std::nullopt);
}

TEST_F(BWWindowControllerTest, BarItemsReachTheWindowDelegate)
{
    press(BWWindowController::showOverviewItem);
    EXPECT_EQ(delegate.lastSender, &controller);
    press(BWWindowController::payItem);
    EXPECT_EQ(delegate.lastSender, &controller);
    press(BWWindowController::skipPaymentItem);
    EXPECT_EQ(delegate.lastSender, &controller);
    EXPECT_EQ(delegate.calls, (QStringList{QStringLiteral("switchToOverview"), QStringLiteral("showBillWithPayAction"),
                                           QStringLiteral("skipPaymentFromTouchbar")}));
}

TEST_F(BWWindowControllerTest, LogItemsTellFullPaymentFromQuickLogByTheSendersTag)
{
    press(BWWindowController::logPaymentItem);
    press(BWWindowController::quickLogItem);
    EXPECT_EQ(delegate.logTags, (QList<int>{0, 2}));
}

TEST_F(BWWindowControllerTest, WithoutADelegateTheBarDoesNothing)
{
    controller.setWindowDelegate(nullptr);
    press(BWWindowController::showOverviewItem);
    EXPECT_TRUE(delegate.calls.isEmpty());
}

TEST_F(BWWindowControllerTest, ResizingTellsTheDelegateAndThenThatTheResizeEnded)
{
    controller.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(controller.window()));
    delegate.calls.clear();
    controller.window()->resize(900, 600);
    QCoreApplication::processEvents();
    EXPECT_TRUE(delegate.calls.contains(QStringLiteral("windowDidResize")));
    EXPECT_FALSE(delegate.calls.contains(QStringLiteral("windowDidEndLiveResize")));
    EXPECT_TRUE(QTest::qWaitFor([this] { return delegate.calls.contains(QStringLiteral("windowDidEndLiveResize")); },
                                10000));
    EXPECT_EQ(delegate.calls.count(QStringLiteral("windowDidEndLiveResize")), 1);
}

TEST(BWWindowControllerZoomTest, ZoomingIsUndoneWhenTheDelegateRefusesIt)
{
    // Each answer gets a window of its own: the window system echoes every state change
    // back later, and one window's echoes would land in the next case.
    for (const bool accepted : {false, true}) {
        SCOPED_TRACE(accepted ? "accepted" : "refused");
        RecordingDelegate delegate;
        BWWindowController controller;
        controller.setWindowDelegate(&delegate);
        QWidget* window = controller.window();
        window->show();
        delegate.zoomAnswer = accepted;
        window->setWindowState(Qt::WindowMaximized);
        EXPECT_TRUE(QTest::qWaitFor([&] { return delegate.calls.contains(QStringLiteral("windowShouldZoom")); }, 10000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->isMaximized() == accepted; }, 10000));
        QCoreApplication::processEvents();   // where a refusal would be carried out
        EXPECT_EQ(window->isMaximized(), accepted);
    }
}

#include "BWWindowControllerTests.moc"
