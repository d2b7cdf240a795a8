#include "card_transfer.h"

#include "app/commands.h"
#include "app/shown_message.h"
#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/owned_block.h"
#include "common/records.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "platform/user_interaction.h"
#include "views/common/view_operations.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace app {
namespace {

using platform::Message;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

// How long the progress window stays after the work: a short look after a long showing.
constexpr int LongShowing = 1000;
constexpr int WaitAfterLongShowing = 250;
constexpr int WaitAfterShortShowing = 1000;

// Word offsets in the address limits table.
constexpr int AddressCapacityWord = 24;
constexpr int NumbersBelowCapacityWord = 28;
constexpr int OwnerRequiredWord = 32;

// The codes of the plug-in's last error and what the user is told of them.
struct CodeText
{
    int code;
    TextId text;
};

constexpr CodeText PluginErrorTexts[] = {
    {-32768, TextId::ErrorUnsupported},    {-9999, TextId::ErrorNoMemory},
    {-1001, TextId::ErrorFileOperation},   {-1000, TextId::ErrorFileOpen},
    {-199, TextId::ErrorNoManagementFile}, {-1, TextId::ErrorUnrecoverable},
};

// Codes only a save reports.
constexpr CodeText SaveErrorTexts[] = {
    {-999, TextId::CardFileSaveFailed},
    {-100, TextId::OwnerEntryMissing},
};

using Block = OwnedBlock<>;

// The records along next from first; none for a chain that runs in a circle.
std::vector<void *> chainRecords(void *first)
{
    std::vector<void *> records;
    const size_t length = ChainLength(first);
    if (length == SIZE_MAX)
        return records;
    for (void *record = first; record && records.size() < length;
         record = RecordLink(record, RECORD_LINK_NEXT))
        records.push_back(record);
    return records;
}

int32_t memoryNumber(const void *record)
{
    int32_t number = 0;
    std::memcpy(&number, static_cast<const char *>(record) + offsetof(AddressRecord, memoryNumber),
                sizeof number);
    return number;
}

int dataKindOf(int viewKind)
{
    return 999 + viewKind;
}

int cardFileTypeOf(int viewKind)
{
    return 1999 + viewKind;
}

// The plug-in's verdict on a save: its return value, and its last error when that is 0.
int saveStatus(CardPlugin &plugin, int dataKind, const CardFileName &file, void *first)
{
    const int code = plugin.saveData(dataKind, file.path.c_str(), first);
    return code != 0 ? code : plugin.lastError();
}

} // namespace

void *HostCardPlugin::getInformTable(int type, int index)
{
    return m_host.getInformTable(type, index);
}

void *HostCardPlugin::loadData(int kind, const char *path)
{
    return m_host.loadData(kind, path);
}

int HostCardPlugin::saveData(int kind, const char *path, void *firstRecord)
{
    return m_host.saveData(kind, path, firstRecord);
}

int HostCardPlugin::lastError()
{
    return m_host.getPluginLastError();
}

int64_t progressFinishWait(int64_t elapsed)
{
    return elapsed >= LongShowing ? WaitAfterLongShowing : WaitAfterShortShowing;
}

CardTransfer::CardTransfer(CardTransferServices services)
    : m_services(services)
{
}

std::optional<CardLocation> CardTransfer::location(int viewKind)
{
    if (viewKind < KindBookmark || viewKind > KindSchedule)
        return std::nullopt;
    const int type = cardFileTypeOf(viewKind);
    const Block info(m_services.plugin.getInformTable(type, 0));
    return cardLocation(info.get(), type);
}

int CardTransfer::loadFromCard(views::ViewOperations &view)
{
    const std::optional<CardRoot> root = m_services.chooser.chooseCard();
    return root ? loadFromRoot(view, *root) : -1;
}

