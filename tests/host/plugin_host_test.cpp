#include "host/plugin_host.h"

#include "plugin_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

using host::PluginHost;

std::string modelOf(const PluginHost &host)
{
    return host.currentModelName().value_or("<none>");
}

TEST(PluginHostTest, BindsAtMostThirtyTwoOfThirtyThreeLoadablePlugins)
{
    PluginFolder folder;
    for (int i = 0; i < 33; ++i)
        folder.addComplete("model" + std::to_string(i) + ".pmd");
    PluginHost host;
    EXPECT_EQ(host.discover(folder.path()), 32);
    EXPECT_EQ(host.count(), 32);

    std::set<std::string> names;
    for (int i = 0; i < host.count(); ++i)
        names.insert(host.modelNameAt(i).value_or(""));
    EXPECT_EQ(names.size(), 32u) << "every slot holds a different plug-in";
}

TEST(PluginHostTest, PluginLackingAnExportIsUnloadedAndItsSlotReused)
{
    PluginFolder folder;
    folder.addCopy("test_plugin_no_last_error", "broken.pmd");
    folder.addComplete("good.pmd");
    PluginHost host;
    EXPECT_EQ(host.discover(folder.path()), 1);
    ASSERT_TRUE(host.select(0));
    EXPECT_EQ(modelOf(host), "good");
    EXPECT_FALSE(host.select(1));
}

TEST(PluginHostTest, FilesThatAreNoLibraryOrNoPmdAreSkippedSilently)
{
    PluginFolder folder;
    folder.addText("notes.pmd", "this is not a shared library\n");
    folder.addText("empty.pmd", "");
    folder.addCopy("test_plugin_full", "other.so");
    folder.addComplete("real.pmd");
    PluginHost host;
    EXPECT_EQ(host.discover(folder.path()), 1);
    ASSERT_TRUE(host.select(0));
    EXPECT_EQ(modelOf(host), "real");
}

TEST(PluginHostTest, MissingOrEmptyFolderBindsNothing)
{
    PluginFolder folder;
    PluginHost host;
    EXPECT_EQ(host.discover(folder.path()), 0);
    EXPECT_EQ(host.discover(folder.path() + "absent/"), 0);
    EXPECT_EQ(host.currentIndex(), -1);
}

TEST(PluginHostTest, DiscoveringAgainKeepsTheFirstResult)
{
    PluginFolder folder;
    folder.addComplete("a.pmd");
    PluginHost host;
    ASSERT_EQ(host.discover(folder.path()), 1);
    folder.addComplete("b.pmd");
    EXPECT_EQ(host.discover(folder.path()), 1);
}

TEST(PluginHostTest, RememberedModelIsFoundWhereverItLies)
{
    PluginFolder folder;
    for (const char *name : {"alpha.pmd", "beta.pmd", "gamma.pmd"})
        folder.addComplete(name);
    PluginHost host;
    ASSERT_EQ(host.discover(folder.path()), 3);
    for (const char *model : {"alpha", "beta", "gamma"}) {
        EXPECT_TRUE(host.selectByModelName(model));
        EXPECT_EQ(modelOf(host), model);
    }
}

TEST(PluginHostTest, UnknownModelNameLeavesTheCurrentPluginAsItWas)
{
    PluginFolder folder;
    folder.addComplete("alpha.pmd");
    folder.addComplete("beta.pmd");
    PluginHost host;
    ASSERT_EQ(host.discover(folder.path()), 2);

    // Before anything is current: a failed match leaves nothing current, so start-up falls
    // back to the first plug-in in file-system order.
    EXPECT_FALSE(host.selectByModelName("gamma"));
    EXPECT_EQ(host.currentIndex(), -1);
    EXPECT_FALSE(host.selectByModelName(""));
    EXPECT_FALSE(host.selectByModelName("alph")) << "a prefix is not the same name";

    ASSERT_TRUE(host.select(1));
    EXPECT_FALSE(host.selectByModelName("gamma"));
    EXPECT_EQ(host.currentIndex(), 1);
}

TEST(PluginHostTest, SelectRefusesIndicesOutsideTheBoundPlugins)
{
    PluginFolder folder;
    folder.addComplete("alpha.pmd");
    PluginHost host;
    host.discover(folder.path());
    for (int index : {-1, 1, 32})
        EXPECT_FALSE(host.select(index)) << index;
    EXPECT_EQ(host.currentIndex(), -1);
    EXPECT_TRUE(host.select(0));
}

TEST(PluginHostTest, ForwardersReturnNeutralValuesWithoutACurrentPlugin)
{
    PluginHost host;
    char path[] = "/tmp/x";
    char block[32] = {};
    EXPECT_EQ(host.getSupportModelName(), nullptr);
    EXPECT_EQ(host.getPluginCode(), 0u);
    EXPECT_EQ(host.getInformTable(1, 0), nullptr);
    EXPECT_EQ(host.loadData(1001, path), nullptr);
    EXPECT_EQ(host.saveData(1001, path, block), 0);
    EXPECT_EQ(host.getPluginLastError(), -1);
}

TEST(PluginHostTest, ForwardersReachTheCurrentPluginAndGuardNullArguments)
{
    PluginFolder folder;
    folder.addComplete("alpha.pmd");
    PluginHost host;
    host.discover(folder.path());
    ASSERT_TRUE(host.select(0));
    char block[32] = {};
    EXPECT_EQ(host.saveData(1001, "/tmp/x", block), -999);
    EXPECT_EQ(host.getPluginLastError(), -999);
    EXPECT_EQ(host.saveData(1001, nullptr, block), 0);
    EXPECT_EQ(host.saveData(1001, "/tmp/x", nullptr), 0);
    EXPECT_EQ(host.loadData(1001, nullptr), nullptr);
    void *table = host.getInformTable(2, 0);
    EXPECT_NE(table, nullptr);
    std::free(table);
    EXPECT_EQ(host.getPluginLastError(), 0);
}

TEST(PluginHostTest, PluginCodeIdentifiesTheInstalledPluginWithoutChangingTheCurrentOne)
{
    PluginFolder folder;
    folder.addComplete("alpha.pmd");
    folder.addComplete("beta.pmd");
    PluginHost host;
    host.discover(folder.path());
    ASSERT_TRUE(host.selectByModelName("beta"));
    const uint32_t betaCode = host.getPluginCode();
    ASSERT_TRUE(host.selectByModelName("alpha"));
    const int alphaIndex = host.currentIndex();

    const int found = host.indexOfPluginCode(betaCode);
    EXPECT_NE(found, -1);
    EXPECT_EQ(host.modelNameAt(found).value_or(""), "beta");
    EXPECT_EQ(host.indexOfPluginCode(betaCode ^ 1u), -1);
    EXPECT_EQ(host.currentIndex(), alphaIndex);
}

} // namespace
