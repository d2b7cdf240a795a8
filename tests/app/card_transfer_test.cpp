#include "app/card_transfer.h"

#include "app/commands.h"
#include "app/string_table.h"
#include "card_fakes.h"
#include "common/sjis_literal.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace app;
namespace fs = std::filesystem;
using platform::MessageAnswer;
using platform::MessageIcon;

// A card in a temporary folder, a scripted plug-in, a view per kind and every seam recorded.
// The limits come from a real model plug-in when a test asks for one.
class CardTransferTest : public testing::Test
{
protected:
    CardRoot root() const { return {card.path(), "CARD"}; }
    std::string pim() const { return card.path() + "/SD_PIM/"; }

    void cardFile(const std::string &path, const std::vector<CardEntry> &entries = {},
                  int error = 0)
    {
        const fs::path file = fs::path(card.path()) / path;
        fs::create_directories(file.parent_path());
        touchFile(file.string());
        plugin.files[file.filename().string()] = {entries, error};
    }

    // Makes the limits those of model ("DoCoMo SH505i" ...).
    void useModel(const std::string &model)
    {
        ASSERT_GT(models.discover(MODEL_PLUGIN_DIR), 0);
        ASSERT_TRUE(models.selectByModelName(model));
        limits.refill(models);
    }

    std::vector<std::string> shownTexts() const
    {
        std::vector<std::string> texts;
        for (const platform::Message &message : messages.shown)
            texts.push_back(message.text);
        return texts;
    }

    std::vector<std::string> cardFiles(const std::string &folder) const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    testing_support::TempDir card;
    FakeCardPlugin plugin;
    host::PluginHost models;
    host::KindLimitCache limits;
    ScriptedMessages messages;
    RecordingProgress progress;
    CountingBusyPointer busy;
    FixedCardChooser chooser;
    CardTransfer transfer{{plugin, limits, messages, progress, busy, chooser}};
    CardView address{KindAddress};
    CardView bookmarks{KindBookmark};
};

TEST_F(CardTransferTest, LoadReadsSubFoldersFirstAndKeepsTheLastFoldersRowsSelected)
{
    cardFile("SD_PIM/PIM00001.VCF", {{1, "Aoki"}, {2, "Baba"}});
    cardFile("SD_PIM/SUB/PIM00002.VCF", {{3, "Chiba"}});

    EXPECT_EQ(transfer.loadFromRoot(address, root()), 3);

    ASSERT_EQ(plugin.loaded.size(), 2u);
    EXPECT_EQ(plugin.loaded[0], pim() + "SUB/PIM00002.VCF");
    EXPECT_EQ(plugin.loaded[1], pim() + "PIM00001.VCF");
    EXPECT_EQ(address.selectedNames(), (std::vector<std::string>{"Aoki", "Baba"}));
    EXPECT_EQ(address.calls, std::vector<std::string>{"refresh"});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, sjis("3 件、読み込みました。"));
    EXPECT_EQ(messages.shown[0].caption, text(TextId::CaptionInformation));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"open 61216 61217", "start 2", "pos 1",
                                                        "pos 2", "finish"}));
    EXPECT_EQ(busy.depth, 0);
    EXPECT_GE(busy.begun, 1);
}

TEST_F(CardTransferTest, LoadFindsFoldersAndFilesWhateverTheirLetterCase)
{
    // A copy of a card whose copier lower-cased the names; other kinds' files stay unread.
    cardFile("sd_pim/pim00001.vcf", {{1, "Aoki"}});
    cardFile("sd_pim/PIM00002.VCS", {{2, "Schedule"}});
    fs::create_directories(card.path() + "/sd_pim/PIM00003.VCF");

    EXPECT_EQ(transfer.loadFromRoot(address, root()), 1);
    EXPECT_EQ(plugin.loaded, std::vector<std::string>{card.path() + "/sd_pim/pim00001.vcf"});
}

TEST_F(CardTransferTest, LoadOfAnEmptyCardNamesTheCard)
{
    fs::create_directories(pim());

    EXPECT_EQ(transfer.loadFromRoot(address, root()), -1);
    EXPECT_EQ(transfer.loadFromRoot(address, {card.path(), ""}), -1);

    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, sjis("CARDには対象ﾌｧｲﾙが存在しませんでした。"));
    EXPECT_EQ(messages.shown[0].caption, text(TextId::CaptionInformation));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(messages.shown[1].text, card.path() + sjis("には対象ﾌｧｲﾙが存在しませんでした。"));
    EXPECT_TRUE(progress.calls.empty());
    EXPECT_TRUE(plugin.loaded.empty());
}

