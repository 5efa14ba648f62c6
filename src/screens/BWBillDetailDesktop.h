#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>
#include <functional>

class QWidget;

// What a bill's page asks of the desktop and of the user beyond the page;
// tests answer in their place.
struct BWBillDetailDesktop
{
    // This month's estimate of a bill whose amount varies; 0 for none.
    using AmountEstimate = std::function<double(const QVariantMap& bill)>;
    // Opens a web address in the desktop's browser; false when none started.
    using UrlOpener = std::function<bool(const QUrl& url)>;
    // Opens a local file with the desktop's program for it.
    using FileOpener = std::function<bool(const QString& path)>;
    // Asks for one receipt file; "" when the user cancelled.
    using ReceiptChooser = std::function<QString(QWidget* parent)>;
    // Tells the user something went wrong.
    using Warning = std::function<void(QWidget* parent, const QString& message, const QString& details)>;
    // Asks the user a question with buttons (the first is the default);
    // answers the index of the button clicked, -1 when dismissed.
    using Question = std::function<int(QWidget* parent, const QString& message, const QString& details,
                                       const QStringList& buttons)>;

    AmountEstimate estimate;
    UrlOpener openUrl;
    FileOpener openFile;
    ReceiptChooser chooseReceipt;
    Warning warn;
    Question ask;

    // Opens a pay site with `openUrl`; a failure is logged, the opener tells
    // the user itself.
    void openPaySite(const QUrl& url) const;
};
