// The six exports: argument checks, the shared steps of loading and saving, and the inform
// tables, all read from the model's definition.
#include "plugins/core/plugin_interface.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "plugins/core/address_loader.h"
#include "plugins/core/address_writer.h"
#include "plugins/core/bookmark_loader.h"
#include "plugins/core/bookmark_writer.h"
#include "plugins/core/card_location.h"
#include "plugins/core/codec.h"
#include "plugins/core/last_error.h"
#include "plugins/core/line_reader.h"
#include "plugins/core/mail_loader.h"
#include "plugins/core/model.h"
#include "plugins/core/schedule_loader.h"
#include "plugins/core/schedule_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>

using namespace plugin;

namespace {

constexpr size_t kModelNameBytes = 1025;

using FilePointer = std::unique_ptr<std::FILE, int (*)(std::FILE *)>;

template<typename Block>
void *answerFixedTable(const Block &table, int32_t type)
{
    auto *block = static_cast<Block *>(std::calloc(1, sizeof(Block)));
    if (!block) {
        setLastError(PLUGIN_NO_MEMORY);
        return nullptr;
    }
    std::memcpy(block, &table, sizeof(Block));
    block->header = {RECORD_VERSION_INFORM, sizeof(Block), static_cast<uint32_t>(type), 0, 0};
    setLastError(PLUGIN_OK);
    return block;
}

void *answerCardFile(const CardLocation &location, int32_t type)
{
    CardFileInfo info{};
    std::strncpy(info.extension, location.extension, sizeof info.extension - 1);
    std::strncpy(info.folder, location.folder, sizeof info.folder - 1);
    std::strncpy(info.pathPattern, location.pathPattern, sizeof info.pathPattern - 1);
    info.highestNumber = location.highestNumber;
    info.filePerEntry = 0;
    return answerFixedTable(info, type);
}

void *answerOption(const ModelDefinition &model, int32_t type, int32_t index)
{
    for (const OptionList &list : model.optionLists) {
        if (list.type != type)
            continue;
        if (index < 0 || static_cast<size_t>(index) >= list.texts.size())
            break;
        const char *text = list.texts[static_cast<size_t>(index)];
        const size_t length = std::strlen(text);
        const size_t size = offsetof(OptionEntry, text) + length + 1;
        auto *entry = static_cast<OptionEntry *>(std::calloc(1, size));
        if (!entry) {
            setLastError(PLUGIN_NO_MEMORY);
            return nullptr;
        }
        entry->header = {RECORD_VERSION_INFORM, static_cast<uint32_t>(size),
                         static_cast<uint32_t>(type), 0, 0};
        entry->textLength = static_cast<int32_t>(length);
        std::memcpy(entry->text, text, length);
        setLastError(PLUGIN_OK);
        return entry;
    }
    setLastError(PLUGIN_BAD_ARGUMENT);
    return nullptr;
}

void *informTable(int32_t type, int32_t index)
{
    const ModelDefinition &model = thisModel();
    switch (type) {
    case INFORM_BOOKMARK_LIMITS:
        return answerFixedTable(model.bookmarkLimits, type);
    case INFORM_ADDRESS_LIMITS:
        return answerFixedTable(model.addressLimits, type);
    case INFORM_SCHEDULE_LIMITS:
        return answerFixedTable(model.scheduleLimits, type);
    case INFORM_CARD_FILE_BOOKMARK:
    case INFORM_CARD_FILE_ADDRESS:
    case INFORM_CARD_FILE_MAIL:
    case INFORM_CARD_FILE_SCHEDULE:
        return answerCardFile(model.cardFiles[type - INFORM_CARD_FILE_BOOKMARK], type);
    default:
        return answerOption(model, type, index);
    }
}

// The loader of a kind; null for kinds this plug-in cannot read.
using Loader = void *(*)(LineReader &, const ModelDefinition &);
Loader loaderFor(int32_t kind)
{
    switch (kind) {
    case KIND_BOOKMARK:
        return &loadBookmarks;
    case KIND_ADDRESS:
        return &loadAddressBook;
    case KIND_MAIL:
        return &loadMail;
    case KIND_SCHEDULE:
        return &loadSchedule;
    default:
        return nullptr;
    }
}

using Writer = bool (*)(const void *, const ModelDefinition &, std::string &);
Writer writerFor(int32_t kind)
{
    // Mail is read from the card only.
    switch (kind) {
    case KIND_BOOKMARK:
        return &writeBookmarks;
    case KIND_ADDRESS:
        return &writeAddressBook;
    case KIND_SCHEDULE:
        return &writeSchedule;
    default:
        return nullptr;
    }
}

void *loadData(int32_t kind, const char *path)
{
    const ModelDefinition &model = thisModel();
    if (!path) {
        setLastError(PLUGIN_BAD_ARGUMENT);
        return nullptr;
    }
    if (model.managementDescriptor && findManagementFile(path).empty()) {
        setLastError(PLUGIN_NO_MANAGEMENT_FILE);
        return nullptr;
    }
    FilePointer file(std::fopen(path, "rb"), std::fclose);
    if (!file) {
        setLastError(PLUGIN_CANNOT_OPEN);
        return nullptr;
    }
    const Loader loader = loaderFor(kind);
    if (!loader) {
        setLastError(PLUGIN_BAD_ARGUMENT);
        return nullptr;
    }
    LineReader reader(file.get());
    void *block = loader(reader, model);
    if (block && lastError() != PLUGIN_OK) {
        std::free(block);
        return nullptr;
    }
    return block;
}

// The text as the card file stores it: every line feed as CR LF.
std::string withCrLf(const std::string &text)
{
    std::string stored;
    stored.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            stored += '\r';
        stored += text[i];
    }
    return stored;
}

