#include "views/address/address_store.h"

#include "address_entries.h"
#include "common/data_block.h"
#include "common/owned_block.h"
#include "common/sjis_literal.h"
#include "views/address/address_filter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

using views::AddressBookLimits;
using views::AddressStore;

constexpr AddressBookLimits N505iLike{1000, false, true};
constexpr AddressBookLimits P505iLike{800, false, true};
constexpr AddressBookLimits SH505iLike{750, true, true};
constexpr AddressBookLimits Wide{1200, false, false};

using Chain = OwnedBlock<>;

// Records chained through next in one block, as a card load delivers them.
class CardBlock
{
public:
    explicit CardBlock(const std::vector<AddressRecord> &records)
        : m_block(AllocateDataBlock(records.size(), sizeof(AddressRecord)))
    {
        auto *places = static_cast<AddressRecord *>(m_block.get());
        for (size_t i = 0; i < records.size(); ++i) {
            places[i] = records[i];
            ChainRecords(i > 0 ? &places[i - 1] : nullptr, &places[i]);
            SetRecordLink(&places[i], RECORD_LINK_NEXT, nullptr);
        }
    }
    const void *first() const { return m_block.get(); }
    AddressRecord *records() { return static_cast<AddressRecord *>(m_block.get()); }

private:
    Chain m_block;
};

std::vector<int> numbersOfChain(const void *first)
{
    std::vector<int> numbers;
    for (const void *link = first; link; link = RecordLink(link, RECORD_LINK_NEXT)) {
        AddressRecord record;
        std::memcpy(&record, link, sizeof record);
        EXPECT_EQ(record.header.kind, 1001u);
        numbers.push_back(record.memoryNumber);
    }
    return numbers;
}

std::vector<std::string> column(const AddressStore &store, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < store.RowCount(); ++row)
        texts.push_back(store.rowText(row, column));
    return texts;
}

class AddressStoreTest : public testing::Test
{
protected:
    AddressStoreTest() { store.setLimits(N505iLike); }

    void add(const AddressRecord &record) { ASSERT_EQ(store.AppendRecord(record), 1); }
    int freeNumber() const
    {
        AddressRecord blank;
        EXPECT_EQ(store.GetRecord(-1, blank), 0);
        return blank.memoryNumber;
    }

    AddressStore store;
};

TEST_F(AddressStoreTest, NewEntriesTakeTheLowestFreeNumberFromTenThenBelowTen)
{
    store.setLimits({20, false, true});
    EXPECT_EQ(freeNumber(), 10) << "empty book";
    add(Entry(10));
    add(Entry(12));
    EXPECT_EQ(freeNumber(), 11);
    for (int number : {11, 13, 14, 15, 16, 17, 18, 19})
        add(Entry(number));
    EXPECT_EQ(freeNumber(), 0) << "10 to 19 used";
    for (int number = 0; number < 10; ++number)
        add(Entry(number));
    EXPECT_EQ(freeNumber(), -1);
    EXPECT_EQ(store.AppendRecord(Entry(5)), 0) << "no number left to renumber to";
    EXPECT_EQ(store.RecordCount(), 20);
}

TEST_F(AddressStoreTest, BlankRecordIsAnEmptyUngroupedEntry)
{
    AddressRecord blank;
    std::memset(&blank, 0x55, sizeof blank);
    EXPECT_EQ(store.GetRecord(7, blank), 0) << "outside the store";
    EXPECT_EQ(blank.header.version, RECORD_VERSION_ADDRESS);
    EXPECT_EQ(blank.header.size, sizeof(AddressRecord));
    EXPECT_EQ(blank.header.kind, 1001u);
    EXPECT_EQ(blank.groupNumber, -1);
    EXPECT_EQ(blank.illumination, 0);
    EXPECT_STREQ(blank.name, "");
    EXPECT_STREQ(blank.note, "");
}

TEST_F(AddressStoreTest, UsedMemoryNumberIsRenumberedInsteadOfRefused)
{
    add(Entry(10, "first"));
    add(Entry(10, "second"));
    ASSERT_EQ(store.RecordCount(), 2);
    EXPECT_EQ(store.record(1)->memoryNumber, 11);
    EXPECT_EQ(store.ReplaceRecord(0, Entry(10, "first again")), 0)
        << "its own number is no collision";
    EXPECT_EQ(store.record(0)->memoryNumber, 10);
}

