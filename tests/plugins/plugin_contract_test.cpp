// The interface every built plug-in offers, checked through dlopen as the editor uses it.
#include "plugin_library.h"

#include "common/data_kind.h"
#include "plugins/core/plugin_interface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

struct ModelCase
{
    const char *model;
    const char *name;
    uint32_t code;
};

const ModelCase kModels[] = {
    {"sh505i", "DoCoMo SH505i", 0x44530101}, {"p505i", "DoCoMo P505i", 0x44500101},
    {"so505i", "DoCoMo SO505i", 0x444F0101}, {"d505i", "DoCoMo D505i", 0x444D0101},
    {"n505i", "DoCoMo N505i", 0x444E0101},   {"f505i", "DoCoMo F505i", 0x44460101},
};

struct OptionListCase
{
    const char *model;
    int32_t type;
    std::vector<std::string> texts; // UTF-8
};

// BookmarkLimits words from offset 20, one row per model.
const int32_t kBookmarkWords[6][10] = {
    {1, 50, 0, 0, 256, 1, 24, 2, 0, 2},   // SH505i
    {1, 50, 1, 10, 256, 1, 24, 2, 16, 2}, // P505i
    {1, 50, 0, 0, 256, 1, 24, 2, 0, 2},   // SO505i
    {1, 50, 0, 5, 256, 1, 24, 2, 18, 2},  // D505i
    {1, 50, 0, 0, 256, 1, 24, 2, 0, 2},   // N505i
    {1, 50, 0, 10, 256, 1, 24, 2, 18, 2}, // F505i
};

// AddressLimits words from offset 20, one row per model.
const int32_t kAddressWords[6][31] = {
    {0, 750, 1, 1, 0, 1, 0, 32, 2, 32, 1, 3, 24, 1, 0, 0,
     1, 50,  1, 0, 0, 0, 0, 0,  0, 60, 2, 1, 0,  0, 0}, // SH505i
    {0, 800, 0, 1, 0, 1, 0, 24, 2, 10, 1, 3, 24, 1, 0, 0,
     3, 50,  1, 0, 0, 0, 0, 0,  0, 50, 2, 1, 1,  1, 1}, // P505i
    {0, 1000, 0, 0, 0, 0, 9, 20,  2, 18, 1, 3, 24, 1, 0, 0,
     3, 50,   1, 0, 0, 0, 0, 128, 0, 0,  2, 1, 1,  0, 0}, // SO505i
    {0, 500, 0, 0, 0, 0, 49, 32, 2, 32, 1, 3, 24, 1, 0, 0,
     3, 50,  1, 0, 0, 0, 0,  0,  0, 0,  0, 1, 0,  0, 0}, // D505i
    {0, 1000, 0, 1, 20, 0, 19, 20, 2, 18,  1, 4, 24, 1, 0, 0,
     3, 50,   1, 0, 0,  8, 0,  93, 0, 100, 2, 1, 1,  0, 0}, // N505i
    {0, 700, 1, 1, 0, 0, 0, 16, 2, 16,  1, 3, 24, 1, 0, 0,
     3, 50,  1, 0, 0, 0, 0, 0,  0, 100, 2, 1, 1,  0, 0}, // F505i
};

