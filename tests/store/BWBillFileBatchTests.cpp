#include "store/BWBillFileBatch.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

// Each file is read once and lands in its own place, whatever the number of
// workers and whether the waiting thread reads all of them itself.
TEST(BWBillFileBatchTest, EveryFileIsReadIntoItsOwnPlaceByAnyNumberOfWorkers)
{
    TempFolder temp;
    QStringList paths;
    for (int i = 0; i < 60; ++i)
        paths.append(temp.write(QStringLiteral("%1.plist").arg(i),
                                PropertyList::serialize(QVariantMap{{"number", qlonglong(i)}})));
    paths.insert(7, temp.file(QStringLiteral("missing.plist")));
    paths.insert(30, temp.write(QStringLiteral("broken.plist"), "<plist><dict>"));

    struct Case {
        qsizetype files;
        int workers;
    };
    for (const Case& item : std::vector<Case>{{0, 3}, {1, 0}, {8, 1}, {paths.size(), 0}, {paths.size(), 3}}) {
        SCOPED_TRACE(testing::Message() << item.files << " files, " << item.workers << " workers");
        const QStringList some = paths.first(item.files);
        const auto batch = BWBillFileBatch::start(some, item.workers);
        batch->finish();
        ASSERT_EQ(qsizetype(batch->files().size()), some.size());
        for (qsizetype i = 0; i < some.size(); ++i) {
            const BWBillFileBatch::File& file = batch->files().at(i);
            const PropertyList::ReadResult expected = PropertyList::read(some.at(i));
            EXPECT_EQ(file.result.status, expected.status) << some.at(i).toStdString();
            EXPECT_EQ(file.result.value, expected.value) << some.at(i).toStdString();
            EXPECT_EQ(file.standsFor(FileStamp::of(some.at(i))), expected.status != PropertyList::Status::NotFound);
        }
    }
}
