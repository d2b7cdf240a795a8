#pragma once

#include "app/frame_controller.h"
#include "platform/user_interaction.h"

#include <optional>
#include <string>
#include <vector>

namespace host {
class KindLimitCache;
class PluginHost;
} // namespace host

namespace app {

// The decisions of the model dialog, free of widgets.
class ModelChoice
{
public:
    ModelChoice(host::PluginHost &plugins, platform::MessageBoxes &messages,
                FrameController::Views views);

    // The model names in plug-in order, the current plug-in kept current; nothing when a name
    // cannot be had (the dialog then ends as cancelled).
    std::optional<std::vector<std::string>> modelNames();

    // OK with plug-in index chosen: true to end the dialog with it. Another model than the
    // current one asks first and starts every view afresh; a No or a view's cancelled save
    // shows that the change was cancelled and returns false (the dialog stays open on the
    // current model).
    bool confirm(int chosen);

private:
    host::PluginHost &m_plugins;
    platform::MessageBoxes &m_messages;
    FrameController::Views m_views;
};

// Makes plug-in index chosen current and refills the limit cache; nothing for a negative index.
// True when the model was applied.
bool applyModelChoice(int chosen, host::PluginHost &plugins, host::KindLimitCache &limits);

} // namespace app
