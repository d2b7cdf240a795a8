#include "views/common/pc_file_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using views::AddressPcFile;
using views::PcFileHeader;
using views::PcImageCheck;
using views::PcImageRecords;

constexpr uint32_t Current = 0x44530101;

std::vector<unsigned char> addressImage(size_t count, uint32_t pluginCode = Current)
{
    std::vector<unsigned char> records(count * AddressPcFile.recordSize);
    for (size_t i = 0; i < records.size(); ++i)
        records[i] = static_cast<unsigned char>(i * 7);
    return views::buildPcImage(AddressPcFile, records.data(), count, pluginCode);
}

PcFileHeader headerOf(const std::vector<unsigned char> &image)
{
    PcFileHeader header;
    std::memcpy(&header, image.data(), sizeof header);
    return header;
}

void setHeader(std::vector<unsigned char> &image, const PcFileHeader &header)
{
    std::memcpy(image.data(), &header, sizeof header);
}

PcImageCheck check(const std::vector<unsigned char> &image, uint32_t current = Current)
{
    PcImageRecords records;
    return views::checkPcImage(AddressPcFile, image.data(), image.size(), current, records);
}

TEST(PcFileImageTest, WritesTheHeaderAndTheRecordsAsTheyStand)
{
    const std::vector<unsigned char> image = addressImage(3);
    ASSERT_EQ(image.size(), 32u + 1552 * 3);
    const PcFileHeader header = headerOf(image);
    EXPECT_STREQ(header.type, "APC");
    EXPECT_EQ(header.signature, 0x10002u);
    EXPECT_EQ(header.headerSize, 32u);
    EXPECT_EQ(header.dataKind, 1001u);
    EXPECT_EQ(header.recordsEnd, 32u + 1552 * 3);
    EXPECT_EQ(header.recordsSize, 1552u * 3);
    EXPECT_EQ(header.count, 3u);
    EXPECT_EQ(header.pluginCode, Current);

    PcImageRecords records;
    ASSERT_EQ(views::checkPcImage(AddressPcFile, image.data(), image.size(), Current, records),
              PcImageCheck::Accepted);
    EXPECT_EQ(records.first, image.data() + 32);
    EXPECT_EQ(records.count, 3u);
    EXPECT_EQ(addressImage(0).size(), 32u) << "an empty book is its header";
}

TEST(PcFileImageTest, RefusesWhatIsNotAnIntactFileOfItsKind)
{
    struct Case
    {
        const char *what;
        void (*damage)(PcFileHeader &);
    };
    const Case cases[] = {
        {"count 2 for three records", [](PcFileHeader &h) { h.count = 2; }},
        {"another type", [](PcFileHeader &h) { std::memcpy(h.type, "CPC", 4); }},
        {"type without its end", [](PcFileHeader &h) { h.type[3] = 'X'; }},
        {"another signature", [](PcFileHeader &h) { h.signature = 0x10003; }},
        {"another header size", [](PcFileHeader &h) { h.headerSize = 28; }},
        {"another kind", [](PcFileHeader &h) { h.dataKind = 1003; }},
        {"records end off by one", [](PcFileHeader &h) { ++h.recordsEnd; }},
        {"more records than the file holds",
         [](PcFileHeader &h) {
             h.count = 4;
             h.recordsSize = 1552 * 4;
             h.recordsEnd = 32 + 1552 * 4;
         }},
        {"a count whose size wraps around 32 bits",
         [](PcFileHeader &h) {
             h.count = 0x80000000u / 776 + 1; // x 1552 wraps past 2^32
             h.recordsSize = static_cast<uint32_t>(uint64_t{h.count} * 1552);
             h.recordsEnd = h.recordsSize + 32;
         }},
        {"a records end that wraps around 32 bits",
         [](PcFileHeader &h) {
             h.recordsSize = 0xFFFFFFF0u;
             h.recordsEnd = 0x10u;
         }},
    };
    for (const Case &c : cases) {
        std::vector<unsigned char> image = addressImage(3);
        PcFileHeader header = headerOf(image);
        c.damage(header);
        setHeader(image, header);
        EXPECT_EQ(check(image), PcImageCheck::Rejected) << c.what;
    }
    std::vector<unsigned char> shortImage = addressImage(3);
    shortImage.pop_back();
    EXPECT_EQ(check(shortImage), PcImageCheck::Rejected) << "cut short";
    EXPECT_EQ(check(std::vector<unsigned char>(31)), PcImageCheck::Rejected) << "no header";
    PcImageRecords records;
    EXPECT_EQ(views::checkPcImage(AddressPcFile, nullptr, 100, Current, records),
              PcImageCheck::Rejected);
}

TEST(PcFileImageTest, OpensUnderItsOwnPluginOrUnderAnyWhenWrittenWithoutOne)
{
    EXPECT_EQ(check(addressImage(1), 0x44500101), PcImageCheck::OtherPlugin);
    EXPECT_EQ(check(addressImage(1, 0), 0x44500101), PcImageCheck::Accepted);
    EXPECT_EQ(check(addressImage(1)), PcImageCheck::Accepted);
}

} // namespace
