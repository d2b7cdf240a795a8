#include "app/frame_controller.h"

#include "app/string_table.h"
#include "fakes.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "program_directory.h"

#include <gtest/gtest.h>

namespace {

using namespace app;

// A frame over four fake views, with a current test plug-in whose limit tables give a bookmark
// capacity of 50 and an address capacity of 750 (or no usable tables with OddTables).
class FrameFixture
{
public:
    enum class Tables { Usable, Odd };

    explicit FrameFixture(Tables tables = Tables::Usable, int pluginCount = 1)
    {
        for (int i = 0; i < pluginCount; ++i)
            directory.withPlugin("model" + std::to_string(i), tables == Tables::Odd
                                                                  ? "test_plugin_odd_tables"
                                                                  : "test_plugin_full");
        plugins.discover(directory.path() + "Plugins/");
        plugins.select(0);
        limits.refill(plugins);
    }

    FakeView &view(int kind) { return *views[static_cast<size_t>(kind - 1)]; }

    ProgramDirectory directory;
    host::PluginHost plugins;
    host::KindLimitCache limits;
    ScriptedMessages messages;
    MemorySettings settings;
    std::array<std::unique_ptr<FakeView>, 4> views{
        std::make_unique<FakeView>(1), std::make_unique<FakeView>(2), std::make_unique<FakeView>(3),
        std::make_unique<FakeView>(4)};
    FrameController frame{plugins,
                          limits,
                          messages,
                          settings,
                          {views[0].get(), views[1].get(), views[2].get(), views[3].get()}};
};

// ---- enable rules ----

struct RuleCase
{
    const char *name;
    int kind;
    int command;
    int count;
    int rows;
    int selected;
    bool expected;
    FrameFixture::Tables tables = FrameFixture::Tables::Usable;
};

std::ostream &operator<<(std::ostream &out, const RuleCase &c)
{
    return out << c.name;
}

class FrameEnableRuleTest : public testing::TestWithParam<RuleCase>
{
};

TEST_P(FrameEnableRuleTest, FollowsTheCommandTable)
{
    const RuleCase &c = GetParam();
    FrameFixture fixture(c.tables);
    fixture.frame.setViewKind(c.kind);
    if (c.kind >= 1) {
        FakeView &view = fixture.view(c.kind);
        view.fill(c.rows);
        view.count = c.count;
        for (int row = 0; row < c.selected; ++row)
            view.selectRow(row);
    }
    EXPECT_EQ(fixture.frame.isEnabled(c.command), c.expected);
}

using T = FrameFixture::Tables;
const RuleCase RuleCases[] = {
    // always available
    {"ViewButtonsInPictureView", 0, CmdMailView, 0, 0, 0, true},
    {"HelpInPictureView", 0, CmdHelp, 0, 0, 0, true},
    {"BannerInPictureView", 0, CmdBanner, 0, 0, 0, true},
    {"SelectAllInPictureView", 0, CmdSelectAll, 0, 0, 0, true},
    {"AboutInPictureView", 0, CmdAbout, 0, 0, 0, true},
    // nothing of a data view while the picture view shows
    {"OpenNeedsADataView", 0, CmdOpenPcFile, 0, 0, 0, false},
    {"AddNeedsADataView", 0, CmdAdd, 0, 0, 0, false},
    {"MainViewDisabledInPictureView", 0, CmdMainView, 0, 0, 0, false},
    {"NewDisabledInPictureView", 0, CmdNewData, 0, 0, 0, false},
    {"LoadCardDisabledInPictureView", 0, CmdLoadFromCard, 0, 0, 0, false},
    // every data view
    {"OpenInDataView", 3, CmdOpenPcFile, 0, 0, 0, true},
    {"MainViewInDataView", 4, CmdMainView, 0, 0, 0, true},
    {"SaveAsWithoutEntries", 1, CmdSaveAs, 0, 0, 0, false},
    {"SaveAsWithEntries", 1, CmdSaveAs, 1, 1, 0, true},
    {"DeleteWithoutSelection", 2, CmdDelete, 5, 5, 0, false},
    {"DeleteWithSelection", 3, CmdDelete, 5, 5, 1, true},
    {"NewInBookmarks", 1, CmdNewData, 0, 0, 0, true},
    {"NewInMail", 3, CmdNewData, 0, 0, 0, true},
    {"NewInSchedule", 4, CmdNewData, 0, 0, 0, true},
    {"NewNeverInAddressBook", 2, CmdNewData, 5, 5, 0, false},
    // bookmarks
    {"BookmarkAddBelowCeiling", 1, CmdAdd, 999, 999, 0, true},
    {"BookmarkAddAtCeiling", 1, CmdAdd, 1000, 1000, 0, false},
    {"BookmarkEditOneSelected", 1, CmdEdit, 3, 3, 1, true},
    {"BookmarkEditTwoSelected", 1, CmdEdit, 3, 3, 2, true},
    {"BookmarkEditNoneSelected", 1, CmdEdit, 3, 3, 0, false},
    {"BookmarkLoadWithCapacity", 1, CmdLoadFromCard, 999, 999, 0, true},
    {"BookmarkLoadAtCeiling", 1, CmdLoadFromCard, 1000, 1000, 0, false},
    {"BookmarkLoadWithoutCapacity", 1, CmdLoadFromCard, 0, 0, 0, false, T::Odd},
    {"BookmarkSaveCardWithRows", 1, CmdSaveToCard, 1, 1, 0, true},
    {"BookmarkSaveCardWithoutRows", 1, CmdSaveToCard, 0, 0, 0, false},
    {"BookmarkSaveCardWithoutCapacity", 1, CmdSaveToCard, 1, 1, 0, false, T::Odd},
    {"BookmarkViewItemOneSelected", 1, CmdViewItem, 2, 2, 1, true},
    {"BookmarkViewItemTwoSelected", 1, CmdViewItem, 2, 2, 2, false},
    // address book (count leaves out the owner's entry; capacity 750)
    {"AddressAddWithoutOrdinaryEntries", 2, CmdAdd, 0, 0, 0, false},
    {"AddressAddWithEntries", 2, CmdAdd, 1, 1, 0, true},
    {"AddressAddBelowCapacity", 2, CmdAdd, 749, 749, 0, true},
    {"AddressAddAtCapacity", 2, CmdAdd, 750, 750, 0, false},
    {"AddressAddWithoutLimits", 2, CmdAdd, 5, 5, 0, false, T::Odd},
    {"AddressEditTwoSelected", 2, CmdEdit, 3, 3, 2, true},
    {"AddressEditNoneSelected", 2, CmdEdit, 3, 3, 0, false},
    {"AddressLoadEmpty", 2, CmdLoadFromCard, 0, 0, 0, true},
    {"AddressLoadAtCapacity", 2, CmdLoadFromCard, 750, 750, 0, false},
    {"AddressSaveCardWithRows", 2, CmdSaveToCard, 1, 1, 0, true},
    {"AddressSaveCardWithoutRows", 2, CmdSaveToCard, 0, 0, 0, false},
    {"AddressViewItemNever", 2, CmdViewItem, 2, 2, 1, false},
    // mail
    {"MailAddNever", 3, CmdAdd, 0, 0, 0, false},
    {"MailEditNever", 3, CmdEdit, 3, 3, 1, false},
    {"MailLoadBelowCeiling", 3, CmdLoadFromCard, 2999, 2999, 0, true},
    {"MailLoadAtCeiling", 3, CmdLoadFromCard, 3000, 3000, 0, false},
    {"MailSaveCardNever", 3, CmdSaveToCard, 3, 3, 0, false},
    {"MailViewItemSeveralSelected", 3, CmdViewItem, 3, 3, 3, true},
    {"MailViewItemNoneSelected", 3, CmdViewItem, 3, 3, 0, false},
    // schedule
    {"ScheduleAddBelowCeiling", 4, CmdAdd, 999, 999, 0, true},
    {"ScheduleAddAtCeiling", 4, CmdAdd, 1000, 1000, 0, false},
    {"ScheduleEditOneSelected", 4, CmdEdit, 3, 3, 1, true},
    {"ScheduleEditTwoSelected", 4, CmdEdit, 3, 3, 2, false},
    {"ScheduleLoadAtCeiling", 4, CmdLoadFromCard, 1000, 1000, 0, false},
    {"ScheduleSaveCardWithRows", 4, CmdSaveToCard, 1, 1, 0, true},
    {"ScheduleViewItemNever", 4, CmdViewItem, 1, 1, 1, false},
    // export: every kind with entries; import: the address book and the schedule, merging
    // under their card load's limits
    {"ExportNeedsADataView", 0, CmdExport, 0, 0, 0, false},
    {"ImportNeedsADataView", 0, CmdImport, 0, 0, 0, false},
    {"BookmarkExportWithEntries", 1, CmdExport, 1, 1, 0, true},
    {"BookmarkExportWithoutEntries", 1, CmdExport, 0, 0, 0, false},
    {"BookmarkImportNever", 1, CmdImport, 0, 0, 0, false},
    {"AddressExportWithEntries", 2, CmdExport, 1, 1, 0, true},
    {"AddressExportOwnersEntryAlone", 2, CmdExport, 0, 1, 0, false},
    {"AddressImportEmpty", 2, CmdImport, 0, 0, 0, true},
    {"AddressImportBelowCapacity", 2, CmdImport, 749, 749, 0, true},
    {"AddressImportAtCapacity", 2, CmdImport, 750, 750, 0, false},
    {"AddressImportWithoutLimits", 2, CmdImport, 0, 0, 0, false, T::Odd},
    {"MailExportWithEntries", 3, CmdExport, 3, 3, 0, true},
    {"MailExportWithoutEntries", 3, CmdExport, 0, 0, 0, false},
    {"MailImportNever", 3, CmdImport, 0, 0, 0, false},
    {"ScheduleExportWithEntries", 4, CmdExport, 1, 1, 0, true},
    {"ScheduleImportBelowCeiling", 4, CmdImport, 999, 999, 0, true},
    {"ScheduleImportAtCeiling", 4, CmdImport, 1000, 1000, 0, false},
};

INSTANTIATE_TEST_SUITE_P(CommandTable, FrameEnableRuleTest, testing::ValuesIn(RuleCases),
                         [](const testing::TestParamInfo<RuleCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(FrameControllerTest, SaveNeedsEntriesAndBothPathAndName)
{
    FrameFixture fixture;
    fixture.frame.setViewKind(KindSchedule);
    FakeView &view = fixture.view(KindSchedule);
    view.fill(2);
    EXPECT_FALSE(fixture.frame.isEnabled(CmdSave));
    view.setPcFile("/home/user/", "");
    EXPECT_FALSE(fixture.frame.isEnabled(CmdSave));
    view.setPcFile("", "plan.cpc");
    EXPECT_FALSE(fixture.frame.isEnabled(CmdSave));
    view.setPcFile("/home/user/", "plan.cpc");
    EXPECT_TRUE(fixture.frame.isEnabled(CmdSave));
    view.fill(0);
    EXPECT_FALSE(fixture.frame.isEnabled(CmdSave));
}

TEST(FrameControllerTest, ModelSettingNeedsMoreThanOnePlugin)
{
    FrameFixture single;
    EXPECT_FALSE(single.frame.isEnabled(CmdModelSetting));
    FrameFixture two(FrameFixture::Tables::Usable, 2);
    EXPECT_TRUE(two.frame.isEnabled(CmdModelSetting));
}

// ---- texts ----

TEST(FrameControllerTest, TitleShowsTheFileNameOrUntitledPerKind)
{
    FrameFixture fixture;
    EXPECT_EQ(fixture.frame.title(), "Cellvane");
    const std::string untitled = "\x96\xB3\x91\xE8"; // 無題
    for (int kind = KindBookmark; kind <= KindSchedule; ++kind) {
        fixture.frame.setViewKind(kind);
        EXPECT_EQ(fixture.frame.title(), untitled + " - Cellvane") << kind;
    }
    fixture.view(KindAddress).setPcFile("/data/", "phone.apc");
    fixture.frame.setViewKind(KindAddress);
    EXPECT_EQ(fixture.frame.title(), "phone.apc - Cellvane");
    fixture.frame.setViewKind(KindPicture);
    EXPECT_EQ(fixture.frame.title(), "Cellvane");
}

TEST(FrameControllerTest, SelectionTextCountsTotalThenSelected)
{
    FrameFixture fixture;
    EXPECT_EQ(fixture.frame.selectionText(2, 10), "") << "empty in the picture view";
    fixture.frame.setViewKind(KindMail);
    const std::string ofTotal = "\x8C\x8F\x92\x86";       // 件中
    const std::string selected = "\x8C\x8F\x91I\x91\xF0"; // 件選択
    EXPECT_EQ(fixture.frame.selectionText(2, 10), "10 " + ofTotal + " 2 " + selected);
    EXPECT_EQ(fixture.frame.selectionText(-1, -5), "0 " + ofTotal + " 0 " + selected);
}

TEST(FrameControllerTest, KindNamesAndSectionsFollowTheViewKinds)
{
    EXPECT_STREQ(viewKindName(KindBookmark), "\xCC\xDE\xAF\xB8\xCF\xB0\xB8");
    EXPECT_STREQ(viewKindName(KindAddress), "\xB1\xC4\xDE\xDA\xBD\x92\xA0");
    EXPECT_STREQ(viewKindName(KindMail), "\xD2\xB0\xD9");
    EXPECT_STREQ(viewKindName(KindSchedule), "\xBD\xB9\xBC\xDE\xAD\xB0\xD9");
    EXPECT_STREQ(viewKindName(KindPicture), "");
    EXPECT_STREQ(viewKindSection(KindAddress), "Address");
    EXPECT_STREQ(viewKindSection(KindSchedule), "Schedule");
}

// ---- delete ----

TEST(FrameControllerTest, DeleteSelectsTheRowBeforeTheFirstDeleted)
{
    FrameFixture fixture;
    fixture.frame.setViewKind(KindBookmark);
    FakeView &view = fixture.view(KindBookmark);
    view.fill(8);
    view.selectRow(3);
    view.selectRow(5);
    fixture.messages.answers = {platform::MessageAnswer::Yes};
    fixture.frame.deleteSelected();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"delete 3", "delete 5", "compact", "refresh"}));
    EXPECT_EQ(view.rows, (std::vector<int>{0, 1, 2, 4, 6, 7}));
    EXPECT_EQ(view.selected, std::vector<int>{2});

