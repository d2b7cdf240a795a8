#pragma once

#include "app/card_transfer.h"
#include "common/data_block.h"
#include "common/inform_blocks.h"
#include "common/owned_block.h"
#include "fakes.h"

#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// One entry of a fake card file or a fake view: a memory number and a name.
struct CardEntry
{
    int32_t memoryNumber;
    std::string name;
};

// The record size of data kind 1000 to 1003 (mail: the bare 800 bytes, no body).
inline uint32_t cardRecordSize(int dataKind)
{
    switch (dataKind) {
    case 1000:
        return 932;
    case 1001:
        return 1552;
    case 1002:
        return 800;
    default:
        return 664;
    }
}

// Where the fakes keep an entry in a record: the memory number at 20 (the address book's
// field) and the name at 92 (the address book's name; inside the text fields of every kind).
constexpr size_t FakeNumberOffset = 20;
constexpr size_t FakeNameOffset = 92;

// A calloc data block of entries of dataKind, chained in order; null for no entries.
inline void *makeChain(int dataKind, const std::vector<CardEntry> &entries)
{
    const uint32_t size = cardRecordSize(dataKind);
    auto *block = static_cast<unsigned char *>(AllocateDataBlock(entries.size(), size));
    if (!block)
        return nullptr;
    void *previous = nullptr;
    for (size_t i = 0; i < entries.size(); ++i) {
        unsigned char *record = block + i * size;
        const RecordHeader header{0x10002, size, static_cast<uint32_t>(dataKind), 0, 0};
        std::memcpy(record, &header, sizeof header);
        std::memcpy(record + FakeNumberOffset, &entries[i].memoryNumber, sizeof(int32_t));
        std::strncpy(reinterpret_cast<char *>(record + FakeNameOffset), entries[i].name.c_str(),
                     63);
        ChainRecords(previous, record);
        previous = record;
    }
    return block;
}

inline std::vector<CardEntry> chainEntries(const void *first)
{
    std::vector<CardEntry> entries;
    for (const void *record = first; record; record = RecordLink(record, RECORD_LINK_NEXT)) {
        CardEntry entry{};
        std::memcpy(&entry.memoryNumber, static_cast<const char *>(record) + FakeNumberOffset,
                    sizeof(int32_t));
        entry.name = static_cast<const char *>(record) + FakeNameOffset;
        entries.push_back(entry);
    }
    return entries;
}

// A card description block as a plug-in answers it.
inline void *makeCardFileInfo(int type, const std::string &extension, const std::string &folder,
                              const std::string &pattern, int highest, int filePerEntry = 0)
{
    auto *info = static_cast<CardFileInfo *>(std::calloc(1, sizeof(CardFileInfo)));
    info->header = {0x10000, sizeof(CardFileInfo), static_cast<uint32_t>(type), 0, 0};
    std::strncpy(info->extension, extension.c_str(), sizeof info->extension - 1);
    std::strncpy(info->folder, folder.c_str(), sizeof info->folder - 1);
    std::strncpy(info->pathPattern, pattern.c_str(), sizeof info->pathPattern - 1);
    info->highestNumber = highest;
    info->filePerEntry = filePerEntry;
    return info;
}

inline void touchFile(const std::string &path, const std::string &bytes = "x")
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A plug-in whose card files are scripted by file name, or by the order of the calls while
// loadScript lasts (the file system lists a folder in an order of its own): each loads as its
// entries or fails with a code. The card description of every kind is the SD-card one
// ("\SD_PIM\PIM%05d" with the kind's extension) unless replaced. Saves write a file holding the
// names of the chain and answer with the scripted codes in turn (0 once they run out).
class FakeCardPlugin : public app::CardPlugin
{
public:
    struct Load
    {
        std::vector<CardEntry> entries;
        int error = 0;
    };
    struct Save
    {
        int kind;
        std::string path;
        std::vector<CardEntry> entries;
    };

    void *getInformTable(int type, int) override
    {
        const auto found = descriptions.find(type);
        if (found != descriptions.end())
            return found->second ? found->second() : nullptr;
        static const char *const Extensions[] = {".VBM", ".VCF", ".VMG", ".VCS"};
        if (type < 2000 || type > 2003)
            return nullptr;
        return makeCardFileInfo(type, Extensions[type - 2000], "\\SD_PIM\\", "\\SD_PIM\\PIM%05d",
                                99999);
    }