// A card file the plug-in cannot read, met before or after one it can, in one folder.
struct UnreadableCase
{
    const char *name;
    std::vector<FakeCardPlugin::Load> script;
    std::vector<CardEntry> held;
    int result;
    size_t loads;
    const char *message;
};

void PrintTo(const UnreadableCase &c, std::ostream *out)
{
    *out << c.name;
}

class UnreadableFileTest : public CardTransferTest,
                           public testing::WithParamInterface<UnreadableCase>
{
};

TEST_P(UnreadableFileTest, StopsOnlyBeforeAnythingWasMerged)
{
    const UnreadableCase &c = GetParam();
    cardFile("SD_PIM/PIM00001.VCF");
    cardFile("SD_PIM/PIM00002.VCF");
    plugin.loadScript.assign(c.script.begin(), c.script.end());
    address.hold(c.held);

    EXPECT_EQ(transfer.loadFromRoot(address, root()), c.result);
    EXPECT_EQ(plugin.loaded.size(), c.loads);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.message);
    if (c.result < 0) {
        EXPECT_EQ(messages.shown[0].caption, text(TextId::CaptionError));
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
        EXPECT_EQ(progress.calls.back(), "close");
        EXPECT_EQ(address.entries.size(), c.held.size()) << "nothing merged";
    } else {
        EXPECT_EQ(progress.calls.back(), "finish");
    }
}

const CardEntry Aoki{1, "Aoki"};

INSTANTIATE_TEST_SUITE_P(
    CardTransferTest, UnreadableFileTest,
    testing::Values(UnreadableCase{"FirstCannotBeOpened",
                                   {{{}, -1000}, {{Aoki}, 0}},
                                   {},
                                   -1,
                                   1,
                                   sjis("ﾌｧｲﾙが開けませんでした。")},
                    UnreadableCase{"LaterCannotBeOpened",
                                   {{{Aoki}, 0}, {{}, -1000}},
                                   {},
                                   1,
                                   2,
                                   sjis("1 件、読み込みました。")},
                    UnreadableCase{"FirstWithoutEntries",
                                   {{{}, -999}, {{Aoki}, 0}},
                                   {},
                                   1,
                                   2,
                                   sjis("1 件、読み込みました。")},
                    UnreadableCase{"FirstFailsWithoutCode",
                                   {{{}, 0}, {{Aoki}, 0}},
                                   {},
                                   1,
                                   2,
                                   sjis("1 件、読み込みました。")},
                    // A first file whose entries were all held already merged nothing.
                    UnreadableCase{"LaterAfterOnlyDuplicates",
                                   {{{Aoki}, 0}, {{}, -1000}},
                                   {Aoki},
                                   -1,
                                   2,
                                   sjis("ﾌｧｲﾙが開けませんでした。")}),
    [](const testing::TestParamInfo<UnreadableCase> &info) { return info.param.name; });

TEST_F(CardTransferTest, LoadFailureAfterASubFolderMergedIsSkipped)
{
    cardFile("SD_PIM/SUB/PIM00001.VCF", {Aoki});
    cardFile("SD_PIM/PIM00002.VCF", {}, -1000);

    EXPECT_EQ(transfer.loadFromRoot(address, root()), 1);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{sjis("1 件、読み込みました。")});
}

TEST_F(CardTransferTest, LoadErrorsTellTheirCode)
{
    const struct
    {
        int code;
        std::string message;
    } cases[] = {
        {-32768, sjis("この機能は現在設定されている携帯電話では使用できません。")},
        {-9999, sjis("ﾒﾓﾘ取得に失敗しました。")},
        {-1001, sjis("ﾌｧｲﾙ操作中に失敗しました。")},
        {-1000, sjis("ﾌｧｲﾙが開けませんでした。")},
        {-199, text(TextId::ErrorNoManagementFile)},
        {-1, sjis("回避不能なｴﾗｰが発生しました。")},
        // Codes the table does not list: never an empty box.
        {-100, sjis("回避不能なｴﾗｰが発生しました。\n\nｴﾗｰ番号：-100")},
        {-5, sjis("回避不能なｴﾗｰが発生しました。\n\nｴﾗｰ番号：-5")},
    };
    cardFile("SD_PIM/PIM00001.VCF");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        messages.shown.clear();
        plugin.files["PIM00001.VCF"].error = c.code;
        EXPECT_EQ(transfer.loadFromRoot(address, root()), -1);
        EXPECT_EQ(shownTexts(), std::vector<std::string>{c.message});
    }
}