TEST_F(AddressStoreTest, RefusesRecordsOfAnotherKindOrNumber)
{
    Entry otherKind(3);
    otherKind.record.header.kind = 1003;
    EXPECT_EQ(store.AppendRecord(otherKind), 0);
    EXPECT_EQ(store.AppendRecord(Entry(1000)), 0);
    EXPECT_EQ(store.AppendRecord(Entry(-1)), 0);
    EXPECT_EQ(store.RecordCount(), 0);
    add(Entry(3));
    Entry wrongVersion(4);
    wrongVersion.record.header.version = 0x10000;
    EXPECT_EQ(store.ReplaceRecord(0, wrongVersion), -1);
    EXPECT_EQ(store.ReplaceRecord(1, Entry(4)), -1);
    EXPECT_EQ(store.record(0)->memoryNumber, 3);
    EXPECT_FALSE(store.isModified());
}

TEST_F(AddressStoreTest, OwnersEntryIsKeptButNeitherListedNorCounted)
{
    CardBlock card({Entry(99999, "owner"), Entry(1, "Taro"), Entry(2, "Jiro")});
    EXPECT_EQ(store.MergeRecords(card.first(), false, true, false), 2);
    EXPECT_EQ(store.RecordCount(), 3);
    EXPECT_EQ(store.OrdinaryCount(), 2);
    for (int filter : {0, 1, 15, -1})
        store.setFilter(filter);
    store.setFilter(0);
    EXPECT_EQ(column(store, 1), (std::vector<std::string>{"Taro", "Jiro"}));

    CardBlock second({Entry(99999, "new owner")});
    EXPECT_EQ(store.MergeRecords(second.first(), false, true, false), 0) << "not counted";
    EXPECT_EQ(store.RecordCount(), 3) << "the stored owner is replaced";
    EXPECT_STREQ(store.record(0)->name, "new owner");
    EXPECT_TRUE(store.isModified());
}

TEST_F(AddressStoreTest, OnlyOneOwnersEntry)
{
    add(Entry(99999, "owner"));
    add(Entry(5, "Taro"));
    EXPECT_EQ(store.ReplaceRecord(1, Entry(99999, "second owner")), -1);
    EXPECT_EQ(store.AppendRecord(Entry(99999, "third")), 0);
    EXPECT_EQ(store.OrdinaryCount(), 1);
}

struct FilterCase
{
    const char *name;
    std::string reading;
    int memoryNumber;
    int group;
    std::vector<int> listedUnder; // every filter code from -4 to 24 not listed is expected hidden
};

void PrintTo(const FilterCase &c, std::ostream *out)
{
    *out << c.name;
}

class AddressFilterTest : public testing::TestWithParam<FilterCase>
{
};

TEST_P(AddressFilterTest, ListsTheEntryUnderItsNodesOnly)
{
    const FilterCase &c = GetParam();
    Entry entry(c.memoryNumber, "x");
    entry.reading(c.reading);
    if (c.group >= 0)
        entry.group(c.group, "g");
    for (int filter = -4; filter <= 24; ++filter) {
        const bool expected
            = std::find(c.listedUnder.begin(), c.listedUnder.end(), filter) != c.listedUnder.end();
        EXPECT_EQ(views::PassesAddressFilter(filter, entry), expected) << "filter " << filter;
    }
}

