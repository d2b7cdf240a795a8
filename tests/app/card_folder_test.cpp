#include "app/card_folder.h"

#include "card_fakes.h"
#include "common/inform_blocks.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

using namespace app;
namespace fs = std::filesystem;

class CardFolderTest : public testing::Test
{
protected:
    std::string at(const std::string &relative) const { return card.path() + "/" + relative; }
    void file(const std::string &relative)
    {
        fs::create_directories(fs::path(at(relative)).parent_path());
        touchFile(at(relative));
    }

    testing_support::TempDir card;
};

CardLocation sdCard(const std::string &extension, int highest = 99999)
{
    return {extension, "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", highest, false};
}

TEST_F(CardFolderTest, CardPathsFindExistingFoldersWhateverTheirCase)
{
    fs::create_directories(at("sd_pim/Sub"));

    EXPECT_EQ(resolveCardPath(card.path(), "\\SD_PIM\\"), at("sd_pim/"));
    EXPECT_EQ(resolveCardPath(card.path(), "\\SD_PIM\\SUB\\"), at("sd_pim/Sub/"));
    // What does not exist yet keeps the spelling of the card's notation.
    EXPECT_EQ(resolveCardPath(card.path(), "\\SD_PIM\\NEW\\DEEP"), at("sd_pim/NEW/DEEP"));
    EXPECT_EQ(resolveCardPath(card.path(), "\\MOBILE\\"), at("MOBILE/"));
    // The path never climbs out of the card.
    EXPECT_EQ(resolveCardPath(card.path(), "\\..\\.\\SD_PIM\\..\\"), at("sd_pim/"));
}

TEST_F(CardFolderTest, CardPathsPreferTheExactSpelling)
{
    fs::create_directories(at("sd_pim"));
    fs::create_directories(at("SD_PIM"));

    EXPECT_EQ(resolveCardPath(card.path(), "\\SD_PIM\\"), at("SD_PIM/"));
    EXPECT_EQ(resolveCardPath(card.path(), "\\sd_pim\\"), at("sd_pim/"));
}

TEST_F(CardFolderTest, WalkListsSubFoldersAndTheKindsFilesWhateverTheirCase)
{
    file("SD_PIM/PIM00001.VCF");
    file("SD_PIM/pim00002.vcf");
    file("SD_PIM/PIM00003.VCS");
    file("SD_PIM/PIM_DATA.PIM");
    file("SD_PIM/A/PIM00004.Vcf");
    fs::create_directories(at("SD_PIM/B/C"));
    file("SD_PIM/B/C/PIM00005.VCF");
    fs::create_directories(at("SD_PIM/FOLDER.VCF"));

    const CardFolder tree = walkCardFolder(at("SD_PIM/"), ".VCF");

    EXPECT_EQ(tree.path, at("SD_PIM/"));
    std::vector<std::string> files = tree.files;
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"PIM00001.VCF", "pim00002.vcf"}));
    ASSERT_EQ(tree.subFolders.size(), 3u);
    EXPECT_EQ(countCardFiles(tree), 4);
    for (const CardFolder &sub : tree.subFolders) {
        if (sub.path == at("SD_PIM/B/")) {
            ASSERT_EQ(sub.subFolders.size(), 1u);
            EXPECT_EQ(sub.subFolders[0].path, at("SD_PIM/B/C/"));
            EXPECT_EQ(sub.subFolders[0].files, std::vector<std::string>{"PIM00005.VCF"});
        }
    }
}

TEST_F(CardFolderTest, WalkDoesNotFollowLinkedFolders)
{
    file("SD_PIM/PIM00001.VCF");
    fs::create_directory_symlink(at("SD_PIM"), at("SD_PIM/LOOP"));

    const CardFolder tree = walkCardFolder(at("SD_PIM"), ".VCF");

    EXPECT_EQ(tree.path, at("SD_PIM/"));
    EXPECT_TRUE(tree.subFolders.empty());
    EXPECT_EQ(countCardFiles(tree), 1);
}

TEST_F(CardFolderTest, WalkOfAMissingFolderFindsNothing)
{
    EXPECT_EQ(countCardFiles(walkCardFolder(at("SD_PIM/"), ".VCF")), 0);
}