TEST_F(CardTransferTest, LoadOfOnlyHeldEntriesSaysAllWereDuplicates)
{
    cardFile("SD_PIM/PIM00001.VCF", {Aoki});
    address.hold({Aoki});

    EXPECT_EQ(transfer.loadFromRoot(address, root()), 0);
    EXPECT_EQ(shownTexts(),
              std::vector<std::string>{
                  sjis("読み込もうとした全てのﾃﾞｰﾀが重複していたので、読み込みを中止しました。")});
    EXPECT_TRUE(address.calls.empty()) << "no refresh";
}

std::vector<CardEntry> entriesNumbered(int first, int count)
{
    std::vector<CardEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back({first + i, "Entry" + std::to_string(first + i)});
    return entries;
}

TEST_F(CardTransferTest, LoadIntoAFullViewReportsTheCeiling)
{
    cardFile("SD_PIM/PIM00001.VBM", {{5000, "New"}});
    bookmarks.ceiling = 3;
    bookmarks.hold(entriesNumbered(0, 3));

    EXPECT_EQ(transfer.loadFromRoot(bookmarks, root()), 0);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{sjis(
                                "ﾃﾞｰﾀが上限の 3 件に達しているので、読み込みを中止しました。")});
}

TEST_F(CardTransferTest, LoadThatFillsTheViewReportsWhatWasAdded)
{
    cardFile("SD_PIM/PIM00001.VCF", entriesNumbered(10, 3));
    address.ceiling = 3;
    address.hold(entriesNumbered(0, 2));

    EXPECT_EQ(transfer.loadFromRoot(address, root()), 1);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{sjis("1 件、読み込みました。")});
}

TEST_F(CardTransferTest, AddressLoadIsFullAtTheModelsCapacity)
{
    // P505i holds 800 entries, fewer than the view's 1000.
    useModel("DoCoMo P505i");
    cardFile("SD_PIM/PIM00001.VCF", {{0, "Entry0"}});
    address.hold(entriesNumbered(0, 800));

    EXPECT_EQ(transfer.loadFromRoot(address, root()), 0);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{sjis(
                                "ﾃﾞｰﾀが上限の 800 件に達しているので、読み込みを中止しました。")});
}

TEST_F(CardTransferTest, AddressLoadBelowTheModelsCapacityFindsDuplicates)
{
    useModel("DoCoMo SO505i");
    cardFile("SD_PIM/PIM00001.VCF", {{0, "Entry0"}});
    address.hold(entriesNumbered(0, 800));

    EXPECT_EQ(transfer.loadFromRoot(address, root()), 0);
    EXPECT_EQ(shownTexts(),
              std::vector<std::string>{
                  sjis("読み込もうとした全てのﾃﾞｰﾀが重複していたので、読み込みを中止しました。")});
}

