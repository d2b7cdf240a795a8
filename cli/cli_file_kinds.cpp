#include "cli_file_kinds.h"

#include "app/card_transfer.h"
#include "common/owned_block.h"

#include <cstring>

namespace cli {
namespace {

constexpr int FirstCardFileType = 2000; // CardFileInfo of view kind k is type 1999 + k

} // namespace

std::optional<app::CardLocation> cardLocationOf(app::CardPlugin &plugin, int viewKind)
{
    const int type = FirstCardFileType - 1 + viewKind;
    const OwnedBlock<> info(plugin.getInformTable(type, 0));
    return app::cardLocation(info.get(), type);
}

std::optional<int> cardFileKind(app::CardPlugin &plugin, const std::string &path)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    for (int viewKind = 1; viewKind <= 4; ++viewKind) {
        const std::optional<app::CardLocation> location = cardLocationOf(plugin, viewKind);
        if (location && !location->extension.empty()
            && app::endsWithCardName(name, location->extension))
            return viewKind;
    }
    return std::nullopt;
}

} // namespace cli
