// The schedule's way through the memory card with the real SH505i plug-in: a card is loaded
// through the card transfer into the schedule view, one entry is changed by the editor's rules,
// the schedule is saved back as a new file, and that file alone loads again to the same entries.
#include "app/card_transfer.h"
#include "card_fakes.h"
#include "common/sjis_literal.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "tests/support/temp_dir.h"
#include "views/schedule/calendar_view.h"
#include "views/schedule/schedule_edit_rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// What an entry is on the SH505i, written as one line for comparing schedules.
std::vector<std::string> scheduleOf(const views::ScheduleStore &store)
{
    std::vector<std::string> entries;
    for (int i = 0; i < store.RecordCount(); ++i) {
        const ScheduleRecord &record = *store.record(i);
        entries.push_back(std::string(record.start) + "|" + record.end + "|" + record.alarm + "|"
                          + record.description + "|" + std::to_string(record.repeatRule) + "#"
                          + std::to_string(record.repeatCount) + "|" + std::to_string(record.icon));
    }
    return entries;
}

class ScheduleCardRoundTripTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_GT(plugins.discover(MODEL_PLUGIN_DIR), 0);
        ASSERT_TRUE(plugins.selectByModelName("DoCoMo SH505i"));
        limits.refill(plugins);
        fs::create_directories(folder());
        std::ofstream(folder() + "PIM_DATA.PIM", std::ios::binary)
            .write("\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0", 16);
        fs::copy_file(CARD_TEST_DATA "sh505i/schedule/Sample.VCS", folder() + "PIM00001.VCS");
    }

    std::string folder() const { return card.path() + "/SD_PIM/"; }

    int load(views::CCalendarView &view)
    {
        view.setModelTables(&limits, &plugins);
        return transfer.loadFromRoot(view, root);
    }

    host::PluginHost plugins;
    host::KindLimitCache limits;
    testing_support::TempDir card;
    app::CardRoot root{card.path(), ""};
    app::HostCardPlugin plugin{plugins};
    ScriptedMessages messages;
    RecordingProgress progress;
    CountingBusyPointer busy;
    FixedCardChooser chooser;
    app::CardTransfer transfer{{plugin, limits, messages, progress, busy, chooser}};
};

TEST_F(ScheduleCardRoundTripTest, AnEditedScheduleSavedToTheCardLoadsBackTheSame)
{
    views::CCalendarView view;
    EXPECT_EQ(load(view), 2);
    EXPECT_EQ(messages.shown.back().text, sjis("2 件、読み込みました。"));
    EXPECT_EQ(load(view), 0) << "the same card again adds nothing";

    // The first entry (5 May 2003, 10:00 in Japan) moves to 11:30 with an alarm 15 minutes
    // before.
    const views::ScheduleEditFeatures features
        = views::scheduleEditFeatures(views::readScheduleLimits(limits));
    ScheduleRecord record{};
    ASSERT_EQ(view.store().GetRecord(0, record, view.calendarDate()), 1);
    views::ScheduleEditForm form
        = views::openScheduleForm(record, features, {2003, 6, 1, 12, 0, 0});
    form.start.hour = "11";
    form.start.minute = "30";
    form.end.hour = "12";
    form.alarmMode = views::AlarmMode::BeforeStart;
    form.leadHours = "0";
    form.leadMinutes = "15";
    ASSERT_TRUE(views::applyScheduleForm(form, features, 1054436400, record));
    ASSERT_EQ(view.store().ReplaceRecord(0, record), 0);
    view.refresh();
    EXPECT_STREQ(view.store().record(0)->start, "20030505T023000Z");
    EXPECT_STREQ(view.store().record(0)->alarm, "20030505T021500Z");
    const std::vector<std::string> edited = scheduleOf(view.store());

    EXPECT_EQ(transfer.saveToRoot(view, root), 1);
    ASSERT_TRUE(fs::exists(folder() + "PIM00002.VCS"));
    fs::remove(folder() + "PIM00001.VCS");
    views::CCalendarView again;
    EXPECT_EQ(load(again), 2);
    EXPECT_EQ(scheduleOf(again.store()), edited);
}

} // namespace
