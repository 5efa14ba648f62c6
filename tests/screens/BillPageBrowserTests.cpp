// The bill page's browser pane and pop-up window on the real web engine,
// against sites on this computer.

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include "BillPageTestFixture.h"
#include "screens/BWPopupBrowserWindow.h"
#include "screens/BWWebEngineLoader.h"
#include "screens/BWWebPane.h"
#include "store/BWDefaultsKeys.h"
#include "support/LocalWebSite.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDProgressIndicator.h"
#include "widgets/BGHUDTextField.h"

namespace {

// The engine's first start takes a while on a busy machine.
constexpr int EngineWaitMs = 90000;

std::string titled(const std::string& title, const std::string& body = {})
{
    return "<html><head><title>" + title + "</title></head><body><h1>" + title + "</h1>" + body + "</body></html>";
}

bool waitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, EngineWaitMs);
}

// Counts the times a widget is shown.
class ShowCounter : public QObject
{
public:
    explicit ShowCounter(QWidget* watched) { watched->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

// The bill page in a main window of its own, its panes placed as the shell
// places them, with the web engine of the build: a profile and a Downloads
// folder of its own, and the download question answered as the test says.
class BillPageBrowserTest : public BillPageTest
{
protected:
    BillPageBrowserTest()
        : loader(QStringLiteral(ORVANE_BINARY_DIR "/liborvane_webengine.so"),
                 BWWebEngineLoader::settingsFor(
                     profileFolder(), downloads(),
                     [this](QWidget*, const QString& message, const QString&, const QStringList&) {
                         questions.append(message);
                         return downloadAnswer;
                     }))
    {
        defaults.setBool(BWDefaultsKeys::BWPayWithInternalBrowser, true);
        page->setWebEngineLoader(&loader);
        window.resize(1000, 640);
        for (QWidget* pane : {page->stickyNote(), page->billHeader(), page->statisticsView(), page->paymentHistory(),
                              page->webViewContainer()}) {
            pane->setParent(&window);
            pane->show();
        }
        page->webViewContainer()->hide();
        window.show();
    }
    // The page's views go before the engine they belong to.
    ~BillPageBrowserTest() override { page.reset(); }

    QString downloads() const { return temp.file(QStringLiteral("Downloads")); }
    // The engine writes its profile on its own threads until the program
    // ends: in the test program's home, which goes after the engine.
    QString profileFolder() const
    {
        return QDir::home().filePath(QStringLiteral("web-") + QFileInfo(temp.path()).fileName());
    }
    QString billWithSite(const QUrl& site, const QString& name = QStringLiteral("Rent"))
    {
        return storeBill(name, 3, {{BillKeys::PaySite, site.toString()}});
    }
    BWWebPane& pane() const { return *page->webPane(); }
    QString address() const { return pane().addressField()->text(); }
    bool loading() const { return pane().loadingIndicator()->isVisible(); }
    QString pageTitle() const { return pane().view() ? pane().view()->title() : QString(); }
    // Shows the bill with `site` as its pay site in the pane and waits until
    // the page `title` is loaded.
    void openInPane(const QUrl& site, const std::string& title)
    {
        show(billWithSite(site));
        page->finishShowingWebsite();
        ASSERT_TRUE(waitFor([&] { return pageTitle() == QString::fromStdString(title) && !loading(); }))
            << address().toStdString();
    }
    QList<QWidget*> panels() const { return {page->paymentHistory(), page->statisticsView(), page->stickyNote()}; }
    QList<QWidget*> billButtons() const { return {page->nextBillButton(), page->previousBillButton()}; }

    LocalWebSite site;
    int downloadAnswer = 0;
    QStringList questions;
    BWWebEngineLoader loader;
    QWidget window;
};

}  // namespace

TEST_F(BillPageBrowserTest, ThePaneSlidesUpOverThePageAndShowsThePaySiteWithItsAddress)
{
    site.page("/pay", titled("Pay Here"));
    site.hold("/pay");
    const QUrl paySite = site.url(QStringLiteral("/pay"));
    show(billWithSite(paySite));
    EXPECT_FALSE(loader.hasStarted()) << "showing a bill starts no web engine";

    page->finishShowingWebsite();
    for (QWidget* button : billButtons())
        EXPECT_TRUE(button->isHidden());
    QWidget* container = page->webViewContainer();
    EXPECT_TRUE(container->isVisible());
    ASSERT_TRUE(waitFor([&] { return address() == paySite.toString(); }));
    EXPECT_TRUE(loader.hasStarted());
    EXPECT_TRUE(loading());
    // At rest under the header, over the panels, down to the window's foot.
    const int headerHeight = page->billHeader()->height();
    EXPECT_EQ(container->geometry(), QRect(0, headerHeight, window.width(), window.height() - headerHeight));
    for (QWidget* panel : panels())
        EXPECT_TRUE(panel->isHidden());

    site.release();
    ASSERT_TRUE(waitFor([&] { return pageTitle() == "Pay Here" && !loading(); }));
    EXPECT_EQ(address(), paySite.toString());
    EXPECT_TRUE(openedUrls.isEmpty());

    // It follows the window's size.
    window.resize(1200, 700);
    EXPECT_EQ(container->geometry(), QRect(0, headerHeight, 1200, 700 - headerHeight));
}

TEST_F(BillPageBrowserTest, CloseBringsBackThePanelsAndBillButtonsAndLeavesTheSite)
{
    site.page("/pay", titled("Pay Here"));
    openInPane(site.url(QStringLiteral("/pay")), "Pay Here");

    pane().closeButton()->click();
    for (QWidget* shown : panels() + billButtons())
        EXPECT_FALSE(shown->isHidden());
    EXPECT_TRUE(waitFor([&] { return page->webViewContainer()->isHidden(); }));
    EXPECT_TRUE(waitFor([&] { return pane().view()->url() == QUrl(QStringLiteral("about:blank")); }));
    EXPECT_TRUE(openedUrls.isEmpty());
}

TEST_F(BillPageBrowserTest, OpenInBrowserHandsThePaySiteToTheDesktopAndClosesThePane)
{
    site.page("/pay", titled("Pay Here"));
    const QUrl paySite = site.url(QStringLiteral("/pay"));
    openInPane(paySite, "Pay Here");

    pane().openInBrowserButton()->click();
    EXPECT_EQ(openedUrls, QList<QUrl>{paySite});
    EXPECT_TRUE(waitFor([&] { return page->webViewContainer()->isHidden(); }));
    for (QWidget* shown : panels() + billButtons())
        EXPECT_FALSE(shown->isHidden());
}

TEST_F(BillPageBrowserTest, AnotherBillLeavesTheSiteButAReloadOfTheSameBillKeepsIt)
{
    site.page("/pay", titled("Pay Here"));
    const QUrl paySite = site.url(QStringLiteral("/pay"));
    openInPane(paySite, "Pay Here");
    const QString shownBill = page->currentBillID();

    // A payment logged in the panel reloads the same bill.
    page->loadBillWithID(shownBill);
    EXPECT_FALSE(page->webViewContainer()->isHidden());
    EXPECT_EQ(pane().view()->url(), paySite);

    show(storeBill(QStringLiteral("Power"), 5));
    EXPECT_TRUE(waitFor([&] { return page->webViewContainer()->isHidden(); }));
    EXPECT_TRUE(waitFor([&] { return pane().view()->url() == QUrl(QStringLiteral("about:blank")); }));
    for (QWidget* shown : panels() + billButtons())
        EXPECT_FALSE(shown->isHidden());
}

TEST_F(BillPageBrowserTest, PayNowOpensTheLogPanelThenTheSiteInThePaneOrTheDesktopBrowser)
{
    site.page("/pay", titled("Pay Here"));
    const QUrl paySite = site.url(QStringLiteral("/pay"));
    for (const bool inOrvane : {false, true}) {
        SCOPED_TRACE(inOrvane);
        defaults.setBool(BWDefaultsKeys::BWPayWithInternalBrowser, inOrvane);
        openedUrls.clear();
        show(billWithSite(paySite, inOrvane ? QStringLiteral("Rent") : QStringLiteral("Water")));
        QSignalSpy panels(page.get(), &BWBillDetailViewController::logPaymentRequested);
        // The panel is asked for before the site opens.
        QObject::connect(
            page.get(), &BWBillDetailViewController::logPaymentRequested, page.get(),
            [this] {
                EXPECT_TRUE(openedUrls.isEmpty());
                EXPECT_TRUE(page->webViewContainer()->isHidden());
            },
            Qt::SingleShotConnection);

        page->payNowButton()->click();
        EXPECT_EQ(panels.size(), 1);
        if (inOrvane) {
            EXPECT_TRUE(waitFor([&] { return pageTitle() == "Pay Here" && address() == paySite.toString(); }));
            EXPECT_TRUE(openedUrls.isEmpty());
        } else {
            EXPECT_EQ(openedUrls, QList<QUrl>{paySite});
            EXPECT_TRUE(page->webViewContainer()->isHidden());
            EXPECT_FALSE(loader.hasStarted());
        }
    }
}

TEST_F(BillPageBrowserTest, AWindowTheSiteOpensLandsInThePopupWindowWithItsTitles)
{
    site.page("/opener", titled("Bank", "<script>window.open('/statement');</script>"));
    site.page("/statement", titled("Statement"));
    site.hold("/statement");
    const QUrl opener = site.url(QStringLiteral("/opener"));
    const QUrl statement = site.url(QStringLiteral("/statement"));
    show(billWithSite(opener));
    page->finishShowingWebsite();

    ASSERT_TRUE(waitFor([&] { return pane().popupWindow() && pane().popupWindow()->isVisible(); }));
    BWPopupBrowserWindow* popup = pane().popupWindow();
    ASSERT_TRUE(waitFor([&] { return popup->addressField()->text() == statement.toString(); }));
    EXPECT_EQ(popup->windowTitle(), QStringLiteral("Orvane Browser"));
    EXPECT_TRUE(popup->loadingIndicator()->isVisible());

    site.release();
    EXPECT_TRUE(waitFor([&] { return popup->windowTitle() == "Orvane Browser | Statement"; }));
    EXPECT_FALSE(popup->loadingIndicator()->isVisible());
    // The new window's page did not load in the pane.
    EXPECT_TRUE(waitFor([&] { return pageTitle() == "Bank"; }));
    EXPECT_EQ(address(), opener.toString());
}

TEST_F(BillPageBrowserTest, ThePopupWindowClosesWithControlWAndEscape)
{
    site.page("/opener", titled("Bank", "<script>window.open('/statement');</script>"));
    site.page("/statement", titled("Statement"));
    openInPane(site.url(QStringLiteral("/opener")), "Bank");
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)}) {
        SCOPED_TRACE(keys.toString().toStdString());
        ASSERT_TRUE(waitFor([&] { return pane().popupWindow() && pane().popupWindow()->isVisible(); }));
        BWPopupBrowserWindow* popup = pane().popupWindow();
        ASSERT_TRUE(waitFor([&] { return popup->windowTitle() == "Orvane Browser | Statement"; }));
        popup->activateWindow();
        ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == popup; }));

        QTest::keySequence(popup, keys);
        EXPECT_TRUE(popup->isHidden());
        EXPECT_EQ(popup->view(), nullptr) << "closing leaves the page";
        // The opener opens its window again.
        pane().reloadButton()->click();
    }
}

