// How fast the schedule answers the user with a full store: 1,000 entries over three years,
// icon names asked of the SH505i plug-in as the view asks them. Every step includes the
// reordering or reselection of the list rows it causes; the BM_View runs add the widgets.
#include "common/data_block.h"
#include "host/plugin_host.h"
#include "platform/clock.h"
#include "views/common/choice_lists.h"
#include "views/schedule/calendar_view.h"
#include "views/schedule/schedule_calendar.h"
#include "views/schedule/schedule_store.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using views::ScheduleStore;

constexpr int Entries = 1000;

const host::PluginHost &plugins()
{
    static const host::PluginHost &bound = []() -> const host::PluginHost & {
        static host::PluginHost host;
        if (host.discover(CELLVANE_PLUGIN_DIR "/") == 0
            || !host.selectByModelName("DoCoMo SH505i")) {
            std::fprintf(stderr, "cannot load the SH505i plug-in from %s\n", CELLVANE_PLUGIN_DIR);
            std::exit(1);
        }
        return host;
    }();
    return bound;
}

// Entry i: one a day or so from 2003 on, every column the list shows filled.
ScheduleRecord entry(int i)
{
    ScheduleRecord record{};
    record.header = {RECORD_VERSION_SCHEDULE, sizeof(ScheduleRecord), 1003, 0, 0};
    const views::LocalDateTime start{2003 + i / 336, 1 + i / 28 % 12, 1 + i % 28, 9 + i % 10, 0, 0};
    std::snprintf(record.start, sizeof record.start, "%s",
                  views::FormatScheduleTime(start).c_str());
    std::snprintf(record.end, sizeof record.end, "%s",
                  views::FormatScheduleTime(views::AddMinutes(start, 60)).c_str());
    std::snprintf(record.alarm, sizeof record.alarm, "%s",
                  views::FormatScheduleTime(views::AddMinutes(start, -10)).c_str());
    std::snprintf(record.description, sizeof record.description, "entry %d", (i * 7919) % Entries);
    record.repeatRule = i % 5;
    record.repeatCount = i % 7;
    record.weekdays = i % 128;
    record.icon = i % 6;
    return record;
}

// The 1,000 entries chained in one block, as a card load delivers them.
struct CardChain
{
    std::vector<ScheduleRecord> records;

    CardChain()
    {
        for (int i = 0; i < Entries; ++i)
            records.push_back(entry(i));
        for (size_t i = 1; i < records.size(); ++i)
            ChainRecords(&records[i - 1], &records[i]);
    }
    const void *first() const { return records.data(); }
};

const CardChain &cardChain()
{
    static const CardChain chain;
    return chain;
}

// The first entries of the chain; a full store by default.
ScheduleStore schedule(int entries = Entries)
{
    std::vector<ScheduleRecord> records(cardChain().records.begin(),
                                        cardChain().records.begin() + entries);
    for (size_t i = 1; i < records.size(); ++i)
        ChainRecords(&records[i - 1], &records[i]);
    SetRecordLink(&records.back(), RECORD_LINK_NEXT, nullptr);
    ScheduleStore store;
    store.setOptionName(views::pluginOptionName(plugins()));
    if (store.AddRecords(records.data(), false, true, false) != entries) {
        std::fprintf(stderr, "the schedule did not fill\n");
        std::exit(1);
    }
    store.Rebuild();
    return store;
}

ScheduleStore fullStore()
{
    return schedule();
}

void BM_MergeChainOfDuplicates(benchmark::State &state)
{
    ScheduleStore store = fullStore();
    for (auto _ : state) {
        store.DeselectAll();
        benchmark::DoNotOptimize(store.AddRecords(cardChain().first(), false, true, true));
        store.Sort();
    }
}
BENCHMARK(BM_MergeChainOfDuplicates)->Unit(benchmark::kMillisecond);

// One entry short of the capacity, so every record of the chain is compared with the store.
void BM_MergeChainOfDuplicatesBelowTheCapacity(benchmark::State &state)
{
    ScheduleStore store = schedule(Entries - 1);
    for (auto _ : state) {
        store.DeselectAll();
        benchmark::DoNotOptimize(store.AddRecords(cardChain().first(), false, true, true));
        store.Sort();
        state.PauseTiming();
        // The one new entry goes again, so each round merges into the same store.
        store.MarkRowDeleted(store.selectedRows().at(0));
        store.Purge();
        store.Rebuild();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MergeChainOfDuplicatesBelowTheCapacity)->Unit(benchmark::kMillisecond);

void BM_SortByColumn(benchmark::State &state)
{
    ScheduleStore store = fullStore();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        store.SetSortColumn(column);
        benchmark::DoNotOptimize(store.rowIndex(0));
    }
}
BENCHMARK(BM_SortByColumn)
    ->DenseRange(0, ScheduleStore::ColumnCount - 1)
    ->Unit(benchmark::kMillisecond);

void BM_SelectDay(benchmark::State &state)
{
    ScheduleStore store = fullStore();
    int day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.SelectDay({2003, 1 + day % 12, 1 + day % 28}));
        ++day;
    }
}
BENCHMARK(BM_SelectDay)->Unit(benchmark::kMillisecond);

// The same steps through the widgets: the list control takes the rows or the selection.
struct ShownSchedule
{
    platform::SystemClock clock;
    views::CCalendarView view{clock, clock};

    ShownSchedule()
    {
        view.store() = fullStore();
        view.resize(800, 600);
        view.showStore();
    }
};

void BM_ViewMergeChainOfDuplicates(benchmark::State &state)
{
    ShownSchedule shown;
    for (auto _ : state)
        benchmark::DoNotOptimize(shown.view.mergeCardBlock(cardChain().first()));
}
BENCHMARK(BM_ViewMergeChainOfDuplicates)->Unit(benchmark::kMillisecond);

void BM_ViewSortByColumn(benchmark::State &state)
{
    ShownSchedule shown;
    QHeaderView *header = shown.view.list()->header();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        emit header->sectionClicked(column);
        benchmark::DoNotOptimize(shown.view.listRowCount());
    }
}
BENCHMARK(BM_ViewSortByColumn)
    ->DenseRange(0, ScheduleStore::ColumnCount - 1)
    ->Unit(benchmark::kMillisecond);

void BM_ViewSelectDay(benchmark::State &state)
{
    ShownSchedule shown;
    views::ScheduleCalendar *calendar = shown.view.calendar();
    int day = 0;
    for (auto _ : state) {
        calendar->state().setDate({2003, 1 + day % 12, 1 + day % 28});
        emit calendar->dateChanged(calendar->state().date());
        benchmark::DoNotOptimize(shown.view.selectedRows().size());
        ++day;
    }
}
BENCHMARK(BM_ViewSelectDay)->Unit(benchmark::kMillisecond);

// One full repaint of the calendar at the largest size the view gives it.
void BM_CalendarRepaint(benchmark::State &state)
{
    ShownSchedule shown;
    views::ScheduleCalendar *calendar = shown.view.calendar();
    QImage image(calendar->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        calendar->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_CalendarRepaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