// Filter codes: 0 all, 1 empty reading, 2 symbols, 3 letters, 4 digits, 5 ｱ row ... 14 ﾜ row,
// 15 + k memory numbers from 100 k, -1 no group, -2 - g group g.
INSTANTIATE_TEST_SUITE_P(
    Readings, AddressFilterTest,
    testing::Values(FilterCase{"VoicedKanaUnderItsBaseRow", sjis("ｶﾞｸ"), 10, -1, {0, 6, 15, -1}},
                    FilterCase{"SmallKanaUnderAllOnly", sjis("ｧｲ"), 10, -1, {0, 15, -1}},
                    FilterCase{"LongVowelUnderAllOnly", sjis("ｰｱ"), 10, -1, {0, 15, -1}},
                    FilterCase{"FullWidthUnderAllOnly", sjis("あいう"), 10, -1, {0, 15, -1}},
                    FilterCase{"EmptyReading", "", 10, -1, {0, 1, 15, -1}},
                    FilterCase{"Symbol", "\\yen", 10, -1, {0, 2, 15, -1}},
                    FilterCase{"Letter", "Zed", 10, -1, {0, 3, 15, -1}},
                    FilterCase{"Digit", "7eleven", 10, -1, {0, 4, 15, -1}},
                    FilterCase{"LastRow", sjis("ﾝ"), 10, -1, {0, 14, 15, -1}},
                    FilterCase{"Hundred", "", 100, -1, {0, 1, 16, -1}},
                    FilterCase{"NinetyNine", "", 99, -1, {0, 1, 15, -1}},
                    FilterCase{"NineHundredNinetyNine", "", 999, -1, {0, 1, 24, -1}},
                    FilterCase{"GroupTwo", "", 0, 2, {0, 1, 15, -4}},
                    FilterCase{"Owner", "", 99999, 2, {}}),
    [](const testing::TestParamInfo<FilterCase> &info) { return info.param.name; });

TEST_F(AddressStoreTest, FilterChangeRebuildsTheRows)
{
    add(Entry(100, "a").reading(sjis("ｱｲ")));
    add(Entry(5, "b").reading(sjis("ｶｷ")));
    add(Entry(150, "c"));
    store.setFilter(16);
    EXPECT_EQ(column(store, 1), (std::vector<std::string>{"a", "c"}));
    store.setFilter(5);
    EXPECT_EQ(column(store, 1), (std::vector<std::string>{"a"}));
    store.setFilter(0);
    EXPECT_EQ(store.RowCount(), 3);
}

TEST_F(AddressStoreTest, RowsShowTheColumnsWithIconNamesOfTheModel)
{
    store.setOptionName([](int list, int index) -> std::optional<std::string> {
        if (list == 201 && index == 1)
            return std::string("mobile");
        if (list == 202 && index == 0)
            return std::string("home");
        return std::nullopt;
    });
    Entry entry(7, "Taro");
    entry.reading(sjis("ﾀﾛｳ")).phone("090-1", 1).mail("taro@example.jp", 3).group(2, "work");
    std::strcpy(entry.record.postalCode, "100-0001");
    std::strcpy(entry.record.postalAddress, "Tokyo");
    std::strcpy(entry.record.note, "memo");
    add(entry);
    store.RefreshAllRows();
    ASSERT_EQ(store.RowCount(), 1);
    EXPECT_EQ(column(store, 0), std::vector<std::string>{"007"});
    const std::vector<std::string> expected{
        "007", "Taro", sjis("ﾀﾛｳ"), "090-1", "mobile", "taro@example.jp",
        "3",   "work", "100-0001",  "Tokyo", "memo"};
    for (int c = 0; c < AddressStore::ColumnCount; ++c)
        EXPECT_EQ(store.rowText(0, c), expected[static_cast<size_t>(c)]) << c;
}

TEST_F(AddressStoreTest, GroupTableNamesTheGroupsOfEveryRow)
{
    add(Entry(1, "a").group(1, "family"));
    add(Entry(2, "b").group(2, "work"));
    store.RefreshAllRows();
    add(Entry(3, "c").group(1, "relatives"));
    EXPECT_EQ(store.record(2)->groupNumber, 1);
    add(Entry(4, "d").group(5, "work"));
    EXPECT_EQ(store.record(3)->groupNumber, 2) << "moved to the number of its group's name";
    store.RefreshAllRows();
    EXPECT_EQ(column(store, 7),
              (std::vector<std::string>{"relatives", "work", "relatives", "work"}));

    AddressRecord copy;
    ASSERT_EQ(store.GetRecord(0, copy), 1);
    EXPECT_STREQ(copy.groupName, "relatives") << "copied out with the table's name";
}

