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

const std::string &workDirectory()
{
    static const std::string directory = [] {
        char pattern[] = "/tmp/cellvane-fuzz-address-XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        // SH505i reads only beside a data-management file.
        std::ofstream(std::string(pattern) + "/PIM_DATA.PIM", std::ios::binary)
            .write("\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0", 16);
        return std::string(pattern);
    }();
    return directory;
}

template<size_t N>
void checkTerminated(const char (&field)[N])
{
    if (strnlen(field, N) >= N)
        std::abort();
}

size_t checkChain(const void *block)
{
    size_t count = 0;
    for (const void *record = block; record; record = RecordLink(record, RECORD_LINK_NEXT)) {
        const auto *address = static_cast<const AddressRecord *>(record);
        if (address->header.kind != KIND_ADDRESS || address->header.size != sizeof(AddressRecord))
            std::abort();
        checkTerminated(address->groupName);
        checkTerminated(address->name);
        checkTerminated(address->reading);
        checkTerminated(address->postalCode);
        checkTerminated(address->postalAddress);
        checkTerminated(address->note);
        for (const PhoneSlot &slot : address->phones)
            checkTerminated(slot.number);
        for (const MailSlot &slot : address->mails)
            checkTerminated(slot.address);
        ++count;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string card = workDirectory() + "/PIM00001.VCF";
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
    const std::string copy = workDirectory() + "/PIM00002.VCF";
    if (SaveData(KIND_ADDRESS, copy.c_str(), block) == PLUGIN_OK) {
        void *again = LoadData(KIND_ADDRESS, copy.c_str());
        checkChain(again);
        std::free(again);
    }
    std::free(block);
    return 0;
}