TEST_F(CardTransferTest, CommandsEndSilentlyWithoutAUsableDescription)
{
    cardFile("SD_PIM/PIM00001.VCF", {Aoki});
    address.hold({{OWNER_MEMORY_NUMBER, "Owner"}});
    const std::vector<std::function<void *()>> descriptions = {
        nullptr,
        [] { return makeCardFileInfo(2002, ".VCF", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", 99); },
        [] { return makeCardFileInfo(2001, ".VCF", "\\SD_PIM\\", "\\SD_PIM\\PIM%s", 99); },
    };
    for (const auto &description : descriptions) {
        plugin.descriptions[2001] = description;
        EXPECT_EQ(transfer.loadFromRoot(address, root()), -1);
        EXPECT_EQ(transfer.saveToRoot(address, root()), 0);
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(plugin.loaded.empty());
    EXPECT_TRUE(plugin.saved.empty());
    EXPECT_TRUE(progress.calls.empty());
}

TEST_F(CardTransferTest, CancelledCardChoiceDoesNothing)
{
    cardFile("SD_PIM/PIM00001.VCF", {Aoki});
    address.hold({{OWNER_MEMORY_NUMBER, "Owner"}});

    EXPECT_EQ(transfer.loadFromCard(address), -1);
    transfer.saveToCard(address);

    EXPECT_EQ(chooser.asked, 2);
    EXPECT_TRUE(plugin.loaded.empty());
    EXPECT_TRUE(plugin.saved.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CardTransferTest, CommandsWorkOnTheChosenCard)
{
    cardFile("SD_PIM/PIM00001.VCF", {Aoki});
    chooser.root = root();

    EXPECT_EQ(transfer.loadFromCard(address), 1);
    transfer.saveToCard(address);

    ASSERT_EQ(plugin.saved.size(), 1u);
    EXPECT_EQ(plugin.saved[0].path, pim() + "PIM00002.VCF");
}

TEST_F(CardTransferTest, SaveTakesTheFirstNumberFreeInEveryExtension)
{
    cardFile("SD_PIM/PIM00001.VCF");
    cardFile("SD_PIM/pim00003.vcs");
    address.hold({{OWNER_MEMORY_NUMBER, "Owner"}, Aoki});
    bookmarks.hold({{0, "Bookmark"}});

    EXPECT_EQ(transfer.saveToRoot(address, root()), 1);
    fs::remove(pim() + "PIM00002.VCF");
    EXPECT_EQ(transfer.saveToRoot(bookmarks, root()), 1);

    ASSERT_EQ(plugin.saved.size(), 2u);
    EXPECT_EQ(plugin.saved[0].kind, 1001);
    EXPECT_EQ(plugin.saved[0].path, pim() + "PIM00002.VCF");
    EXPECT_EQ(plugin.saved[0].entries.size(), 2u) << "the whole book in one file";
    EXPECT_EQ(plugin.saved[1].kind, 1000);
    EXPECT_EQ(plugin.saved[1].path, pim() + "PIM00002.VBM");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, sjis("ﾌｧｲﾙ [PIM00002.VCF] を保存しました。"));
    EXPECT_EQ(messages.shown[0].caption, text(TextId::CaptionConfirmation));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.shown[1].text, sjis("ﾌｧｲﾙ [PIM00002.VBM] を保存しました。"));
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"open 61218 61219", "start 2", "pos 1",
                                                        "pos 2", "finish", "open 61218 61219",
                                                        "start 2", "pos 1", "pos 2", "finish"}));
    EXPECT_EQ(busy.depth, 0);
}

