// How fast the address book answers the user with a full book: 1,000 entries and the owner's
// own entry, icon names asked of the N505i plug-in as the editor asks them. Every step includes
// the rebuild or reordering of the list rows it causes; the BM_View runs add the list widget.
#include "common/data_block.h"
#include "host/plugin_host.h"
#include "views/common/choice_lists.h"
#include "views/address/address_store.h"
#include "views/address/address_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using views::AddressStore;

constexpr int Entries = 1000;

const host::PluginHost &plugins()
{
    static const host::PluginHost &bound = []() -> const host::PluginHost & {
        static host::PluginHost host;
        if (host.discover(CELLVANE_PLUGIN_DIR "/") == 0
            || !host.selectByModelName("DoCoMo N505i")) {
            std::fprintf(stderr, "cannot load the N505i plug-in from %s\n", CELLVANE_PLUGIN_DIR);
            std::exit(1);
        }
        return host;
    }();
    return bound;
}

template<size_t N>
void put(char (&field)[N], const std::string &text)
{
    std::snprintf(field, N, "%s", text.c_str());
}

// Entry i: readings spread over the kana rows, ten groups, every field the list shows filled.
AddressRecord entry(int i)
{
    AddressRecord record{};
    record.header = {RECORD_VERSION_ADDRESS, sizeof(AddressRecord), 1001, 0, 0};
    record.memoryNumber = i;
    record.groupNumber = i % 10;
    put(record.groupName, "group " + std::to_string(i % 10));
    put(record.name, "Name " + std::to_string((i * 7919) % Entries));
    const char reading[] = {static_cast<char>(0xB1 + (i * 31) % 45), 'a', '\0'};
    put(record.reading, reading);
    put(record.postalCode, "100-" + std::to_string(1000 + i));
    put(record.postalAddress, "Chiyoda " + std::to_string(i));
    for (int slot = 0; slot < 2; ++slot) {
        put(record.phones[slot].number, "090-" + std::to_string(10000000 + i * 37 + slot));
        record.phones[slot].icon = (i + slot) % 12;
        put(record.mails[slot].address, "user" + std::to_string(i) + "@example.jp");
        record.mails[slot].icon = (i + slot) % 4;
    }
    put(record.note, "note " + std::to_string(i));
    return record;
}

AddressRecord owner()
{
    AddressRecord record = entry(0);
    record.memoryNumber = OWNER_MEMORY_NUMBER;
    put(record.name, "Owner");
    return record;
}

// The owner's entry and the 1,000 entries chained in one block, as a card load delivers them.
struct CardChain
{
    std::vector<AddressRecord> records;

    CardChain()
    {
        records.push_back(owner());
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

// The owner and the first entries of the chain; a full book by default.
AddressStore book(int entries = Entries)
{
    std::vector<AddressRecord> records(cardChain().records.begin(),
                                       cardChain().records.begin() + 1 + entries);
    for (size_t i = 1; i < records.size(); ++i)
        ChainRecords(&records[i - 1], &records[i]);
    SetRecordLink(&records.back(), RECORD_LINK_NEXT, nullptr);
    AddressStore store;
    store.setLimits({Entries, false, true});
    store.setOptionName(views::pluginOptionName(plugins()));
    if (store.MergeRecords(records.data(), false, true, false) != entries) {
        std::fprintf(stderr, "the book did not fill\n");
        std::exit(1);
    }
    store.RefreshAllRows();
    return store;
}

AddressStore fullBook()
{
    return book();
}

void BM_MergeChainOfDuplicates(benchmark::State &state)
{
    AddressStore store = fullBook();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.MergeRecords(cardChain().first(), false, true, true));
        store.RefreshGroupColumn();
    }
}
BENCHMARK(BM_MergeChainOfDuplicates)->Unit(benchmark::kMillisecond);

// One entry short of the ceiling, so every record of the chain is compared with the book.
void BM_MergeChainOfDuplicatesBelowTheCeiling(benchmark::State &state)
{
    AddressStore store = book(Entries - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.MergeRecords(cardChain().first(), false, true, true));
        store.RefreshGroupColumn();
        state.PauseTiming();
        // The one new entry goes again, so each round merges into the same book.
        store.MarkRowDeleted(store.selectedRows().at(0));
        store.RemoveRecord(-1, false);
        store.RefreshAllRows();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MergeChainOfDuplicatesBelowTheCeiling)->Unit(benchmark::kMillisecond);

void BM_MergeChainIntoEmptyBook(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        AddressStore store;
        store.setLimits({Entries, false, true});
        store.setOptionName(views::pluginOptionName(plugins()));
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.MergeRecords(cardChain().first(), false, true, true));
        store.RefreshGroupColumn();
    }
}
BENCHMARK(BM_MergeChainIntoEmptyBook)->Unit(benchmark::kMillisecond);

