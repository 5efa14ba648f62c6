#include "shell/MGPreferencePanel.h"

#include "platform/SenderTag.h"

#include <QAction>
#include <QToolBar>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The panel with six panes of different heights, shown at a known place.
class MGPreferencePanelTest : public testing::Test
{
protected:
    MGPreferencePanelTest()
    {
        const int heights[MGPreferencePanel::PaneCount] = {300, 120, 420, 200, 90, 260};
        for (int tag = 0; tag < MGPreferencePanel::PaneCount; ++tag) {
            auto* pane = new QWidget;
            pane->setMinimumSize(400 + 10 * tag, heights[tag]);
            panel.setPane(MGPreferencePanel::Pane(tag), pane);
        }
        panel.awakeFromNib();
        panel.window()->setGeometry(100, 150, panel.window()->width(), panel.window()->height());
        panel.window()->show();
    }

    void choose(int tag) { panel.toolbarItems().at(tag)->trigger(); }

    MGPreferencePanel panel;
};

TEST_F(MGPreferencePanelTest, StartsOnTheGeneralPaneWithSixToolbarItemsInOrder)
{
    EXPECT_EQ(panel.window()->windowTitle(), "General");
    QStringList identifiers;
    QStringList labels;
    for (QAction* item : panel.toolbarItems()) {
        identifiers.append(item->objectName());
        labels.append(item->text());
    }
    EXPECT_EQ(identifiers, (QStringList{"View1ItemIdentifier", "View2ItemIdentifier", "View3ItemIdentifier",
                                        "View4ItemIdentifier", "View4aItemIdentifier", "View5ItemIdentifier"}));
    EXPECT_EQ(labels, (QStringList{"General", "Sync", "Reminders", "Logging", "Income", "Advanced"}));
    EXPECT_TRUE(panel.toolbarItems().first()->isChecked());
    EXPECT_TRUE(panel.pane(MGPreferencePanel::General)->isVisible());
    EXPECT_EQ(panel.window()->height(), 300 + MGPreferencePanel::ToolbarHeight);
}

TEST_F(MGPreferencePanelTest, EachPaneSwitchKeepsTheTopEdgeAndFitsThePane)
{
    struct Case
    {
        int tag;
        const char* title;
    };
    // Tall to short, short to tall, and back to the first.
    const Case cases[] = {{2, "Reminders"}, {4, "Income"}, {1, "Sync"}, {5, "Advanced"}, {3, "Logging"}, {0, "General"}};
    const int top = panel.window()->geometry().top();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        choose(c.tag);
        QWidget* pane = panel.pane(MGPreferencePanel::Pane(c.tag));
        EXPECT_EQ(panel.window()->windowTitle(), c.title);
        EXPECT_EQ(panel.window()->geometry().top(), top);
        EXPECT_EQ(panel.window()->height(), pane->height() + MGPreferencePanel::ToolbarHeight);
        EXPECT_EQ(panel.window()->width(), pane->width());
        EXPECT_EQ(pane->minimumHeight(), pane->height());
        EXPECT_TRUE(pane->isVisible());
        for (int other = 0; other < MGPreferencePanel::PaneCount; ++other)
            EXPECT_EQ(panel.pane(MGPreferencePanel::Pane(other))->isVisible(), other == c.tag);
        EXPECT_TRUE(panel.toolbarItems().at(c.tag)->isChecked());
    }
}

TEST_F(MGPreferencePanelTest, ReopeningShowsThePaneLastChosen)
{
    choose(3);
    panel.window()->hide();
    panel.window()->show();
    EXPECT_EQ(panel.window()->windowTitle(), "Logging");
    EXPECT_TRUE(panel.pane(MGPreferencePanel::Logging)->isVisible());
}

}  // namespace
