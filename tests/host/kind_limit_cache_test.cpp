#include "host/kind_limit_cache.h"

#include "host/plugin_host.h"
#include "plugin_folder.h"

#include <gtest/gtest.h>

namespace {

using host::KindLimitCache;
using host::PluginHost;

TEST(KindLimitCacheTest, HoldsTheCurrentModelsTablesPerKind)
{
    PluginFolder folder;
    folder.addComplete("alpha.pmd");
    PluginHost host;
    host.discover(folder.path());
    ASSERT_TRUE(host.select(0));
    KindLimitCache cache;
    cache.refill(host);
    EXPECT_NE(cache.table(1), nullptr);
    EXPECT_NE(cache.table(2), nullptr);
    EXPECT_EQ(cache.table(3), nullptr) << "no model has a mail table";
    EXPECT_NE(cache.table(4), nullptr);
    EXPECT_EQ(cache.table(0), nullptr);
    EXPECT_EQ(cache.table(5), nullptr);
    EXPECT_EQ(cache.bookmarkCapacity(), 50);
    EXPECT_EQ(cache.addressEntryCapacity(), 750);
    EXPECT_EQ(cache.word(4, 24).value_or(-1), 1000);
    EXPECT_FALSE(cache.word(1, 60)) << "past the end of the 60-byte table";
    EXPECT_FALSE(cache.word(1, 8)) << "inside the header";

    // Refilling frees the old blocks (the sanitizer build checks) and takes the new ones.
    cache.refill(host);
    EXPECT_EQ(cache.bookmarkCapacity(), 50);
}

TEST(KindLimitCacheTest, TablesWithWrongVersionOrShortSizeGiveNoCapacity)
{
    PluginFolder folder;
    folder.addCopy("test_plugin_odd_tables", "odd.pmd");
    PluginHost host;
    host.discover(folder.path());
    ASSERT_TRUE(host.select(0));
    KindLimitCache cache;
    cache.refill(host);
    ASSERT_NE(cache.table(1), nullptr);
    EXPECT_EQ(cache.bookmarkCapacity(), 0);
    EXPECT_EQ(cache.addressEntryCapacity(), 0);
}

TEST(KindLimitCacheTest, WithoutACurrentPluginEveryKindIsEmpty)
{
    PluginHost host;
    KindLimitCache cache;
    cache.refill(host);
    for (int kind = 1; kind <= 4; ++kind)
        EXPECT_EQ(cache.table(kind), nullptr);
    EXPECT_EQ(cache.bookmarkCapacity(), 0);
}

} // namespace
