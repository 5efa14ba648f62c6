#include <QEnterEvent>
#include <QPainter>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "screens/BWBox.h"
#include "screens/BWDatePicker.h"
#include "screens/BWRepeatingView.h"

TEST(BWBox, TheFillClearsWhileThePointerIsOverTheBoxEvenAfterAResize)
{
    BWBox box;
    box.resize(40, 40);
    const QColor outside = box.fillColor();
    EXPECT_GT(outside.alpha(), 0);
    box.resize(300, 200);
    QEnterEvent enter(QPointF(250, 150), QPointF(250, 150), QPointF(250, 150));
    QApplication::sendEvent(&box, &enter);
    EXPECT_TRUE(box.isMouseOver());
    EXPECT_EQ(box.fillColor().alpha(), 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&box, &leave);
    EXPECT_FALSE(box.isMouseOver());
    EXPECT_EQ(box.fillColor(), outside);
}

TEST(BWRepeatingView, AlwaysPaintsTheControlBackground)
{
    BWRepeatingView view;
    view.resize(10, 10);
    view.setCustomBackgroundColor(Qt::red);
    QImage image(10, 10, QImage::Format_ARGB32);
    view.render(&image);
    EXPECT_EQ(view.customBackgroundColor(), view.palette().color(QPalette::Base));
    EXPECT_EQ(image.pixelColor(5, 5), view.palette().color(QPalette::Base));
}

TEST(BWDatePicker, StartsOnToday)
{
    Clock clock;
    clock.setNow(QDateTime(QDate(2016, 3, 8), QTime(10, 0)));
    BWDatePicker picker(clock);
    EXPECT_EQ(picker.date(), QDate(2016, 3, 8));
}