// ScheduleLimits words from offset 20, one row per model.
const int32_t kScheduleWords[6][27] = {
    {0, 300, 1, 1, 1, 1, 1, 1, 0, 0, 200, 2,    0,   0,
     4, 0,   1, 1, 0, 0, 0, 0, 1, 1, 99,  2000, 2099}, // SH505i
    {0, 200, 1, 1, 1, 1, 1, 1, 0, 0, 200, 2,    0,   0,
     3, 0,   0, 1, 0, 0, 0, 1, 1, 0, 0,   2000, 2099}, // P505i
    {0, 200, 1, 1, 1, 0, 1, 0, 0, 2, 256, 2,    64,  2,
     4, 0,   1, 0, 0, 1, 0, 0, 1, 1, 99,  2000, 2099}, // SO505i
    {0, 100, 1, 1, 0, 0, 1, 1, 0, 2, 256, 2,    0,   2,
     3, 0,   1, 0, 0, 0, 0, 0, 0, 0, 0,   2002, 2099}, // D505i
    {0, 200, 1, 1, 1, 0, 1, 1, 0, 2, 200, 2,    0,   2,
     4, 1,   0, 1, 0, 1, 0, 0, 1, 1, 99,  2003, 2099}, // N505i
    {0, 100, 1, 1, 0, 0, 1, 1, 16, 2, 200, 2,    0,   0,
     3, 0,   0, 1, 0, 0, 1, 1, 0,  0, 0,   2000, 2099}, // F505i
};

const std::vector<OptionListCase> kOptionLists = {
    {"sh505i", 201, {"一般電話", "携帯電話", "自宅", "会社", "ＦＡＸ"}},
    {"sh505i", 401, {"なし", "プライベート", "休日", "旅行", "仕事", "会議"}},
    {"p505i",
     201,
     {"携帯電話（ブルー）", "携帯電話（ピンク）", "i-mode", "PHS", "自宅", "自宅FAX", "会社",
      "会社FAX", "ホテル", "バー", "レストラン", "店", "予約", "ハート", "☆", "クイックキャスト"}},
    {"p505i",
     202,
     {"メール（ブルー）", "携帯メール（ブルー）", "会社メール（ブルー）", "自宅メール（ブルー）",
      "メール（ピンク）", "携帯メール（ピンク）", "会社メール（ピンク）", "自宅メール（ピンク）",
      "女の子", "男の子", "ハート", "i-mode", "パソコンメール", "PHSメール", "フリーメール",
      "その他"}},
    {"p505i",
     203,
     {"通常と同じ", "マリンブルー", "バイオレット", "ローズ", "レモン", "ライム", "スカイブルー",
      "スターライト", "レインボー"}},
    {"p505i", 401, {"デート", "食事",       "パーティー", "カラオケ", "会議",       "休憩",
                    "誕生日", "勉強",       "映画",       "ドライブ", "旅行",       "休日",
                    "仕事",   "自宅",       "温泉",       "テニス",   "ゴルフ",     "男の子",
                    "女の子", "電話",       "出張",       "約束",     "サッカー",   "野球",
                    "スキー", "バスケット", "記念日",     "散髪",     "コンサート", "ホテル",
                    "病院",   "銀行",       "個人的",     "習い事",   "散歩",       "その他"}},
    {"p505i", 402, {"音なし", "１", "２", "３", "４", "５", "６", "ステップトーン"}},
    {"so505i",
     201,
     {"一般電話", "自宅", "携帯電話１", "携帯電話２", "会社", "クイックキャスト", "ＦＡＸ"}},
    {"so505i", 202, {"一般メール", "会社メール", "自宅メール", "携帯メール１", "携帯メール２"}},
    {"d505i", 201, {"電話", "自宅", "携帯", "会社"}},
    {"n505i", 201, {"電話番号",   "携帯電話", "自宅",       "会社",     "会社ＦＡＸ",
                    "店",         "工場",     "代表",       "直通",     "マル秘",
                    "ホテル",     "学校",     "自宅ＦＡＸ", "パソコン", "クイックキャスト",
                    "家族",       "友達・女", "友達・男",   "仲良し",   "ＰＨＳ",
                    "レストラン", "実家",     "病院"}},
    {"n505i",
     202,
     {"メールアドレス", "自宅アドレス", "会社アドレス", "携帯アドレス", "iモードアドレス"}},
    {"n505i",
     401,
     {"予定",
      "食事",
      "ドライブ",
      "テニス",
      "ゴルフ",
      "病院",
      "デート",
      "カラオケ",
      "会議",
      "外出",
      "飲み会",
      "電車",
      "飛行機",
      "つり",
      "買い物",
      "ユーザーアイコン１",
      "ユーザーアイコン２",
      "ユーザーアイコン３",
      "ユーザーアイコン４",
      "ユーザーアイコン５",
      "プライベート",
      "休日",
      "旅行",
      "仕事"}},
    {"f505i", 201, {"携帯電話",   "ＰＨＳ", "黒電話", "ＦＡＸ", "家１",   "家２",
                    "レストラン", "会社１", "会社２", "学校",   "店",     "病院",
                    "恋人",       "男性",   "女性",   "男の子", "女の子", "カエル",
                    "アヒル",     "イヌ",   "ネコ",   "イルカ"}},
    {"f505i",
     202,
     {"メール", "携帯メール", "ＰＨＳメール", "ＰＣメール", "家１", "家２", "会社１", "会社２",
      "男性", "女性", "男の子", "女の子", "恋人", "カエル", "アヒル", "イヌ", "ネコ", "イルカ"}},
    {"f505i", 401, {"星",     "ハート",   "食事",   "ビール", "休暇",         "贈り物",
                    "銀行",   "カラオケ", "散髪",   "映画",   "旅行",         "買い物",
                    "自動車", "電車",     "飛行機", "テニス", "スノーボード", "乗馬",
                    "爆弾",   "ドクロ",   "病院",   "学校",   "会議",         "メモ"}},
    {"f505i",
     402,
     {"消音", "音量１", "音量２", "音量３", "音量４", "音量５", "音量６", "ステップトーン"}},
    {"f505i",
     403,
     {"アラーム音", "ＯＦＦ", "着信音１", "着信音２", "着信音３", "着信音４", "着信音５",
      "着信音６"}},
};