    const platform::Message &question = fixture.messages.shown.at(0);
    EXPECT_EQ(question.text, formatText(TextId::DeleteQuestion, viewKindName(KindBookmark)));
    EXPECT_EQ(question.caption, "\x8Am\x94"
                                "F"); // 確認
    EXPECT_EQ(question.buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, platform::MessageAnswer::No);
}

TEST(FrameControllerTest, DeletingRowZeroSelectsRowZeroWhileRowsRemain)
{
    FrameFixture fixture;
    fixture.frame.setViewKind(KindSchedule);
    FakeView &view = fixture.view(KindSchedule);
    view.fill(3);
    view.selectRow(0);
    fixture.messages.answers = {platform::MessageAnswer::Yes};
    fixture.frame.deleteSelected();
    EXPECT_EQ(view.selected, std::vector<int>{0});

    view.selectAllRows();
    fixture.messages.answers = {platform::MessageAnswer::Yes};
    fixture.frame.deleteSelected();
    EXPECT_TRUE(view.rows.empty());
    EXPECT_TRUE(view.selected.empty());
}

TEST(FrameControllerTest, DeleteAnsweredNoChangesNothing)
{
    FrameFixture fixture;
    fixture.frame.setViewKind(KindAddress);
    FakeView &view = fixture.view(KindAddress);
    view.fill(3);
    view.selectRow(1);
    fixture.frame.deleteSelected();
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(view.rows.size(), 3u);
}

