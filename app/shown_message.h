#pragma once

// A message box's contents from the string table's caption.

#include "app/string_table.h"
#include "platform/user_interaction.h"

#include <string>
#include <utility>

namespace app {

inline platform::Message shownMessage(std::string text, TextId caption, platform::MessageIcon icon,
                                      platform::MessageButtons buttons
                                      = platform::MessageButtons::Ok)
{
    platform::Message shown;
    shown.text = std::move(text);
    shown.caption = app::text(caption);
    shown.icon = icon;
    shown.buttons = buttons;
    return shown;
}

} // namespace app
