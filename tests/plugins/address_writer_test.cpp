// The address writers' rules and the shared steps of SaveData and LoadData.
#include "address_book_fixture.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "plugins/core/plugin_interface.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

namespace fs = std::filesystem;

// The lines of a card file between the given card's BEGIN and END (index 0 first).
std::vector<std::string> cardLines(const std::string &text, size_t card)
{
    std::vector<std::string> lines;
    size_t seen = 0;
    bool inside = false;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find("\r\n", at);
        const std::string line
            = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? text.size() : end + 2;
        if (line == "BEGIN:VCARD")
            inside = seen++ == card;
        else if (line == "END:VCARD")
            inside = false;
        else if (inside)
            lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> linesStartingWith(const std::vector<std::string> &lines,
                                           const std::string &prefix)
{
    std::vector<std::string> found;
    for (const std::string &line : lines)
        if (line.rfind(prefix, 0) == 0)
            found.push_back(line);
    return found;
}

using Lines = std::vector<std::string>;

TEST(AddressWriterTest, WritesEmptyPhoneSlotsByTheModelsRule)
{
    struct Case
    {
        const char *model;
        const char *firstNumber; // "" leaves every slot empty
        Lines telLines;
    };
    const Case cases[] = {
        {"sh505i", "", {"TEL;VOICE:", "TEL;VOICE:", "TEL;VOICE:"}},
        {"sh505i", "123", {"TEL;VOICE:123"}},
        {"n505i", "", {"TEL;VOICE:", "TEL;VOICE:", "TEL;VOICE:", "TEL;VOICE:"}},
        {"p505i", "", {"TEL;CELL:"}},
        {"f505i", "", {"TEL:"}},
        {"f505i", "123", {"TEL;CELL:123"}},
        {"so505i", "", {"TEL:"}},
        {"d505i", "123", {"TEL;VOICE:123"}},
    };
    for (const Case &c : cases) {
        CardFolder folder(c.model);
        AddressRecord entry = addressRecord(20, "x");
        std::strcpy(entry.phones[0].number, c.firstNumber);
        ASSERT_EQ(folder.save({addressRecord(OWNER_MEMORY_NUMBER), entry}), 0) << c.model;
        const std::string text = readFile(folder.cardPath());
        const size_t card
            = std::string(c.model) == "so505i" || std::string(c.model) == "d505i" ? 0 : 1;
        EXPECT_EQ(linesStartingWith(cardLines(text, card), "TEL"), c.telLines)
            << c.model << " \"" << c.firstNumber << "\"";
    }
}

TEST(AddressWriterTest, WritesAnEmptyShSlotOnlyBeforeTheFirstNumber)
{
    CardFolder sh("sh505i");
    AddressRecord entry = addressRecord(20, "x");
    std::strcpy(entry.phones[1].number, "222");
    entry.phones[1].icon = 9; // outside the list: written as VOICE
    ASSERT_EQ(sh.save({addressRecord(OWNER_MEMORY_NUMBER), entry}), 0);
    EXPECT_EQ(linesStartingWith(cardLines(readFile(sh.cardPath()), 1), "TEL"),
              (Lines{"TEL;VOICE:", "TEL;VOICE:222"}));
}

TEST(AddressWriterTest, WritesGroupAndMemoryNumbersAsTheModelKeepsThem)
{
    struct Case
    {
        const char *model;
        int32_t group;
        Lines expected; // lines of the entry card beginning with "X-GNO" or "X-NO"
    };
    const Case cases[] = {
        {"sh505i", -1, {"X-GNO:0", "X-NO:20"}},
        {"sh505i", 35, {"X-GNO:35", "X-NO:20"}},
        {"so505i", 9, {"X-GNO:9"}},
        {"so505i", 10, {"X-GNO:0"}},
        {"n505i", 19, {"X-GNO:19"}},
        {"n505i", 20, {"X-GNO:0"}},
        {"f505i", 29, {"X-GNO:29", "X-NO:20"}},
        {"f505i", 30, {"X-GNO:0", "X-NO:20"}},
        {"p505i", 5, {}},
    };
    for (const Case &c : cases) {
        CardFolder folder(c.model);
        AddressRecord entry = addressRecord(20, "x");
        entry.groupNumber = c.group;
        ASSERT_EQ(folder.save({addressRecord(OWNER_MEMORY_NUMBER), entry}), 0);
        const std::string text = readFile(folder.cardPath());
        const size_t card = std::string(c.model) == "so505i" ? 0 : 1;
        Lines found = linesStartingWith(cardLines(text, card), "X-GNO");
        const Lines numbers = linesStartingWith(cardLines(text, card), "X-NO:");
        found.insert(found.end(), numbers.begin(), numbers.end());
        EXPECT_EQ(found, c.expected) << c.model << " group " << c.group;
    }
}

TEST(AddressWriterTest, WritesTheOwnersMemoryNumberAsAnEmptyValue)
{
    CardFolder sh("sh505i");
    ASSERT_EQ(sh.save({addressRecord(OWNER_MEMORY_NUMBER), addressRecord(1)}), 0);
    EXPECT_EQ(linesStartingWith(cardLines(readFile(sh.cardPath()), 0), "X-NO"), Lines{"X-NO:"});
}

TEST(AddressWriterTest, FoldsAQuotedPrintableNoteAtWidth72CountingThePropertyName)
{
    CardFolder sh("sh505i");
    AddressRecord owner = addressRecord(OWNER_MEMORY_NUMBER);
    std::strcpy(owner.note, "first line\r\nsecond line that is long enough to need a second "
                            "folded line");
    ASSERT_EQ(sh.save({owner, addressRecord(1)}), 0);
    const Lines lines = cardLines(readFile(sh.cardPath()), 0);
    const Lines expected
        = {"NOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:first=20line=0D=0Asecon=",
           "d=20line=20that=20is=20long=20enough=20to=20need=20a=20second=20folded=20=", "line"};
    const auto note = std::find(lines.begin(), lines.end(), expected[0]);
    ASSERT_NE(note, lines.end());
    EXPECT_EQ(Lines(note, note + 3), expected);
    EXPECT_STREQ(sh.loadCardFile().at(0).note, owner.note);
}

TEST(AddressWriterTest, RequiresTheOwnerFirstWhereTheModelSaysSo)
{
    struct Case
    {
        const char *model;
        int32_t code;
    };
    const Case cases[] = {
        {"sh505i", PLUGIN_NO_OWNER_FIRST}, {"p505i", PLUGIN_NO_ENTRY}, {"n505i", PLUGIN_NO_ENTRY},
        {"f505i", PLUGIN_NO_ENTRY},        {"so505i", PLUGIN_OK},      {"d505i", PLUGIN_OK},
    };
    for (const Case &c : cases) {
        CardFolder folder(c.model);
        writeFile(folder.cardPath(), "old");
        EXPECT_EQ(folder.save({addressRecord(3), addressRecord(OWNER_MEMORY_NUMBER)}), c.code)
            << c.model;
        EXPECT_EQ(folder.plugin().getPluginLastError(), c.code);
        EXPECT_EQ(fs::exists(folder.cardPath()), c.code == PLUGIN_OK) << c.model;
    }
}

TEST(AddressWriterTest, LeavesTheOwnerOutWhereTheModelHasNone)
{
    CardFolder so("so505i");
    EXPECT_EQ(so.save({addressRecord(OWNER_MEMORY_NUMBER, "me")}), PLUGIN_NO_ENTRY);
    EXPECT_FALSE(fs::exists(so.cardPath()));
}

TEST(AddressWriterTest, SkipsRecordsOfOtherKindsAlongTheChain)
{
    CardFolder d("d505i");
    AddressRecord other = addressRecord(11, "other");
    other.header.kind = KIND_SCHEDULE;
    ASSERT_EQ(d.save({addressRecord(10, "a"), other, addressRecord(12, "b")}), 0);
    const auto loaded = d.loadCardFile();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_STREQ(loaded[0].name, "a");
    EXPECT_STREQ(loaded[1].name, "b");
}

TEST(AddressWriterTest, NeverReadsPastAnUnterminatedField)
{
    CardFolder d("d505i");
    AddressRecord entry = addressRecord(10);
    std::memset(entry.name, 'n', sizeof entry.name);
    std::memset(entry.reading, 'r', sizeof entry.reading);
    ASSERT_EQ(d.save({entry}), 0);
    const auto loaded = d.loadCardFile();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(std::string(loaded[0].name), std::string(63, 'n'));
}

TEST(SaveDataTest, RefusesAChainThatRunsInACircle)
{
    CardFolder d("d505i");
    std::vector<AddressRecord> records = {addressRecord(10), addressRecord(11)};
    ChainRecords(&records[0], &records[1]);
    ChainRecords(&records[1], &records[0]);
    EXPECT_EQ(d.plugin().saveData(KIND_ADDRESS, d.cardPath().c_str(), records.data()),
              PLUGIN_BAD_ARGUMENT);
    EXPECT_FALSE(fs::exists(d.cardPath()));
}

TEST(SaveDataTest, LeavesTheCardUntouchedForAKindWithoutWriter)
{
    for (int32_t kind : {int32_t{KIND_MAIL}, int32_t{5}}) {
        CardFolder p("p505i");
        writeFile(p.cardPath(), "kept");
        AddressRecord owner = addressRecord(OWNER_MEMORY_NUMBER);
        EXPECT_EQ(p.plugin().saveData(kind, p.cardPath().c_str(), &owner), PLUGIN_NO_ENTRY);
        EXPECT_EQ(p.plugin().getPluginLastError(), PLUGIN_NO_ENTRY);
        EXPECT_EQ(readFile(p.cardPath()), "kept");
    }
}

TEST(SaveDataTest, ReportsAFolderThatCannotTakeTheFile)
{
    CardFolder p("p505i");
    AddressRecord owner = addressRecord(OWNER_MEMORY_NUMBER);
    const std::string path = p.file("missing/PIM00001.VCF");
    EXPECT_EQ(p.plugin().saveData(KIND_ADDRESS, path.c_str(), &owner), PLUGIN_CANNOT_OPEN);
}

TEST(SaveDataTest, FailsAndRemovesTheFileWhenTheCardRunsFull)
{
    CardFolder p("p505i");
    std::vector<AddressRecord> book(40, addressRecord(20, std::string(60, 'x')));
    book[0].memoryNumber = OWNER_MEMORY_NUMBER;
    const pid_t child = ::fork();
    if (child == 0) {
        // A card with room for 1000 bytes only.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const int32_t result = p.save(book);
        ::_exit(result == PLUGIN_NO_ENTRY && !fs::exists(p.cardPath()) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

class ManagementFileTest : public testing::Test
{
protected:
    CardFolder sh{"sh505i"};
};

TEST_F(ManagementFileTest, IsNeededBesideTheCardFileForLoadAndSave)
{
    fs::remove(sh.file("PIM_DATA.PIM"));
    writeFile(sh.cardPath(), "untouched");
    EXPECT_EQ(sh.plugin().loadData(KIND_ADDRESS, sh.cardPath().c_str()), nullptr);
    EXPECT_EQ(sh.plugin().getPluginLastError(), PLUGIN_NO_MANAGEMENT_FILE);
    EXPECT_EQ(sh.save({addressRecord(OWNER_MEMORY_NUMBER), addressRecord(1)}),
              PLUGIN_NO_MANAGEMENT_FILE);
    EXPECT_EQ(readFile(sh.cardPath()), "untouched");
}

TEST_F(ManagementFileTest, IsFoundWhateverTheLetterCaseOfItsName)
{
    fs::remove(sh.file("PIM_DATA.PIM"));
    sh.createManagementFile("pim_data.Pim");
    ASSERT_EQ(sh.save({addressRecord(OWNER_MEMORY_NUMBER), addressRecord(1)}), 0);
    EXPECT_EQ(sh.loadCardFile().size(), 2u);
    EXPECT_FALSE(fs::exists(sh.file("PIM_DATA.PIM")));
}

TEST_F(ManagementFileTest, RegistersTheWrittenAddressBook)
{
    ASSERT_EQ(sh.save({addressRecord(OWNER_MEMORY_NUMBER), addressRecord(1)}), 0);
    const std::string management = readFile(sh.file("PIM_DATA.PIM"));
    ASSERT_EQ(management.size(), 16u + 128u);
    const std::string slot = management.substr(16);
    EXPECT_EQ(slot.substr(0, 4), std::string("\x01\x10\x00\x01", 4)); // kind marker, number 1
    EXPECT_EQ(slot.substr(8, 2), std::string("\x00\x01", 2));
    EXPECT_STREQ(slot.c_str() + 10, "2.1");
    EXPECT_EQ(slot.substr(18, 2), "\x01\x02");
    EXPECT_STREQ(slot.c_str() + 52, "phone_sh505i");
    EXPECT_STREQ(slot.c_str() + 70, "ja");
}

TEST_F(ManagementFileTest, FailedUpdateFailsTheSaveAndRemovesTheCardFile)
{
    // The update cannot number a file whose name holds no digit 1-9.
    AddressRecord records[2] = {addressRecord(OWNER_MEMORY_NUMBER), addressRecord(1)};
    ChainRecords(&records[0], &records[1]);
    const std::string path = sh.file("PIM00000.VCF");
    EXPECT_EQ(sh.plugin().saveData(KIND_ADDRESS, path.c_str(), records), PLUGIN_FILE_POSITION);
    EXPECT_FALSE(fs::exists(path));
}

} // namespace
