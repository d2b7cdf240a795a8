#include "views/address/address_tree.h"

#include "common/sjis_literal.h"
#include "views/address/address_filter.h"

#include <gtest/gtest.h>

namespace {

using namespace views;

TEST(AddressTreeTest, FixedNodesCarryTheirItemData)
{
    const std::vector<AddressTreeBranch> &nodes = AddressTreeNodes();
    ASSERT_EQ(nodes.size(), 4u);
    EXPECT_EQ(nodes[0].node.text, sjis("全体表示"));
    EXPECT_EQ(nodes[1].node.text, sjis("ﾌﾘｶﾞﾅ"));
    ASSERT_EQ(nodes[1].children.size(), 14u);
    EXPECT_EQ(nodes[1].children[0].text, sjis("(なし)"));
    EXPECT_EQ(nodes[1].children[0].data, 10);
    EXPECT_EQ(nodes[1].children[13].text, sjis("わをん"));
    EXPECT_EQ(nodes[1].children[13].data, 23);
    ASSERT_EQ(nodes[2].children.size(), 10u);
    EXPECT_EQ(nodes[2].children[0].text, sjis("0～"));
    EXPECT_EQ(nodes[2].children[9].text, sjis("900～999"));
    EXPECT_EQ(nodes[2].children[9].data, 109);
    EXPECT_EQ(nodes[3].node.text, sjis("ｸﾞﾙｰﾌﾟ"));
    EXPECT_EQ(nodes[3].node.data, -2);
}

TEST(AddressTreeTest, EveryChildSetsItsOwnFilter)
{
    GroupTable groups;
    int number = 12;
    groups.registerGroup("club", number);
    std::vector<int> filters;
    for (const AddressTreeBranch &branch : AddressTreeNodes()) {
        if (std::optional<int> filter = AddressFilterOfNode(std::nullopt, branch.node.data))
            filters.push_back(*filter);
        const std::vector<AddressTreeNode> children = branch.node.data == AddressTreeGroupRootData
                                                          ? AddressGroupNodes(groups)
                                                          : branch.children;
        for (const AddressTreeNode &child : children) {
            const std::optional<int> filter = AddressFilterOfNode(branch.node.data, child.data);
            ASSERT_TRUE(filter) << child.text;
            filters.push_back(*filter);
        }
    }
    std::vector<int> expected{0};
    for (int code = 1; code <= 24; ++code)
        expected.push_back(code);
    expected.push_back(-14); // group 12, sorted before "なし"
    expected.push_back(-1);
    EXPECT_EQ(filters, expected);
    EXPECT_FALSE(AddressFilterOfNode(std::nullopt, -1)) << "headings set no filter";
    EXPECT_FALSE(AddressFilterOfNode(-1, 50));
}

TEST(AddressTreeTest, GroupNodesFollowTheTableSortedByText)
{
    GroupTable groups;
    for (auto [name, number] : {std::pair{"work", 2}, {"family", 10}, {"club", 1}}) {
        int n = number;
        groups.registerGroup(name, n);
    }
    int none = -1;
    groups.registerGroup("nameless", none);
    const std::vector<AddressTreeNode> nodes = AddressGroupNodes(groups);
    std::vector<std::pair<std::string, int>> shown;
    for (const AddressTreeNode &node : nodes)
        shown.emplace_back(node.text, node.data);
    EXPECT_EQ(shown,
              (std::vector<std::pair<std::string, int>>{
                  {"10:[family]", 10}, {"1:[club]", 1}, {"2:[work]", 2}, {sjis("なし"), -1}}));
}

TEST(AddressTreeTest, OnlyAGroupWithoutEntryLosesItsNode)
{
    GroupTable groups;
    int number = 3;
    groups.registerGroup("g", number);
    EXPECT_TRUE(AddressFilterHasNode(AddressFilterOfGroup(3), groups));
    EXPECT_FALSE(AddressFilterHasNode(AddressFilterOfGroup(4), groups));
    EXPECT_TRUE(AddressFilterHasNode(AddressFilterNoGroup, groups));
    EXPECT_TRUE(AddressFilterHasNode(7, groups));
}

} // namespace
