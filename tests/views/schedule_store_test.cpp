#include "views/schedule/schedule_store.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/inform_blocks.h"
#include "common/owned_block.h"
#include "common/sjis_literal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using views::CalendarDate;
using views::ScheduleStore;

using Block = OwnedBlock<>;

ScheduleRecord entry(const char *start, const char *description = "")
{
    ScheduleRecord record{};
    record.header = {RECORD_VERSION_SCHEDULE, sizeof(ScheduleRecord), KIND_SCHEDULE, 0, 0};
    std::strcpy(record.start, start);
    std::strcpy(record.end, start);
    std::strcpy(record.description, description);
    return record;
}

// The records chained one after the other in one block, as a plug-in returns them.
std::vector<ScheduleRecord> chained(std::vector<ScheduleRecord> records)
{
    for (size_t i = 0; i < records.size(); ++i) {
        ChainRecords(i > 0 ? &records[i - 1] : nullptr, &records[i]);
        SetRecordLink(&records[i], RECORD_LINK_NEXT, nullptr);
    }
    return records;
}

std::vector<std::string> column(const ScheduleStore &store, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < store.RowCount(); ++row)
        texts.push_back(store.rowText(row, column));
    return texts;
}

class ScheduleStoreTest : public testing::Test
{
protected:
    void add(std::vector<ScheduleRecord> records)
    {
        const std::vector<ScheduleRecord> chain = chained(std::move(records));
        store.AddRecords(chain.data(), false, true, false);
    }

    ScheduleStore store;
};

TEST_F(ScheduleStoreTest, RowCellsShowTimesRepeatWeekdaysContentAlarmAndIcon)
{
    store.setOptionName([](int list, int index) -> std::optional<std::string> {
        if (list == INFORM_SCHEDULE_ICONS && index == 4)
            return std::string("work");
        return std::nullopt;
    });
    ScheduleRecord record = entry("20031231T200000Z", "meeting");
    std::strcpy(record.end, "20031231T210000Z");
    std::strcpy(record.alarm, "20031231T195000Z");
    record.repeatRule = REPEAT_WEEKLY;
    record.weekdays = 65;
    record.icon = 4;
    EXPECT_EQ(store.RowCells(record),
              (std::vector<std::string>{"2004/01/01 05:00:00", "2004/01/01 06:00:00", sjis("毎週"),
                                        sjis("日, 土"), "meeting", "2004/01/01 04:50:00", "work"}));
    record.icon = 9;
    record.repeatRule = 7;
    record.weekdays = 0;
    record.alarm[0] = '\0';
    const std::vector<std::string> cells = store.RowCells(record);
    EXPECT_EQ(cells[2], sjis("なし"));
    EXPECT_EQ(cells[3], "-");
    EXPECT_EQ(cells[5], "----/--/-- --:--:--");
    EXPECT_EQ(cells[6], "9") << "an icon the model does not name shows its number";
}

TEST_F(ScheduleStoreTest, WeekdayCellNamesTheSetDaysSundayFirst)
{
    const struct
    {
        int32_t weekdays;
        const char *shown;
    } cases[] = {
        {0, "-"},
        {1, sjis("日")},
        {65, sjis("日, 土")},
        {2 | 8 | 32, sjis("月, 水, 金")},
        {127, sjis("日, 月, 火, 水, 木, 金, 土")},
        {0x100 | 4, sjis("火")}, // bits beyond Saturday name no day
    };
    for (const auto &c : cases) {
        ScheduleRecord record = entry("");
        record.weekdays = c.weekdays;
        EXPECT_EQ(store.RowCells(record)[3], c.shown) << c.weekdays;
    }
}

TEST_F(ScheduleStoreTest, StartColumnSortsChronologicallyWithNoDateFirst)
{
    add({entry("20031231T200000Z", "b"), entry("", "none"), entry("20030101T000000Z", "a")});
    store.Rebuild();
    EXPECT_EQ(column(store, 4), (std::vector<std::string>{"none", "a", "b"}));
    store.SetSortColumn(0);
    EXPECT_EQ(column(store, 4), (std::vector<std::string>{"b", "a", "none"})) << "reversed";
    store.SetSortColumn(4);
    EXPECT_EQ(column(store, 4), (std::vector<std::string>{"a", "b", "none"}));
    EXPECT_EQ(store.rowIndex(0), 2) << "rows carry their store index";
}

TEST_F(ScheduleStoreTest, ASecondLoadOfTheSameCardAddsNothing)
{
    ScheduleRecord first = entry("20030505T010000Z", "a");
    std::strcpy(first.alarm, "20030505T005000Z");
    first.repeatRule = REPEAT_WEEKLY;
    first.repeatCount = 3;
    const std::vector<ScheduleRecord> card
        = chained({first, entry("20031224T100000Z", "b"), entry("20031224T100000Z", "b")});
    EXPECT_EQ(store.AddRecords(card.data(), false, true, true), 2) << "the copy inside the card";
    EXPECT_EQ(store.AddRecords(card.data(), false, true, true), 0);
    EXPECT_EQ(store.RecordCount(), 2);
    EXPECT_EQ(store.AddRecords(card.data(), true, false, false), 1) << "duplicates allowed";
    EXPECT_EQ(store.RecordCount(), 3);
}