void BM_FilterChange(benchmark::State &state)
{
    AddressStore store = fullBook();
    // "全体表示" and "かきくけこ" in turn: every change rebuilds the rows.
    int filter = 6;
    for (auto _ : state) {
        store.setFilter(filter);
        filter = filter == 0 ? 6 : 0;
        benchmark::DoNotOptimize(store.RowCount());
    }
}
BENCHMARK(BM_FilterChange)->Unit(benchmark::kMillisecond);

void BM_SortByColumn(benchmark::State &state)
{
    AddressStore store = fullBook();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        store.SetSortColumn(column);
        store.RefreshGroupColumn();
        benchmark::DoNotOptimize(store.rowIndex(0));
    }
}
BENCHMARK(BM_SortByColumn)
    ->DenseRange(0, AddressStore::ColumnCount - 1)
    ->Unit(benchmark::kMillisecond);

void BM_DeleteHalf(benchmark::State &state)
{
    const AddressStore book = fullBook();
    for (auto _ : state) {
        state.PauseTiming();
        AddressStore store = book;
        state.ResumeTiming();
        for (int row = 0; row < store.RowCount(); row += 2)
            store.MarkRowDeleted(row);
        store.RemoveRecord(-1, false);
        store.RefreshAllRows();
        benchmark::DoNotOptimize(store.RowCount());
    }
}
BENCHMARK(BM_DeleteHalf)->Unit(benchmark::kMillisecond);

void BM_BuildCardChain(benchmark::State &state)
{
    const AddressStore store = fullBook();
    for (auto _ : state) {
        void *chain = store.BuildCardChain();
        benchmark::DoNotOptimize(chain);
        std::free(chain);
    }
}
BENCHMARK(BM_BuildCardChain)->Unit(benchmark::kMillisecond);

void BM_BuildPcBlock(benchmark::State &state)
{
    const AddressStore store = fullBook();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.BuildPcBlock(1).size());
}
BENCHMARK(BM_BuildPcBlock)->Unit(benchmark::kMillisecond);

void BM_LoadPcBlock(benchmark::State &state)
{
    const std::vector<unsigned char> block = fullBook().BuildPcBlock(1);
    AddressStore store;
    store.setLimits({Entries, false, true});
    store.setOptionName(views::pluginOptionName(plugins()));
    for (auto _ : state)
        benchmark::DoNotOptimize(store.LoadPcBlock(block.data(), block.size(), 1));
}
BENCHMARK(BM_LoadPcBlock)->Unit(benchmark::kMillisecond);

// The same steps through the widget: the list control is refilled from the rows each time.
struct ShownBook
{
    views::CAddressView view;

    ShownBook()
    {
        view.store() = fullBook();
        view.resize(800, 600);
        view.showStore();
    }
};

void BM_ViewMergeChainOfDuplicates(benchmark::State &state)
{
    ShownBook shown;
    for (auto _ : state)
        benchmark::DoNotOptimize(shown.view.mergeCardBlock(cardChain().first()));
}
BENCHMARK(BM_ViewMergeChainOfDuplicates)->Unit(benchmark::kMillisecond);

void BM_ViewFilterChange(benchmark::State &state)
{
    ShownBook shown;
    QTreeWidget *tree = shown.view.tree();
    // "全体表示" and "かきくけこ" in turn.
    QTreeWidgetItem *nodes[] = {tree->topLevelItem(0), tree->topLevelItem(1)->child(5)};
    int next = 1;
    for (auto _ : state) {
        tree->setCurrentItem(nodes[next]);
        next = 1 - next;
        benchmark::DoNotOptimize(shown.view.listRowCount());
    }
}
BENCHMARK(BM_ViewFilterChange)->Unit(benchmark::kMillisecond);

void BM_ViewSortByColumn(benchmark::State &state)
{
    ShownBook shown;
    QHeaderView *header = shown.view.list()->header();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        emit header->sectionClicked(column);
        benchmark::DoNotOptimize(shown.view.listRowCount());
    }
}
BENCHMARK(BM_ViewSortByColumn)
    ->DenseRange(0, AddressStore::ColumnCount - 1)
    ->Unit(benchmark::kMillisecond);

void BM_ViewDeleteHalf(benchmark::State &state)
{
    ShownBook shown;
    const AddressStore full = shown.view.store();
    for (auto _ : state) {
        state.PauseTiming();
        shown.view.store() = full;
        shown.view.showStore();
        state.ResumeTiming();
        for (int row = 0; row < Entries; row += 2)
            shown.view.deleteEntryAtRow(row);
        shown.view.compact();
        shown.view.refresh();
        benchmark::DoNotOptimize(shown.view.listRowCount());
    }
}
BENCHMARK(BM_ViewDeleteHalf)->Unit(benchmark::kMillisecond);

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