TEST_F(AddressStoreTest, UngroupedRowsShowGroupZerosNameOnlyAfterARefreshOfTheColumn)
{
    add(Entry(1, "a").group(0, "none"));
    add(Entry(2, "b"));
    store.setFilter(-1);
    ASSERT_EQ(store.ShowRecordRow(0, 1), 0);
    EXPECT_EQ(column(store, 7), std::vector<std::string>{""});
    EXPECT_EQ(store.ShowRecordRow(0, 0), -1) << "hidden by the filter";
    store.RefreshGroupColumn();
    EXPECT_EQ(column(store, 7), std::vector<std::string>{"none"});
}

TEST_F(AddressStoreTest, MergingAChainThatAlreadyExistsAddsNothing)
{
    CardBlock card({Entry(99999, "owner"), Entry(1, "Taro").phone("090"), Entry(2, "Jiro")});
    ASSERT_EQ(store.MergeRecords(card.first(), false, true, false), 2);
    store.setModified(false);
    CardBlock again({Entry(1, "Taro").phone("090"), Entry(8, "Jiro")});
    EXPECT_EQ(store.MergeRecords(again.first(), false, true, true), 0)
        << "memory number does not count";
    EXPECT_EQ(store.RecordCount(), 3);
    EXPECT_FALSE(store.isModified());
    EXPECT_TRUE(store.selectedRows().empty());

    CardBlock changed({Entry(1, "Taro").phone("090", 2)});
    EXPECT_EQ(store.MergeRecords(changed.first(), false, true, true), 1) << "icon differs";
    EXPECT_EQ(store.selectedRows(), std::vector<int>{2});
    EXPECT_EQ(store.MergeRecords(changed.first(), true, true, false), 1) << "duplicates allowed";
}

TEST_F(AddressStoreTest, MergeFollowsTheChainOnlyWhenAsked)
{
    CardBlock card({Entry(1, "a"), Entry(2, "b"), Entry(3, "c")});
    EXPECT_EQ(store.MergeRecords(card.first(), false, false, false), 1);
    EXPECT_EQ(store.MergeRecords(card.first(), false, true, false), 2);
    EXPECT_EQ(store.MergeRecords(nullptr, false, true, false), 0);
}

TEST_F(AddressStoreTest, ChainInACircleMergesNothing)
{
    CardBlock card({Entry(1, "a"), Entry(2, "b")});
    ChainRecords(&card.records()[1], &card.records()[0]);
    EXPECT_EQ(store.MergeRecords(card.first(), false, true, false), 0);
    EXPECT_EQ(store.RecordCount(), 0);
}

std::vector<AddressRecord> numbered(int from, int count)
{
    std::vector<AddressRecord> records;
    for (int i = 0; i < count; ++i)
        records.push_back(Entry((from + i) % 1000, "n" + std::to_string(from + i)));
    return records;
}

TEST_F(AddressStoreTest, NoMoreThanAThousandEntriesWhateverTheModel)
{
    store.setLimits(Wide);
    CardBlock card(numbered(0, 1000));
    EXPECT_EQ(store.MergeRecords(card.first(), false, true, false), 1000);
    CardBlock more({Entry(5, "late"), Entry(99999, "owner")});
    EXPECT_EQ(store.MergeRecords(more.first(), false, true, false), 0);
    EXPECT_EQ(store.RecordCount(), 1000) << "the owner is skipped at the ceiling too";
    EXPECT_EQ(store.AppendRecord(Entry(5, "late")), 0);
}

TEST_F(AddressStoreTest, ModelLimitsTheEntriesOrTheirNumbers)
{
    store.setLimits(P505iLike);
    CardBlock card(numbered(100, 801));
    EXPECT_EQ(store.MergeRecords(card.first(), false, true, false), 800);
    EXPECT_EQ(store.OrdinaryCount(), 800);
    EXPECT_EQ(store.record(799)->memoryNumber, 899) << "numbers above the limit are fine";

    AddressStore limited;
    limited.setLimits(SH505iLike);
    EXPECT_EQ(limited.AppendRecord(Entry(750)), 0);
    EXPECT_EQ(limited.AppendRecord(Entry(749)), 1);
    EXPECT_EQ(limited.AppendRecord(Entry(99999)), 1) << "the owner has no number to limit";

    AddressStore noModel;
    EXPECT_EQ(noModel.AppendRecord(Entry(3)), 0) << "no limits table, no entries";
}

