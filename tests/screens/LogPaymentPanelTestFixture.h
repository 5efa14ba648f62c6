#pragma once

#include <QFile>
#include "support/RecordingSoundPlayer.h"
#include <QSignalSpy>
#include <QTest>
#include <QStringList>
#include <csignal>
#include <sys/resource.h>

#include "platform/SoundPlayer.h"
#include "screens/BWLogPaymentController.h"
#include "store/BWDefaultsKeys.h"
#include "store/PaymentLoggerTestFixture.h"

// While it lives, no file of this process can grow beyond a few bytes, so
// every file write fails the way a full disk fails it.
class FileWritesFail
{
public:
    FileWritesFail()
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = m_previous;
        tiny.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileWritesFail()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileWritesFail(const FileWritesFail&) = delete;
    FileWritesFail& operator=(const FileWritesFail&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

// The panel over bills stored in a temporary data folder, with the clock on
// Tuesday 8 March 2016 at 10:00 New York time. The receipt chooser answers
// with `chosenReceipt` ("" is a cancelled choice) and counts its calls.
class LogPaymentPanelTest : public PaymentLoggerTest
{
protected:
    LogPaymentPanelTest()
    {
        controller.setReceiptChooser([this](QWidget*, const QString& title, const QString& acceptText) {
            chooserCalls.append(title + QLatin1Char('|') + acceptText);
            return chosenReceipt;
        });
    }

    void chooseSound(qlonglong choice, bool soundsOn = true)
    {
        defaults.setBool(BWDefaultsKeys::BRWPlayInterfaceSounds, soundsOn);
        defaults.setInteger(BWDefaultsKeys::BRWWhichSoundEffect, choice);
    }

    // Stores the bill and opens the panel of `kind` for it, as the shell does.
    void openPanelFor(const QVariantMap& bill, PaymentKind kind = PaymentKind::Full)
    {
        storeBills({bill});
        controller.setBid(bill.value(BillKeys::Bid).toString());
        controller.showLogPaymentWindow(kind);
    }

    // Replaces the field's text by typing, as the user would.
    static void typeInto(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    void typeAmount(const QString& text) { typeInto(controller.amountPaidField(), text); }
    void typeNote(const QString& text) { typeInto(controller.notePaidField(), text); }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void clickFullSave() { click(controller.savePaymentButton()); }
    void clickPartialSave() { click(controller.savePartialButton()); }

    QByteArray fileBytes(const QVariantMap& bill) const
    {
        QFile file(billPath(bill.value(BillKeys::Bid).toString()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QVariantMap lastStoredPayment(const QVariantMap& bill) const
    {
        return storedPayments(bill).value(storedPayments(bill).size() - 1).toMap();
    }

    RecordingSoundPlayer sounds;
    BWLogPaymentController controller{env, sounds};
    // Each payment the panel announced, by bill id.
    QSignalSpy announced{&controller, &BWLogPaymentController::paymentLogged};
    QStringList chooserCalls;
    QString chosenReceipt;
};