TEST_F(CardTransferTest, SaveOnAFullCardNamesTheCardAndWritesNothing)
{
    plugin.descriptions[2001]
        = [] { return makeCardFileInfo(2001, ".VCF", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", 2); };
    cardFile("SD_PIM/PIM00001.VCF");
    cardFile("SD_PIM/PIM00002.VBM");
    address.hold({{OWNER_MEMORY_NUMBER, "Owner"}});

    EXPECT_EQ(transfer.saveToRoot(address, root()), 0);

    EXPECT_TRUE(plugin.saved.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              sjis("CARDにﾌｧｲﾙを作成することができません。\n処理は中断されました。"));
    EXPECT_EQ(messages.shown[0].caption, text(TextId::CaptionError));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(progress.calls.empty());
}

TEST_F(CardTransferTest, SaveResultsByCode)
{
    const struct
    {
        int code;
        std::string message;
    } cases[] = {
        {0, sjis("ﾌｧｲﾙ [PIM00001.VCF] を保存しました。")},
        {-999, sjis("ﾌｧｲﾙ [PIM00001.VCF] を保存中にｴﾗｰが発生しました。\n処理は中断されました。")},
        {-100, text(TextId::OwnerEntryMissing)},
        {-199, text(TextId::ErrorNoManagementFile)},
        {-1000, sjis("ﾌｧｲﾙが開けませんでした。")},
        {-1001, sjis("ﾌｧｲﾙ操作中に失敗しました。")},
        {-9999, sjis("ﾒﾓﾘ取得に失敗しました。")},
        {-32768, sjis("この機能は現在設定されている携帯電話では使用できません。")},
        {-1, sjis("回避不能なｴﾗｰが発生しました。")},
        {-7, sjis("回避不能なｴﾗｰが発生しました。\n\nｴﾗｰ番号：-7")},
    };
    fs::create_directories(pim());
    address.hold({{OWNER_MEMORY_NUMBER, "Owner"}});
    for (const bool returnsCode : {true, false}) {
        plugin.returnsCode = returnsCode;
        for (const auto &c : cases) {
            SCOPED_TRACE(testing::Message() << c.code << (returnsCode ? " returned" : " as last"));
            messages.shown.clear();
            fs::remove(pim() + "PIM00001.VCF");
            plugin.saveCodes = {c.code};
            EXPECT_EQ(transfer.saveToRoot(address, root()), c.code == 0 ? 1 : 0);
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, c.message);
            EXPECT_EQ(messages.shown[0].caption,
                      text(c.code == 0 ? TextId::CaptionConfirmation : TextId::CaptionError));
        }
    }
}

TEST_F(CardTransferTest, AddressSaveNeedsTheOwnersEntryWhereTheModelDoes)
{
    useModel("DoCoMo SH505i");
    fs::create_directories(pim());
    address.hold({Aoki});

    EXPECT_EQ(transfer.saveToRoot(address, root()), 0);

    EXPECT_TRUE(plugin.saved.empty());
    EXPECT_TRUE(cardFiles(pim()).empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text(TextId::OwnerEntryMissing));
    EXPECT_EQ(messages.shown[0].caption, text(TextId::CaptionError));
    EXPECT_EQ(progress.calls.back(), "close");
    EXPECT_EQ(busy.depth, 0);
}

TEST_F(CardTransferTest, AddressSaveWithoutTheOwnerWhereTheModelDoesNotNeedIt)
{
    useModel("DoCoMo SO505i");
    fs::create_directories(pim());
    address.hold({Aoki});

    EXPECT_EQ(transfer.saveToRoot(address, root()), 1);
}

TEST_F(CardTransferTest, AddressSaveAsksAboutMemoryNumbersBeyondThePhone)
{
    // SH505i numbers its 750 entries from 0 to 749 and requires them below that.
    useModel("DoCoMo SH505i");
    fs::create_directories(pim());
    for (const int number : {750, -1}) {
        SCOPED_TRACE(number);
        address.hold({{OWNER_MEMORY_NUMBER, "Owner"}, {number, "Beyond"}});

        messages.shown.clear();
        messages.answers = {MessageAnswer::No};
        EXPECT_EQ(transfer.saveToRoot(address, root()), 0);
        EXPECT_TRUE(plugin.saved.empty());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(
            messages.shown[0].text,
            sjis(
                "携帯電話に設定できる最大ﾒﾓﾘ番号 749 を超えているものがあります。\n\nこれらは携帯電話へ情報が反映されません。\n保存作業を続行しますか？"));
        EXPECT_EQ(messages.shown[0].caption, text(TextId::CaptionConfirmation));
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(messages.shown[0].buttons, platform::MessageButtons::YesNo);
        EXPECT_TRUE(cardFiles(pim()).empty());

        messages.answers = {MessageAnswer::Yes};
        EXPECT_EQ(transfer.saveToRoot(address, root()), 1);
        ASSERT_EQ(plugin.saved.size(), 1u);
        EXPECT_EQ(plugin.saved[0].entries.size(), 2u);
        plugin.saved.clear();
        fs::remove(pim() + "PIM00001.VCF");
    }
}

TEST_F(CardTransferTest, AddressSaveWithinThePhonesNumbersAsksNothing)
{
    useModel("DoCoMo SH505i");
    fs::create_directories(pim());
    address.hold({{OWNER_MEMORY_NUMBER, "Owner"}, {0, "First"}, {749, "Last"}});

    EXPECT_EQ(transfer.saveToRoot(address, root()), 1);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{sjis("ﾌｧｲﾙ [PIM00001.VCF] を保存しました。")});
}

TEST_F(CardTransferTest, AddressSaveIgnoresNumbersWhereTheModelAllowsAny)
{
    // P505i does not require the numbers below its capacity.
    useModel("DoCoMo P505i");
    fs::create_directories(pim());
    address.hold({{OWNER_MEMORY_NUMBER, "Owner"}, {900, "High"}});

    EXPECT_EQ(transfer.saveToRoot(address, root()), 1);
    EXPECT_EQ(messages.shown.size(), 1u);
}