TEST_F(BillPageBrowserTest, ASubFramesProgressTouchesNeitherTheIndicatorNorTheAddress)
{
    // The frame moves on to another page once the test lets /go answer, and
    // that page names the main page when it has loaded.
    site.page("/frames", titled("Frames", "<iframe src='/frame-a'></iframe>"));
    site.page("/frame-a", "<script>fetch('/go').then(() => { location.href = '/frame-b'; });</script>");
    site.page("/frame-b", "<body onload=\"parent.document.title = 'Frame Moved'\">b</body>");
    site.page("/go", "go");
    site.hold("/go");
    const QUrl frames = site.url(QStringLiteral("/frames"));
    openInPane(frames, "Frames");
    ShowCounter indicatorShows(pane().loadingIndicator());
    QSignalSpy addressChanges(pane().addressField(), &QLineEdit::textChanged);

    site.release();
    ASSERT_TRUE(waitFor([&] { return pageTitle() == "Frame Moved"; }));
    EXPECT_TRUE(site.wasRequested("/frame-b"));
    EXPECT_EQ(indicatorShows.shows, 0);
    EXPECT_FALSE(loading());
    EXPECT_EQ(addressChanges.size(), 0);
    EXPECT_EQ(address(), frames.toString());
}

TEST_F(BillPageBrowserTest, AddressesThatAreNotWebPagesGoNowhereAndTheAddressFieldSaysSo)
{
    // The site's pages go there once the test lets /go answer, after they
    // have loaded.
    site.page("/bank", titled("Bank"));
    site.page("/go", "go");
    site.page(
        "/to-mail",
        titled("Mail Us", "<script>fetch('/go').then(() => { location.href = 'mailto:pay@bank.example'; });</script>"));
    site.page("/open-mail",
              titled("Open Mail", "<script>fetch('/go').then(() => window.open('mailto:pay@bank.example'));</script>"));
    openInPane(site.url(QStringLiteral("/bank")), "Bank");
    struct RefusedCase
    {
        std::string start;  // the site's page that goes there, or "" for the pane loading it itself
        QString startTitle;
        QUrl refused;
    };
    const QList<RefusedCase> cases{
        {{}, {}, QUrl(QStringLiteral("file:///etc/passwd"))},
        {{}, {}, QUrl(QStringLiteral("data:text/html,<b>Pay</b>"))},
        {"/to-mail", QStringLiteral("Mail Us"), QUrl(QStringLiteral("mailto:pay@bank.example"))},
        {"/open-mail", QStringLiteral("Open Mail"), QUrl(QStringLiteral("mailto:pay@bank.example"))}};
    for (const RefusedCase& refusal : cases) {
        SCOPED_TRACE(refusal.refused.toString().toStdString());
        if (refusal.start.empty()) {
            pane().load(refusal.refused);
        } else {
            site.hold("/go");
            pane().load(site.url(QString::fromStdString(refusal.start)));
            ASSERT_TRUE(waitFor([&] { return pageTitle() == refusal.startTitle && !loading(); }));
            site.release();
        }
        EXPECT_TRUE(waitFor([&] {
            return address().startsWith(QStringLiteral("Not opened: %1 ").arg(refusal.refused.toString()));
        })) << address().toStdString();
        EXPECT_NE(pane().view()->url().scheme(), refusal.refused.scheme());
    }
    EXPECT_EQ(pane().popupWindow(), nullptr);
    EXPECT_TRUE(openedUrls.isEmpty());
}

