#include "model_choice.h"

#include "app/string_table.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"

namespace app {

ModelChoice::ModelChoice(host::PluginHost &plugins, platform::MessageBoxes &messages,
                         FrameController::Views views)
    : m_plugins(plugins)
    , m_messages(messages)
    , m_views(views)
{
}

std::optional<std::vector<std::string>> ModelChoice::modelNames()
{
    std::vector<std::string> names;
    for (int i = 0; i < m_plugins.count(); ++i) {
        std::optional<std::string> name = m_plugins.modelNameAt(i);
        if (!name)
            return std::nullopt;
        names.push_back(std::move(*name));
    }
    return names;
}

bool ModelChoice::confirm(int chosen)
{
    if (chosen == m_plugins.currentIndex())
        return true;
    platform::Message question;
    question.text = text(TextId::ModelChangeQuestion);
    question.caption = text(TextId::CaptionConfirmation);
    question.icon = platform::MessageIcon::Exclamation;
    question.buttons = platform::MessageButtons::YesNo;
    bool cleared = m_messages.show(question) == platform::MessageAnswer::Yes;
    for (views::ViewOperations *view : m_views) {
        if (!cleared)
            break;
        cleared = !view || view->newData();
    }
    if (cleared)
        return true;
    platform::Message cancelled;
    cancelled.text = text(TextId::ModelChangeCancelled);
    cancelled.caption = text(TextId::CaptionInformation);
    m_messages.show(cancelled);
    return false;
}

bool applyModelChoice(int chosen, host::PluginHost &plugins, host::KindLimitCache &limits)
{
    if (chosen < 0 || !plugins.select(chosen))
        return false;
    limits.refill(plugins);
    return true;
}

} // namespace app
