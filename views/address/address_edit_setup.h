#pragma once

#include "common/inform_blocks.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "platform/user_interaction.h"
#include "views/address/address_edit_rules.h"
#include "views/address/address_store.h"
#include "views/common/choice_lists.h"

namespace views {

// What the address editors take from the current model and the program: the field limits,
// the option names (lists 201 phone icons, 202 mail icons, 203 illumination colours) and the
// message boxes for refusals (none: refusals are not shown, OK stays refused).
struct AddressEditSetup
{
    AddressLimits limits{};
    OptionName optionName;
    platform::MessageBoxes *messages = nullptr;
};

// The setup of the current model: its cached limits and its plug-in's option lists. plugins
// and messages must outlive the setup.
inline AddressEditSetup currentAddressEditSetup(const host::KindLimitCache &limits,
                                                const host::PluginHost &plugins,
                                                platform::MessageBoxes &messages)
{
    return {readAddressLimits(limits), pluginOptionName(plugins), &messages};
}

} // namespace views
