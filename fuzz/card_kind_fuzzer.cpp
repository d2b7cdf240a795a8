#include "card_fuzzing.h"
#include "common/data_block.h"
#include "common/data_kind.h"
#include "plugins/core/plugin_interface.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

// The input is a card file of kind CARD_KIND for the model this target is built for. A load must
// return null with an error code, or a chain of records of the kind whose every text field is
// terminated (mail: whose body ends with its NUL); a loaded chain of a kind the plug-in writes
// is then written back and must read again.
namespace {

template<typename Record>
Record headerChecked(const void *record, uint32_t kind)
{
    Record copy;
    std::memcpy(&copy, record, sizeof copy);
    if (copy.header.kind != kind)
        std::abort();
    return copy;
}

void checkRecord(const void *record)
{
    if constexpr (CARD_KIND == KIND_ADDRESS) {
        const auto address = headerChecked<AddressRecord>(record, KIND_ADDRESS);
        if (address.header.size != sizeof(AddressRecord))
            std::abort();
        fuzzing::checkTerminated(address.groupName);
        fuzzing::checkTerminated(address.name);
        fuzzing::checkTerminated(address.reading);
        fuzzing::checkTerminated(address.postalCode);
        fuzzing::checkTerminated(address.postalAddress);
        fuzzing::checkTerminated(address.note);
        for (const PhoneSlot &slot : address.phones)
            fuzzing::checkTerminated(slot.number);
        for (const MailSlot &slot : address.mails)
            fuzzing::checkTerminated(slot.address);
    } else if constexpr (CARD_KIND == KIND_SCHEDULE) {
        const auto entry = headerChecked<ScheduleRecord>(record, KIND_SCHEDULE);
        if (entry.header.size != sizeof(ScheduleRecord))
            std::abort();
        fuzzing::checkTerminated(entry.start);
        fuzzing::checkTerminated(entry.end);
        fuzzing::checkTerminated(entry.alarm);
        fuzzing::checkTerminated(entry.lastModified);
        fuzzing::checkTerminated(entry.summary);
        fuzzing::checkTerminated(entry.description);
        fuzzing::checkTerminated(entry.location);
    } else if constexpr (CARD_KIND == KIND_BOOKMARK) {
        const auto bookmark = headerChecked<BookmarkRecord>(record, KIND_BOOKMARK);
        if (bookmark.header.size != sizeof(BookmarkRecord))
            std::abort();
        fuzzing::checkTerminated(bookmark.title);
        fuzzing::checkTerminated(bookmark.url);
        fuzzing::checkTerminated(bookmark.folder);
    } else {
        const auto mail = headerChecked<MailRecord>(record, KIND_MAIL);
        if (mail.bodyLength < 1
            || mail.header.size != MAIL_RECORD_FIXED_SIZE + static_cast<uint32_t>(mail.bodyLength))
            std::abort();
        fuzzing::checkTerminated(mail.from);
        fuzzing::checkTerminated(mail.to);
        fuzzing::checkTerminated(mail.subject);
        fuzzing::checkTerminated(mail.date);
        // Every byte of the body lies in the block (the sanitizer checks the read).
        const char *body = static_cast<const char *>(record) + MAIL_RECORD_FIXED_SIZE;
        if (body[mail.bodyLength - 1] != '\0')
            std::abort();
    }
}

size_t checkChain(const void *block)
{
    size_t count = 0;
    for (const void *record = block; record; record = RecordLink(record, RECORD_LINK_NEXT)) {
        checkRecord(record);
        ++count;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string card = fuzzing::cardDirectory() + "/PIM00001.DAT";
    std::ofstream(card, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    void *block = LoadData(CARD_KIND, card.c_str());
    const int32_t code = GetPluginLastError();
    if (!block) {
        if (code == PLUGIN_OK)
            std::abort();
        return 0;
    }
    if (code != PLUGIN_OK || checkChain(block) == 0)
        std::abort();
    if constexpr (CARD_KIND != KIND_MAIL) {
        const std::string copy = fuzzing::cardDirectory() + "/PIM00002.DAT";
        if (SaveData(CARD_KIND, copy.c_str(), block) == PLUGIN_OK) {
            void *again = LoadData(CARD_KIND, copy.c_str());
            checkChain(again);
            std::free(again);
        }
    }
    std::free(block);
    return 0;
}
