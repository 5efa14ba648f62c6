#include "screens/BWPopupBrowserWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QShortcut>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

#include "screens/BWWebAddressPolicy.h"
#include "screens/BWWebEngine.h"
#include "widgets/BGHUDProgressIndicator.h"
#include "widgets/BGHUDTextField.h"

namespace {

const QString WindowTitle = QStringLiteral("Orvane Browser");

}  // namespace

BWPopupBrowserWindow::BWPopupBrowserWindow(QWidget* parent)
    : BGHUDView(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(WindowTitle);
    resize(900, 700);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* bar = new QHBoxLayout;
    m_indicator = new BGHUDProgressIndicator(this);
    m_indicator->setIndeterminate(true);
    m_indicator->setFixedWidth(60);
    QSizePolicy keepsPlace = m_indicator->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    m_indicator->setSizePolicy(keepsPlace);
    m_indicator->hide();
    m_address = new BGHUDTextField(this);
    m_address->setReadOnly(true);
    bar->addWidget(m_indicator);
    bar->addWidget(m_address, 1);
    layout->addLayout(bar);
    m_pageArea = new QStackedLayout;
    layout->addLayout(m_pageArea, 1);

    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

BWPopupBrowserWindow::~BWPopupBrowserWindow() = default;

void BWPopupBrowserWindow::setView(std::unique_ptr<BWWebView> view)
{
    retireView();
    m_view = std::move(view);
    if (m_view) {
        m_pageArea->addWidget(m_view->widget());
        m_pageArea->setCurrentWidget(m_view->widget());
    }
}

void BWPopupBrowserWindow::loadStarted(const QUrl& url)
{
    // The engine reports a load before it asks whether it may go on.
    if (!BWWebAddressPolicy::mayLoad(url, true))
        return;
    m_indicator->show();
    setWindowTitle(WindowTitle);
    m_address->setText(url.toString());
}

void BWPopupBrowserWindow::loadFinished()
{
    m_indicator->hide();
    setWindowTitle(QStringLiteral("%1 | %2").arg(WindowTitle, m_view ? m_view->title() : QString()));
}

void BWPopupBrowserWindow::showLine(const QString& line)
{
    m_address->setText(line);
}

void BWPopupBrowserWindow::closeEvent(QCloseEvent* event)
{
    retireView();
    m_indicator->hide();
    m_address->clear();
    setWindowTitle(WindowTitle);
    BGHUDView::closeEvent(event);
}

// The page shown may be the one whose signal got us here (a new window it
// opened, its own window.close()): it goes once that signal has returned.
void BWPopupBrowserWindow::retireView()
{
    if (!m_view)
        return;
    m_view->widget()->hide();
    QTimer::singleShot(0, this, [retired = std::shared_ptr<BWWebView>(std::move(m_view))] {});
}