class PluginContractTest : public testing::TestWithParam<size_t>
{
protected:
    const ModelCase &model() const { return kModels[GetParam()]; }
    PluginLibrary plugin{pluginPath(kModels[GetParam()].model)};

    void SetUp() override { ASSERT_TRUE(plugin.isLoaded()) << plugin.loadError(); }
};

TEST_P(PluginContractTest, BindsAllSixExports)
{
    EXPECT_EQ(plugin.loadError(), "");
}

TEST_P(PluginContractTest, NamesItsModelAndCode)
{
    auto name = takeBlock<char>(plugin.getSupportModelName());
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name.get(), model().name);
    EXPECT_EQ(plugin.getPluginLastError(), 0);
    EXPECT_EQ(plugin.getPluginCode(), model().code);
}

template<typename Limits, size_t N>
void expectLimits(PluginLibrary &plugin, int32_t type, const int32_t (&words)[N])
{
    auto table = takeBlock<Limits>(plugin.getInformTable(type, 7));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(plugin.getPluginLastError(), 0);
    static_assert(sizeof(Limits) == 20 + 4 * N);
    EXPECT_EQ(table->header.version, 0x10000u);
    EXPECT_EQ(table->header.size, sizeof(Limits));
    EXPECT_EQ(table->header.kind, static_cast<uint32_t>(type));
    EXPECT_EQ(table->header.prev, 0);
    EXPECT_EQ(table->header.next, 0);
    int32_t actual[N];
    std::memcpy(actual, reinterpret_cast<const char *>(table.get()) + 20, sizeof actual);
    for (size_t i = 0; i < N; ++i)
        EXPECT_EQ(actual[i], words[i]) << "type " << type << " offset " << 20 + 4 * i;
}

TEST_P(PluginContractTest, AnswersEveryLimitTableWordForWord)
{
    expectLimits<BookmarkLimits>(plugin, INFORM_BOOKMARK_LIMITS, kBookmarkWords[GetParam()]);
    expectLimits<AddressLimits>(plugin, INFORM_ADDRESS_LIMITS, kAddressWords[GetParam()]);
    expectLimits<ScheduleLimits>(plugin, INFORM_SCHEDULE_LIMITS, kScheduleWords[GetParam()]);
}