TEST_F(ScheduleStoreTest, IdenticalComparesAllButToneAndLastModified)
{
    const ScheduleRecord base = entry("20030505T010000Z", "a");
    ScheduleRecord other = base;
    other.alarmTone = 3;
    std::strcpy(other.lastModified, "20030101T000000Z");
    other.header.next = 999;
    EXPECT_TRUE(ScheduleStore::Identical(base, other));
    const auto differs = [&](auto change) {
        ScheduleRecord changed = base;
        change(changed);
        return !ScheduleStore::Identical(base, changed);
    };
    EXPECT_TRUE(differs([](ScheduleRecord &r) { r.end[0] = 0; }));
    EXPECT_TRUE(differs([](ScheduleRecord &r) { std::strcpy(r.alarm, "x"); }));
    EXPECT_TRUE(differs([](ScheduleRecord &r) { std::strcpy(r.summary, "x"); }));
    EXPECT_TRUE(differs([](ScheduleRecord &r) { std::strcpy(r.location, "x"); }));
    EXPECT_TRUE(differs([](ScheduleRecord &r) { r.repeatCount = 1; }));
    EXPECT_TRUE(differs([](ScheduleRecord &r) { r.weekdays = 2; }));
    EXPECT_TRUE(differs([](ScheduleRecord &r) { r.icon = 1; }));
    EXPECT_TRUE(differs([](ScheduleRecord &r) { r.alarmVolume = 1; }));
    EXPECT_TRUE(differs([](ScheduleRecord &r) { r.allDay = 1; }));
}

TEST_F(ScheduleStoreTest, AddingSkipsOtherKindsStopsAtTheCapacityAndRefusesCircles)
{
    ScheduleRecord wrongSize = entry("20030505T010000Z", "size");
    wrongSize.header.size = 600;
    ScheduleRecord wrongKind = entry("20030505T010000Z", "kind");
    wrongKind.header.kind = KIND_ADDRESS;
    std::vector<ScheduleRecord> mixed = chained({wrongSize, wrongKind, entry("", "ok")});
    EXPECT_EQ(store.AddRecords(mixed.data(), false, true, false), 1);
    EXPECT_EQ(store.record(0)->header.prev, 0);
    EXPECT_EQ(store.record(0)->header.next, 664) << "links are offsets in the store";

    std::vector<ScheduleRecord> circle = chained({entry("", "x"), entry("", "y")});
    SetRecordLink(&circle[1], RECORD_LINK_NEXT, &circle[0]);
    EXPECT_EQ(store.AddRecords(circle.data(), false, true, false), 0);

    std::vector<ScheduleRecord> many;
    for (int i = 0; i < 1005; ++i)
        many.push_back(entry("", std::to_string(i).c_str()));
    many = chained(std::move(many));
    EXPECT_EQ(store.AddRecords(many.data(), false, true, false), 999);
    EXPECT_EQ(store.RecordCount(), ScheduleStore::Capacity);
}

TEST_F(ScheduleStoreTest, UnterminatedTextsAreCutOnACharacterBoundary)
{
    ScheduleRecord record = entry("", "");
    std::memset(record.description, 'a', sizeof record.description);
    // A two-byte character whose second byte would fall outside the text.
    std::memcpy(record.description + sizeof record.description - 2, sjis("日"), 2);
    std::memset(record.start, '1', sizeof record.start);
    store.AddRecords(&record, false, false, false);
    EXPECT_EQ(std::strlen(store.record(0)->description), sizeof record.description - 2);
    EXPECT_EQ(std::strlen(store.record(0)->start), sizeof record.start - 1);
}

TEST_F(ScheduleStoreTest, GetRecordCopiesOrMakesABlankOnTheCalendarsDay)
{
    add({entry("20030505T010000Z", "a")});
    ScheduleRecord out;
    EXPECT_EQ(store.GetRecord(0, out, {2004, 1, 1}), 1);
    EXPECT_STREQ(out.description, "a");
    EXPECT_EQ(store.GetRecord(-1, out, {2004, 1, 1}), 0);
    EXPECT_EQ(out.header.kind, KIND_SCHEDULE);
    EXPECT_EQ(out.header.size, 664u);
    EXPECT_EQ(out.header.version, RECORD_VERSION_SCHEDULE);
    EXPECT_STREQ(out.start, "20031231T150000Z") << "midnight in Japan";
    EXPECT_STREQ(out.end, out.start);
    EXPECT_STREQ(out.alarm, out.start);
    EXPECT_STREQ(out.description, "");
}

