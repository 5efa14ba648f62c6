#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class BWAppDelegate;
class BWForecastViewController;
class BWHistoryViewController;
class BWReportController;
class QWidget;

// The windows beside the main window: the forecast, history and report
// windows, each made at its first showing and set up afresh at every showing,
// and the preferences window. While the password lock is on none of them
// shows: they show the bills and the settings, which the lock keeps private.
// Owned by the application delegate.
class BWSideWindows : public QObject
{
    Q_OBJECT

public:
    explicit BWSideWindows(BWAppDelegate& delegate);
    ~BWSideWindows() override;

    void showForecast();
    void showHistory();
    void showReports();
    BWForecastViewController* forecastController() const { return m_forecast.get(); }
    BWHistoryViewController* historyController() const { return m_history.get(); }
    BWReportController* reportController() const { return m_reports.get(); }

    // The preferences window; it answers the side windows' keys from then on.
    void setPrefWindow(QWidget* prefWindow);
    void showPreferences();

private:
    // Ctrl+W and Escape close the window (Ctrl+Q quits from every window).
    static void addSideWindowKeys(QWidget* window);
    template <typename Controller>
    Controller& madeOnce(std::unique_ptr<Controller>& controller, QWidget* (Controller::*window)() const);
    bool isLocked() const;

    BWAppDelegate& m_delegate;
    std::unique_ptr<BWForecastViewController> m_forecast;
    std::unique_ptr<BWHistoryViewController> m_history;
    std::unique_ptr<BWReportController> m_reports;
    QPointer<QWidget> m_prefWindow;
};