TEST_P(PluginContractTest, AnswersEveryOptionListEntryAndNothingElse)
{
    const std::string name = model().model;
    for (int32_t type : {201, 202, 203, 401, 402, 403}) {
        std::vector<std::string> expected;
        for (const OptionListCase &list : kOptionLists)
            if (list.model == name && list.type == type)
                expected = list.texts;
        for (size_t index = 0; index < expected.size(); ++index) {
            auto entry = takeBlock<OptionEntry>(plugin.getInformTable(type, int32_t(index)));
            ASSERT_NE(entry, nullptr) << type << "/" << index;
            const std::string text = sjis(expected[index]);
            EXPECT_EQ(plugin.getPluginLastError(), 0);
            EXPECT_EQ(entry->header.version, 0x10000u);
            EXPECT_EQ(entry->header.kind, static_cast<uint32_t>(type));
            EXPECT_GE(entry->header.size, text.size() + 25);
            EXPECT_EQ(entry->textLength, static_cast<int32_t>(text.size()));
            EXPECT_EQ(std::string(entry->text), text)
                << type << "/" << index << " " << expected[index];
        }
        for (int32_t index : {int32_t(expected.size()), -1}) {
            EXPECT_EQ(plugin.getInformTable(type, index), nullptr) << type << "/" << index;
            EXPECT_EQ(plugin.getPluginLastError(), PLUGIN_BAD_ARGUMENT);
        }
    }
}

TEST_P(PluginContractTest, RefusesUnknownTablesAndResetsTheErrorOnSuccess)
{
    for (int32_t type : {0, 3, 5, 200, 204, 404, 1999, 2004, -1}) {
        EXPECT_EQ(plugin.getInformTable(type, 0), nullptr) << type;
        EXPECT_EQ(plugin.getPluginLastError(), PLUGIN_BAD_ARGUMENT);
    }
    auto table = takeBlock<void>(plugin.getInformTable(INFORM_ADDRESS_LIMITS, 0));
    EXPECT_NE(table, nullptr);
    EXPECT_EQ(plugin.getPluginLastError(), 0);
}

