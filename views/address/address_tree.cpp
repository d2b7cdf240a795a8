#include "address_tree.h"

#include "common/sjis_literal.h"
#include "views/address/address_filter.h"

#include <algorithm>
#include <cstdio>

namespace views {
namespace {

// Children of "ﾌﾘｶﾞﾅ" carry 10 to 23 for the reading filters 1 to 14, children of "ﾒﾓﾘ番号"
// 100 to 109 for the number ranges 15 to 24.
constexpr int FirstReadingData = 10;
constexpr int LastReadingData = 23;
constexpr int FirstRangeData = 100;
constexpr int LastRangeData = 109;
// The item data of "ﾌﾘｶﾞﾅ" and "ﾒﾓﾘ番号": nodes that only group their children.
constexpr int HeadingData = -1;

std::vector<AddressTreeNode> numbered(std::initializer_list<const char *> texts, int firstData)
{
    std::vector<AddressTreeNode> nodes;
    for (const char *text : texts)
        nodes.push_back({text, firstData + static_cast<int>(nodes.size())});
    return nodes;
}

} // namespace

const std::vector<AddressTreeBranch> &AddressTreeNodes()
{
    static const std::vector<AddressTreeBranch> nodes{
        {{sjis("全体表示"), AddressTreeAllData}, {}},
        {{sjis("ﾌﾘｶﾞﾅ"), HeadingData},
         numbered({sjis("(なし)"), sjis("記号"), sjis("英文字"), sjis("数字"), sjis("あいうえお"),
                   sjis("かきくけこ"), sjis("さしすせそ"), sjis("たちつてと"), sjis("なにぬねの"),
                   sjis("はひふへほ"), sjis("まみむめも"), sjis("やゆよ"), sjis("らりるれろ"),
                   sjis("わをん")},
                  FirstReadingData)},
        {{sjis("ﾒﾓﾘ番号"), HeadingData},
         numbered({sjis("0～"), sjis("100～"), sjis("200～"), sjis("300～"), sjis("400～"),
                   sjis("500～"), sjis("600～"), sjis("700～"), sjis("800～"), sjis("900～999")},
                  FirstRangeData)},
        {{sjis("ｸﾞﾙｰﾌﾟ"), AddressTreeGroupRootData}, {{sjis("なし"), AddressTreeNoGroupData}}},
    };
    return nodes;
}

std::vector<AddressTreeNode> AddressGroupNodes(const GroupTable &groups)
{
    std::vector<AddressTreeNode> nodes{{sjis("なし"), AddressTreeNoGroupData}};
    for (int i = 0; i < groups.count(); ++i) {
        const int number = groups.numberAt(i);
        // A negative number has no filter code of its own: such entries stay under "なし" and
        // "全体表示".
        if (number < 0)
            continue;
        const std::string name = groups.nameAt(i);
        std::vector<char> text(name.size() + 16);
        std::snprintf(text.data(), text.size(), "%d:[%s]", number, name.c_str());
        nodes.push_back({text.data(), number});
    }
    std::stable_sort(
        nodes.begin(), nodes.end(), [](const AddressTreeNode &a, const AddressTreeNode &b) {
            return std::lexicographical_compare(
                a.text.begin(), a.text.end(), b.text.begin(), b.text.end(), [](char x, char y) {
                    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                });
        });
    return nodes;
}

std::optional<int> AddressFilterOfNode(std::optional<int> parentData, int data)
{
    if (!parentData)
        return data == AddressTreeAllData ? std::optional<int>(AddressFilterAll) : std::nullopt;
    if (*parentData == AddressTreeGroupRootData) {
        if (data == AddressTreeNoGroupData)
            return AddressFilterNoGroup;
        return data >= 0 ? std::optional<int>(AddressFilterOfGroup(data)) : std::nullopt;
    }
    if (*parentData != HeadingData)
        return std::nullopt;
    if (data >= FirstReadingData && data <= LastReadingData)
        return AddressFilterNoReading + data - FirstReadingData;
    if (data >= FirstRangeData && data <= LastRangeData)
        return AddressFilterFirstRange + data - FirstRangeData;
    return std::nullopt;
}

bool AddressFilterHasNode(int filter, const GroupTable &groups)
{
    return filter >= AddressFilterNoGroup || groups.indexOfNumber(-2 - filter) >= 0;
}

} // namespace views
