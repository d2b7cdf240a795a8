#include "pc_file_kinds.h"

#include "common/sjis_literal.h"
#include "views/common/pc_file_image.h"

#include <fstream>
#include <iterator>

namespace app {
namespace {

const PcFileDialogKind Kinds[] = {
    {sjis("ﾌﾞｯｸﾏｰｸﾃﾞｰﾀ (*.bpc)"), "*.bpc", ".bpc"},
    {sjis("ｱﾄﾞﾚｽ帳ﾃﾞｰﾀ (*.apc)"), "*.apc", ".apc"},
    {sjis("ﾒｰﾙﾃﾞｰﾀ (*.mpc)"), "*.mpc", ".mpc"},
    {sjis("ｽｹｼﾞｭｰﾙﾃﾞｰﾀ (*.cpc)"), "*.cpc", ".cpc"},
};

} // namespace

const PcFileDialogKind *pcFileDialogKind(int viewKind)
{
    if (viewKind < 1 || viewKind > static_cast<int>(std::size(Kinds)))
        return nullptr;
    return &Kinds[viewKind - 1];
}

std::string withExtension(const std::string &path, const char *extension)
{
    const size_t slash = path.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (nameStart == path.size() || path.find('.', nameStart) != std::string::npos)
        return path;
    return path + extension;
}

std::string withPcFileExtension(const std::string &path, const PcFileDialogKind &kind)
{
    return withExtension(path, kind.extension);
}

std::optional<int> pcFileKind(const std::string &path)
{
    char type[sizeof views::PcFileFormat::type] = {};
    std::ifstream file(path, std::ios::binary);
    if (!file.read(type, sizeof type))
        return std::nullopt;
    const int kind = views::pcImageKind(type, sizeof type);
    return kind != 0 ? std::optional<int>(kind) : std::nullopt;
}

} // namespace app
