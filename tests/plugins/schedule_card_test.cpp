// Schedule cards (vCalendar) of every model through LoadData and SaveData: the written text
// against expected card files, write-then-read round trips, and the loaders' and writers' rules.
#include "kind_records.h"

#include "common/data_kind.h"
#include "plugins/core/plugin_interface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

ScheduleRecord scheduleRecord(const std::string &start = "20030505T010000Z")
{
    ScheduleRecord record{};
    record.header.version = RECORD_VERSION_SCHEDULE;
    record.header.size = sizeof(ScheduleRecord);
    record.header.kind = KIND_SCHEDULE;
    putText(record.start, start);
    return record;
}

// One entry with every field filled.
ScheduleRecord sampleEntry()
{
    ScheduleRecord record = scheduleRecord("20030505T010000Z");
    putText(record.end, "20030505T020000Z");
    putText(record.alarm, "20030505T005000Z");
    putText(record.lastModified, "20030501T120000Z");
    putText(record.summary, sjis("打ち合わせ"));
    putText(record.description, sjis("会議室Ａで打ち合わせ。\r\n資料を持参 and a long English "
                                     "tail to force a soft break"));
    putText(record.location, sjis("本社ビル"));
    record.repeatRule = REPEAT_WEEKLY;
    record.repeatCount = 3;
    record.weekdays = 1 | 8; // Sunday and Wednesday
    record.icon = 4;
    record.alarmTone = 2;
    record.alarmVolume = 5;
    record.allDay = 1;
    return record;
}

// A second, plainer entry: no alarm, no description, yearly.
ScheduleRecord plainEntry()
{
    ScheduleRecord record = scheduleRecord("20031224T100000Z");
    putText(record.end, "20031224T110000Z");
    record.repeatRule = REPEAT_YEARLY;
    record.repeatCount = 1;
    record.icon = 1;
    return record;
}

// What a model's card keeps of sampleEntry after a write and a read.
struct Carried
{
    const char *model;
    bool endIsStart; // D505i writes the start as end and alarm
    bool lastModified;
    bool summary;
    bool location;
    bool count;
    bool weekdays;
    bool icon;
    bool tone;
    bool volume;
    bool allDay;
    int32_t yearly; // what the plain entry's yearly rule loads as
};

const Carried kCarried[] = {
    {"sh505i", false, false, false, false, true, false, true, false, false, false, REPEAT_YEARLY},
    {"p505i", false, true, false, false, false, false, true, false, true, false, REPEAT_NONE},
    {"so505i", false, false, false, true, true, false, false, false, false, true, REPEAT_YEARLY},
    {"d505i", true, false, false, false, true, false, false, false, false, false, REPEAT_NONE},
    {"n505i", false, false, true, false, false, true, true, false, false, false, REPEAT_YEARLY},
    {"f505i", false, false, true, false, false, false, true, true, true, false, REPEAT_NONE},
};

std::string orEmpty(bool kept, const char *text)
{
    return kept ? text : "";
}

class ScheduleCardTest : public testing::TestWithParam<size_t>
{
protected:
    const Carried &carried() const { return kCarried[GetParam()]; }
    std::string path() const { return folder.file("PIM00001.VCS"); }
    int32_t save(std::vector<ScheduleRecord> records)
    {
        return saveRecords(folder, KIND_SCHEDULE, path(), std::move(records));
    }
    std::vector<ScheduleRecord> load()
    {
        return loadRecords<ScheduleRecord>(folder, KIND_SCHEDULE, path());
    }

    CardFolder folder{kCarried[GetParam()].model};

    void SetUp() override
    {
        ASSERT_TRUE(folder.plugin().isLoaded()) << folder.plugin().loadError();
    }
};

TEST_P(ScheduleCardTest, WritesTheExpectedCardText)
{
    ASSERT_EQ(save({sampleEntry(), plainEntry()}), 0);
    const std::string expected = readFile(std::string(CELLVANE_TEST_DATA) + "/" + carried().model
                                          + "/schedule/Sample.VCS");
    ASSERT_FALSE(expected.empty());
    const std::string written = readFile(path());
    EXPECT_EQ(written, expected) << firstDifferingLine(expected, written);
}

