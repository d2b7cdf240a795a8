// The address loaders' rules, card by card.
#include "address_book_fixture.h"

#include "common/data_kind.h"
#include "plugins/core/plugin_interface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testing_support;

namespace {

// An SH505i backup card with the given lines between VERSION and END.
std::vector<std::string> shCard(const std::vector<std::string> &body)
{
    std::vector<std::string> lines = {"BEGIN:VCARD", "VERSION:2.1"};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back("END:VCARD");
    return lines;
}

std::vector<std::string> joined(const std::vector<std::vector<std::string>> &cards)
{
    std::vector<std::string> lines;
    for (const auto &card : cards)
        lines.insert(lines.end(), card.begin(), card.end());
    return lines;
}

class AddressLoaderTest : public testing::Test
{
protected:
    CardFolder sh{"sh505i"};
};

TEST_F(AddressLoaderTest, ShTakesOnlyBackupCardsWithAMemoryNumber)
{
    const auto loaded = sh.load(cardText(joined({
        shCard({"N:Owner;;;;", "X-NO:", "X-SH-CATEGORIES:BACKUP"}),
        shCard({"N:NoMark;;;;", "X-NO:3"}),
        shCard({"N:NoNumber;;;;", "X-SH-CATEGORIES:BACKUP"}),
        {"BEGIN:VCARD", "VERSION:3.0", "N:OldVersion", "X-NO:4", "X-SH-CATEGORIES:BACKUP",
         "END:VCARD"},
        shCard({"N:Kept;;;;", "X-NO:7", "X-GNO:2", "X-SH-CATEGORIES:BACKUP"}),
    })));
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(sh.plugin().getPluginLastError(), 0);
    EXPECT_STREQ(loaded[0].name, "Owner");
    EXPECT_EQ(loaded[0].memoryNumber, OWNER_MEMORY_NUMBER);
    EXPECT_EQ(loaded[0].groupNumber, -1);
    EXPECT_STREQ(loaded[1].name, "Kept");
    EXPECT_EQ(loaded[1].memoryNumber, 7);
    EXPECT_EQ(loaded[1].groupNumber, 2);
}

TEST_F(AddressLoaderTest, CutsTheLastFourNameComponents)
{
    struct Case
    {
        const char *line;
        const char *name;
    };
    const Case cases[] = {
        {"N:Yamada;Taro;;;", "Yamada"},
        {"N;CHARSET=SHIFT_JIS:Yamada;;;;", "Yamada"},
        {"N:a;b;c;d;e;f", "a;b"},
        {"N:Single", "Single"},
        {"N;ENCODING=QUOTED-PRINTABLE:=41=42;;;;", "AB"},
        {"N;CHARSET=ISO-2022-JP:\x1B$B0!\x1B(B;;;;", "\x88\x9F"},
    };
    for (const Case &c : cases) {
        const auto loaded = sh.load(cardText(joined({
            shCard({"X-NO:", "X-SH-CATEGORIES:BACKUP"}),
            shCard({c.line, "X-NO:1", "X-SH-CATEGORIES:BACKUP"}),
        })));
        ASSERT_EQ(loaded.size(), 2u) << c.line;
        EXPECT_STREQ(loaded[1].name, c.name) << c.line;
    }
}

TEST_F(AddressLoaderTest, LeavesAnOverLongNameEmpty)
{
    const auto loaded = sh.load(cardText(joined({
        shCard({"N:" + std::string(64, 'x') + ";;;;", "X-NO:", "X-SH-CATEGORIES:BACKUP"}),
        shCard({"N:" + std::string(63, 'y') + ";;;;", "X-NO:1", "X-SH-CATEGORIES:BACKUP"}),
    })));
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_STREQ(loaded[0].name, "");
    EXPECT_EQ(std::string(loaded[1].name), std::string(63, 'y'));
}

TEST_F(AddressLoaderTest, JoinsTheSoftBreaksOfAQuotedPrintableNote)
{
    const auto loaded = sh.load(cardText(joined({
        shCard({"X-NO:", "X-SH-CATEGORIES:BACKUP"}),
        shCard({"NOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=93=FA=96{=", "=0D=0Aline two=",
                "", "X-NO:1", "X-SH-CATEGORIES:BACKUP"}),
    })));
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_STREQ(loaded[1].note, "\x93\xFA\x96{\r\nline two");
}

TEST_F(AddressLoaderTest, ShTakesTheTelIconFromTheWholeParameterText)
{
    const auto loaded = sh.load(cardText(joined({
        shCard({"X-NO:", "X-SH-CATEGORIES:BACKUP"}),
        shCard({"TEL;HOME;VOICE:1", "TEL;WORK:2", "TEL;FAX:3", "TEL:4", "TEL;CELL:5",
                "EMAIL;INTERNET:a@b", "EMAIL:c@d", "EMAIL:e@f", "EMAIL:g@h", "X-NO:1",
                "X-SH-CATEGORIES:BACKUP"}),
    })));
    ASSERT_EQ(loaded.size(), 2u);
    const AddressRecord &card = loaded[1];
    const char *numbers[] = {"1", "2", "3", "4"};
    const int32_t icons[] = {2, 0, 4, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(card.phones[i].number, numbers[i]);
        EXPECT_EQ(card.phones[i].icon, icons[i]) << i;
    }
    EXPECT_STREQ(card.mails[2].address, "e@f");
    EXPECT_STREQ(card.mails[3].address, "");
}

TEST_F(AddressLoaderTest, FailsWithACodeOnFilesWithoutEnoughCards)
{
    struct Case
    {
        const char *model;
        std::string text;
        int32_t code;
    };
    const std::string one = cardText(shCard({"X-NO:", "X-SH-CATEGORIES:BACKUP"}));
    const std::string unended = cardText({"BEGIN:VCARD", "VERSION:2.1", "N:x"});
    const Case cases[] = {
        {"sh505i", one, PLUGIN_NO_ENTRY},
        {"p505i", one, PLUGIN_NO_ENTRY},
        {"n505i", one, PLUGIN_NO_ENTRY},
        {"f505i", one, PLUGIN_NO_ENTRY},
        {"so505i", one, PLUGIN_OK},
        {"d505i", one, PLUGIN_OK},
        {"so505i", unended, PLUGIN_NO_ENTRY},
        {"d505i", "", PLUGIN_NO_ENTRY},
        {"d505i", cardText({"END:VCARD", "BEGIN:VCARD"}), PLUGIN_NO_ENTRY},
        // Cards counted but none taken.
        {"so505i", cardText({"BEGIN:VCARD", "VERSION:3.0", "END:VCARD"}), PLUGIN_NO_ENTRY},
    };
    for (const Case &c : cases) {
        CardFolder folder(c.model);
        const auto loaded = folder.load(c.text);
        EXPECT_EQ(folder.plugin().getPluginLastError(), c.code) << c.model << "\n" << c.text;
        EXPECT_EQ(loaded.empty(), c.code != PLUGIN_OK) << c.model;
    }
}

TEST_F(AddressLoaderTest, NumbersCardsInFileOrderWrappingAtTheCapacity)
{
    // P505i: the owner, then 10 .. 799 and on from 0.
    CardFolder p("p505i");
    std::vector<std::string> lines;
    for (int i = 0; i < 1 + 790 + 2; ++i)
        lines.insert(lines.end(), {"BEGIN:VCARD", "VERSION:2.1", "END:VCARD"});
    const auto loaded = p.load(cardText(lines));
    ASSERT_EQ(loaded.size(), 793u);
    EXPECT_EQ(loaded[0].memoryNumber, OWNER_MEMORY_NUMBER);
    EXPECT_EQ(loaded[1].memoryNumber, 10);
    EXPECT_EQ(loaded[790].memoryNumber, 799);
    EXPECT_EQ(loaded[791].memoryNumber, 0);
    EXPECT_EQ(loaded[792].memoryNumber, 1);
}

TEST_F(AddressLoaderTest, F505iMakesTheFirstCardTheOwnerAndDropsLaterCardsWithoutNumber)
{
    CardFolder f("f505i");
    const auto card = [](const std::string &name, const std::string &number) {
        std::vector<std::string> lines
            = {"BEGIN:VCARD", "VERSION:2.1", "N:" + name, "X-FUJITSU-SC:"};
        if (!number.empty())
            lines.push_back("X-NO:" + number);
        lines.push_back("END:VCARD");
        return lines;
    };
    const auto loaded = f.load(cardText(joined({
        card("First", "5"),
        card("NoNumber", ""),
        {"BEGIN:VCARD", "VERSION:2.1", "N:NoMark", "X-NO:6", "END:VCARD"},
        card("Second", "8"),
    })));
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_STREQ(loaded[0].name, "First");
    EXPECT_EQ(loaded[0].memoryNumber, OWNER_MEMORY_NUMBER);
    EXPECT_STREQ(loaded[1].name, "Second");
    EXPECT_EQ(loaded[1].memoryNumber, 8);
}

TEST_F(AddressLoaderTest, P505iReadsIconsAndLampsFromTheirOwnLines)
{
    CardFolder p("p505i");
    const auto loaded = p.load(cardText({
        "BEGIN:VCARD",        "VERSION:2.1", "END:VCARD",
        "BEGIN:VCARD",        "VERSION:2.1", "TEL;CELL:1",
        "X-DIF:8005",         "TEL;CELL:2",  "X-DIF:9000",
        "TEL;CELL:3",         "X-DIF:12",
        "X-DIF:8001", // follows no TEL line
        "EMAIL;INTERNET:a@b", "X-MIF:07",    "EMAIL;INTERNET:c@d",
        "X-MIF:99",           "X-LAMP:0B04", "X-NOTE;CHARSET=SHIFT_JIS:memo",
        "END:VCARD",          "BEGIN:VCARD", "VERSION:2.1",
        "X-LAMP:8007",        "END:VCARD",   "BEGIN:VCARD",
        "VERSION:2.1",        "X-LAMP:zz",   "END:VCARD",
    }));
    ASSERT_EQ(loaded.size(), 4u);
    EXPECT_EQ(loaded[1].phones[0].icon, 5);
    EXPECT_EQ(loaded[1].phones[1].icon, 15);
    EXPECT_EQ(loaded[1].phones[2].icon, 0);
    EXPECT_EQ(loaded[1].mails[0].icon, 7);
    EXPECT_EQ(loaded[1].mails[1].icon, 15);
    EXPECT_EQ(loaded[1].illumination, 8 * 256 + 1);
    EXPECT_STREQ(loaded[1].note, "memo");
    EXPECT_EQ(loaded[2].illumination, 4);
    EXPECT_EQ(loaded[3].illumination, 0);
}

TEST_F(AddressLoaderTest, N505iReadsThePostalFieldsAndMailIconsItsWriterPutsOut)
{
    CardFolder n("n505i");
    const auto loaded = n.load(cardText({
        "BEGIN:VCARD",
        "VERSION:2.1",
        "END:VCARD",
        "BEGIN:VCARD",
        "VERSION:2.1",
        "ADR;CHARSET=SHIFT_JIS;HOME:;;Chiyoda 1-2;;;100-0001;",
        "EMAIL;X-NEC-IMODE:a@b",
        "EMAIL;WORK:c@d",
        "EMAIL;UNKNOWN:e@f",
        "END:VCARD",
    }));
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_STREQ(loaded[1].postalAddress, "Chiyoda 1-2");
    EXPECT_STREQ(loaded[1].postalCode, "100-0001");
    EXPECT_EQ(loaded[1].mails[0].icon, 4);
    EXPECT_EQ(loaded[1].mails[1].icon, 2);
    EXPECT_EQ(loaded[1].mails[2].icon, 0);
}

TEST_F(AddressLoaderTest, SecondComponentAddressNeedsALeadingSemicolon)
{
    CardFolder d("d505i");
    const auto loaded = d.load(cardText({
        "BEGIN:VCARD",
        "VERSION:2.1",
        "ADR;DOM;HOME:;Street 1;;;;;",
        "X-GNO:4",
        "END:VCARD",
        "BEGIN:VCARD",
        "VERSION:2.1",
        "ADR:Box;Street 2;;;;;",
        "END:VCARD",
    }));
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_STREQ(loaded[0].postalAddress, "Street 1");
    EXPECT_EQ(loaded[0].memoryNumber, 10);
    EXPECT_EQ(loaded[0].groupNumber, 4);
    EXPECT_STREQ(loaded[1].postalAddress, "");
    EXPECT_EQ(loaded[1].memoryNumber, 11);
}

TEST(AddressLoaderRobustnessTest, MalformedFilesFailWithACode)
{
    const std::string card = cardText(
        {"BEGIN:VCARD", "VERSION:2.1", "N:x", "X-NO:1", "X-SH-CATEGORIES:BACKUP", "END:VCARD"});
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) & 0xFF);
    const std::string cases[] = {
        junk,
        std::string(3 * 1024 * 1024, 'N'),
        card.substr(0, card.size() - 5),
        std::string("BEGIN:VCARD\0\r\nEND:VCARD\r\n", 24) + "BEGIN:VCARD\r\nEND",
        "BEGIN:VCARD\rVERSION:2.1\rEND:VCARD\r",
    };
    for (const char *model : {"sh505i", "p505i", "so505i", "d505i", "n505i", "f505i"}) {
        CardFolder folder(model);
        for (const std::string &text : cases) {
            EXPECT_TRUE(folder.load(text).empty()) << model;
            EXPECT_EQ(folder.plugin().getPluginLastError(), PLUGIN_NO_ENTRY) << model;
        }
    }
}

TEST(AddressLoaderRobustnessTest, ReadsCardsAfterAnOverLongLine)
{
    CardFolder d("d505i");
    const auto loaded
        = d.load(cardText({"BEGIN:VCARD", "VERSION:2.1", "NOTE:" + std::string(100000, 'x'),
                           "N:After;;;;", "END:VCARD"}));
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_STREQ(loaded[0].name, "After");
}

TEST(LoadDataTest, RefusesAKindWithoutLoader)
{
    CardFolder p("p505i");
    writeFile(p.cardPath(), cardText({"BEGIN:VCARD", "VERSION:2.1", "END:VCARD"}));
    for (int32_t kind : {int32_t{999}, int32_t{1004}}) {
        EXPECT_EQ(p.plugin().loadData(kind, p.cardPath().c_str()), nullptr);
        EXPECT_EQ(p.plugin().getPluginLastError(), PLUGIN_BAD_ARGUMENT);
    }
}

} // namespace
