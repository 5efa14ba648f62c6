// Two copies of the program on one data folder, without a session bus to
// tell them apart: the data-folder lock has to.

#include "OrvaneProcess.h"

namespace {

class SecondCopyTest : public ::testing::Test
{
protected:
    SecondCopyTest() { QDir().mkpath(first.dataFolder()); }

    TempFolder temp;
    OrvaneProcess first{temp};
    OrvaneProcess second{temp};
};

}  // namespace

TEST_F(SecondCopyTest, SecondCopyQuitsWithItsMessageAndTheFirstRunsOn)
{
    const QString stale = temp.write("share/Orvane/Orvane.ovdata/billindex.plist.a1B2c3", "<plist><dict><");
    first.start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return first.holdsALock(); }, 30000));
    ASSERT_TRUE(QTest::qWaitFor([&stale] { return !QFile::exists(stale); }, 10000));

    second.start();
    ASSERT_TRUE(second.process().waitForFinished(30000));
    EXPECT_EQ(second.process().exitCode(), 1);
    EXPECT_TRUE(second.log().contains("Orvane is already running."));
    EXPECT_EQ(first.process().state(), QProcess::Running);
    EXPECT_TRUE(first.holdsALock());
}
