// Card files written by other programs: every model loads them or fails with a code.
#include "address_book_fixture.h"

#include "plugins/core/plugin_interface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

namespace fs = std::filesystem;

const char *const kModels[] = {"sh505i", "p505i", "so505i", "d505i", "n505i", "f505i"};

std::vector<fs::path> corpusFiles()
{
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto &entry : fs::recursive_directory_iterator(CELLVANE_CORPUS, error))
        if (entry.is_regular_file() && entry.path().filename() != "SOURCES.md"
            && entry.path().filename() != "README.md")
            files.push_back(entry.path());
    return files;
}

TEST(CorpusTest, EveryModelLoadsEachFileOrFailsWithACode)
{
    const std::vector<fs::path> files = corpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no sample corpus at " << CELLVANE_CORPUS;
    const int32_t failures[] = {PLUGIN_NO_ENTRY, PLUGIN_FILE_POSITION, PLUGIN_NO_MEMORY};
    for (const char *model : kModels) {
        CardFolder folder(model);
        ASSERT_TRUE(folder.plugin().isLoaded()) << folder.plugin().loadError();
        for (const fs::path &file : files) {
            const auto loaded = folder.load(readFile(file.string()));
            const int32_t code = folder.plugin().getPluginLastError();
            if (!loaded.empty())
                EXPECT_EQ(code, PLUGIN_OK) << model << " " << file;
            else
                EXPECT_NE(std::find(std::begin(failures), std::end(failures), code),
                          std::end(failures))
                    << model << " " << file << " code " << code;
        }
    }
}

TEST(CorpusTest, SoLoadsAJapanesePhoneExport)
{
    const fs::path file = fs::path(CELLVANE_CORPUS) / "symbian-versit" / "aoki.vcf";
    if (!fs::exists(file))
        GTEST_SKIP() << "no sample corpus at " << CELLVANE_CORPUS;
    CardFolder so("so505i");
    const auto loaded = so.load(readFile(file.string()));
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(std::string(loaded[0].name), sjis("青木"));
    EXPECT_EQ(std::string(loaded[0].reading), sjis("アオキ"));
    EXPECT_STREQ(loaded[0].phones[0].number, "07700 900000");
    EXPECT_EQ(loaded[0].phones[0].icon, 2); // CELL
    EXPECT_EQ(loaded[0].memoryNumber, 10);
}

} // namespace