TEST_F(BillPageBrowserTest, ASiteWithACertificateNobodySignedIsStoppedAndTheAddressFieldSaysSo)
{
    LocalWebSite unsigned_(LocalWebSite::Security::UnsignedCertificate);
    unsigned_.page("/pay", titled("Pay Here"));
    show(billWithSite(unsigned_.url(QStringLiteral("/pay"))));
    page->finishShowingWebsite();

    EXPECT_TRUE(waitFor([&] {
        return address().startsWith(QStringLiteral("Stopped: the certificate of 127.0.0.1 is not valid")) && !loading();
    })) << address().toStdString();
    EXPECT_NE(pageTitle(), QStringLiteral("Pay Here"));
    EXPECT_FALSE(unsigned_.wasRequested("/pay"));
}

TEST_F(BillPageBrowserTest, DownloadsAreSavedInTheDownloadsFolderOnlyAfterTheUserSaidYes)
{
    site.page("/bank", titled("Bank"));
    site.download("/statement", "statement.pdf", "%PDF-1.4 statement");
    openInPane(site.url(QStringLiteral("/bank")), "Bank");
    struct DownloadCase
    {
        int answer;
        QString savedAs;  // "" when nothing is saved
    };
    for (const DownloadCase& download : {DownloadCase{1, QString()}, DownloadCase{0, QStringLiteral("statement.pdf")},
                                         DownloadCase{0, QStringLiteral("statement (2).pdf")}}) {
        SCOPED_TRACE(download.savedAs.toStdString());
        downloadAnswer = download.answer;
        const qsizetype asked = questions.size();
        pane().load(site.url(QStringLiteral("/statement")));
        ASSERT_TRUE(waitFor([&] { return questions.size() == asked + 1; }));
        EXPECT_TRUE(questions.last().startsWith(QStringLiteral("Save “statement")));
        if (download.savedAs.isEmpty()) {
            EXPECT_TRUE(QDir(downloads()).entryList(QDir::Files).isEmpty());
            continue;
        }
        QFile saved(QDir(downloads()).filePath(download.savedAs));
        EXPECT_TRUE(waitFor([&] { return saved.size() == qint64(strlen("%PDF-1.4 statement")); }));
    }
}

