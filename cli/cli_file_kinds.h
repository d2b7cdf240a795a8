#pragma once

#include "app/card_folder.h"

#include <optional>
#include <string>

namespace app {
class CardPlugin;
}

namespace cli {

// Where the plug-in keeps the card files of viewKind (its CardFileInfo); nothing when it gives
// no usable description.
std::optional<app::CardLocation> cardLocationOf(app::CardPlugin &plugin, int viewKind);

// The view kind whose card-file extension ends the file name of path, letter case ignored, in
// the plug-in's descriptions of the four kinds; nothing when none does.
std::optional<int> cardFileKind(app::CardPlugin &plugin, const std::string &path);

} // namespace cli