TEST_F(AddressStoreTest, DeletingMarksRowsThenRemovesTheirSlots)
{
    for (int i = 0; i < 5; ++i)
        add(Entry(i + 1, "e" + std::to_string(i)));
    store.RefreshAllRows();
    store.setModified(false);
    EXPECT_EQ(store.MarkRowDeleted(1), 1);
    EXPECT_EQ(store.MarkRowDeleted(3), 3);
    EXPECT_EQ(store.MarkRowDeleted(5), -1);
    EXPECT_TRUE(store.isModified());
    EXPECT_EQ(store.RemoveRecord(0, true), 0) << "not marked";
    EXPECT_EQ(store.RemoveRecord(-1, false), 1);
    EXPECT_EQ(store.RecordCount(), 3);
    EXPECT_EQ(column(store, 1), (std::vector<std::string>{"e0", "e2", "e4"}))
        << "rows follow their records";
    store.RefreshAllRows();
    EXPECT_EQ(column(store, 1), (std::vector<std::string>{"e0", "e2", "e4"}));
    EXPECT_EQ(store.rowIndex(2), 2);

    for (int row = 0; row < 3; ++row)
        store.MarkRowDeleted(row);
    store.RemoveRecord(-1, false);
    EXPECT_EQ(store.RecordCount(), 0);
    EXPECT_FALSE(store.isModified()) << "nothing left to save";
}

