#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <optional>

#include "screens/BWSidebarFigureCache.h"
#include "store/BWStoreEnvironment.h"

class BGHUDBox;
class BGHUDView;
class BWIncomeController;
class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

// The overview's panel of this month's figures below the calendar: the bills
// due soon and this month and what they come to, what was paid and what came
// in, and a balance; with the income sources, the tag field and a tip. It
// also keeps the badge of bills due soon.
//
// Each record's figures are kept between loads while the day and the
// settings they depend on stay as they were (BWSidebarFigureCache).
class BWOverviewSidebar : public QObject
{
    Q_OBJECT

public:
    struct Figures
    {
        qlonglong dueSoonCount = 0;  // bills due soon or overdue
        double dueSoonAmount = 0;
        qlonglong dueMonthCount = 0;  // bills due in this month
        double dueMonthAmount = 0;    // also what is still due this month
        qlonglong paymentCount = 0;   // payments dated in this month
        double paidThisMonth = 0;     // paid on bills this month
        double income = 0;            // income items due this month plus income received
        double incomeReceived = 0;    // income received this month
    };

    // Builds the panel and the tip as widgets of `panelParent`.
    BWOverviewSidebar(const BWStoreEnvironment& env, QWidget* panelParent, QObject* parent);

    QWidget* panel() const { return m_panel; }
    QWidget* tip() const;

    // The figures of `list`: those of the records met before are kept.
    Figures figuresForList(const QVariantList& list, bool useIntelligence);
    // The same with a cache of the caller's, as a worker works them out.
    static Figures figuresWith(const BWStoreEnvironment& env, bool useIntelligence, BWSidebarFigureCache& cache,
                               const QVariantList& list);
    // Shows the figures of `list` (`known` when worked out already) and sets
    // the badge from `allActiveItems`.
    void show(const QVariantList& list, const QVariantList& allActiveItems, bool useIntelligence,
              const std::optional<Figures>& known = std::nullopt);
    // Flips the balance between the expected and the current balance.
    void switchView();
    BWIncomeController* incomeController() const { return m_incomeController; }
    // Lights up the box of the figure whose list is shown; none for null.
    void highlight(BGHUDBox* box);

    // What was read afresh is figured afresh.
    void forgetFigures();
    void forgetFiguresOf(const QSet<QString>& billIDs);
    // Takes the figures a worker worked out; the old ones are left in `figures`.
    void takeFigures(BWSidebarFigureCache& figures);

    // The badge of bills due soon: a count, or "" for none.
    QString dockBadge() const { return m_dockBadge; }
    QLabel* dueSoonNumField() const { return m_dueSoonNumField; }
    QLabel* dueSoonAmtField() const { return m_dueSoonAmtField; }
    QLabel* dueMonthNumField() const { return m_dueMonthNumField; }
    QLabel* dueMonthAmtField() const { return m_dueMonthAmtField; }
    QLabel* stillDueThisMonthField() const { return m_stillDueThisMonthField; }
    QLabel* paydayNumField() const { return m_paydayNumField; }
    QLabel* paidThisMonthField() const { return m_paidThisMonthField; }
    QLabel* incomeToDateField() const { return m_incomeToDateField; }
    QLabel* expectedBalance() const { return m_expectedBalance; }
    QAbstractButton* expectedBalanceName() const { return m_expectedBalanceName; }
    BGHUDBox* dueSoonHighlightbox() const { return m_dueSoonHighlightbox; }
    BGHUDBox* dueMonthHighlightBox() const { return m_dueMonthHighlightBox; }
    BGHUDBox* paidMonthHighlightBox() const { return m_paidMonthHighlightBox; }
    // The tag field: the store's tags, separated by commas.
    QLineEdit* tagList() const { return m_tagList; }
    // The tags typed in the field (BWTagText), each once.
    QStringList tagsTyped() const;
    // Shows the store's tags, unless the user is typing there.
    void showTags(const QStringList& tags);

signals:
    void dockBadgeChanged(const QString& badge);
    // The user finished editing the tag field and its tags differ from the
    // store's.
    void tagsEdited();
    // The user dismissed the tip for good (the tip is hidden already).
    void tipDismissed();

private:
    // What working out the figures of records takes, made once for a list.
    struct FigureSources;
    static double estimatedAmountThisMonth(const QVariantMap& record, const FigureSources& sources);
    static BWSidebarFigureCache::RecordFigures recordFigures(const QVariantMap& record, const FigureSources& sources);
    // The day and the settings the record figures depend on.
    static BWSidebarFigureCache::Conditions figureConditions(const BWStoreEnvironment& env, bool useIntelligence);
    void buildFigureRows();
    void buildBalanceAndIncome();
    void buildTagField();
    void buildTip(QWidget* parent);
    double balanceForCaption(const Figures& figures, bool current) const;
    bool showsCurrentBalance() const;
    QString balanceCaption() const;
    // The balance under its caption, from the figures shown and the income
    // sources as stored now.
    void showBalance();
    // The badge counts the bills due soon among all active items: `dueSoonCount`
    // when known already.
    void updateDockBadge(std::optional<qlonglong> dueSoonCount, const QVariantList& allActiveItems);

    BWStoreEnvironment m_env;
    bool m_useIntelligence = false;
    Figures m_figures;
    BWSidebarFigureCache m_figureCache;
    QString m_dockBadge;

    QWidget* m_panel = nullptr;
    int m_rows = 0;
    // Names the month the figures are of.
    QLabel* m_figuresMonth = nullptr;
    QLabel* m_dueSoonNumField = nullptr;
    QLabel* m_dueSoonAmtField = nullptr;
    QLabel* m_dueMonthNumField = nullptr;
    QLabel* m_dueMonthAmtField = nullptr;
    QLabel* m_stillDueThisMonthField = nullptr;
    QLabel* m_paydayNumField = nullptr;
    QLabel* m_paidThisMonthField = nullptr;
    QLabel* m_incomeToDateField = nullptr;
    QLabel* m_expectedBalance = nullptr;
    QAbstractButton* m_expectedBalanceName = nullptr;
    bool m_showsCurrentBalance = false;
    BGHUDBox* m_dueSoonHighlightbox = nullptr;
    BGHUDBox* m_dueMonthHighlightBox = nullptr;
    BGHUDBox* m_paidMonthHighlightBox = nullptr;
    BWIncomeController* m_incomeController = nullptr;
    QAbstractButton* m_incomeButton = nullptr;
    QLineEdit* m_tagList = nullptr;
    BGHUDView* m_tip = nullptr;
};