int32_t saveData(int32_t kind, const char *path, const void *firstRecord)
{
    const ModelDefinition &model = thisModel();
    setLastError(PLUGIN_OK);
    if (!firstRecord || !path || ChainLength(firstRecord) == SIZE_MAX) {
        setLastError(PLUGIN_BAD_ARGUMENT);
        return PLUGIN_BAD_ARGUMENT;
    }
    std::string managementPath;
    if (model.managementDescriptor) {
        managementPath = findManagementFile(path);
        if (managementPath.empty()) {
            setLastError(PLUGIN_NO_MANAGEMENT_FILE);
            return PLUGIN_NO_MANAGEMENT_FILE;
        }
    }
    // A kind without a writer leaves the card untouched.
    const Writer writer = writerFor(kind);
    if (!writer) {
        setLastError(PLUGIN_NO_ENTRY);
        return PLUGIN_NO_ENTRY;
    }
    FilePointer file(std::fopen(path, "wb"), std::fclose);
    if (!file) {
        setLastError(PLUGIN_CANNOT_OPEN);
        return PLUGIN_CANNOT_OPEN;
    }
    bool saved = false;
    try {
        std::string text;
        saved = writer(firstRecord, model, text);
        if (saved) {
            const std::string stored = withCrLf(text);
            saved = std::fwrite(stored.data(), 1, stored.size(), file.get()) == stored.size();
        }
    } catch (const std::bad_alloc &) {
        setLastError(PLUGIN_NO_MEMORY);
    }
    // A full card shows only when the buffered data is flushed.
    saved = std::fclose(file.release()) == 0 && saved;
    if (saved && model.managementDescriptor && kind == KIND_ADDRESS
        && !codec::updatePimDataFile(managementPath.c_str(), path, model.managementDescriptor)) {
        setLastError(PLUGIN_FILE_POSITION);
        saved = false;
    }
    if (!saved) {
        std::remove(path);
        if (!model.reportsStepErrors || lastError() == PLUGIN_OK)
            setLastError(PLUGIN_NO_ENTRY);
    }
    return lastError();
}

// Exceptions never leave the plug-in: the only ones possible are allocation failures.
template<typename Result, typename Call>
Result guarded(Result onFailure, Call call)
{
    try {
        return call();
    } catch (...) {
        setLastError(PLUGIN_NO_MEMORY);
        return onFailure;
    }
}

} // namespace

extern "C" {

char *GetSupportModelName(void)
{
    auto *name = static_cast<char *>(std::calloc(1, kModelNameBytes));
    if (!name) {
        setLastError(PLUGIN_NO_MEMORY);
        return nullptr;
    }
    const char *modelName = thisModel().modelName;
    const size_t length = modelName ? std::strlen(modelName) : 0;
    if (length == 0) {
        std::free(name);
        setLastError(PLUGIN_BAD_ARGUMENT);
        return nullptr;
    }
    std::memcpy(name, modelName, std::min(length, kModelNameBytes - 1));
    setLastError(PLUGIN_OK);
    return name;
}

uint32_t GetPluginCode(void)
{
    return thisModel().pluginCode;
}

void *GetInformTable(int32_t type, int32_t index)
{
    return guarded<void *>(nullptr, [&] { return informTable(type, index); });
}

void *LoadData(int32_t kind, const char *path)
{
    return guarded<void *>(nullptr, [&] { return loadData(kind, path); });
}

int32_t SaveData(int32_t kind, const char *path, const void *firstRecord)
{
    return guarded<int32_t>(PLUGIN_NO_MEMORY, [&] { return saveData(kind, path, firstRecord); });
}

int32_t GetPluginLastError(void)
{
    return lastError();
}

} // extern "C"