TEST_F(ScheduleStoreTest, ReplaceKeepsTheLinksAndRefusesBadHeaders)
{
    add({entry("20030505T010000Z", "a"), entry("20030506T010000Z", "b")});
    store.Rebuild();
    store.setModified(false);
    ScheduleRecord changed = entry("20030507T010000Z", "c");
    changed.header.prev = 12345;
    EXPECT_EQ(store.ReplaceRecord(1, changed), 1);
    EXPECT_EQ(store.record(1)->header.prev, 0) << "(index - 1) * 664";
    EXPECT_EQ(store.record(1)->header.next, 2 * 664);
    EXPECT_EQ(column(store, 4), (std::vector<std::string>{"a", "c"})) << "the row is rewritten";
    EXPECT_TRUE(store.isModified());
    store.setModified(false);
    changed.header.size = 663;
    EXPECT_EQ(store.ReplaceRecord(1, changed), -1);
    changed.header.size = 664;
    EXPECT_EQ(store.ReplaceRecord(2, changed), -1);
    EXPECT_FALSE(store.isModified());
}

TEST_F(ScheduleStoreTest, DeletingEveryRowLeavesTheStoreUnmodified)
{
    add({entry("20030505T010000Z", "a"), entry("20030506T010000Z", "b"),
         entry("20030507T010000Z", "c")});
    store.Rebuild();
    EXPECT_EQ(store.MarkRowDeleted(1), 1);
    EXPECT_EQ(store.MarkRowDeleted(3), -1);
    EXPECT_EQ(store.Purge(), 1);
    store.Rebuild();
    EXPECT_EQ(column(store, 4), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(store.record(1)->header.next, 2 * 664) << "links rewritten";
    EXPECT_TRUE(store.isModified());
    store.MarkRowDeleted(0);
    store.MarkRowDeleted(1);
    EXPECT_EQ(store.Purge(), 1);
    EXPECT_EQ(store.RecordCount(), 0);
    EXPECT_FALSE(store.isModified()) << "nothing left to save";
    EXPECT_EQ(store.Purge(), 0);
}

TEST_F(ScheduleStoreTest, ChoosingADaySelectsExactlyItsRows)
{
    // 2003-05-04 15:00 UTC is 5 May 00:00 in Japan; 5 May 15:00 UTC is already 6 May.
    add({entry("20030504T150000Z", "a"), entry("20030505T145959Z", "b"),
         entry("20030505T150000Z", "c"), entry("", "none")});
    store.Rebuild();
    store.setRowSelected(3, true);
    EXPECT_EQ(store.SelectDay({2003, 5, 5}), 2);
    std::vector<std::string> selected;
    for (int row : store.selectedRows())
        selected.push_back(store.rowText(row, 4));
    EXPECT_EQ(selected, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(store.DayOfRow(3), (CalendarDate{2003, 5, 6}));
    EXPECT_EQ(store.DayOfRow(0), std::nullopt) << "no date";
    EXPECT_EQ(store.DayOfRow(9), std::nullopt);
}

TEST_F(ScheduleStoreTest, CardBlockFollowsTheListOrder)
{
    EXPECT_EQ(store.CardBlock(), nullptr);
    add({entry("20030506T010000Z", "b"), entry("20030505T010000Z", "a"),
         entry("20030507T010000Z", "c")});
    store.Rebuild();
    store.MarkRowDeleted(2);
    const Block block(store.CardBlock());
    ASSERT_TRUE(block);
    std::vector<std::string> order;
    for (const void *link = block.get(); link; link = RecordLink(link, RECORD_LINK_NEXT)) {
        ScheduleRecord record;
        std::memcpy(&record, link, sizeof record);
        EXPECT_EQ(record.header.kind, KIND_SCHEDULE);
        order.push_back(record.description);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(RecordLink(block.get(), RECORD_LINK_PREV), nullptr);
}

TEST_F(ScheduleStoreTest, APcImageLoadsBackEveryEntryInItsPlace)
{
    add({entry("20261215T000000Z", "a"), entry("20261203T010000Z", "b"),
         entry("20261203T010000Z", "b")});
    const std::vector<ScheduleRecord> twin = chained({entry("20261203T010000Z", "b")});
    ASSERT_EQ(store.AddRecords(twin.data(), true, false, false), 1);
    const std::vector<unsigned char> image = store.BuildPcBlock(0x44530101);
    ASSERT_EQ(image.size(), 32u + 3 * sizeof(ScheduleRecord));

    ScheduleStore loaded;
    const std::vector<ScheduleRecord> leftOver = chained({entry("20250101T000000Z", "old")});
    ASSERT_EQ(loaded.AddRecords(leftOver.data(), false, false, false), 1);
    EXPECT_EQ(loaded.LoadPcBlock(image.data(), image.size(), 0), 1) << "code 0 is no model";
    EXPECT_EQ(loaded.LoadPcBlock(image.data(), image.size(), 0x44530101), -1);
    EXPECT_EQ(loaded.RecordCount(), 3);
    EXPECT_FALSE(loaded.isModified());
    for (int c = 0; c < ScheduleStore::ColumnCount; ++c)
        EXPECT_EQ(column(loaded, c), column(store, c)) << c;

    std::vector<unsigned char> damaged = image;
    damaged[12] = 0xE8; // data kind 1000: a bookmark file
    EXPECT_EQ(loaded.LoadPcBlock(damaged.data(), damaged.size(), 0x44530101), 0);
    EXPECT_EQ(loaded.RecordCount(), 3) << "a refused image changes nothing";
}

} // namespace
