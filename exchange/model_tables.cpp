#include "model_tables.h"

#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "views/address/address_edit_rules.h"
#include "views/bookmark/bookmark_edit_rules.h"
#include "views/common/choice_lists.h"
#include "views/schedule/schedule_edit_rules.h"

namespace exchange {

const std::vector<std::string> &ModelTables::optionList(int list) const
{
    static const std::vector<std::string> none;
    const auto names = options.find(list);
    return names == options.end() ? none : names->second;
}

std::optional<ModelTables> readModelTables(host::PluginHost &plugins, int index)
{
    const int current = plugins.currentIndex();
    if (!plugins.select(index))
        return std::nullopt;
    ModelTables tables;
    tables.name = plugins.currentModelName().value_or(std::string());
    tables.pluginCode = plugins.getPluginCode();
    host::KindLimitCache limits;
    limits.refill(plugins);
    tables.bookmark = views::readBookmarkLimits(limits);
    tables.address = views::readAddressLimits(limits);
    tables.schedule = views::readScheduleLimits(limits);
    const views::OptionName optionName = views::pluginOptionName(plugins);
    for (const int list : {201, 202, 203, 401, 402, 403})
        tables.options[list] = views::optionNames(optionName, list);
    if (current >= 0)
        plugins.select(current);
    return tables;
}

} // namespace exchange
