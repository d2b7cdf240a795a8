#include "views/common/list_rows.h"

#include <gtest/gtest.h>

namespace {

using views::ListRows;

std::vector<int> indexes(const ListRows &rows)
{
    std::vector<int> result;
    for (int row = 0; row < rows.count(); ++row)
        result.push_back(rows.indexAt(row));
    return result;
}

TEST(ListRowsTest, SetRowOverwritesInPlaceOrAppends)
{
    ListRows rows(2);
    EXPECT_EQ(rows.setRow(-1, 4, {"a", "b", "dropped"}), 0);
    EXPECT_EQ(rows.setRow(5, 7, {"c"}), 1);
    rows.setSelected(0, true);
    EXPECT_EQ(rows.setRow(0, 9, {"x", "y"}), 0);
    EXPECT_EQ(indexes(rows), (std::vector<int>{9, 7}));
    EXPECT_TRUE(rows.isSelected(0)) << "overwriting keeps the selection";
    EXPECT_EQ(rows.text(1, 1), "") << "missing texts are empty";
    EXPECT_EQ(rows.text(2, 0), "");
    EXPECT_EQ(rows.text(0, 2), "");
    EXPECT_EQ(rows.indexAt(-1), -1);
    EXPECT_EQ(rows.rowOf(7), 1);
    EXPECT_EQ(rows.rowOf(4), -1) << "the row of 4 now shows 9";
}

TEST(ListRowsTest, RemapDropsRowsOfRemovedRecords)
{
    ListRows rows(1);
    for (int index : {3, 0, 2, 1})
        rows.setRow(-1, index, {std::to_string(index)});
    rows.setSelected(2, true);
    rows.remapIndexes({0, -1, 1}); // record 1 removed, 3 unknown
    EXPECT_EQ(indexes(rows), (std::vector<int>{0, 1}));
    EXPECT_EQ(rows.selectedRows(), std::vector<int>{1});
}

TEST(ListRowsTest, SortKeepsEqualTextsInOrderAndSelectionOnItsRow)
{
    ListRows rows(2);
    rows.setRow(-1, 0, {"b", "1"});
    rows.setRow(-1, 1, {"a", "1"});
    rows.setRow(-1, 2, {"b", "0"});
    rows.setSelected(0, true);
    rows.sort();
    EXPECT_EQ(indexes(rows), (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(rows.selectedRows(), std::vector<int>{1});
    rows.clickColumn(0);
    rows.sort();
    EXPECT_EQ(indexes(rows), (std::vector<int>{0, 2, 1})) << "descending, ties stay";
    rows.clickColumn(9);
    EXPECT_EQ(rows.sortColumn(), 0) << "no such column";
    rows.clickColumn(1);
    EXPECT_FALSE(rows.isDescending(1));
    EXPECT_TRUE(rows.isDescending(0)) << "remembered";
}

} // namespace
