#include "views/common/record_store.h"

#include "tests/app/records.h"

#include <gtest/gtest.h>

namespace {

using views::RecordStore;

TEST(RecordStoreTest, TakesOnlyRecordsOfItsKindWithASoundSize)
{
    RecordStore store(1000);
    const std::vector<unsigned char> bookmark = bookmarkRecord("site");
    EXPECT_TRUE(store.append(bookmark.data(), bookmark.size()));
    const std::vector<unsigned char> address = addressRecord(1, "Taro");
    EXPECT_FALSE(store.append(address.data(), address.size())) << "another kind";
    EXPECT_FALSE(store.append(bookmark.data(), bookmark.size() - 1)) << "size beyond the bytes";
    std::vector<unsigned char> tiny = makeRecord(1000, 12);
    EXPECT_FALSE(store.append(tiny.data(), 20)) << "size below the header";
    EXPECT_FALSE(store.append(nullptr, 932));
    EXPECT_EQ(store.count(), 1);
    EXPECT_STREQ(store.textAt(0, 20), "site");
}

TEST(RecordStoreTest, ReadsFieldsOnlyInsideTheRecord)
{
    RecordStore store(1001);
    std::vector<unsigned char> record = addressRecord(42, "Hanako");
    ASSERT_TRUE(store.append(record.data(), record.size()));
    EXPECT_EQ(store.wordAt(0, 20), 42);
    EXPECT_EQ(store.wordAt(0, 1550, -7), -7);
    EXPECT_EQ(store.wordAt(1, 20, -7), -7);
    EXPECT_STREQ(store.textAt(0, 1552), "");
    // A text without terminator before the record ends is not read past it.
    std::fill(record.begin() + 1296, record.end(), 'x');
    ASSERT_TRUE(store.append(record.data(), record.size()));
    EXPECT_STREQ(store.textAt(1, 1296), "");
}

TEST(RecordStoreTest, CompactDropsMarkedRecordsAndKeepsTheOrder)
{
    RecordStore store(1000);
    for (const char *title : {"a", "b", "c", "d"}) {
        const std::vector<unsigned char> record = bookmarkRecord(title);
        store.append(record.data(), record.size());
    }
    store.markForRemoval(1);
    store.markForRemoval(3);
    store.markForRemoval(9);
    EXPECT_TRUE(store.isMarkedForRemoval(1));
    EXPECT_EQ(store.count(), 4);
    EXPECT_EQ(store.compact(), 2);
    ASSERT_EQ(store.count(), 2);
    EXPECT_STREQ(store.textAt(0, 20), "a");
    EXPECT_STREQ(store.textAt(1, 20), "c");
    EXPECT_EQ(store.compact(), 0);
    store.clear();
    EXPECT_EQ(store.count(), 0);
}

} // namespace