class FilePerEntryTest : public CardTransferTest
{
protected:
    void SetUp() override
    {
        plugin.descriptions[2000] = [this] {
            return makeCardFileInfo(2000, ".VBM", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", highest, 1);
        };
        fs::create_directories(pim());
        bookmarks.hold({{0, "One"}, {1, "Two"}, {2, "Three"}});
    }
    int highest = 99999;
};

TEST_F(FilePerEntryTest, EveryEntryGoesToANewFileOfItsOwn)
{
    EXPECT_EQ(transfer.saveToRoot(bookmarks, root()), 3);

    ASSERT_EQ(plugin.saved.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(plugin.saved[i].path, pim() + "PIM0000" + std::to_string(i + 1) + ".VBM");
        ASSERT_EQ(plugin.saved[i].entries.size(), 1u);
        EXPECT_EQ(plugin.saved[i].entries[0].name, bookmarks.entries[i].name);
    }
    EXPECT_EQ(shownTexts(), std::vector<std::string>{sjis("3 件のﾃﾞｰﾀを出力しました。")});
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"open 61218 61219", "start 2", "pos 1",
                                                        "pos 2", "finish"}));
}

TEST_F(FilePerEntryTest, CountsOnlyTheFilesWrittenAndReportsTheFirstFailure)
{
    plugin.saveCodes = {0, -1000, -9999, 0};
    bookmarks.hold({{0, "One"}, {1, "Two"}, {2, "Three"}, {3, "Four"}});

    EXPECT_EQ(transfer.saveToRoot(bookmarks, root()), 2);

    EXPECT_EQ(cardFiles(pim()), (std::vector<std::string>{"PIM00001.VBM", "PIM00002.VBM"}));
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{sjis("2 件のﾃﾞｰﾀを出力しました。"),
                                                      sjis("ﾌｧｲﾙが開けませんでした。")}));
}

TEST_F(FilePerEntryTest, StopsWhenTheCardIsFull)
{
    highest = 2;

    EXPECT_EQ(transfer.saveToRoot(bookmarks, root()), 2);

    EXPECT_EQ(plugin.saved.size(), 2u);
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{
                  sjis("CARDにﾌｧｲﾙを作成することができません。\n処理は中断されました。"),
                  sjis("2 件のﾃﾞｰﾀを出力しました。")}));
}

TEST_F(CardTransferTest, MailIsNeverWrittenToTheCard)
{
    CardView mail(KindMail);
    mail.hold({{0, "Mail"}});
    fs::create_directories(pim());

    EXPECT_EQ(transfer.saveToRoot(mail, root()), 0);
    EXPECT_TRUE(plugin.saved.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST(CardRoundTripTest, LoadsAndSavesThroughTheModelPlugin)
{
    host::PluginHost models;
    ASSERT_GT(models.discover(MODEL_PLUGIN_DIR), 0);
    ASSERT_TRUE(models.selectByModelName("DoCoMo N505i"));
    host::KindLimitCache limits;
    limits.refill(models);
    HostCardPlugin plugin(models);
    ScriptedMessages messages;
    RecordingProgress progress;
    CountingBusyPointer busy;
    FixedCardChooser chooser;
    CardTransfer transfer({plugin, limits, messages, progress, busy, chooser});
    testing_support::TempDir card;
    const std::string pim = card.path() + "/SD_PIM/";
    fs::create_directories(pim);
    fs::copy_file(CARD_TEST_DATA "n505i/address/Sample.VCF", pim + "PIM00001.VCF");
    const CardRoot root{card.path(), ""};

    CardView first(KindAddress);
    ASSERT_EQ(transfer.loadFromRoot(first, root), 2);
    EXPECT_EQ(first.entries[0].memoryNumber, OWNER_MEMORY_NUMBER);
    EXPECT_EQ(first.entries[1].name, sjis("山田花子"));

    EXPECT_EQ(transfer.saveToRoot(first, root), 1);
    EXPECT_EQ(messages.shown.back().text, sjis("ﾌｧｲﾙ [PIM00002.VCF] を保存しました。"));
    fs::remove(pim + "PIM00001.VCF");

    CardView second(KindAddress);
    ASSERT_EQ(transfer.loadFromRoot(second, root), 2);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(second.entries[i].memoryNumber, first.entries[i].memoryNumber);
        EXPECT_EQ(second.entries[i].name, first.entries[i].name);
    }
}

TEST(ProgressFinishWaitTest, KeepsAShortOperationInSightForASecond)
{
    EXPECT_EQ(progressFinishWait(0), 1000);
    EXPECT_EQ(progressFinishWait(999), 1000);
    EXPECT_EQ(progressFinishWait(1000), 250);
    EXPECT_EQ(progressFinishWait(60000), 250);
}

} // namespace