TEST_P(PluginContractTest, DescribesWhereEachKindLiesOnTheCard)
{
    struct Location
    {
        const char *extension;
        const char *folder;
        const char *pattern;
        int32_t highest;
    };
    const Location sd[] = {{".VBM", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", 99999},
                           {".VCF", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", 99999},
                           {".VMG", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", 99999},
                           {".VCS", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", 99999}};
    const Location so[]
        = {{".URL", "\\MOBILE\\DOCOMO\\BOOKMARK\\", "\\MOBILE\\DOCOMO\\BOOKMARK\\BMRK%04d", 9999},
           {".VCF", "\\MOBILE\\DOCOMO\\NAMECARD\\", "\\MOBILE\\DOCOMO\\NAMECARD\\CARD%04d", 9999},
           {".VMG", "\\MOBILE\\DOCOMO\\MESSAGE\\", "\\MOBILE\\DOCOMO\\MESSAGE\\PIM%05d", 9999},
           {".VCS", "\\MOBILE\\DOCOMO\\CALENDAR\\", "\\MOBILE\\DOCOMO\\CALENDAR\\CLND%04d", 9999}};
    const Location d[]
        = {{".URL", "\\MOBILE\\DOCOMO\\BOOKMARK\\", "\\MOBILE\\DOCOMO\\BOOKMARK\\M%07d", 9999999},
           {".VCF", "\\MOBILE\\DOCOMO\\NAMECARD\\", "\\MOBILE\\DOCOMO\\NAMECARD\\M%07d", 9999999},
           {".VMG", "\\MOBILE\\DOCOMO\\MESSAGE\\", "\\MOBILE\\DOCOMO\\MESSAGE\\PIM%05d", 9999},
           {".VCS", "\\MOBILE\\DOCOMO\\CALENDAR\\", "\\MOBILE\\DOCOMO\\CALENDAR\\M%07d", 9999999}};
    const std::string name = model().model;
    const Location *expected = name == "so505i" ? so : name == "d505i" ? d : sd;
    for (int32_t kind = 0; kind < 4; ++kind) {
        auto info = takeBlock<CardFileInfo>(plugin.getInformTable(2000 + kind, -5));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->header.version, 0x10000u);
        EXPECT_EQ(info->header.size, 816u);
        EXPECT_EQ(info->header.kind, 2000u + kind);
        EXPECT_STREQ(info->extension, expected[kind].extension);
        EXPECT_STREQ(info->folder, expected[kind].folder);
        EXPECT_STREQ(info->pathPattern, expected[kind].pattern);
        EXPECT_EQ(info->highestNumber, expected[kind].highest);
        EXPECT_EQ(info->filePerEntry, 0);
    }
}

TEST_P(PluginContractTest, RefusesNullArgumentsAndUnknownKinds)
{
    EXPECT_EQ(plugin.loadData(KIND_ADDRESS, nullptr), nullptr);
    EXPECT_EQ(plugin.getPluginLastError(), PLUGIN_BAD_ARGUMENT);
    EXPECT_EQ(plugin.saveData(KIND_ADDRESS, "/nonexistent/PIM00001.VCF", nullptr),
              PLUGIN_BAD_ARGUMENT);
    EXPECT_EQ(plugin.getPluginLastError(), PLUGIN_BAD_ARGUMENT);
}

TEST_P(PluginContractTest, ReportsAMissingCardFile)
{
    EXPECT_EQ(plugin.loadData(KIND_ADDRESS, "/nonexistent/folder/PIM00001.VCF"), nullptr);
    const int32_t code = plugin.getPluginLastError();
    EXPECT_TRUE(code == PLUGIN_CANNOT_OPEN
                || (std::string(model().model) == "sh505i" && code == PLUGIN_NO_MANAGEMENT_FILE))
        << code;
}

std::string modelName(const testing::TestParamInfo<size_t> &info)
{
    return kModels[info.param].model;
}

INSTANTIATE_TEST_SUITE_P(AllModels, PluginContractTest, testing::Range<size_t>(0, 6), modelName);

TEST(PluginContractTest, ModelSpecificOptionEntriesReadAsDocumented)
{
    struct Case
    {
        const char *model;
        int32_t type;
        int32_t index;
        const char *text; // UTF-8; null: no entry
    };
    const Case cases[] = {
        {"d505i", 201, 0, "電話"},     {"p505i", 203, 8, "レインボー"}, {"p505i", 203, 9, nullptr},
        {"p505i", 401, 35, "その他"},  {"n505i", 401, 23, "仕事"},      {"n505i", 401, 24, nullptr},
        {"sh505i", 202, 0, nullptr},   {"d505i", 202, 0, nullptr},      {"so505i", 401, 0, nullptr},
        {"f505i", 403, 7, "着信音６"},
    };
    for (const Case &c : cases) {
        PluginLibrary plugin(pluginPath(c.model));
        ASSERT_TRUE(plugin.isLoaded()) << plugin.loadError();
        auto entry = takeBlock<OptionEntry>(plugin.getInformTable(c.type, c.index));
        if (!c.text) {
            EXPECT_EQ(entry, nullptr) << c.model << " " << c.type << "/" << c.index;
            EXPECT_EQ(plugin.getPluginLastError(), PLUGIN_BAD_ARGUMENT);
            continue;
        }
        ASSERT_NE(entry, nullptr) << c.model << " " << c.type << "/" << c.index;
        EXPECT_EQ(entry->text, sjis(c.text));
        EXPECT_EQ(entry->textLength, static_cast<int32_t>(sjis(c.text).size()));
    }
}

} // namespace
