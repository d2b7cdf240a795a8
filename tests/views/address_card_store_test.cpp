#include "views/address/address_store.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/owned_block.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "tests/support/temp_dir.h"
#include "views/address/address_edit_rules.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

using views::AddressStore;

using Block = OwnedBlock<>;

// A card folder holding one address file and an empty data-management file.
class CardFolder
{
public:
    std::string cardPath() const { return m_dir.file("PIM00001.VCF"); }

    CardFolder()
    {
        // No slots yet, the "new file" word 1.
        std::ofstream(m_dir.file("PIM_DATA.PIM"), std::ios::binary)
            .write("\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0", 16);
    }

private:
    testing_support::TempDir m_dir;
};

// "sh505i" -> "DoCoMo SH505i"
std::string modelName(std::string model)
{
    for (size_t i = 0; i + 1 < model.size(); ++i)
        model[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(model[i])));
    return "DoCoMo " + model;
}

class AddressCardStoreTest : public testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        ASSERT_GT(plugins.discover(CELLVANE_PLUGIN_DIR "/"), 0);
        ASSERT_TRUE(plugins.selectByModelName(modelName(GetParam())));
        limits.refill(plugins);
        const AddressLimits table = views::readAddressLimits(limits);
        store.setLimits(
            {table.capacity, table.numbersBelowCapacity != 0, table.ownerRequired != 0});
    }

    Block load(const std::string &path) const
    {
        return Block(plugins.loadData(KIND_ADDRESS, path.c_str()));
    }

    host::PluginHost plugins;
    host::KindLimitCache limits;
    AddressStore store;
};

int ordinaryRecords(const void *first)
{
    int count = 0;
    for (const void *link = first; link; link = RecordLink(link, RECORD_LINK_NEXT)) {
        AddressRecord record;
        std::memcpy(&record, link, sizeof record);
        count += record.memoryNumber == OWNER_MEMORY_NUMBER ? 0 : 1;
    }
    return count;
}

TEST_P(AddressCardStoreTest, SampleCardLoadsOnceAndGoesBackToTheCardWhole)
{
    CardFolder folder;
    std::filesystem::copy_file(std::string(CELLVANE_TEST_DATA) + "/" + GetParam()
                                   + "/address/Sample.VCF",
                               folder.cardPath());
    const Block loaded = load(folder.cardPath());
    ASSERT_TRUE(loaded);
    const int cards = static_cast<int>(ChainLength(loaded.get()));
    const int ordinary = ordinaryRecords(loaded.get());
    EXPECT_EQ(store.MergeRecords(loaded.get(), false, true, true), ordinary);
    EXPECT_EQ(store.RecordCount(), cards);
    EXPECT_EQ(store.MergeRecords(loaded.get(), false, true, true), 0) << "all duplicates";
    store.RefreshAllRows();

    const Block chain(store.BuildCardChain());
    ASSERT_TRUE(chain);
    CardFolder copy;
    ASSERT_EQ(plugins.saveData(KIND_ADDRESS, copy.cardPath().c_str(), chain.get()), 0)
        << plugins.getPluginLastError();
    const Block reloaded = load(copy.cardPath());
    AddressStore again;
    again.setLimits(store.limits());
    EXPECT_EQ(again.MergeRecords(reloaded.get(), false, true, false), ordinary);
    ASSERT_EQ(again.RecordCount(), store.RecordCount());
    for (int i = 0; i < store.RecordCount(); ++i) {
        EXPECT_STREQ(again.record(i)->name, store.record(i)->name) << i;
        EXPECT_EQ(again.record(i)->memoryNumber, store.record(i)->memoryNumber) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, AddressCardStoreTest,
                         testing::Values("sh505i", "p505i", "so505i", "d505i", "n505i", "f505i"),
                         [](const testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });

} // namespace
