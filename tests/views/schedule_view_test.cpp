#include "views/schedule/calendar_view.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "views/schedule/schedule_calendar.h"

#include "schedule_test_clock.h"

#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <cstring>

#include <gtest/gtest.h>

namespace {

using views::CalendarDate;
using views::CCalendarView;
using views::ScheduleCalendar;

ScheduleRecord entry(const char *start, const char *description)
{
    ScheduleRecord record{};
    record.header = {RECORD_VERSION_SCHEDULE, sizeof(ScheduleRecord), KIND_SCHEDULE, 0, 0};
    std::strcpy(record.start, start);
    std::strcpy(record.end, start);
    std::strcpy(record.description, description);
    return record;
}

QPoint cellCentre(const ScheduleCalendar &calendar, int cell)
{
    const views::LayoutRect place = calendar.grid().cell(cell);
    return {place.x + place.width / 2, place.y + place.height / 2};
}

// The cell that shows day in the calendar's grid.
int cellOf(const ScheduleCalendar &calendar, const CalendarDate &day)
{
    for (int cell = 0; cell < views::CalendarState::GridDays; ++cell) {
        if (calendar.state().cellDate(cell) == day)
            return cell;
    }
    return -1;
}

class ScheduleViewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        view.resize(640, 600);
        view.show();
        for (const ScheduleRecord &record :
             {entry("20030504T150000Z", "fifth-a"), entry("20030505T030000Z", "fifth-b"),
              entry("20030519T010000Z", "nineteenth")})
            view.store().AddRecords(&record, true, false, false);
        view.refresh();
    }

    std::vector<std::string> selectedContents() const
    {
        std::vector<std::string> texts;
        for (int row : view.selectedRows())
            texts.push_back(view.list()->topLevelItem(row)->text(4).toStdString());
        return texts;
    }

    ScheduleTestClock clock;
    CCalendarView view{clock, clock};
};

TEST_F(ScheduleViewTest, CalendarColoursTheCurrentDateTodayWeekendsAndOtherMonths)
{
    ScheduleCalendar &calendar = *view.calendar();
    ASSERT_TRUE(calendar.isVisible());
    EXPECT_EQ(calendar.state().date(), (CalendarDate{2003, 5, 16})) << "opens on today";
    calendar.state().setDate({2003, 5, 14});
    calendar.state().setYears(2003, 2099);
    const QImage picture = calendar.grab().toImage();
    const auto colourOf = [&](const CalendarDate &day) {
        const views::LayoutRect place = calendar.grid().cell(cellOf(calendar, day));
        // The cell's lower right corner: clear of the day number.
        return picture.pixelColor(place.x + place.width - 3, place.y + place.height - 3);
    };
    EXPECT_EQ(colourOf({2003, 5, 14}), QColor(0, 0, 128));
    EXPECT_EQ(colourOf({2003, 5, 16}), QColor(0, 192, 0));
    EXPECT_EQ(colourOf({2003, 5, 18}), QColor(255, 192, 192));
    EXPECT_EQ(colourOf({2003, 5, 17}), QColor(192, 192, 255));
    EXPECT_EQ(colourOf({2003, 5, 15}), QColor(255, 255, 255));
    EXPECT_EQ(colourOf({2003, 6, 1}), QColor(192, 192, 192));

    calendar.state().setDate({2003, 1, 15});
    const QImage january = calendar.grab().toImage();
    const views::LayoutRect first = calendar.grid().cell(0); // 29 December 2002
    EXPECT_EQ(january.pixelColor(first.x + first.width - 3, first.y + first.height - 3),
              QColor(128, 128, 128));
}

TEST_F(ScheduleViewTest, ClickingADaySelectsItsEntries)
{
    ScheduleCalendar &calendar = *view.calendar();
    QSignalSpy changes(&calendar, &ScheduleCalendar::dateChanged);
    QTest::mouseClick(&calendar, Qt::LeftButton, {},
                      cellCentre(calendar, cellOf(calendar, {2003, 5, 5})));
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(view.calendarDate(), (CalendarDate{2003, 5, 5}));
    EXPECT_EQ(selectedContents(), (std::vector<std::string>{"fifth-a", "fifth-b"}));
    QTest::mouseClick(&calendar, Qt::LeftButton, {},
                      cellCentre(calendar, cellOf(calendar, {2003, 5, 20})));
    EXPECT_TRUE(view.selectedRows().empty()) << "a day without entries selects nothing";
}

TEST_F(ScheduleViewTest, ClickingAnEntryMovesTheCalendarToItsDay)
{
    QTreeWidget *list = view.list();
    QTreeWidgetItem *item = list->topLevelItem(2);
    ASSERT_EQ(item->text(4), "nineteenth");
    const QRect place = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_EQ(view.calendarDate(), (CalendarDate{2003, 5, 19}));
    EXPECT_EQ(selectedContents(), std::vector<std::string>{"nineteenth"});

    QSignalSpy edits(&view, &CCalendarView::editRequested);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_EQ(edits.size(), 1) << "a double click on an entry edits it";
}

TEST_F(ScheduleViewTest, DoubleClickOnTheCurrentDateAsksForANewEntry)
{
    ScheduleCalendar &calendar = *view.calendar();
    QSignalSpy adds(&view, &CCalendarView::addRequested);
    const QPoint today = cellCentre(calendar, cellOf(calendar, {2003, 5, 16}));
    // A double click arrives as a press, then a double-click event for the second press.
    QTest::mouseClick(&calendar, Qt::LeftButton, {}, today);
    QTest::mouseDClick(&calendar, Qt::LeftButton, {}, today);
    EXPECT_EQ(adds.size(), 1);
    clock.now += 10000;
    QTest::mouseClick(&calendar, Qt::LeftButton, {}, today);
    EXPECT_EQ(adds.size(), 1) << "one slow click is no double click";
}

TEST_F(ScheduleViewTest, NavigationButtonsStepOnRelease)
{
    ScheduleCalendar &calendar = *view.calendar();
    const views::LayoutRect next = calendar.buttonRect(views::CalendarButton::NextMonth);
    QTest::mouseClick(&calendar, Qt::LeftButton, {},
                      QPoint(next.x + next.width / 2, next.y + next.height / 2));
    EXPECT_EQ(view.calendarDate(), (CalendarDate{2003, 6, 16}));
}

TEST_F(ScheduleViewTest, CardMergeSelectsTheNewEntriesAndSkipsKnownOnes)
{
    std::vector<ScheduleRecord> card{entry("20030505T030000Z", "fifth-b"),
                                     entry("20030601T030000Z", "june")};
    ChainRecords(&card[0], &card[1]);
    SetRecordLink(&card[1], RECORD_LINK_NEXT, nullptr);
    EXPECT_EQ(view.mergeCardBlock(card.data()), 1);
    view.refresh();
    EXPECT_EQ(view.entryCount(), 4);
    EXPECT_EQ(selectedContents(), std::vector<std::string>{"june"});
}

} // namespace