// ---- closing ----

TEST(FrameControllerTest, ClosingAsksPerUnsavedKindInOrderAndCancelStops)
{
    FrameFixture fixture;
    fixture.view(KindBookmark).modified = true;
    fixture.view(KindAddress).modified = true;
    fixture.view(KindSchedule).modified = true;
    std::vector<int> saved;
    fixture.frame.setPcFileSave([&](int kind) {
        saved.push_back(kind);
        return true;
    });
    fixture.messages.answers = {platform::MessageAnswer::Yes, platform::MessageAnswer::Cancel};
    EXPECT_FALSE(fixture.frame.runClosingSequence({}, false));
    ASSERT_EQ(fixture.messages.shown.size(), 2u);
    EXPECT_EQ(fixture.messages.shown[0].text,
              formatText(TextId::UnsavedAtExit, viewKindName(KindBookmark)));
    EXPECT_EQ(fixture.messages.shown[1].text,
              formatText(TextId::UnsavedAtExit, viewKindName(KindAddress)));
    EXPECT_EQ(fixture.messages.shown[1].caption, "\x8Cx\x8D\x90"); // 警告
    EXPECT_EQ(fixture.messages.shown[1].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(saved, std::vector<int>{KindBookmark}) << "the bookmark save stays done";
    EXPECT_EQ(fixture.frame.viewKind(), KindBookmark);
    EXPECT_TRUE(fixture.settings.strings.empty());
    EXPECT_TRUE(fixture.settings.ints.empty());
}

TEST(FrameControllerTest, ClosingStopsWhenASaveAskedForDidNotHappen)
{
    FrameFixture fixture;
    fixture.view(KindBookmark).modified = true;
    fixture.view(KindAddress).modified = true;
    std::vector<int> saved;
    fixture.frame.setPcFileSave([&](int kind) {
        saved.push_back(kind);
        return false; // the disk is full, or the save-as dialog was cancelled
    });
    fixture.messages.answers = {platform::MessageAnswer::Yes, platform::MessageAnswer::Yes};
    EXPECT_FALSE(fixture.frame.runClosingSequence({}, false)) << "the window stays open";
    EXPECT_EQ(saved, std::vector<int>{KindBookmark}) << "no further question";
    EXPECT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_TRUE(fixture.settings.strings.empty());
    EXPECT_TRUE(fixture.settings.ints.empty());
}

TEST(FrameControllerTest, ClosingWritesFilesModelAndPlacement)
{
    FrameFixture fixture;
    fixture.view(KindMail).modified = true;
    fixture.view(KindAddress).setPcFile("/data/", "phone.apc");
    fixture.view(KindSchedule).setPcFile("", "plan.cpc");
    const FramePlacement placement{1, 20, 30, 800, 600, 0, 0, 0, 0};
    EXPECT_TRUE(fixture.frame.runClosingSequence(placement, true));
    EXPECT_EQ(fixture.messages.shown.size(), 1u) << "No to the mail question goes on";

    const std::map<std::string, std::string> expected{{"Address/Path", "/data/"},
                                                      {"Address/Name", "phone.apc"},
                                                      {"Schedule/Path", ""},
                                                      {"Schedule/Name", "plan.cpc"},
                                                      {"Setting/Plugin", "model0"}};
    EXPECT_EQ(fixture.settings.strings, expected);
    EXPECT_EQ(fixture.settings.ints.at("Frame/width"), 800);
    EXPECT_EQ(fixture.settings.ints.at("Frame/left"), 30);
    EXPECT_EQ(fixture.settings.ints.at("Frame/Zoomed"), 1);
}

TEST(FrameControllerTest, HelpPageFollowsTheKind)
{
    FrameFixture fixture;
    EXPECT_EQ(fixture.frame.helpPage(), 1);
    fixture.frame.setViewKind(KindSchedule);
    EXPECT_EQ(fixture.frame.helpPage(), 5);
    fixture.frame.setViewKind(7);
    EXPECT_EQ(fixture.frame.viewKind(), KindSchedule) << "unknown kinds are refused";
}

} // namespace
