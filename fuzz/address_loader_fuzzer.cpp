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

// The input is an address-book card file of the model this target is built for. A load must
// return null with an error code, or a chain of address records whose every text field is
// terminated; the chain is then written back and must read again.
namespace {

size_t checkChain(const void *block)
{
    size_t count = 0;
    for (const void *record = block; record; record = RecordLink(record, RECORD_LINK_NEXT)) {
        const auto *address = static_cast<const AddressRecord *>(record);
        if (address->header.kind != KIND_ADDRESS || address->header.size != sizeof(AddressRecord))
            std::abort();
        fuzzing::checkTerminated(address->groupName);
        fuzzing::checkTerminated(address->name);
        fuzzing::checkTerminated(address->reading);
        fuzzing::checkTerminated(address->postalCode);
        fuzzing::checkTerminated(address->postalAddress);
        fuzzing::checkTerminated(address->note);
        for (const PhoneSlot &slot : address->phones)
            fuzzing::checkTerminated(slot.number);
        for (const MailSlot &slot : address->mails)
            fuzzing::checkTerminated(slot.address);
        ++count;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string card = fuzzing::cardDirectory() + "/PIM00001.VCF";
    std::ofstream(card, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    void *block = LoadData(KIND_ADDRESS, card.c_str());
    const int32_t code = GetPluginLastError();
    if (!block) {
        if (code == PLUGIN_OK)
            std::abort();
        return 0;
    }
    if (code != PLUGIN_OK || checkChain(block) == 0)
        std::abort();
    const std::string copy = fuzzing::cardDirectory() + "/PIM00002.VCF";
    if (SaveData(KIND_ADDRESS, copy.c_str(), block) == PLUGIN_OK) {
        void *again = LoadData(KIND_ADDRESS, copy.c_str());
        checkChain(again);
        std::free(again);
    }
    std::free(block);
    return 0;
}