TEST_P(ScheduleCardTest, ReadsBackEveryFieldTheModelCarries)
{
    const ScheduleRecord in = sampleEntry();
    ASSERT_EQ(save({in, plainEntry()}), 0);
    const std::vector<ScheduleRecord> loaded = load();
    EXPECT_EQ(folder.plugin().getPluginLastError(), 0);
    ASSERT_EQ(loaded.size(), 2u);
    const ScheduleRecord &out = loaded[0];
    const Carried &c = carried();
    EXPECT_EQ(out.header.version, RECORD_VERSION_SCHEDULE);
    EXPECT_EQ(out.header.size, 664u);
    EXPECT_EQ(out.header.kind, static_cast<uint32_t>(KIND_SCHEDULE));
    EXPECT_STREQ(out.start, in.start);
    EXPECT_STREQ(out.end, c.endIsStart ? in.start : in.end);
    EXPECT_STREQ(out.alarm, c.endIsStart ? in.start : in.alarm);
    EXPECT_STREQ(out.lastModified, orEmpty(c.lastModified, in.lastModified).c_str());
    EXPECT_STREQ(out.summary, orEmpty(c.summary, in.summary).c_str());
    EXPECT_STREQ(out.description, in.description);
    EXPECT_STREQ(out.location, orEmpty(c.location, in.location).c_str());
    EXPECT_EQ(out.repeatRule, REPEAT_WEEKLY);
    EXPECT_EQ(out.repeatCount, c.count ? in.repeatCount : 0);
    EXPECT_EQ(out.weekdays, c.weekdays ? in.weekdays : 0);
    EXPECT_EQ(out.icon, c.icon ? in.icon : 0);
    EXPECT_EQ(out.alarmTone, c.tone ? in.alarmTone : 0);
    EXPECT_EQ(out.alarmVolume, c.volume ? in.alarmVolume : 0);
    EXPECT_EQ(out.allDay, c.allDay ? 1 : 0);
    EXPECT_EQ(loaded[1].repeatRule, c.yearly);
    EXPECT_EQ(loaded[1].repeatCount, c.yearly && c.count ? 1 : 0);
    EXPECT_STREQ(loaded[1].alarm, "");
    EXPECT_STREQ(loaded[1].description, "");
    EXPECT_NE(loaded[1].header.prev, 0);
}

TEST_P(ScheduleCardTest, ReadsBareLineFeedsLikeCrLf)
{
    ASSERT_EQ(save({sampleEntry()}), 0);
    std::string bare = readFile(path());
    bare.erase(std::remove(bare.begin(), bare.end(), '\r'), bare.end());
    writeFile(path(), bare);
    const std::vector<ScheduleRecord> loaded = load();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_STREQ(loaded[0].description, sampleEntry().description);
}

TEST_P(ScheduleCardTest, WritesTheFrameAndFailsForAChainWithoutEntries)
{
    ScheduleRecord other = scheduleRecord();
    other.header.kind = KIND_ADDRESS;
    EXPECT_EQ(save({other}), PLUGIN_NO_ENTRY);
    EXPECT_FALSE(fs::exists(path()));
}

TEST_P(ScheduleCardTest, LeavesValuesThatDoNotFitEmpty)
{
    writeFile(path(),
              cardText({"BEGIN:VCALENDAR", "VERSION:1.0", "BEGIN:VEVENT",
                        "DTSTART:" + std::string(23, '1'), "DTEND:" + std::string(22, '2'),
                        "DESCRIPTION:" + std::string(258, 'd'),
                        "AALARM:" + std::string(23, '3') + ";;;", "END:VEVENT", "END:VCALENDAR"}));
    const std::vector<ScheduleRecord> loaded = load();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_STREQ(loaded[0].start, "");
    EXPECT_EQ(std::string(loaded[0].end), std::string(22, '2'));
    EXPECT_STREQ(loaded[0].description, "");
    EXPECT_STREQ(loaded[0].alarm, "");
}

std::string modelName(const testing::TestParamInfo<size_t> &info)
{
    return kCarried[info.param].model;
}

INSTANTIATE_TEST_SUITE_P(AllModels, ScheduleCardTest, testing::Range<size_t>(0, 6), modelName);

// A calendar of version 1.0 around the given entry lines.
std::string calendar(const Lines &entries)
{
    Lines lines = {"BEGIN:VCALENDAR", "VERSION:1.0"};
    lines.insert(lines.end(), entries.begin(), entries.end());
    lines.push_back("END:VCALENDAR");
    return cardText(lines);
}

Lines event(const Lines &body)
{
    Lines lines = {"BEGIN:VEVENT"};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back("END:VEVENT");
    return lines;
}

class ScheduleLoaderTest : public testing::Test
{
protected:
    std::vector<ScheduleRecord> load(const std::string &model, const std::string &text)
    {
        CardFolder folder(model);
        writeFile(folder.file("PIM00001.VCS"), text);
        auto records
            = loadRecords<ScheduleRecord>(folder, KIND_SCHEDULE, folder.file("PIM00001.VCS"));
        m_code = folder.plugin().getPluginLastError();
        return records;
    }
    int32_t m_code = 0;
};