TEST_F(BillPageBrowserTest, EveryPermissionASiteAsksForIsRefused)
{
    site.page("/ask", titled("Asking", R"(<script>
        navigator.geolocation.getCurrentPosition(
            () => { document.title = 'location allowed'; },
            () => Notification.requestPermission().then(answer => {
                document.title = 'location refused, notifications ' + answer; }));
        </script>)"));
    show(billWithSite(site.url(QStringLiteral("/ask"))));
    page->finishShowingWebsite();
    EXPECT_TRUE(waitFor([&] { return pageTitle() == "location refused, notifications denied"; }))
        << pageTitle().toStdString();
}

TEST_F(BillPageBrowserTest, WhenTheEngineCannotStartThePaneSaysSoAndThePaySiteOpensInTheDesktopBrowser)
{
    BWWebEngineLoader missing(temp.file(QStringLiteral("no-such-module.so")), {});
    page->setWebEngineLoader(&missing);
    const QUrl paySite = site.url(QStringLiteral("/pay"));
    show(billWithSite(paySite));
    QSignalSpy panels(page.get(), &BWBillDetailViewController::logPaymentRequested);

    page->payNowButton()->click();
    EXPECT_EQ(panels.size(), 1);
    EXPECT_TRUE(waitFor([&] { return !openedUrls.isEmpty(); }));
    EXPECT_EQ(openedUrls, QList<QUrl>{paySite});
    EXPECT_TRUE(pane().notice()->isVisible());
    EXPECT_TRUE(pane().notice()->text().startsWith(QStringLiteral("The built-in browser could not start.")));
    EXPECT_EQ(pane().view(), nullptr);
}