    void *loadData(int kind, const char *path) override
    {
        loaded.push_back(path);
        Load load{{}, -1000};
        if (!loadScript.empty()) {
            load = loadScript.front();
            loadScript.pop_front();
        } else {
            const std::string name = std::string(path).substr(std::string(path).rfind('/') + 1);
            if (const auto found = files.find(name); found != files.end())
                load = found->second;
        }
        error = load.error;
        return error == 0 ? makeChain(kind, load.entries) : nullptr;
    }

    int saveData(int kind, const char *path, void *first) override
    {
        const std::vector<CardEntry> entries = chainEntries(first);
        saved.push_back({kind, path, entries});
        error = 0;
        if (!saveCodes.empty()) {
            error = saveCodes.front();
            saveCodes.erase(saveCodes.begin());
        }
        if (error == 0) {
            std::string names;
            for (const CardEntry &entry : entries)
                names += entry.name + "\n";
            touchFile(path, names);
        }
        return returnsCode ? error : 0;
    }

    int lastError() override { return error; }

    std::map<std::string, Load> files;
    std::deque<Load> loadScript;
    // Replaces the description of a type; a null function answers no description.
    std::map<int, std::function<void *()>> descriptions;
    std::vector<int> saveCodes;
    // False makes SaveData answer 0 whatever happened, leaving the code to lastError().
    bool returnsCode = true;
    std::vector<std::string> loaded;
    std::vector<Save> saved;
    int error = 0;
};

// A view of named entries: a merge skips names it holds and stops at the ceiling, appending
// and selecting the rows it adds; the card chain holds the entries in order.
class CardView : public FakeView
{
public:
    explicit CardView(int kind)
        : FakeView(kind)
    {
    }

    int entryCeiling() const override { return ceiling; }

    int mergeCardBlock(const void *first) override
    {
        int added = 0;
        for (const void *record = first; record; record = RecordLink(record, RECORD_LINK_NEXT)) {
            if (RecordKind(record) != static_cast<uint32_t>(999 + viewKind()))
                continue;
            const CardEntry entry = chainEntries(record).front();
            if (std::any_of(entries.begin(), entries.end(),
                            [&](const CardEntry &held) { return held.name == entry.name; }))
                continue;
            if (count >= ceiling)
                break;
            entries.push_back(entry);
            rows.push_back(count);
            selectRow(count);
            ++count;
            ++added;
        }
        return added;
    }

    void *buildCardChain() override { return makeChain(999 + viewKind(), entries); }

    void refresh() override { calls.push_back("refresh"); }

    // The names of the selected rows.
    std::vector<std::string> selectedNames() const
    {
        std::vector<std::string> names;
        for (int row : selected)
            names.push_back(entries[static_cast<size_t>(row)].name);
        return names;
    }

    void hold(const std::vector<CardEntry> &held)
    {
        entries = held;
        fill(static_cast<int>(held.size()));
    }

    std::vector<CardEntry> entries;
    int ceiling = 1000;
};

// Records every call as a line of text.
class RecordingProgress : public app::ProgressWindow
{
public:
    void open(app::TextId title, app::TextId text) override
    {
        calls.push_back("open " + std::to_string(static_cast<int>(title)) + " "
                        + std::to_string(static_cast<int>(text)));
    }
    void start(int maximum) override { calls.push_back("start " + std::to_string(maximum)); }
    void setPos(int position) override { calls.push_back("pos " + std::to_string(position)); }
    void finish() override { calls.push_back("finish"); }
    void close() override { calls.push_back("close"); }

    std::vector<std::string> calls;
};

class CountingBusyPointer : public app::BusyPointer
{
public:
    void begin() override
    {
        ++depth;
        ++begun;
    }
    void end() override { --depth; }
    int depth = 0;
    int begun = 0;
};

class FixedCardChooser : public app::CardChooser
{
public:
    std::optional<app::CardRoot> chooseCard() override
    {
        ++asked;
        return root;
    }
    std::optional<app::CardRoot> root;
    int asked = 0;
};
