#include "card_location.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdio>
#include <memory>

namespace plugin {
namespace {

constexpr const char *kManagementName = "PIM_DATA.PIM";

bool readableFile(const std::string &path)
{
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

} // namespace

std::string findManagementFile(const std::string &cardPath)
{
    const size_t slash = cardPath.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : cardPath.substr(0, slash + 1);
    const std::string prefix = slash == std::string::npos ? "" : folder;
    if (readableFile(prefix + kManagementName))
        return prefix + kManagementName;
    std::unique_ptr<DIR, int (*)(DIR *)> directory(::opendir(folder.c_str()), ::closedir);
    if (!directory)
        return {};
    while (const dirent *entry = ::readdir(directory.get())) {
        if (::strcasecmp(entry->d_name, kManagementName) == 0
            && readableFile(prefix + entry->d_name))
            return prefix + entry->d_name;
    }
    return {};
}

} // namespace plugin
