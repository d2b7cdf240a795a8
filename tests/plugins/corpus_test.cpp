// Card files written by other programs: every model loads them or fails with a code.
#include "kind_records.h"

#include "common/data_kind.h"

#include "plugins/core/plugin_interface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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

TEST(CorpusTest, EveryModelReadsEachFileAsEveryKindOrFailsWithACode)
{
    const std::vector<fs::path> files = corpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no sample corpus at " << CELLVANE_CORPUS;
    const int32_t failures[] = {PLUGIN_NO_ENTRY, PLUGIN_FILE_POSITION, PLUGIN_NO_MEMORY};
    for (const char *model : kModels) {
        CardFolder folder(model);
        ASSERT_TRUE(folder.plugin().isLoaded()) << folder.plugin().loadError();
        const std::string path = folder.file("PIM00001.DAT");
        for (const fs::path &file : files) {
            writeFile(path, readFile(file.string()));
            for (int32_t kind : {KIND_BOOKMARK, KIND_MAIL, KIND_SCHEDULE}) {
                void *block = folder.plugin().loadData(kind, path.c_str());
                const int32_t code = folder.plugin().getPluginLastError();
                std::free(block);
                if (block)
                    EXPECT_EQ(code, PLUGIN_OK) << model << " " << file << " kind " << kind;
                else
                    EXPECT_NE(std::find(std::begin(failures), std::end(failures), code),
                              std::end(failures))
                        << model << " " << file << " kind " << kind << " code " << code;
            }
        }
    }
}

TEST(CorpusTest, SchedulesOfOtherPhonesLoadWithTheirDatesAndRules)
{
    const fs::path folderPath = fs::path(CELLVANE_CORPUS) / "symbian-versit";
    if (!fs::exists(folderPath / "9110repeatweekly.vcs"))
        GTEST_SKIP() << "no sample corpus at " << CELLVANE_CORPUS;
    CardFolder sh("sh505i");
    const std::string path = sh.file("PIM00001.VCS");
    writeFile(path, readFile((folderPath / "9110repeatweekly.vcs").string()));
    auto weekly = loadRecords<ScheduleRecord>(sh, KIND_SCHEDULE, path);
    ASSERT_EQ(weekly.size(), 1u);
    EXPECT_EQ(weekly[0].repeatRule, REPEAT_WEEKLY);
    EXPECT_EQ(weekly[0].repeatCount, 0);
    EXPECT_NE(std::string(weekly[0].start), "");
    writeFile(path, readFile((folderPath / "todo-alarm.vcs").string()));
    auto todo = loadRecords<ScheduleRecord>(sh, KIND_SCHEDULE, path);
    ASSERT_EQ(todo.size(), 1u);
    EXPECT_STREQ(todo[0].end, todo[0].start);
}

TEST(CorpusTest, KeepsAShiftJisDescriptionByteForByte)
{
    const fs::path file = fs::path(CELLVANE_CORPUS) / "symbian-versit" / "IShiftJis.VCS";
    if (!fs::exists(file))
        GTEST_SKIP() << "no sample corpus at " << CELLVANE_CORPUS;
    const std::string text = readFile(file.string());
    const std::string property = "DESCRIPTION;CHARSET=SHIFT_JIS:";
    const size_t at = text.find(property) + property.size();
    const std::string description = text.substr(at, text.find('\n', at) - at);
    CardFolder sh("sh505i");
    const std::string path = sh.file("PIM00001.VCS");
    writeFile(path, text);
    const auto loaded = loadRecords<ScheduleRecord>(sh, KIND_SCHEDULE, path);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(std::string(loaded[0].description), description); // 0x5C trail bytes kept
    EXPECT_EQ(loaded[0].icon, 4);                               // BUSINESS
    EXPECT_STREQ(loaded[0].alarm, "20000222T100000Z");
    EXPECT_EQ(loaded[0].repeatRule, REPEAT_NONE); // W2 is no rule of the phone's
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
