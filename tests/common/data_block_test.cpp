#include "common/data_block.h"
#include "common/inform_blocks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" size_t cellvaneLayoutFromC(int which);

namespace {

TEST(RecordLayoutTest, CAndCppAgreeOnTheLayout)
{
    EXPECT_EQ(cellvaneLayoutFromC(0), sizeof(AddressRecord));
    EXPECT_EQ(cellvaneLayoutFromC(1), 1296u);
    EXPECT_EQ(cellvaneLayoutFromC(2), 816u);
    EXPECT_EQ(cellvaneLayoutFromC(3), 24u);
    EXPECT_EQ(cellvaneLayoutFromC(4), 1003u);
}

TEST(RecordLinkTest, LinksHoldTheSignedByteDistance)
{
    auto *block = static_cast<AddressRecord *>(AllocateDataBlock(3, sizeof(AddressRecord)));
    ASSERT_NE(block, nullptr);
    ChainRecords(nullptr, &block[0]);
    ChainRecords(&block[0], &block[2]);
    EXPECT_EQ(block[0].header.prev, 0);
    EXPECT_EQ(block[0].header.next, 2 * 1552);
    EXPECT_EQ(block[2].header.prev, -2 * 1552);
    EXPECT_EQ(block[2].header.next, 0);
    EXPECT_EQ(RecordLink(&block[0], RECORD_LINK_NEXT), &block[2]);
    EXPECT_EQ(RecordLink(&block[2], RECORD_LINK_PREV), &block[0]);
    EXPECT_EQ(RecordLink(&block[2], RECORD_LINK_NEXT), nullptr);
    EXPECT_EQ(RecordLink(nullptr, RECORD_LINK_NEXT), nullptr);
    std::free(block);
}

TEST(RecordLinkTest, ChainSurvivesACopyToAnotherAddress)
{
    std::vector<AddressRecord> original(2);
    ChainRecords(&original[0], &original[1]);
    std::vector<AddressRecord> copy(original);
    EXPECT_EQ(RecordLink(&copy[0], RECORD_LINK_NEXT), &copy[1]);
    EXPECT_EQ(RecordLink(&copy[1], RECORD_LINK_PREV), &copy[0]);
}

TEST(RecordLinkTest, WorksOnRecordsAtOddOffsets)
{
    // Mail records follow each other without padding.
    std::vector<unsigned char> block(3 + 2 * 900);
    unsigned char *first = block.data() + 3;
    unsigned char *second = first + 900;
    const uint32_t kind = 1002;
    std::memcpy(second + offsetof(RecordHeader, kind), &kind, sizeof kind);
    ChainRecords(first, second);
    EXPECT_EQ(RecordLink(first, RECORD_LINK_NEXT), second);
    EXPECT_EQ(RecordLink(second, RECORD_LINK_PREV), first);
    EXPECT_EQ(RecordKind(second), 1002u);
    EXPECT_EQ(RecordKind(nullptr), 0u);
}

TEST(RecordLinkTest, SelfOrNullTargetWritesNoLink)
{
    AddressRecord record{};
    record.header.next = 77;
    EXPECT_EQ(SetRecordLink(&record, RECORD_LINK_NEXT, nullptr), 1);
    EXPECT_EQ(record.header.next, 0);
    EXPECT_EQ(SetRecordLink(&record, RECORD_LINK_NEXT, &record), 1);
    EXPECT_EQ(RecordLink(&record, RECORD_LINK_NEXT), nullptr);
}

TEST(DataBlockTest, RefusesEmptyOrOverflowingSizes)
{
    EXPECT_EQ(AllocateDataBlock(0, sizeof(AddressRecord)), nullptr);
    EXPECT_EQ(AllocateDataBlock(4, 0), nullptr);
    EXPECT_EQ(AllocateDataBlock(SIZE_MAX / 2, 1552), nullptr);
}

} // namespace

namespace {

TEST(ChainLengthTest, CountsRecordsAndDetectsCircles)
{
    std::vector<AddressRecord> records(5);
    EXPECT_EQ(ChainLength(nullptr), 0u);
    EXPECT_EQ(ChainLength(&records[0]), 1u);
    for (size_t i = 1; i < records.size(); ++i)
        ChainRecords(&records[i - 1], &records[i]);
    EXPECT_EQ(ChainLength(&records[0]), 5u);
    EXPECT_EQ(ChainLength(&records[3]), 2u);
    SetRecordLink(&records[4], RECORD_LINK_NEXT, &records[1]);
    EXPECT_EQ(ChainLength(&records[0]), SIZE_MAX);
    SetRecordLink(&records[2], RECORD_LINK_NEXT, &records[2]);
    EXPECT_EQ(ChainLength(&records[2]), 1u); // a link to itself reads as none
}

} // namespace
