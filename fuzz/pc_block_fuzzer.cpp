// A store's PC-file image, as read from a file: a loaded image is written again and must read
// back to the same entries and rows. Built once per store: STORE_HEADER and STORE_CLASS.
#include STORE_HEADER

#include <cstdlib>

namespace {

using Store = views::STORE_CLASS;
constexpr uint32_t PluginCode = 0x44530101;

// The address book stores nothing without the model's limits; the other stores take none.
template<typename AnyStore>
void prepare(AnyStore &store)
{
    if constexpr (requires { store.setLimits({1000, false, false}); })
        store.setLimits({1000, false, false});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Store store;
    prepare(store);
    if (store.LoadPcBlock(data, size, PluginCode) != -1)
        return 0;

    const std::vector<unsigned char> image = store.BuildPcBlock(PluginCode);
    if (store.RecordCount() == 0) {
        // An empty store has no image to write.
        if (!image.empty())
            std::abort();
        return 0;
    }
    Store again;
    prepare(again);
    if (again.LoadPcBlock(image.data(), image.size(), PluginCode) != -1
        || again.RecordCount() != store.RecordCount() || again.RowCount() != store.RowCount())
        std::abort();
    return 0;
}
