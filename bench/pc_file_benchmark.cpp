// How long opening and saving a full PC data file takes, as the editor and cellvane-cli do it:
// 1,000 addresses, 1,000 schedule entries, 3,000 mails, 1,000 bookmarks. A save is the whole
// image built, written to a temporary file, flushed to the disk and renamed over the old file;
// an open is the file read whole and taken over by the view.
#include "app/pc_files.h"
#include "bench/mail_chain.h"
#include "host/plugin_host.h"
#include "platform/user_interaction.h"
#include "views/address/address_view_core.h"
#include "views/bookmark/bookmark_view_core.h"
#include "views/mail/mail_view_core.h"
#include "views/schedule/schedule_view_core.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

struct Silent : platform::MessageBoxes, app::ProgressWindow, app::BusyPointer, app::PcFileChooser
{
    platform::MessageAnswer show(const platform::Message &) override
    {
        std::fprintf(stderr, "unexpected message\n");
        std::exit(1);
    }
    void open(app::TextId, app::TextId) override {}
    void start(int) override {}
    void setPos(int) override {}
    void finish() override {}
    void close() override {}
    void begin() override {}
    void end() override {}
    std::optional<std::string> chooseOpenPath(int, const std::string &) override { return {}; }
    std::optional<std::string> chooseSavePath(int, const std::string &) override { return {}; }
};

host::PluginHost &plugins()
{
    static host::PluginHost host;
    static const bool ready = [] {
        return host.discover(CELLVANE_PLUGIN_DIR) > 0 && host.selectByModelName("DoCoMo P505i");
    }();
    if (!ready) {
        std::fprintf(stderr, "no plug-ins in %s\n", CELLVANE_PLUGIN_DIR);
        std::exit(1);
    }
    return host;
}

app::PcFiles &pcFiles()
{
    static Silent silent;
    static app::PcFiles files({plugins(), silent, silent, silent, silent});
    return files;
}

std::string folder()
{
    static const std::string path = [] {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/pcbench.XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::exit(1);
        return pattern + "/";
    }();
    return path;
}

template<size_t N>
void text(char (&field)[N], const std::string &value)
{
    std::snprintf(field, N, "%s", value.c_str());
}

std::unique_ptr<views::ViewCore> fullAddressBook()
{
    auto book = std::make_unique<views::AddressViewCore>();
    book->store().setLimits({1000, false, false});
    for (int i = 0; i < 1000; ++i) {
        AddressRecord record{};
        record.header = {RECORD_VERSION_ADDRESS, sizeof record, KIND_ADDRESS, 0, 0};
        record.memoryNumber = i;
        record.groupNumber = -1;
        text(record.name, "Name " + std::to_string(i));
        text(record.reading, "NAMAE");
        text(record.phones[0].number, "090" + std::to_string(10000000 + i));
        text(record.mails[0].address, "user" + std::to_string(i) + "@example.jp");
        book->mergeCardBlock(&record);
    }
    return book;
}

std::unique_ptr<views::ViewCore> fullSchedule()
{
    auto schedule = std::make_unique<views::ScheduleViewCore>();
    for (int i = 0; i < 1000; ++i) {
        ScheduleRecord record{};
        record.header = {RECORD_VERSION_SCHEDULE, sizeof record, KIND_SCHEDULE, 0, 0};
        char start[24];
        std::snprintf(start, sizeof start, "2026%02d%02dT%02d0000Z", 1 + i % 12, 1 + i % 28,
                      i % 24);
        text(record.start, start);
        text(record.end, start);
        text(record.summary, "Entry " + std::to_string(i));
        schedule->mergeCardBlock(&record);
    }
    return schedule;
}

std::unique_ptr<views::ViewCore> fullMailbox()
{
    auto mail = std::make_unique<views::MailViewCore>();
    const std::vector<char> chain = mailChain(MailCount);
    mail->mergeCardBlock(chain.data());
    return mail;
}

std::unique_ptr<views::ViewCore> fullBookmarks()
{
    auto marks = std::make_unique<views::BookmarkViewCore>();
    for (int i = 0; i < 1000; ++i) {
        BookmarkRecord record{};
        record.header = {RECORD_VERSION_BOOKMARK, sizeof record, KIND_BOOKMARK, 0, 0};
        text(record.title, "Site " + std::to_string(i));
        text(record.url, "http://example.jp/" + std::to_string(i));
        record.folderNumber = -1;
        marks->mergeCardBlock(&record);
    }
    return marks;
}

using Filler = std::function<std::unique_ptr<views::ViewCore>()>;

void BM_Save(benchmark::State &state, const Filler &fill, int entries, const char *name)
{
    const std::unique_ptr<views::ViewCore> view = fill();
    if (view->entryCount() != entries) {
        std::fprintf(stderr, "%s holds %d entries\n", name, view->entryCount());
        std::exit(1);
    }
    view->setPcFile(folder(), name);
    for (auto _ : state) {
        if (pcFiles().Save(*view, true) != app::PcSaveResult::Saved)
            std::exit(1);
    }
    state.counters["bytes"] = double(std::filesystem::file_size(folder() + name));
}

void BM_Open(benchmark::State &state, const Filler &fill, int entries, const char *name)
{
    {
        const std::unique_ptr<views::ViewCore> view = fill();
        view->setPcFile(folder(), name);
        pcFiles().Save(*view, true);
    }
    const std::unique_ptr<views::ViewCore> view = fill();
    for (auto _ : state) {
        if (pcFiles().LoadPcFile(*view, folder() + name, true) != app::PcLoadResult::Loaded
            || view->entryCount() != entries)
            std::exit(1);
    }
}

BENCHMARK_CAPTURE(BM_Save, Address, fullAddressBook, 1000, "full.apc")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open, Address, fullAddressBook, 1000, "full.apc")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save, Schedule, fullSchedule, 1000, "full.cpc")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open, Schedule, fullSchedule, 1000, "full.cpc")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save, Mail, fullMailbox, MailCount, "full.mpc")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open, Mail, fullMailbox, MailCount, "full.mpc")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save, Bookmark, fullBookmarks, 1000, "full.bpc")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open, Bookmark, fullBookmarks, 1000, "full.bpc")
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
