#include "platform/Log.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList captured;
QString capturedCategory;

void capture(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    captured << message;
    capturedCategory = QString::fromLatin1(context.category);
}

}  // namespace

TEST(Log, OneLinePerCallInTheProgramsCategory)
{
    captured.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    Log::line(QStringLiteral("Wrote File = 1"));
    Log::line(QStringLiteral("first\nforged line\r\n"));
    qInstallMessageHandler(previous);

    ASSERT_EQ(captured.size(), 2);
    EXPECT_EQ(captured[0], QStringLiteral("Wrote File = 1"));
    EXPECT_FALSE(captured[1].contains(u'\n'));
    EXPECT_FALSE(captured[1].contains(u'\r'));
    EXPECT_EQ(capturedCategory, QStringLiteral("orvane"));
}