int CardTransfer::loadFromRoot(views::ViewOperations &view, const CardRoot &root)
{
    const std::optional<CardLocation> where = location(view.viewKind());
    if (!where)
        return -1;
    CardFolder tree;
    {
        const BusyScope busy(m_services.busy);
        tree = walkCardFolder(resolveCardPath(root.path, where->folder), where->extension);
    }
    const int total = countCardFiles(tree);
    if (total == 0) {
        m_services.messages.show(
            shownMessage(formatText(TextId::NoCardFiles, cardDisplayName(root).c_str()),
                         TextId::CaptionInformation, MessageIcon::None));
        return -1;
    }
    m_services.progress.open(TextId::CardLoadTitle, TextId::CardLoadText);
    m_services.progress.start(total);
    int counter = 0;
    const int added = readFolder(view, dataKindOf(view.viewKind()), tree, counter);
    if (added < 0)
        return -1;
    m_services.progress.finish();
    reportLoad(view, added);
    return added;
}

int CardTransfer::readFolder(views::ViewOperations &view, int dataKind, const CardFolder &folder,
                             int &counter)
{
    int sum = 0;
    for (const CardFolder &sub : folder.subFolders) {
        const int added = readFolder(view, dataKind, sub, counter);
        if (added < 0)
            return -1;
        sum += added;
    }
    if (folder.files.empty())
        return sum;
    view.clearSelection();
    for (const std::string &name : folder.files) {
        const std::string path = folder.path + name;
        const Block block(m_services.plugin.loadData(dataKind, path.c_str()));
        if (block) {
            sum += view.mergeCardBlock(block.get());
        } else {
            const int code = m_services.plugin.lastError();
            // A card the plug-in cannot read stops the load only before anything came of it;
            // "no entry" is no failure.
            if (sum == 0 && code != 0 && code != -999) {
                m_services.progress.close();
                showPluginError(code, nullptr);
                return -1;
            }
        }
        m_services.progress.setPos(++counter);
    }
    return sum;
}

void CardTransfer::reportLoad(views::ViewOperations &view, int added)
{
    if (added > 0) {
        view.refresh();
        m_services.messages.show(shownMessage(formatText(TextId::LoadedCount, added),
                                              TextId::CaptionInformation,
                                              MessageIcon::Information));
        return;
    }
    // The address book may be full for the model before it reaches the view's ceiling.
    int limit = view.entryCeiling();
    if (view.viewKind() == KindAddress) {
        const int capacity = m_services.limits.addressEntryCapacity();
        if (capacity > 0 && capacity < limit)
            limit = capacity;
    }
    m_services.messages.show(shownMessage(view.entryCount() >= limit
                                              ? formatText(TextId::LoadLimitReached, limit)
                                              : std::string(text(TextId::LoadAllDuplicates)),
                                          TextId::CaptionInformation, MessageIcon::Information));
}

void CardTransfer::saveToCard(views::ViewOperations &view)
{
    if (const std::optional<CardRoot> root = m_services.chooser.chooseCard())
        saveToRoot(view, *root);
}

int CardTransfer::saveToRoot(views::ViewOperations &view, const CardRoot &root)
{
    // Mail is only read from the card.
    if (view.viewKind() == KindMail)
        return 0;
    const std::optional<CardLocation> where = location(view.viewKind());
    if (!where)
        return 0;
    return where->filePerEntry ? saveEachEntry(view, root, *where)
                               : saveWholeKind(view, root, *where);
}

int CardTransfer::saveEachEntry(views::ViewOperations &view, const CardRoot &root,
                                const CardLocation &where)
{
    const int dataKind = dataKindOf(view.viewKind());
    int written = 0;
    bool cardFull = false;
    std::optional<int> failure;
    CardFileName failedFile;
    {
        const BusyScope busy(m_services.busy);
        m_services.progress.open(TextId::CardSaveTitle, TextId::CardSaveText);
        m_services.progress.start(2);
        const Block chain(view.buildCardChain());
        m_services.progress.setPos(1);
        for (void *record : chainRecords(chain.get())) {
            const std::optional<CardFileName> file = freeCardFileName(root.path, where);
            if (!file) {
                cardFull = true;
                break;
            }
            // The file holds this record alone.
            SetRecordLink(record, RECORD_LINK_NEXT, nullptr);
            const int code = saveStatus(m_services.plugin, dataKind, *file, record);
            if (code == 0) {
                ++written;
            } else if (!failure) {
                failure = code;
                failedFile = *file;
            }
        }
        m_services.progress.setPos(2);
        m_services.progress.finish();
    }
    if (cardFull)
        showCardFull(root);
    if (written > 0) {
        m_services.messages.show(shownMessage(formatText(TextId::SavedEntries, written),
                                              TextId::CaptionInformation,
                                              MessageIcon::Information));
    }
    if (failure)
        showPluginError(*failure, &failedFile);
    return written;
}