TEST_F(CardFolderTest, FreeNameIsTheFirstNumberNoExtensionOrCaseTakes)
{
    const struct
    {
        const char *name;
        std::vector<std::string> present;
        const char *extension;
        const char *stem;
    } cases[] = {
        {"empty card", {}, ".VCF", "PIM00001"},
        {"numbers shared across kinds", {"PIM00001.VCF", "pim00003.vcs"}, ".VCF", "PIM00002"},
        {"bookmarks share them too", {"PIM00001.VCF", "pim00003.vcs"}, ".VBM", "PIM00002"},
        {"a name without extension", {"PIM00001"}, ".VCF", "PIM00002"},
        {"a name with two extensions", {"PIM00001.VCF.BAK"}, ".VCF", "PIM00002"},
        {"a longer number is another name", {"PIM000011.VCF", "PIM00001X.VCF"}, ".VCF", "PIM00001"},
        {"lower-case names", {"pim00001.vbm", "pim00002.url"}, ".VCF", "PIM00003"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::TempDir root;
        fs::create_directories(root.path() + "/SD_PIM");
        for (const std::string &name : c.present)
            touchFile(root.path() + "/SD_PIM/" + name);

        const std::optional<CardFileName> free = freeCardFileName(root.path(), sdCard(c.extension));

        ASSERT_TRUE(free);
        EXPECT_EQ(free->stem, c.stem);
        EXPECT_EQ(free->extension, c.extension);
        EXPECT_EQ(free->path, root.path() + "/SD_PIM/" + c.stem + c.extension);
    }
}

TEST_F(CardFolderTest, FreeNameCountsFoldersAsTaken)
{
    fs::create_directories(at("SD_PIM/PIM00001"));

    EXPECT_EQ(freeCardFileName(card.path(), sdCard(".VCF"))->stem, "PIM00002");
}

TEST_F(CardFolderTest, FreeNameGoesIntoTheFolderAsTheCardSpellsIt)
{
    file("sd_pim/pim00001.vcf");

    const std::optional<CardFileName> free = freeCardFileName(card.path(), sdCard(".VCF"));

    ASSERT_TRUE(free);
    EXPECT_EQ(free->path, at("sd_pim/PIM00002.VCF"));
}

TEST_F(CardFolderTest, FreeNameOfAFullCardIsNothing)
{
    file("SD_PIM/PIM00001.VCF");
    file("SD_PIM/PIM00002.VCS");

    EXPECT_FALSE(freeCardFileName(card.path(), sdCard(".VBM", 2)));
    EXPECT_FALSE(freeCardFileName(card.path(), sdCard(".VBM", 0)));
    EXPECT_EQ(freeCardFileName(card.path(), sdCard(".VBM", 3))->stem, "PIM00003");
}

TEST(CardLocationTest, ReadsTheDescriptionOfTheAskedType)
{
    const OwnedBlock<> info(makeCardFileInfo(2001, ".VCF", "\\MOBILE\\DOCOMO\\NAMECARD\\",
                                             "\\MOBILE\\DOCOMO\\NAMECARD\\M%07d", 9999999, 1));

    const std::optional<CardLocation> location = cardLocation(info.get(), 2001);

    ASSERT_TRUE(location);
    EXPECT_EQ(location->extension, ".VCF");
    EXPECT_EQ(location->folder, "\\MOBILE\\DOCOMO\\NAMECARD\\");
    EXPECT_EQ(location->pattern, "\\MOBILE\\DOCOMO\\NAMECARD\\M%07d");
    EXPECT_EQ(location->highestNumber, 9999999);
    EXPECT_TRUE(location->filePerEntry);
    EXPECT_FALSE(cardLocation(info.get(), 2000)) << "another type";
    EXPECT_FALSE(cardLocation(nullptr, 2001));
}

TEST(CardLocationTest, RefusesBlocksThatCannotBeReadSafely)
{
    const OwnedBlock<> info(
        makeCardFileInfo(2001, ".VCF", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", 99999));
    auto *block = static_cast<CardFileInfo *>(info.get());

    block->header.size = 20;
    EXPECT_FALSE(cardLocation(block, 2001)) << "a block too small for the layout";
    block->header.size = sizeof(CardFileInfo);
    std::memset(block->extension, 'A', sizeof block->extension);
    EXPECT_FALSE(cardLocation(block, 2001)) << "a text without its end";
}

TEST(CardLocationTest, TakesPatternsWithExactlyOneIntegerNumber)
{
    const struct
    {
        const char *pattern;
        bool usable;
    } cases[] = {
        {"\\SD_PIM\\PIM%05d", true}, {"\\A\\CARD%4i", true}, {"\\A\\%-3u", true},
        {"\\A\\100%%_%d", true},     {"\\A\\M%.7d", true},   {"\\A\\NAME", false},
        {"\\A\\%s", false},          {"\\A\\%d%d", false},   {"\\A\\%n%d", false},
        {"\\A\\%*d", false},         {"\\A\\%ld", false},    {"\\A\\%", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.pattern);
        const OwnedBlock<> info(makeCardFileInfo(2001, ".VCF", "\\A\\", c.pattern, 9));
        EXPECT_EQ(cardLocation(info.get(), 2001).has_value(), c.usable);
    }
}

TEST(CardNameTest, ComparesWithoutLetterCase)
{
    EXPECT_TRUE(sameCardName("SD_PIM", "sd_pim"));
    EXPECT_FALSE(sameCardName("SD_PIM", "SD_PIM2"));
    EXPECT_TRUE(endsWithCardName("pim00001.vcf", ".VCF"));
    EXPECT_FALSE(endsWithCardName("PIM00001.VCS", ".VCF"));
    EXPECT_FALSE(endsWithCardName("CF", ".VCF"));
}

} // namespace