TEST_F(ScheduleLoaderTest, ReadsRepeatRulesByTheModelsWords)
{
    struct Case
    {
        const char *model;
        const char *rule;
        int32_t expectedRule;
        int32_t expectedCount;
        int32_t expectedWeekdays;
    };
    const Case cases[] = {
        {"sh505i", "RRULE:W1 #3", REPEAT_WEEKLY, 3, 0},
        {"sh505i", "RRULE:W1", REPEAT_NONE, 0, 0},
        {"sh505i", "RRULE:D1 #0", REPEAT_DAILY, 0, 0},
        {"sh505i", "RRULE:MD1 13 #2", REPEAT_MONTHLY, 2, 0},
        {"sh505i", "RRULE:YM1 #5", REPEAT_YEARLY, 5, 0},
        {"sh505i", "RRULE:YD1 #5", REPEAT_NONE, 0, 0},
        {"sh505i", "RRULE:W2 TU TH", REPEAT_NONE, 0, 0},
        {"so505i", "RRULE:YD1 #4", REPEAT_YEARLY, 4, 0},
        {"n505i", "RRULE:YD1 #0", REPEAT_YEARLY, 0, 0},
        {"n505i", "RRULE:W1 SU WE SA #0", REPEAT_WEEKLY, 0, 1 | 8 | 64},
        {"n505i", "RRULE:W1 MOTU #0", REPEAT_WEEKLY, 0, 0},
        {"sh505i", "RRULE:W1 SU WE #0", REPEAT_WEEKLY, 0, 0},
        {"p505i", "RRULE:YM1 #1", REPEAT_NONE, 0, 0},
        {"f505i", "RRULE:MD1 #0", REPEAT_MONTHLY, 0, 0},
        {"d505i", "RRULE:YD1 #1", REPEAT_NONE, 0, 0},
    };
    for (const Case &c : cases) {
        const auto loaded = load(c.model, calendar(event({"DTSTART:20030101T000000Z", c.rule})));
        ASSERT_EQ(loaded.size(), 1u) << c.model << " " << c.rule;
        EXPECT_EQ(loaded[0].repeatRule, c.expectedRule) << c.model << " " << c.rule;
        EXPECT_EQ(loaded[0].repeatCount, c.expectedCount) << c.model << " " << c.rule;
        EXPECT_EQ(loaded[0].weekdays, c.expectedWeekdays) << c.model << " " << c.rule;
    }
}

TEST_F(ScheduleLoaderTest, KeepsTheAlarmTimeWithoutItsParameters)
{
    const auto loaded
        = load("sh505i", calendar(event({"AALARM:20030101T090000Z;;;", "DTSTART:x"})));
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_STREQ(loaded[0].alarm, "20030101T090000Z");
}

TEST_F(ScheduleLoaderTest, TakesOnlyEntriesAfterTheirCalendarsVersion)
{
    const std::string text
        = cardText({"BEGIN:VCALENDAR", "BEGIN:VEVENT",      "DTSTART:early", "END:VEVENT",
                    "VERSION:1.0",     "BEGIN:VEVENT",      "DTSTART:taken", "END:VEVENT",
                    "END:VCALENDAR",   "BEGIN:VCALENDAR",   "VERSION:2.0",   "BEGIN:VEVENT",
                    "DTSTART:two",     "END:VEVENT",        "END:VCALENDAR", "BEGIN:VCALENDAR",
                    "BEGIN:VEVENT",    "DTSTART:noversion", "END:VEVENT",    "END:VCALENDAR"});
    const auto loaded = load("sh505i", text);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_STREQ(loaded[0].start, "taken");
    EXPECT_EQ(m_code, 0);
}

TEST_F(ScheduleLoaderTest, FailsWithoutACompleteEntryOrWithAnOpenCalendar)
{
    const std::string texts[] = {
        calendar({"BEGIN:VEVENT", "DTSTART:x"}),
        cardText({"BEGIN:VCALENDAR", "VERSION:1.0", "BEGIN:VEVENT", "END:VEVENT"}),
        cardText({"BEGIN:VEVENT", "DTSTART:x", "END:VEVENT"}),
        std::string(),
        cardText({"BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VEVENT", "END:VEVENT", "END:VCALENDAR"}),
    };
    for (const std::string &text : texts) {
        EXPECT_TRUE(load("sh505i", text).empty()) << text;
        EXPECT_EQ(m_code, PLUGIN_NO_ENTRY) << text;
    }
}

