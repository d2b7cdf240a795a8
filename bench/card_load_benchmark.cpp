// How fast the plug-ins load card files: generated files of each kind, loaded through LoadData of
// the N505i plug-in opened with dlopen as the editor does. Reports bytes/s and entries/s; the
// per-entry time at 1,000 and 100,000 entries shows whether loading stays linear.
#include "common/data_block.h"
#include "common/data_kind.h"

#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>

namespace {

using LoadData = void *(*)(int32_t, const char *);
using LastError = int32_t (*)();

struct Plugin
{
    LoadData load = nullptr;
    LastError lastError = nullptr;
};

const Plugin &plugin()
{
    static const Plugin bound = [] {
        Plugin p;
        void *handle = ::dlopen(CELLVANE_PLUGIN_DIR "/phone_n505i.pmd", RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            std::fprintf(stderr, "cannot load the plug-in: %s\n", ::dlerror());
            std::exit(1);
        }
        p.load = reinterpret_cast<LoadData>(::dlsym(handle, "LoadData"));
        p.lastError = reinterpret_cast<LastError>(::dlsym(handle, "GetPluginLastError"));
        return p;
    }();
    return bound;
}

std::string addressBook(int64_t entries)
{
    std::string text;
    for (int64_t i = 0; i < entries; ++i)
        text += "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=SHIFT_JIS:Name " + std::to_string(i)
                + ";;;;\r\nSOUND;CHARSET=SHIFT_JIS:Reading;;;;\r\nTEL;VOICE:0312345678\r\n"
                  "TEL;CELL:09012345678\r\nEMAIL;INTERNET:user"
                + std::to_string(i)
                + "@example.jp\r\nNOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:note=20text=\r\n"
                  "=20continued\r\nX-GNO:1\r\nEND:VCARD\r\n";
    return text;
}

std::string schedule(int64_t entries)
{
    std::string text = "BEGIN:VCALENDAR\r\nVERSION:1.0\r\n";
    for (int64_t i = 0; i < entries; ++i)
        text += "BEGIN:VEVENT\r\nDTSTART:20030505T010000Z\r\nDTEND:20030505T020000Z\r\n"
                "DESCRIPTION;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=89=EF=8Bc=8E=BA=\r\n"
                "=20entry=20"
                + std::to_string(i)
                + "\r\nSUMMARY:Meeting\r\nCLASS:PUBLIC\r\nCATEGORIES:BUSINESS\r\n"
                  "AALARM:20030505T005000Z;;;\r\nRRULE:W1 SU WE #0\r\nEND:VEVENT\r\n";
    return text + "END:VCALENDAR\r\n";
}

std::string mail(int64_t entries)
{
    std::string text;
    for (int64_t i = 0; i < entries; ++i)
        text += "BEGIN:VMSG\r\nVERSION:1.1\r\nX-IRMC-STATUS:READ\r\nX-IRMC-BOX:INBOX\r\n"
                "BEGIN:VCARD\r\nVERSION:2.1\r\nEMAIL:sender@example.jp\r\nEND:VCARD\r\n"
                "BEGIN:VENV\r\nBEGIN:VBODY\r\nFrom: sender@example.jp\r\nTo: me@docomo.ne.jp\r\n"
                "Subject: Message "
                + std::to_string(i)
                + "\r\nDate: Mon, 05 May 2003 10:00:00 +0900\r\n\r\nThe body of the message, "
                  "one line of text.\r\nAnd a second line.\r\nEND:VBODY\r\nEND:VENV\r\n"
                  "END:VMSG\r\n";
    return text;
}

std::string bookmarks(int64_t entries)
{
    std::string text;
    for (int64_t i = 0; i < entries; ++i)
        text += "BEGIN:VBKM\r\nVERSION:1.0\r\nURL:http://www.example.jp/i/page" + std::to_string(i)
                + "\r\nTITLE;CHARSET=SHIFT_JIS:Title " + std::to_string(i)
                + "\r\nBEGIN:ENV\r\nX-IRMC-URL;ENCODING=QUOTED-PRINTABLE:=\r\n"
                  "[InternetShortcut]=\r\nURL=http://www.example.jp/i/page"
                + std::to_string(i) + "\r\nEND:ENV\r\nEND:VBKM\r\n";
    return text;
}

// The generated file of kind with entries, written once per run; its path and size.
std::pair<std::string, size_t> cardFile(int32_t kind, int64_t entries)
{
    static std::map<std::pair<int32_t, int64_t>, std::pair<std::string, size_t>> files;
    const auto key = std::make_pair(kind, entries);
    if (const auto found = files.find(key); found != files.end())
        return found->second;
    std::string text;
    switch (kind) {
    case KIND_ADDRESS:
        text = addressBook(entries);
        break;
    case KIND_SCHEDULE:
        text = schedule(entries);
        break;
    case KIND_MAIL:
        text = mail(entries);
        break;
    default:
        text = bookmarks(entries);
        break;
    }
    const std::string path = (std::filesystem::temp_directory_path()
                              / ("cellvane-bench-" + std::to_string(::getpid()) + "-"
                                 + std::to_string(kind) + "-" + std::to_string(entries)))
                                 .string();
    std::ofstream(path, std::ios::binary) << text;
    return files[key] = {path, text.size()};
}

void loadCardFile(benchmark::State &state, int32_t kind)
{
    const int64_t entries = state.range(0);
    const auto [path, size] = cardFile(kind, entries);
    for (auto _ : state) {
        void *block = plugin().load(kind, path.c_str());
        if (!block) {
            state.SkipWithError("the load failed");
            break;
        }
        benchmark::DoNotOptimize(block);
        std::free(block);
    }
    // Every generated entry must have been taken.
    void *block = plugin().load(kind, path.c_str());
    if (static_cast<int64_t>(ChainLength(block)) != entries)
        state.SkipWithError("not every entry was loaded");
    std::free(block);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
    state.SetItemsProcessed(state.iterations() * entries);
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}

void configure(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(loadCardFile, Bookmarks, int32_t{KIND_BOOKMARK})->Apply(configure);
BENCHMARK_CAPTURE(loadCardFile, AddressBook, int32_t{KIND_ADDRESS})->Apply(configure);
BENCHMARK_CAPTURE(loadCardFile, Mail, int32_t{KIND_MAIL})->Apply(configure);
BENCHMARK_CAPTURE(loadCardFile, Schedule, int32_t{KIND_SCHEDULE})->Apply(configure);

} // namespace

BENCHMARK_MAIN();
