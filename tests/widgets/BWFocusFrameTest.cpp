#include "widgets/BGHUDButton.h"
#include "widgets/BGHUDCheckBox.h"
#include "widgets/BGHUDPopUpButton.h"
#include "widgets/BGHUDSegmentedControl.h"
#include "widgets/BGHUDStepper.h"
#include "widgets/BGThemeManager.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"
#include "WidgetPixels.h"

#include <QTest>
#include <QVBoxLayout>
#include <functional>

namespace {

struct Painted
{
    const char* control;
    std::function<QWidget*(QWidget*)> make;
};

class BWFocusFrameTest : public testing::TestWithParam<Painted>
{
};

// The self-painted controls show the theme's focus frame at their edge while
// they have the keyboard focus, and only then.
TEST_P(BWFocusFrameTest, TheFocusedControlShowsTheFrame)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QWidget* control = GetParam().make(&window);
    auto* other = new BGHUDButton(QStringLiteral("Other"), &window);
    layout->addWidget(control);
    layout->addWidget(other);
    control->setMinimumSize(60, 24);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QColor frame = BGThemeManager::keyedManager().themeForKey(QString())->focusFrameColor();
    const QPoint edge(control->width() / 2, 1);

    control->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(control->hasFocus());
    const QImage focused = WidgetPixels::render(*control);
    EXPECT_TRUE(WidgetPixels::near(WidgetPixels::at(focused, edge.x(), edge.y()), frame, 24));
    other->setFocus(Qt::TabFocusReason);
    EXPECT_NE(WidgetPixels::render(*control), focused);
}

INSTANTIATE_TEST_SUITE_P(
    SelfPainted, BWFocusFrameTest,
    testing::Values(Painted{"HUDButton", [](QWidget* p) { return new BGHUDButton(QStringLiteral("OK"), p); }},
                    Painted{"HUDCheckBox", [](QWidget* p) { return new BGHUDCheckBox(QStringLiteral("On"), p); }},
                    Painted{"HUDPopUpButton", [](QWidget* p) { return new BGHUDPopUpButton(p); }},
                    Painted{"HUDSegmentedControl", [](QWidget* p) { return new BGHUDSegmentedControl(p); }},
                    Painted{"HUDStepper", [](QWidget* p) { return new BGHUDStepper(p); }},
                    Painted{"ColouredButton", [](QWidget* p) { return new KBButton(QStringLiteral("Pay"), p); }},
                    Painted{"PopupButton", [](QWidget* p) { return new BWPopupButton(p); }}),
    [](const testing::TestParamInfo<Painted>& info) { return std::string(info.param.control); });

}  // namespace