TEST_F(ScheduleLoaderTest, ReadsToDosWhereTheModelDoes)
{
    const std::string text
        = calendar({"BEGIN:VTODO", "DUE:20030301T000000Z", "SUMMARY;CHARSET=SHIFT_JIS:todo",
                    "AALARM:20030228T000000Z;;;", "END:VTODO"});
    for (const char *model : {"sh505i", "d505i", "n505i", "f505i"}) {
        const auto loaded = load(model, text);
        ASSERT_EQ(loaded.size(), 1u) << model;
        EXPECT_STREQ(loaded[0].start, "20030301T000000Z");
        EXPECT_STREQ(loaded[0].end, "20030301T000000Z");
        EXPECT_STREQ(loaded[0].summary, "todo");
        EXPECT_STREQ(loaded[0].alarm, "20030228T000000Z");
    }
    for (const char *model : {"p505i", "so505i"}) {
        EXPECT_TRUE(load(model, text).empty()) << model;
        EXPECT_EQ(m_code, PLUGIN_NO_ENTRY) << model;
    }
}

TEST_F(ScheduleLoaderTest, ReadsTheModelsOwnProperties)
{
    const Lines body = {"DTSTART:s",
                        "SUMMARY;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=41=",
                        "=42",
                        "LOCATION;ENCODING=QUOTED-PRINTABLE;CHARSET=SHIFT_JIS:=4C",
                        "X-SEMC-ALLDAY:ON",
                        "CATEGORIES:X-NEC-GOLF",
                        "X-ICON:7",
                        "X-VOL:03",
                        "LAST-MODIFIED:20030101T000000Z",
                        "X-FUJITSU-ICON:18",
                        "X-FUJITSU-SCH_ALMKND:6",
                        "X-FUJITSU-SCH_ALMVOL:9"};
    struct Case
    {
        const char *model;
        const char *summary;
        const char *location;
        int32_t allDay;
        int32_t icon;
        int32_t volume;
        int32_t tone;
        const char *lastModified;
    };
    const Case cases[] = {
        {"sh505i", "", "", 0, 0, 0, 0, ""},  {"p505i", "", "", 0, 7, 3, 0, "20030101T000000Z"},
        {"so505i", "", "L", 1, 0, 0, 0, ""}, {"d505i", "", "", 0, 0, 0, 0, ""},
        {"n505i", "AB", "", 0, 4, 0, 0, ""}, {"f505i", "AB", "", 0, 7, 0, 6, "20030101T000000Z"},
    };
    for (const Case &c : cases) {
        const auto loaded = load(c.model, calendar(event(body)));
        ASSERT_EQ(loaded.size(), 1u) << c.model;
        EXPECT_STREQ(loaded[0].summary, c.summary) << c.model;
        EXPECT_STREQ(loaded[0].location, c.location) << c.model;
        EXPECT_EQ(loaded[0].allDay, c.allDay) << c.model;
        EXPECT_EQ(loaded[0].icon, c.icon) << c.model;
        EXPECT_EQ(loaded[0].alarmVolume, c.volume) << c.model;
        EXPECT_EQ(loaded[0].alarmTone, c.tone) << c.model;
        EXPECT_STREQ(loaded[0].lastModified, c.lastModified) << c.model;
    }
}

TEST_F(ScheduleLoaderTest, ReadsCategoryWordsThroughTheModelsTable)
{
    struct Case
    {
        const char *model;
        const char *line;
        int32_t icon;
    };
    const Case cases[] = {
        {"sh505i", "CATEGORIES:MEETING", 5},  {"sh505i", "CATEGORIES:UNKNOWN", 0},
        {"sh505i", "CATEGORIES:", 0},         {"p505i", "CATEGORIES:OTHER", 35},
        {"n505i", "CATEGORIES:BUSINESS", 23}, {"f505i", "CATEGORIES:TRAVEL", 12},
        {"so505i", "CATEGORIES:MEETING", 0},
    };
    for (const Case &c : cases) {
        const auto loaded = load(c.model, calendar(event({"DTSTART:s", c.line})));
        ASSERT_EQ(loaded.size(), 1u);
        EXPECT_EQ(loaded[0].icon, c.icon) << c.model << " " << c.line;
    }
}

