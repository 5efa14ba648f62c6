#include "widgets/BWLimitedSplitView.h"

#include <QLabel>
#include <QSplitterHandle>
#include <QTest>
#include <gtest/gtest.h>

TEST(BWLimitedSplitView, DividerKeepsItsDistanceOrCollapsesAPane)
{
    BWLimitedSplitView view(Qt::Vertical);
    view.setDividerLimits(300, 200);
    const struct {
        const char* name;
        int position;
        int length;
        int expected;
    } cases[] = {
        {"free between the limits", 400, 800, 400},
        {"stops 300 after the start", 200, 800, 300},
        {"collapses the first pane past half its limit", 140, 800, 0},
        {"stops 200 before the end", 700, 800, 600},
        {"collapses the second pane past half its limit", 720, 800, 800},
        {"a short view lets it go anywhere", 250, 450, 250},
    };
    for (const auto& c : cases)
        EXPECT_EQ(view.limitedPosition(c.position, c.length), c.expected) << c.name;
}

TEST(BWLimitedSplitView, DoubleClickFoldsTheSecondPaneAndOpensItAgain)
{
    BWLimitedSplitView view(Qt::Vertical);
    view.addWidget(new QLabel("table"));
    view.addWidget(new QLabel("graph"));
    view.resize(200, 700);
    view.setSizes({400, 300});
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QList<int> open = view.sizes();
    QSplitterHandle* divider = view.handle(1);
    QTest::mouseDClick(divider, Qt::LeftButton);
    EXPECT_EQ(view.sizes().at(1), 0);
    QTest::mouseDClick(divider, Qt::LeftButton);
    EXPECT_EQ(view.sizes(), open);
}
