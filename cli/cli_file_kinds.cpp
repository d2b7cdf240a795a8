#include "cli_file_kinds.h"

#include "app/card_transfer.h"
#include "common/owned_block.h"
#include "views/common/pc_file_image.h"

#include <cstring>
#include <fstream>

namespace cli {
namespace {

struct PcFileKind
{
    const views::PcFileFormat &format;
    int viewKind;
};

const PcFileKind PcFileKinds[] = {
    {views::BookmarkPcFile, 1},
    {views::AddressPcFile, 2},
    {views::MailPcFile, 3},
    {views::SchedulePcFile, 4},
};

constexpr int FirstCardFileType = 2000; // CardFileInfo of view kind k is type 1999 + k

} // namespace

std::optional<int> pcFileKind(const std::string &path)
{
    char type[sizeof views::PcFileFormat::type] = {};
    std::ifstream file(path, std::ios::binary);
    if (!file.read(type, sizeof type))
        return std::nullopt;
    for (const PcFileKind &kind : PcFileKinds) {
        if (std::memcmp(type, kind.format.type, sizeof type) == 0)
            return kind.viewKind;
    }
    return std::nullopt;
}

std::optional<app::CardLocation> cardLocationOf(app::CardPlugin &plugin, int viewKind)
{
    const int type = FirstCardFileType - 1 + viewKind;
    const OwnedBlock<> info(plugin.getInformTable(type, 0));
    return app::cardLocation(info.get(), type);
}

std::optional<int> cardFileKind(app::CardPlugin &plugin, const std::string &path)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    for (const PcFileKind &kind : PcFileKinds) {
        const std::optional<app::CardLocation> location = cardLocationOf(plugin, kind.viewKind);
        if (location && !location->extension.empty()
            && app::endsWithCardName(name, location->extension))
            return kind.viewKind;
    }
    return std::nullopt;
}

} // namespace cli
