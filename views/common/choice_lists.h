#pragma once

// The items of the editor's choice lists: the model's option names (icons, illumination
// colours) and the address groups. Texts are Shift_JIS.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace host {
class PluginHost;
}

namespace views {

class GroupTable;

// The model's display name of entry index of option list (201 phone icons, 202 mail icons,
// 203 illumination colours, 401 schedule icons, 402 alarm volumes, 403 alarm tones); nothing
// when the model has no such entry.
using OptionName = std::function<std::optional<std::string>(int list, int index)>;

// One item of a choice list: its text and the value it stands for.
struct ChoiceItem
{
    std::string text;
    int32_t value;

    bool operator==(const ChoiceItem &) const = default;
};

// The names of option list (201 phone icons, 202 mail icons, 203 illumination colours) in
// index order, up to the first index the model has no name for.
std::vector<std::string> optionNames(const OptionName &optionName, int list);

// The current plug-in's option names, read from its OptionEntry blocks (each freed after use).
// A block too short for the text it announces gives no name.
OptionName pluginOptionName(const host::PluginHost &plugins);

// names as items valued by their index, then an item "%d" for each of values that no item
// carries yet, in the order given: a value the model has no name for stays choosable.
std::vector<ChoiceItem> optionItems(const std::vector<std::string> &names,
                                    std::initializer_list<int32_t> values);

// The position of the first item carrying value, or -1.
int positionOfValue(const std::vector<ChoiceItem> &items, int32_t value);

// "なし" (-1), then one item "%4d: [%s]" per group in table order, valued by the group number.
std::vector<ChoiceItem> groupItems(const GroupTable &groups);

// The name a record takes with group number: the GroupTable's, empty for -1 (no group).
std::string groupNameOf(const GroupTable &groups, int32_t number);

} // namespace views
