#pragma once

#include "views/common/group_table.h"

#include <optional>
#include <string>
#include <vector>

namespace views {

// The address view's tree without the widget: its fixed nodes, the groups' nodes, and which
// AddressFilter a node stands for. Each node carries an integer item data; a child's meaning
// depends on its parent's data. Texts are Shift_JIS.
struct AddressTreeNode
{
    std::string text;
    int data;
};

struct AddressTreeBranch
{
    AddressTreeNode node;
    std::vector<AddressTreeNode> children;
};

// Item data of the top-level nodes that mean something of their own.
constexpr int AddressTreeAllData = 0;        // "全体表示"
constexpr int AddressTreeGroupRootData = -2; // "ｸﾞﾙｰﾌﾟ"
// Item data of the group root's "なし" child (group number -1).
constexpr int AddressTreeNoGroupData = -1;

// The top-level nodes in display order with their fixed children: "全体表示", "ﾌﾘｶﾞﾅ" with the
// reading rows, "ﾒﾓﾘ番号" with the number ranges, and the group root with "なし" only (its group
// children come from AddressGroupNodes).
const std::vector<AddressTreeBranch> &AddressTreeNodes();

// The group root's children for groups: "なし" and one "%d:[%s]" node (number, name) per group
// with item data = the number, sorted by their texts byte by byte.
std::vector<AddressTreeNode> AddressGroupNodes(const GroupTable &groups);

// The filter that selecting a node sets: parentData is the parent's item data, nothing for a
// top-level node. Nothing when the node sets no filter (the top-level nodes but "全体表示").
std::optional<int> AddressFilterOfNode(std::optional<int> parentData, int data);

// Whether the tree built from groups has a node for filter: false only for the filter of a
// group that has no node.
bool AddressFilterHasNode(int filter, const GroupTable &groups);

} // namespace views
