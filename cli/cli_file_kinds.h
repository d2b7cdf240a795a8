#pragma once

#include "app/card_folder.h"

#include <optional>
#include <string>

namespace app {
class CardPlugin;
}

namespace cli {

// The view kind (1 bookmarks, 2 address book, 3 mail, 4 schedule) of the PC data file at path
// by the type text of its header ("BPC", "APC", "MPC", "CPC"); nothing when the file cannot be
// read or starts otherwise.
std::optional<int> pcFileKind(const std::string &path);

// Where the plug-in keeps the card files of viewKind (its CardFileInfo); nothing when it gives
// no usable description.
std::optional<app::CardLocation> cardLocationOf(app::CardPlugin &plugin, int viewKind);

// The view kind whose card-file extension ends the file name of path, letter case ignored, in
// the plug-in's descriptions of the four kinds; nothing when none does.
std::optional<int> cardFileKind(app::CardPlugin &plugin, const std::string &path);

} // namespace cli