int CardTransfer::saveWholeKind(views::ViewOperations &view, const CardRoot &root,
                                const CardLocation &where)
{
    const std::optional<CardFileName> file = freeCardFileName(root.path, where);
    if (!file) {
        showCardFull(root);
        return 0;
    }
    Block chain;
    {
        const BusyScope busy(m_services.busy);
        m_services.progress.open(TextId::CardSaveTitle, TextId::CardSaveText);
        m_services.progress.start(2);
        chain.reset(view.buildCardChain());
    }
    if (chain && view.viewKind() == KindAddress && !addressChainMayBeWritten(chain.get())) {
        m_services.progress.close();
        return 0;
    }
    int code = 0;
    {
        const BusyScope busy(m_services.busy);
        m_services.progress.setPos(1);
        if (chain) {
            code = saveStatus(m_services.plugin, dataKindOf(view.viewKind()), *file, chain.get());
            m_services.progress.setPos(2);
        }
        m_services.progress.finish();
    }
    if (!chain)
        return 0;
    if (code != 0) {
        showPluginError(code, &*file);
        return 0;
    }
    m_services.messages.show(
        shownMessage(formatText(TextId::CardFileSaved, file->stem.c_str(), file->extension.c_str()),
                     TextId::CaptionConfirmation, MessageIcon::Information));
    return 1;
}

bool CardTransfer::addressChainMayBeWritten(const void *first)
{
    const host::KindLimitCache &limits = m_services.limits;
    const int capacity = limits.word(KindAddress, AddressCapacityWord).value_or(0);
    bool ownerPresent = false;
    bool outOfRange = false;
    for (const void *record : chainRecords(const_cast<void *>(first))) {
        if (RecordKind(record) != KIND_ADDRESS)
            continue;
        const int32_t number = memoryNumber(record);
        if (number == OWNER_MEMORY_NUMBER)
            ownerPresent = true;
        else if (number < 0 || number >= capacity)
            outOfRange = true;
    }
    if (limits.word(KindAddress, OwnerRequiredWord).value_or(0) != 0 && !ownerPresent) {
        m_services.messages.show(shownMessage(text(TextId::OwnerEntryMissing), TextId::CaptionError,
                                              MessageIcon::Warning));
        return false;
    }
    if (limits.word(KindAddress, NumbersBelowCapacityWord).value_or(0) != 0 && outOfRange) {
        const MessageAnswer answer = m_services.messages.show(shownMessage(
            formatText(TextId::MemoryNumbersBeyondPhone, capacity - 1), TextId::CaptionConfirmation,
            MessageIcon::Exclamation, MessageButtons::YesNo));
        return answer == MessageAnswer::Yes;
    }
    return true;
}

void CardTransfer::showCardFull(const CardRoot &root)
{
    m_services.messages.show(
        shownMessage(formatText(TextId::CardFull, cardDisplayName(root).c_str()),
                     TextId::CaptionError, MessageIcon::Warning));
}

std::string pluginErrorText(int code, const CardFileName *file)
{
    std::optional<TextId> id;
    for (const CodeText &entry : PluginErrorTexts) {
        if (entry.code == code)
            id = entry.text;
    }
    if (file) {
        for (const CodeText &entry : SaveErrorTexts) {
            if (entry.code == code)
                id = entry.text;
        }
    }
    // A code the tables do not know still tells the user something, and which code it was.
    if (!id)
        return formatText(TextId::ErrorUnrecoverableCode, code);
    if (file)
        return formatText(*id, file->stem.c_str(), file->extension.c_str());
    return text(*id);
}

void CardTransfer::showPluginError(int code, const CardFileName *file)
{
    m_services.messages.show(
        shownMessage(pluginErrorText(code, file), TextId::CaptionError, MessageIcon::Warning));
}

} // namespace app
