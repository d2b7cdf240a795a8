#include "choice_lists.h"

#include "common/inform_blocks.h"
#include "common/sjis_literal.h"
#include "host/plugin_host.h"
#include "views/common/group_table.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

namespace views {
namespace {

// A broken plug-in that answers every index must not hang the editor.
constexpr int MostOptions = 1000;

std::string formatted(const char *format, int32_t number, const std::string &name = {})
{
    char text[300];
    std::snprintf(text, sizeof text, format, int(number), name.c_str());
    return text;
}

} // namespace

std::vector<std::string> optionNames(const OptionName &optionName, int list)
{
    std::vector<std::string> names;
    if (!optionName)
        return names;
    for (int index = 0; index < MostOptions; ++index) {
        std::optional<std::string> name = optionName(list, index);
        if (!name)
            break;
        names.push_back(std::move(*name));
    }
    return names;
}

namespace {

std::optional<std::string> readOptionName(const host::PluginHost &plugins, int list, int index)
{
    void *block = plugins.getInformTable(list, index);
    if (!block)
        return std::nullopt;
    const auto *bytes = static_cast<const char *>(block);
    RecordHeader header;
    std::memcpy(&header, bytes, sizeof header);
    std::optional<std::string> name;
    if (header.size >= offsetof(OptionEntry, text)) {
        int32_t length;
        std::memcpy(&length, bytes + offsetof(OptionEntry, textLength), sizeof length);
        if (length >= 0 && header.size >= offsetof(OptionEntry, text) + size_t(length))
            name.emplace(bytes + offsetof(OptionEntry, text), size_t(length));
    }
    std::free(block);
    return name;
}

} // namespace

OptionName pluginOptionName(const host::PluginHost &plugins)
{
    // Every list row asks for its icons' names: each is read from the plug-in once.
    auto known = std::make_shared<std::map<std::pair<int, int>, std::optional<std::string>>>();
    return [&plugins, known](int list, int index) -> std::optional<std::string> {
        const auto [entry, added] = known->try_emplace({list, index});
        if (added)
            entry->second = readOptionName(plugins, list, index);
        return entry->second;
    };
}

std::vector<ChoiceItem> optionItems(const std::vector<std::string> &names,
                                    std::initializer_list<int32_t> values)
{
    std::vector<ChoiceItem> items;
    for (size_t index = 0; index < names.size(); ++index)
        items.push_back({names[index], int32_t(index)});
    for (const int32_t value : values) {
        if (positionOfValue(items, value) < 0)
            items.push_back({formatted("%d", value), value});
    }
    return items;
}

int positionOfValue(const std::vector<ChoiceItem> &items, int32_t value)
{
    for (size_t position = 0; position < items.size(); ++position) {
        if (items[position].value == value)
            return int(position);
    }
    return -1;
}

std::vector<ChoiceItem> groupItems(const GroupTable &groups)
{
    std::vector<ChoiceItem> items{{sjis("なし"), -1}};
    for (int index = 0; index < groups.count(); ++index)
        items.push_back({formatted("%4d: [%s]", groups.numberAt(index), groups.nameAt(index)),
                         groups.numberAt(index)});
    return items;
}

std::string groupNameOf(const GroupTable &groups, int32_t number)
{
    return number == -1 ? std::string() : groups.nameOfNumber(number);
}

} // namespace views
