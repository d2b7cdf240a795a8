// The address book's PC-file image, as read from a file: a loaded image is written again and
// must read back to the same rows, and the card chain built from it must be well formed.
#include "common/data_block.h"
#include "views/address/address_store.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr uint32_t PluginCode = 0x44530101;

views::AddressStore makeStore()
{
    views::AddressStore store;
    store.setLimits({.maximumEntries = 1000, .numbersLimited = false, .ownerRequired = false});
    return store;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    views::AddressStore store = makeStore();
    if (store.LoadPcBlock(data, size, PluginCode) != -1)
        return 0;

    const std::vector<unsigned char> image = store.BuildPcBlock(PluginCode);
    if (store.RecordCount() == 0) {
        // An empty book has no image to write.
        if (!image.empty())
            std::abort();
        return 0;
    }
    views::AddressStore again = makeStore();
    if (again.LoadPcBlock(image.data(), image.size(), PluginCode) != -1
        || again.RecordCount() != store.RecordCount() || again.RowCount() != store.RowCount())
        std::abort();

    void *chain = store.BuildCardChain();
    const size_t length = ChainLength(chain);
    if (chain && (length == SIZE_MAX || length > size_t(store.RowCount()) + 1))
        std::abort();
    std::free(chain);
    return 0;
}
