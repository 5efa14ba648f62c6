#pragma once

#include <QDialog>

class QTabWidget;

// The sheet that greets the user at the first start of this version: a page
// of welcome, a page about the phone edition, then a page that offers to take
// over the previous version's bills. It only reports which button was pressed.
class BWWelcomeSheet : public QDialog
{
    Q_OBJECT

public:
    explicit BWWelcomeSheet(QWidget* parent = nullptr);

    QTabWidget* welcomeTabView() const { return m_pages; }

signals:
    void nextPageRequested();
    void signUpAndContinueRequested();
    void importVersion7DataRequested();
    void importOptionsRequested();
    void startUsingRequested();

private:
    QWidget* welcomePage();
    QWidget* phonePage();
    QWidget* importPage();

    QTabWidget* m_pages = nullptr;
};
