#include "views/address/address_view.h"

#include "address_entries.h"
#include "common/data_block.h"
#include "common/sjis_literal.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using views::CAddressView;

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

QStringList column(const CAddressView &view, int column)
{
    QStringList texts;
    for (int row = 0; row < view.list()->topLevelItemCount(); ++row)
        texts << view.list()->topLevelItem(row)->text(column);
    return texts;
}

QTreeWidgetItem *treeNode(const CAddressView &view, const QString &text)
{
    const QList<QTreeWidgetItem *> found
        = view.tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

class AddressViewTest : public testing::Test
{
protected:
    AddressViewTest()
    {
        view.store().setLimits({1000, false, true});
        for (const Entry &entry :
             {Entry(3, "c").reading(sjis("ｶﾞ")), Entry(1, "a").reading("abc"),
              Entry(2, "b").reading(sjis("ｱ")).group(4, "club"), Entry(99999, "owner")})
            view.store().AppendRecord(entry);
        view.store().setModified(false);
        view.refresh();
    }

    CAddressView view;
};

TEST_F(AddressViewTest, StartsWithEveryEntrySortedByNumberAndTheFullTree)
{
    EXPECT_EQ(column(view, 0), (QStringList{"001", "002", "003"}));
    EXPECT_EQ(view.entryCount(), 3);
    EXPECT_EQ(view.tree()->topLevelItemCount(), 4);
    EXPECT_EQ(view.tree()->currentItem()->text(0), utf8("全体表示"));
    EXPECT_EQ(view.list()->header()->sortIndicatorSection(), 0);
    EXPECT_EQ(view.list()->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_EQ(view.entryCeiling(), 1000);
}

TEST_F(AddressViewTest, TreeSelectionChangesTheListedRows)
{
    view.tree()->setCurrentItem(treeNode(view, utf8("かきくけこ")));
    EXPECT_EQ(column(view, 1), QStringList{"c"});
    EXPECT_EQ(view.store().filter(), 6);
    view.tree()->setCurrentItem(treeNode(view, utf8("英文字")));
    EXPECT_EQ(column(view, 1), QStringList{"a"});
    view.tree()->setCurrentItem(treeNode(view, utf8("ﾒﾓﾘ番号")));
    EXPECT_EQ(column(view, 1), QStringList{"a"}) << "a heading changes nothing";
    view.tree()->setCurrentItem(treeNode(view, "4:[club]"));
    EXPECT_EQ(column(view, 1), QStringList{"b"});
    view.tree()->setCurrentItem(treeNode(view, utf8("全体表示")));
    EXPECT_EQ(view.listRowCount(), 3);
}

TEST_F(AddressViewTest, HeaderClickSortsAndShowsTheDirection)
{
    QHeaderView *header = view.list()->header();
    emit header->sectionClicked(1);
    EXPECT_EQ(column(view, 1), (QStringList{"a", "b", "c"}));
    emit header->sectionClicked(1);
    EXPECT_EQ(column(view, 1), (QStringList{"c", "b", "a"}));
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(AddressViewTest, ListSelectionIsTheStoresSelection)
{
    std::vector<std::pair<int, int>> reports;
    QObject::connect(&view, &views::DataView::selectionChanged,
                     [&](int selected, int total) { reports.emplace_back(selected, total); });
    view.selectRow(2);
    view.selectRow(0);
    EXPECT_EQ(view.store().selectedRows(), (std::vector<int>{0, 2}));
    EXPECT_EQ(view.selectedIndexes(), (std::vector<int>{1, 0}));
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), std::make_pair(2, 3));
    emit view.list()->header()->sectionClicked(0);
    EXPECT_EQ(view.selectedRows(), (std::vector<int>{0, 2})) << "reversed, still the same rows";
    EXPECT_EQ(column(view, 0), (QStringList{"003", "002", "001"}));
}

TEST_F(AddressViewTest, CardMergeSelectsTheNewRowsAndAddsTheirGroups)
{
    AddressRecord *block
        = static_cast<AddressRecord *>(AllocateDataBlock(2, sizeof(AddressRecord)));
    block[0] = Entry(7, "new").group(9, "work");
    block[1] = Entry(1, "a").reading("abc");
    ChainRecords(&block[0], &block[1]);
    view.tree()->expandAll();
    EXPECT_EQ(view.mergeCardBlock(block), 1) << "the duplicate is skipped";
    std::free(block);
    EXPECT_EQ(view.selectedIndexes(), std::vector<int>{4});
    EXPECT_TRUE(view.isModified());
    ASSERT_NE(treeNode(view, "9:[work]"), nullptr);
    EXPECT_EQ(treeNode(view, "9:[work]")->parent()->text(0), utf8("ｸﾞﾙｰﾌﾟ"));
}

TEST_F(AddressViewTest, NewDataDropsAGroupFilterAndItsNode)
{
    view.tree()->setCurrentItem(treeNode(view, "4:[club]"));
    ASSERT_TRUE(view.newData());
    EXPECT_EQ(treeNode(view, "4:[club]"), nullptr);
    EXPECT_EQ(view.tree()->currentItem()->text(0), utf8("全体表示"));
    EXPECT_EQ(view.store().filter(), 0);
    EXPECT_EQ(view.listRowCount(), 0);
}

TEST_F(AddressViewTest, DeleteMarksThenCompactsAndRefreshes)
{
    view.deleteEntryAtRow(0);
    view.compact();
    view.refresh();
    EXPECT_EQ(column(view, 1), (QStringList{"b", "c"}));
    EXPECT_EQ(view.entryCount(), 2);
    EXPECT_TRUE(view.isModified());
}

TEST_F(AddressViewTest, DoubleClickAsksForTheEditor)
{
    int edits = 0;
    QObject::connect(&view, &CAddressView::editRequested, [&] { ++edits; });
    emit view.list()->itemDoubleClicked(view.list()->topLevelItem(0), 0);
    EXPECT_EQ(edits, 1);
}

TEST(AddressViewModelTest, LimitsAndIconNamesComeFromTheCurrentModel)
{
    host::PluginHost plugins;
    ASSERT_GT(plugins.discover(CELLVANE_PLUGIN_DIR "/"), 0);
    ASSERT_TRUE(plugins.selectByModelName("DoCoMo P505i"));
    host::KindLimitCache limits;
    limits.refill(plugins);
    CAddressView view;
    view.setModelTables(&limits, &plugins);
    EXPECT_EQ(view.store().limits().maximumEntries, 800);
    EXPECT_FALSE(view.store().limits().numbersLimited);
    EXPECT_TRUE(view.store().limits().ownerRequired);
    ASSERT_EQ(view.store().AppendRecord(Entry(5, "Taro").phone("090", 1).mail("t@x.jp", 0)), 1);
    view.refresh();
    EXPECT_EQ(view.list()->topLevelItem(0)->text(4), utf8("携帯電話（ピンク）"));
    EXPECT_FALSE(view.list()->topLevelItem(0)->text(6).isEmpty());
    EXPECT_NE(view.list()->topLevelItem(0)->text(6), "0") << "a name, not the number";
}

} // namespace
