#pragma once

// What a conversion between two models needs of each: its limit tables and option names, read
// once from its plug-in so that both models can be looked at side by side.

#include "common/inform_blocks.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace host {
class PluginHost;
}

namespace exchange {

struct ModelTables
{
    std::string name; // Shift_JIS, as the plug-in names its model
    uint32_t pluginCode = 0;
    BookmarkLimits bookmark{};
    AddressLimits address{};
    ScheduleLimits schedule{};
    // The option lists (201 phone icons, 202 mail icons, 203 illumination colours, 401 schedule
    // icons, 402 alarm volumes, 403 alarm tones): Shift_JIS names by index.
    std::map<int, std::vector<std::string>> options;

    // The names of list; empty for a list the model does not have.
    const std::vector<std::string> &optionList(int list) const;
};

// The tables of plug-in index. The plug-in current before stays current. Nothing when there is
// no plug-in index.
std::optional<ModelTables> readModelTables(host::PluginHost &plugins, int index);

} // namespace exchange