TEST_F(ScheduleLoaderTest, PrefersTheModelsIconPropertyToTheCategoryWord)
{
    // P505i writes X-ICON before CATEGORIES, F505i X-FUJITSU-ICON after it.
    const auto p = load("p505i", calendar(event({"X-ICON:7", "CATEGORIES:UNKNOWN"})));
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].icon, 7);
    const auto f = load("f505i", calendar(event({"X-FUJITSU-ICON:41", "CATEGORIES:HOLIDAY"})));
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].icon, 18);
}

class ScheduleWriterTest : public testing::Test
{
protected:
    // The lines of the written file that begin with prefix.
    Lines written(const std::string &model, std::vector<ScheduleRecord> records,
                  const std::string &prefix)
    {
        CardFolder folder(model);
        const std::string path = folder.file("PIM00001.VCS");
        EXPECT_EQ(saveRecords(folder, KIND_SCHEDULE, path, std::move(records)), 0) << model;
        Lines found;
        for (const std::string &line : textLines(readFile(path)))
            if (line.rfind(prefix, 0) == 0)
                found.push_back(line);
        return found;
    }
};

TEST_F(ScheduleWriterTest, WritesTheCategoryWordOfTheIcon)
{
    struct Case
    {
        const char *model;
        int32_t icon;
        const char *line;
    };
    const Case cases[] = {
        {"sh505i", 7, "CATEGORIES:"},
        {"sh505i", 2, "CATEGORIES:HOLIDAY"},
        {"p505i", 35, "CATEGORIES:OTHER"},
        {"n505i", 0, "CATEGORIES:"},
        {"n505i", 10, "CATEGORIES:X-NEC-NOMIKAI"},
        {"f505i", 22, "CATEGORIES:MEETING"},
        {"f505i", 30, "CATEGORIES:PERSONAL"},
        {"so505i", 3, "CATEGORIES:"},
    };
    for (const Case &c : cases) {
        ScheduleRecord record = scheduleRecord();
        record.icon = c.icon;
        EXPECT_EQ(written(c.model, {record}, "CATEGORIES"), Lines{c.line})
            << c.model << " icon " << c.icon;
    }
}

TEST_F(ScheduleWriterTest, WritesWeekdayWordsForN505i)
{
    ScheduleRecord record = scheduleRecord();
    record.repeatRule = REPEAT_WEEKLY;
    record.weekdays = 1 | 2;
    EXPECT_EQ(written("n505i", {record}, "RRULE"), Lines{"RRULE:W1 SU MO #0"});
    record.weekdays = 0;
    EXPECT_EQ(written("n505i", {record}, "RRULE"), Lines{"RRULE:W1 #0"});
}

TEST_F(ScheduleWriterTest, WritesAlarmToneAndVolumeOfF505iOnlyWithAnAlarm)
{
    ScheduleRecord record = scheduleRecord();
    record.alarmTone = 9; // outside the list: 0
    record.alarmVolume = 7;
    EXPECT_EQ(written("f505i", {record}, "X-FUJITSU-SCH"),
              (Lines{"X-FUJITSU-SCH_ALMKND:", "X-FUJITSU-SCH_ALMVOL:"}));
    putText(record.alarm, "20030101T000000Z");
    EXPECT_EQ(written("f505i", {record}, "X-FUJITSU-SCH"),
              (Lines{"X-FUJITSU-SCH_ALMKND:0", "X-FUJITSU-SCH_ALMVOL:7"}));
}

TEST_F(ScheduleWriterTest, SkipsD505iEntriesWithoutStart)
{
    ScheduleRecord empty = scheduleRecord("");
    EXPECT_EQ(written("d505i", {empty, scheduleRecord("s")}, "DTSTART"), Lines{"DTSTART:s"});
    CardFolder d("d505i");
    const std::string path = d.file("PIM00001.VCS");
    EXPECT_EQ(saveRecords(d, KIND_SCHEDULE, path, std::vector<ScheduleRecord>{empty}),
              PLUGIN_NO_ENTRY);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(ScheduleWriterTest, NeverReadsPastAnUnterminatedField)
{
    ScheduleRecord record = scheduleRecord();
    std::fill(std::begin(record.description), std::end(record.description), 'd');
    std::fill(std::begin(record.end), std::end(record.end), 'e');
    CardFolder sh("sh505i");
    const std::string path = sh.file("PIM00001.VCS");
    ASSERT_EQ(saveRecords(sh, KIND_SCHEDULE, path, std::vector<ScheduleRecord>{record}), 0);
    const auto loaded = loadRecords<ScheduleRecord>(sh, KIND_SCHEDULE, path);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(std::string(loaded[0].description), std::string(257, 'd'));
    EXPECT_STREQ(loaded[0].end, ""); // 23 bytes: too long for a date-time
}

} // namespace
