// How fast the mail and bookmark views answer the user when full: 3,000 messages (two thirds
// in the inbox, subjects ISO-2022-JP encoded words decoded by the real codec library) and
// 1,000 bookmarks in ten folders. Every step includes the rebuild or reordering of the list
// rows it causes.
#include "bench/mail_chain.h"
#include "common/data_block.h"
#include "common/data_kind.h"
#include "host/codec_binding.h"
#include "views/bookmark/bookmark_store.h"
#include "views/mail/mail_store.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using views::BookmarkStore;
using views::MailStore;

constexpr int Mails = MailStore::Ceiling;
constexpr int Bookmarks = BookmarkStore::Ceiling;

const host::CodecBinding &codec()
{
    static const host::CodecBinding &bound = []() -> const host::CodecBinding & {
        static host::CodecBinding binding;
        if (!binding.bind(HANDSETKIT_PATH)) {
            std::fprintf(stderr, "cannot bind %s\n", HANDSETKIT_PATH);
            std::exit(1);
        }
        return binding;
    }();
    return bound;
}

const std::vector<char> &fullMailChain()
{
    static const std::vector<char> chain = mailChain(Mails);
    return chain;
}

MailStore mailbox(int count = Mails)
{
    const std::vector<char> chain = mailChain(count);
    MailStore store;
    store.setCodecs(views::mailCodecsOf(codec()));
    if (store.AddRecords(chain.data(), false, true, false) != count) {
        std::fprintf(stderr, "the mailbox did not fill\n");
        std::exit(1);
    }
    store.Rebuild();
    return store;
}

// Deletes the message at store index twice (to the trash, then for good), leaving the inbox on
// show.
void removeForGood(MailStore &store, int index)
{
    for (int folder : {MailStore::Inbox, MailStore::Outbox, MailStore::Trash}) {
        store.ChooseFolder(folder);
        for (int row = 0; row < store.RowCount(); ++row) {
            if (store.rowIndex(row) == index)
                store.MarkRowDeleted(row);
        }
    }
    store.Purge();
    store.ChooseFolder(MailStore::Inbox);
    if (store.RecordCount() != index) {
        std::fprintf(stderr, "the message did not go\n");
        std::exit(1);
    }
}

void BM_MailMergeCardOfDuplicates(benchmark::State &state)
{
    // One message short of the ceiling, so every message of the card is compared.
    MailStore store = mailbox(Mails - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.AddRecords(fullMailChain().data(), false, true, true));
        store.Rebuild();
        state.PauseTiming();
        // The one new message goes again, so each round merges into the same store.
        removeForGood(store, Mails - 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MailMergeCardOfDuplicates)->Unit(benchmark::kMillisecond);

void BM_MailMergeCardIntoEmptyStore(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        MailStore store;
        store.setCodecs(views::mailCodecsOf(codec()));
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.AddRecords(fullMailChain().data(), false, true, true));
        store.Rebuild();
    }
}
BENCHMARK(BM_MailMergeCardIntoEmptyStore)->Unit(benchmark::kMillisecond);

void BM_MailSwitchBox(benchmark::State &state)
{
    MailStore store = mailbox();
    int folder = MailStore::Inbox;
    for (auto _ : state) {
        folder = (folder + 1) % 3;
        store.ChooseFolder(folder);
        benchmark::DoNotOptimize(store.RowCount());
    }
}
BENCHMARK(BM_MailSwitchBox)->Unit(benchmark::kMillisecond);

void BM_MailSortByColumn(benchmark::State &state)
{
    MailStore store = mailbox();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        store.SetSortColumn(column);
        benchmark::DoNotOptimize(store.rowIndex(0));
    }
}
BENCHMARK(BM_MailSortByColumn)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Half of the inbox to the trash, as the frame's delete does it.
void BM_MailDeleteHalf(benchmark::State &state)
{
    const MailStore full = mailbox();
    for (auto _ : state) {
        state.PauseTiming();
        MailStore store = full;
        state.ResumeTiming();
        for (int row = 0; row < store.RowCount(); row += 2)
            store.MarkRowDeleted(row);
        store.Purge();
        store.Rebuild();
        benchmark::DoNotOptimize(store.RowCount());
    }
}
BENCHMARK(BM_MailDeleteHalf)->Unit(benchmark::kMillisecond);

