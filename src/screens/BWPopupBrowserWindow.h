#pragma once

#include "widgets/BGHUDView.h"

#include <memory>

class BGHUDProgressIndicator;
class BGHUDTextField;
class BWWebView;
class QStackedLayout;

// The window for pages that a pay site opens in a new window: the page, its
// address and a loading indicator. It is titled "Orvane Browser" while a page
// loads and "Orvane Browser | <page title>" once it is done. Ctrl+W and
// Escape close it; closing leaves the page. It wears the dark look of the
// bill page's pane.
class BWPopupBrowserWindow : public BGHUDView
{
    Q_OBJECT

public:
    explicit BWPopupBrowserWindow(QWidget* parent = nullptr);
    ~BWPopupBrowserWindow() override;

    // Shows `view` in place of the page shown so far, which goes.
    void setView(std::unique_ptr<BWWebView> view);
    BWWebView* view() const { return m_view.get(); }

    // What the window's page reports.
    void loadStarted(const QUrl& url);
    void loadFinished();
    // A line in the address field, such as why an address was refused.
    void showLine(const QString& line);

    BGHUDTextField* addressField() const { return m_address; }
    BGHUDProgressIndicator* loadingIndicator() const { return m_indicator; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void retireView();

    BGHUDTextField* m_address = nullptr;
    BGHUDProgressIndicator* m_indicator = nullptr;
    QStackedLayout* m_pageArea = nullptr;
    std::unique_ptr<BWWebView> m_view;
};
