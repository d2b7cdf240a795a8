#include "codec/handset_kit.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Template = std::array<uint8_t, 128>;

constexpr size_t kHeader = 16;
constexpr size_t kSlot = 128;

uint16_t word(const Bytes &bytes, size_t offset)
{
    return static_cast<uint16_t>((bytes.at(offset) << 8) | bytes.at(offset + 1));
}

void setWord(Bytes &bytes, size_t offset, uint16_t value)
{
    bytes.at(offset) = static_cast<uint8_t>(value >> 8);
    bytes.at(offset + 1) = static_cast<uint8_t>(value);
}

size_t slotOffset(size_t k)
{
    return kHeader + kSlot * (k - 1);
}

std::string text(const Bytes &bytes, size_t offset)
{
    return std::string(reinterpret_cast<const char *>(bytes.data() + offset));
}

Template addressTemplate()
{
    Template t {};
    t[1] = 0x02;
    t[8] = 0x12;
    t[9] = 0x34;
    std::memcpy(&t[10], "VCARD", 5);
    t[18] = 0x56;
    t[19] = 0x78;
    std::memcpy(&t[52], "SH505i", 6);
    std::memcpy(&t[70], "ADR", 3);
    // Bytes the function owns: the template's values there must not reach the file.
    t[2] = t[4] = t[6] = t[30] = t[100] = 0xEE;
    return t;
}

// Checks the rules every management file keeps after an update: each slot carries its own
// number, used slots form one chain in slot order, free slots have no previous, and the header
// counts the slots and the used ones.
void expectConsistent(const Bytes &file)
{
    ASSERT_GE(file.size(), kHeader);
    const uint16_t slotCount = word(file, 0);
    ASSERT_EQ(word(file, 6), slotCount);
    ASSERT_GE(file.size(), slotOffset(slotCount + 1));
    std::vector<uint16_t> used;
    for (uint16_t k = 1; k <= slotCount; ++k) {
        const size_t at = slotOffset(k);
        EXPECT_EQ(word(file, at + 2), k);
        if (word(file, at) != 0)
            used.push_back(k);
        else
            EXPECT_EQ(word(file, at + 4), 0) << "free slot " << k;
    }
    EXPECT_EQ(word(file, 2), used.size());
    for (size_t i = 0; i < used.size(); ++i) {
        const size_t at = slotOffset(used[i]);
        EXPECT_EQ(word(file, at + 4), i == 0 ? 0 : used[i - 1]) << "previous of " << used[i];
        EXPECT_EQ(word(file, at + 6), i + 1 == used.size() ? 0 : used[i + 1])
            << "next of " << used[i];
    }
}

class UpdatePIMDataFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const char *tz = std::getenv("TZ");
        m_savedTz = tz ? std::optional<std::string>(tz) : std::nullopt;
        // Japan time, fixed offset, no zone database needed.
        setenv("TZ", "JST-9", 1);
        tzset();
    }

    void TearDown() override
    {
        if (m_savedTz)
            setenv("TZ", m_savedTz->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

    std::string managementPath() const { return m_dir.file("PIM_DATA.PIM"); }

    // A data file last written at the given Japan time.
    std::string dataFile(const std::string &name, int year = 2003, int month = 8, int day = 15,
                         int hour = 12, int minute = 34, int second = 56) const
    {
        const std::string path = m_dir.file(name);
        std::ofstream(path) << "BEGIN:VCARD\r\nEND:VCARD\r\n";
        std::tm local {};
        local.tm_year = year - 1900;
        local.tm_mon = month - 1;
        local.tm_mday = day;
        local.tm_hour = hour;
        local.tm_min = minute;
        local.tm_sec = second;
        const timespec times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
        EXPECT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
        return path;
    }

    int update(const std::string &data, const Template &t = addressTemplate()) const
    {
        return UpdatePIMDataFile(managementPath().c_str(), data.c_str(), t.data());
    }

    Bytes managementFile() const
    {
        std::ifstream in(managementPath(), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    void writeManagementFile(const Bytes &bytes) const
    {
        std::ofstream(managementPath(), std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    // A management file whose slots 1..count are free, except those listed as used.
    Bytes fileWithUsedSlots(uint16_t count, std::initializer_list<uint16_t> usedSlots) const
    {
        Bytes bytes(slotOffset(count + 1), 0);
        setWord(bytes, 0, count);
        setWord(bytes, 6, count);
        for (uint16_t k : usedSlots)
            setWord(bytes, slotOffset(k), 2);
        return bytes;
    }

    testing_support::TempDir m_dir;
    std::optional<std::string> m_savedTz;
};

TEST_F(UpdatePIMDataFileTest, CreatesTheManagementFileUpToTheNewSlot)
{
    ASSERT_EQ(update(dataFile("PIM00003.VCF")), 1);
    const Bytes file = managementFile();
    ASSERT_EQ(file.size(), kHeader + 3 * kSlot);
    EXPECT_EQ(word(file, 0), 3);
    EXPECT_EQ(word(file, 2), 1);
    EXPECT_EQ(word(file, 4), 1);
    EXPECT_EQ(word(file, 6), 3);
    EXPECT_TRUE(std::all_of(file.begin() + 8, file.begin() + 16, [](uint8_t b) { return !b; }));
    for (uint16_t k : {1, 2}) {
        Bytes expected(kSlot, 0);
        setWord(expected, 2, k);
        EXPECT_EQ(Bytes(file.begin() + slotOffset(k), file.begin() + slotOffset(k + 1)), expected);
    }
    expectConsistent(file);
}

TEST_F(UpdatePIMDataFileTest, FillsTheSlotFromTheTemplateAndTheFileTime)
{
    ASSERT_EQ(update(dataFile("PIM00001.VCF", 2003, 8, 15, 9, 5, 7)), 1);
    const Bytes file = managementFile();
    const Bytes slot(file.begin() + slotOffset(1), file.begin() + slotOffset(2));
    Bytes expected(kSlot, 0);
    expected[1] = 0x02;
    setWord(expected, 2, 1);
    expected[8] = 0x12;
    expected[9] = 0x34;
    std::memcpy(&expected[10], "VCARD", 5);
    expected[18] = 0x56;
    expected[19] = 0x78;
    std::memcpy(&expected[20], "2003-08-15T09:05:07+09:00", 25);
    std::memcpy(&expected[52], "SH505i", 6);
    setWord(expected, 68, 17);
    std::memcpy(&expected[70], "ADR", 3);
    std::memcpy(&expected[78], "datagr030815_0905", 17);
    EXPECT_EQ(slot, expected);
}

TEST_F(UpdatePIMDataFileTest, CutsTemplateTextsThatRunOutOfTheirZones)
{
    Template t = addressTemplate();
    std::memset(&t[10], 'A', 8);
    std::memset(&t[52], 'B', 16);
    std::memset(&t[70], 'C', 8);
    ASSERT_EQ(update(dataFile("PIM00001.VCF"), t), 1);
    const Bytes file = managementFile();
    const size_t at = slotOffset(1);
    EXPECT_EQ(text(file, at + 10), std::string(7, 'A'));
    EXPECT_EQ(word(file, at + 18), 0x5678);
    EXPECT_EQ(text(file, at + 52), std::string(15, 'B'));
    EXPECT_EQ(word(file, at + 68), 17);
    EXPECT_EQ(text(file, at + 70), std::string(7, 'C'));
}

TEST_F(UpdatePIMDataFileTest, LinksANewSlotBetweenItsNeighbours)
{
    writeManagementFile(fileWithUsedSlots(3, {1, 3}));
    ASSERT_EQ(update(dataFile("PIM00002.VCF")), 1);
    const Bytes file = managementFile();
    EXPECT_EQ(word(file, slotOffset(1) + 6), 2);
    EXPECT_EQ(word(file, slotOffset(2) + 4), 1);
    EXPECT_EQ(word(file, slotOffset(2) + 6), 3);
    EXPECT_EQ(word(file, slotOffset(3) + 4), 2);
    EXPECT_EQ(word(file, 2), 3);
    expectConsistent(file);
}

TEST_F(UpdatePIMDataFileTest, LinksTheLastUsedSlotToANewSlotBeyondIt)
{
    writeManagementFile(fileWithUsedSlots(2, {1}));
    ASSERT_EQ(update(dataFile("PIM00004.VCF")), 1);
    const Bytes file = managementFile();
    EXPECT_EQ(word(file, slotOffset(1) + 6), 4);
    EXPECT_EQ(word(file, slotOffset(4) + 4), 1);
    EXPECT_EQ(word(file, 0), 4);
    expectConsistent(file);
}

TEST_F(UpdatePIMDataFileTest, RegisteringAgainOnlyRefreshesTheTimeStamp)
{
    writeManagementFile(fileWithUsedSlots(3, {1, 3}));
    ASSERT_EQ(update(dataFile("PIM00002.VCF", 2003, 1, 1)), 1);
    Bytes first = managementFile();
    ASSERT_EQ(update(dataFile("PIM00002.VCF", 2004, 2, 2)), 1);
    Bytes second = managementFile();
    EXPECT_EQ(text(second, slotOffset(2) + 20), "2004-02-02T12:34:56+09:00");
    EXPECT_EQ(text(second, slotOffset(2) + 78), "datagr040202_1234");
    // Apart from the time stamps, nothing changes.
    for (Bytes *b : {&first, &second}) {
        std::fill_n(b->begin() + slotOffset(2) + 20, 26, 0);
        std::fill_n(b->begin() + slotOffset(2) + 78, 18, 0);
    }
    EXPECT_EQ(first, second);
}

TEST_F(UpdatePIMDataFileTest, FreeTemplateTakesItsSlotOutOfTheChain)
{
    writeManagementFile(fileWithUsedSlots(3, {1, 2, 3}));
    ASSERT_EQ(update(dataFile("PIM00002.VCF"), Template {}), 1);
    const Bytes file = managementFile();
    EXPECT_EQ(word(file, slotOffset(1) + 6), 3);
    EXPECT_EQ(word(file, slotOffset(3) + 4), 1);
    EXPECT_EQ(word(file, slotOffset(2) + 6), 3);
    EXPECT_EQ(word(file, 2), 2);
    expectConsistent(file);
}

TEST_F(UpdatePIMDataFileTest, KeepsHeaderWordsAndFreeSlotsItDoesNotOwn)
{
    Bytes before = fileWithUsedSlots(2, {});
    setWord(before, 4, 0x0A0B);
    before[12] = 0x77;
    before[slotOffset(1) + 4] = 9;
    before[slotOffset(1) + 50] = 0x55;
    writeManagementFile(before);
    ASSERT_EQ(update(dataFile("PIM00002.VCF")), 1);
    const Bytes file = managementFile();
    EXPECT_EQ(word(file, 4), 0x0A0B);
    EXPECT_EQ(file[12], 0x77);
    EXPECT_EQ(word(file, slotOffset(1) + 4), 0);
    EXPECT_EQ(file[slotOffset(1) + 50], 0x55);
}

TEST_F(UpdatePIMDataFileTest, TakesTheSlotNumberFromTheFirstDigitOneToNine)
{
    const std::pair<const char *, uint16_t> cases[] = {
        {"PIM00010.VCF", 10}, {"PIM00003.VCF", 3}, {"X7Y2.VCF", 7}, {"PIM00120", 120}};
    for (const auto &[name, number] : cases) {
        std::remove(managementPath().c_str());
        ASSERT_EQ(update(dataFile(name)), 1) << name;
        const Bytes file = managementFile();
        EXPECT_EQ(word(file, 0), number) << name;
        EXPECT_NE(word(file, slotOffset(number)), 0) << name;
    }
}

TEST_F(UpdatePIMDataFileTest, FailsWithoutTouchingAnythingForABadDataFile)
{
    // No digit 1-9 in the name (a folder's digits do not count), a number beyond the slot
    // range, and a data file that does not exist.
    ::mkdir(m_dir.file("card5").c_str(), 0755);
    const std::string cases[] = {dataFile("PIM00000.VCF"), dataFile("PIM.VCF"),
                                 dataFile("card5/PIM.VCF"), dataFile("PIM99999.VCF"),
                                 dataFile("PIM65536.VCF"), m_dir.file("PIM00004.VCF")};
    for (const std::string &path : cases) {
        EXPECT_EQ(update(path), 0) << path;
        EXPECT_FALSE(std::ifstream(managementPath()).good()) << path;
    }
}

TEST_F(UpdatePIMDataFileTest, FailsWithoutWritingForAShortOrUnreadableManagementFile)
{
    Bytes cutSlot = fileWithUsedSlots(2, {1, 2});
    cutSlot.resize(slotOffset(2) + 60);
    const Bytes cases[] = {Bytes {}, Bytes(10, 0), cutSlot};
    for (const Bytes &content : cases) {
        writeManagementFile(content);
        EXPECT_EQ(update(dataFile("PIM00001.VCF")), 0) << content.size();
        EXPECT_EQ(managementFile(), content);
    }
    std::remove(managementPath().c_str());
    ::mkdir(managementPath().c_str(), 0755);
    EXPECT_EQ(update(dataFile("PIM00001.VCF")), 0);
}

TEST_F(UpdatePIMDataFileTest, FailsAtOnceWhileAnotherUpdateHoldsTheFile)
{
    writeManagementFile(fileWithUsedSlots(1, {1}));
    const int holder = ::open(managementPath().c_str(), O_RDWR);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    EXPECT_EQ(update(dataFile("PIM00002.VCF")), 0);
    ::close(holder);
    EXPECT_EQ(update(dataFile("PIM00002.VCF")), 1);
}

TEST_F(UpdatePIMDataFileTest, NullArgumentFails)
{
    const std::string data = dataFile("PIM00001.VCF");
    const Template t = addressTemplate();
    EXPECT_EQ(UpdatePIMDataFile(nullptr, data.c_str(), t.data()), 0);
    EXPECT_EQ(UpdatePIMDataFile(managementPath().c_str(), nullptr, t.data()), 0);
    EXPECT_EQ(UpdatePIMDataFile(managementPath().c_str(), data.c_str(), nullptr), 0);
}

TEST_F(UpdatePIMDataFileTest, ChainStaysConsistentThroughAnySequenceOfUpdates)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> number(1, 24);
    std::bernoulli_distribution freeing(0.2);
    for (int step = 0; step < 200; ++step) {
        const std::string data = dataFile("PIM" + std::to_string(number(random)) + ".VCF");
        ASSERT_EQ(update(data, freeing(random) ? Template {} : addressTemplate()), 1);
        expectConsistent(managementFile());
        if (HasFailure())
            FAIL() << "after step " << step;
    }
}

} // namespace