// Half of a full trash removed for good.
void BM_MailPurgeHalf(benchmark::State &state)
{
    MailStore trash = mailbox();
    for (int folder : {MailStore::Inbox, MailStore::Outbox}) {
        trash.ChooseFolder(folder);
        for (int row = 0; row < trash.RowCount(); ++row)
            trash.MarkRowDeleted(row);
    }
    trash.ChooseFolder(MailStore::Trash);
    for (auto _ : state) {
        state.PauseTiming();
        MailStore store = trash;
        state.ResumeTiming();
        for (int row = 0; row < store.RowCount(); row += 2)
            store.MarkRowDeleted(row);
        store.Purge();
        store.Rebuild();
        benchmark::DoNotOptimize(store.RowCount());
    }
}
BENCHMARK(BM_MailPurgeHalf)->Unit(benchmark::kMillisecond);

BookmarkRecord bookmark(int i)
{
    BookmarkRecord record{};
    record.header = {RECORD_VERSION_BOOKMARK, sizeof record, KIND_BOOKMARK, 0, 0};
    put(record.title, "Site " + std::to_string((i * 7919) % Bookmarks));
    put(record.url, "http://www" + std::to_string(i) + ".example.jp/i/index.html");
    put(record.folder, "Folder " + std::to_string(i % 10));
    record.folderNumber = i % 10;
    return record;
}

std::vector<BookmarkRecord> bookmarkChain(int count)
{
    std::vector<BookmarkRecord> records;
    for (int i = 0; i < count; ++i)
        records.push_back(bookmark(i));
    for (size_t i = 1; i < records.size(); ++i)
        ChainRecords(&records[i - 1], &records[i]);
    return records;
}

const std::vector<BookmarkRecord> &fullBookmarkChain()
{
    static const std::vector<BookmarkRecord> chain = bookmarkChain(Bookmarks);
    return chain;
}

BookmarkStore bookmarks(int count = Bookmarks)
{
    const std::vector<BookmarkRecord> chain = bookmarkChain(count);
    BookmarkStore store;
    if (store.MergeRecords(chain.data(), false, true, false) != count) {
        std::fprintf(stderr, "the bookmarks did not fill\n");
        std::exit(1);
    }
    store.RefreshAllRows();
    return store;
}

void BM_BookmarkMergeCardOfDuplicates(benchmark::State &state)
{
    BookmarkStore store = bookmarks(Bookmarks - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.MergeRecords(fullBookmarkChain().data(), false, true, true));
        store.RefreshFolderColumn();
        state.PauseTiming();
        store.MarkRowDeleted(store.selectedRows().at(0));
        store.RemoveRecord(-1, false);
        store.RefreshAllRows();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BookmarkMergeCardOfDuplicates)->Unit(benchmark::kMillisecond);

void BM_BookmarkSortByColumn(benchmark::State &state)
{
    BookmarkStore store = bookmarks();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        store.SetSortColumn(column);
        store.RefreshFolderColumn();
        benchmark::DoNotOptimize(store.rowIndex(0));
    }
}
BENCHMARK(BM_BookmarkSortByColumn)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_BookmarkDeleteHalf(benchmark::State &state)
{
    const BookmarkStore full = bookmarks();
    for (auto _ : state) {
        state.PauseTiming();
        BookmarkStore store = full;
        state.ResumeTiming();
        for (int row = 0; row < store.RowCount(); row += 2)
            store.MarkRowDeleted(row);
        store.RemoveRecord(-1, false);
        store.RefreshAllRows();
        benchmark::DoNotOptimize(store.RowCount());
    }
}
BENCHMARK(BM_BookmarkDeleteHalf)->Unit(benchmark::kMillisecond);

void BM_BookmarkBuildCardChain(benchmark::State &state)
{
    const BookmarkStore store = bookmarks();
    for (auto _ : state) {
        void *chain = store.BuildCardChain();
        benchmark::DoNotOptimize(chain);
        std::free(chain);
    }
}
BENCHMARK(BM_BookmarkBuildCardChain)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