TEST_F(AddressStoreTest, HeaderClicksSortAndRememberEachColumnsDirection)
{
    add(Entry(3, "b").reading("y"));
    add(Entry(1, "c").reading("x"));
    add(Entry(2, "a").reading("z"));
    store.RefreshAllRows();
    EXPECT_EQ(column(store, 0), (std::vector<std::string>{"001", "002", "003"}));
    const auto click = [&](int c) {
        store.SetSortColumn(c);
        store.RefreshGroupColumn();
        return column(store, 1);
    };
    EXPECT_EQ(click(1), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(click(1), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_TRUE(store.isSortDescending(1));
    EXPECT_EQ(click(2), (std::vector<std::string>{"c", "b", "a"})) << "x y z ascending";
    EXPECT_EQ(click(2), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(click(1), (std::vector<std::string>{"c", "b", "a"})) << "its arrow pointed down";
    EXPECT_EQ(store.sortColumn(), 1);
}

TEST_F(AddressStoreTest, SortIsByteWiseUnsigned)
{
    add(Entry(1, sjis("ｱ")));
    add(Entry(2, "b"));
    add(Entry(3, sjis("あ")));
    add(Entry(4, "B"));
    store.SetSortColumn(1);
    store.RefreshAllRows();
    EXPECT_EQ(column(store, 1), (std::vector<std::string>{"B", "b", sjis("あ"), sjis("ｱ")}));
}

TEST_F(AddressStoreTest, SelectionFollowsItsRowsThroughASort)
{
    add(Entry(2, "b"));
    add(Entry(1, "a"));
    store.RefreshAllRows();
    ASSERT_EQ(store.rowIndex(0), 1);
    store.setRowSelected(0, true);
    store.SetSortColumn(0);
    store.RefreshGroupColumn();
    EXPECT_EQ(store.selectedRows(), std::vector<int>{1});
    store.DeselectAll();
    EXPECT_TRUE(store.selectedRows().empty());
}

TEST_F(AddressStoreTest, CardChainHoldsTheOwnerThenTheListedRowsInDisplayOrder)
{
    CardBlock card({Entry(5, "e").group(1, "work"), Entry(99999, "owner"), Entry(3, "c"),
                    Entry(4, "d").group(2, "home"), Entry(1, "a")});
    store.MergeRecords(card.first(), false, true, false);
    store.RefreshAllRows();
    Chain all(store.BuildCardChain());
    EXPECT_EQ(numbersOfChain(all.get()), (std::vector<int>{99999, 1, 3, 4, 5}));
    EXPECT_EQ(all.get(), RecordLink(RecordLink(all.get(), RECORD_LINK_NEXT), RECORD_LINK_PREV));
    EXPECT_EQ(RecordLink(all.get(), RECORD_LINK_PREV), nullptr);

    store.setFilter(-1);
    Chain ungrouped(store.BuildCardChain());
    EXPECT_EQ(numbersOfChain(ungrouped.get()), (std::vector<int>{99999, 1, 3}));

    store.setFilter(-2 - 2);
    store.SetSortColumn(0);
    store.RefreshGroupColumn();
    Chain home(store.BuildCardChain());
    EXPECT_EQ(numbersOfChain(home.get()), (std::vector<int>{99999, 4}));

    store.setFilter(24);
    EXPECT_EQ(store.BuildCardChain(), nullptr) << "no row listed";
}

TEST_F(AddressStoreTest, CardChainWithoutOwnerStartsAtTheBlock)
{
    add(Entry(2, "b"));
    add(Entry(1, "a"));
    store.RefreshAllRows();
    Chain chain(store.BuildCardChain());
    EXPECT_EQ(numbersOfChain(chain.get()), (std::vector<int>{1, 2}));
    AddressRecord first;
    std::memcpy(&first, chain.get(), sizeof first);
    EXPECT_EQ(first.header.version, RECORD_VERSION_ADDRESS);
    EXPECT_EQ(first.header.size, sizeof(AddressRecord));
}

TEST_F(AddressStoreTest, PcBlockRoundTripKeepsEverySlot)
{
    CardBlock card({Entry(99999, "owner"), Entry(7, "Taro").group(3, "work"), Entry(8, "Jiro")});
    store.MergeRecords(card.first(), false, true, false);
    const std::vector<unsigned char> block = store.BuildPcBlock(0x1234);
    ASSERT_EQ(block.size(), 32 + 3 * sizeof(AddressRecord));
    EXPECT_EQ(std::memcmp(block.data(), "APC\0", 4), 0);
    const uint32_t expectedHeader[] = {0x10002, 32, 1001, 32 + 3 * 1552, 3 * 1552, 3, 0x1234};
    EXPECT_EQ(std::memcmp(block.data() + 4, expectedHeader, sizeof expectedHeader), 0);

    AddressStore loaded;
    loaded.setLimits(N505iLike);
    int earlier = 9;
    loaded.groups().registerGroup("earlier", earlier);
    loaded.setModified(true);
    EXPECT_EQ(loaded.LoadPcBlock(block.data(), block.size(), 0x1234), -1);
    EXPECT_FALSE(loaded.isModified());
    ASSERT_EQ(loaded.RecordCount(), 3);
    EXPECT_EQ(loaded.OrdinaryCount(), 2);
    EXPECT_EQ(loaded.RowCount(), 2);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(std::memcmp(loaded.record(i), store.record(i), sizeof(AddressRecord)), 0) << i;
    EXPECT_EQ(loaded.groups().nameOfNumber(9), "earlier") << "groups known before stay";
    EXPECT_EQ(loaded.groups().nameOfNumber(3), "work");

    const std::vector<unsigned char> empty = AddressStore().BuildPcBlock(1);
    ASSERT_EQ(empty.size(), 32u) << "an empty book saves as the header alone";
    EXPECT_EQ(empty[24], 0) << "count";
    EXPECT_EQ(loaded.LoadPcBlock(empty.data(), empty.size(), 1), -1);
    EXPECT_EQ(loaded.RecordCount(), 0);
}

TEST_F(AddressStoreTest, PcBlockOfAnotherShapeOrPluginChangesNothing)
{
    AddressStore source;
    source.setLimits(N505iLike);
    source.AppendRecord(Entry(7, "Taro"));
    source.AppendRecord(Entry(8, "Jiro"));
    const std::vector<unsigned char> good = source.BuildPcBlock(0x1234);
    add(Entry(1, "kept"));
    store.setModified(true);

    struct Damage
    {
        const char *what;
        size_t offset;
        uint32_t value;
    };
    const Damage damages[]
        = {{"magic", 0, 0x00435042}, {"version", 4, 0x10001},       {"header size", 8, 36},
           {"kind", 12, 1000},       {"total size", 16, 32 + 1552}, {"data size", 20, 1552},
           {"count", 24, 3}};
    for (const Damage &damage : damages) {
        std::vector<unsigned char> block = good;
        std::memcpy(block.data() + damage.offset, &damage.value, sizeof damage.value);
        EXPECT_EQ(store.LoadPcBlock(block.data(), block.size(), 0x1234), 0) << damage.what;
    }
    EXPECT_EQ(store.LoadPcBlock(good.data(), good.size() - 1, 0x1234), 0) << "cut short";
    EXPECT_EQ(store.LoadPcBlock(nullptr, good.size(), 0x1234), 0);
    EXPECT_EQ(store.LoadPcBlock(good.data(), 16, 0x1234), 0);
    EXPECT_EQ(store.LoadPcBlock(good.data(), good.size(), 0x9999), 1) << "another model's file";
    ASSERT_EQ(store.RecordCount(), 1);
    EXPECT_STREQ(store.record(0)->name, "kept");
    EXPECT_TRUE(store.isModified());

    std::vector<unsigned char> anyModel = good;
    std::memset(anyModel.data() + 28, 0, 4);
    EXPECT_EQ(store.LoadPcBlock(anyModel.data(), anyModel.size(), 0x9999), -1)
        << "code 0 opens under any plug-in";
    EXPECT_EQ(store.RecordCount(), 2);
}

TEST_F(AddressStoreTest, UnterminatedFieldsEndInsideTheFieldOnACharacterBoundary)
{
    Entry entry(3);
    // 63 bytes of text would end with the lead byte of あ: the whole character goes.
    std::memset(entry.record.name, 'a', sizeof entry.record.name);
    std::memcpy(entry.record.name + 62, sjis("あ"), 2);
    std::memset(entry.record.note, 'n', sizeof entry.record.note);
    add(entry);
    EXPECT_EQ(std::string(store.record(0)->name), std::string(62, 'a'));
    EXPECT_EQ(std::string(store.record(0)->note), std::string(255, 'n'));
    store.RefreshAllRows();
    EXPECT_EQ(store.rowText(0, 1).size(), 62u);
}

TEST_F(AddressStoreTest, LongGroupNameIsCutWholeWhenCopiedOut)
{
    add(Entry(3, "a").group(1, "g"));
    std::string name(62, 'x');
    name += sjis("あ");
    int number = 1;
    store.groups().registerGroup(name, number);
    AddressRecord copy;
    store.GetRecord(0, copy);
    EXPECT_EQ(std::string(copy.groupName), std::string(62, 'x'));
}

TEST_F(AddressStoreTest, ResetEmptiesTheBookAndDropsAVanishedGroupFilter)
{
    add(Entry(3, "a").group(4, "club"));
    store.setFilter(-2 - 4);
    EXPECT_FALSE(store.RebuildGroupTree()) << "the group has its node";
    EXPECT_EQ(store.RowCount(), 1);
    store.setModified(true);
    store.ResetData();
    EXPECT_EQ(store.RecordCount(), 0);
    EXPECT_EQ(store.groups().count(), 0);
    EXPECT_EQ(store.filter(), 0);
    EXPECT_FALSE(store.isModified());

    store.setFilter(-1);
    store.ResetData();
    EXPECT_EQ(store.filter(), -1) << "\"なし\" always has its node";
}

TEST_F(AddressStoreTest, ReplaceRefreshesTheRowAndSetsTheUnsavedFlag)
{
    add(Entry(3, "old"));
    store.RefreshAllRows();
    store.setRowSelected(0, true);
    EXPECT_EQ(store.ReplaceRecord(0, Entry(4, "new").group(2, "work")), 0);
    EXPECT_TRUE(store.isModified());
    EXPECT_EQ(store.rowText(0, 1), "new");
    EXPECT_EQ(store.rowText(0, 0), "004");
    EXPECT_EQ(store.rowText(0, 7), "work");
    EXPECT_TRUE(store.isRowSelected(0));
    EXPECT_EQ(store.groups().nameOfNumber(2), "work");
}

} // namespace
