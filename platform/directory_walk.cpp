#include "directory_walk.h"

#include <climits>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool endsWith(const std::string &name, const std::string &suffix)
{
    return name.size() > suffix.size()
           && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string joined(const std::string &folder, const std::string &name)
{
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

bool isRegularFile(const std::string &path)
{
    struct stat status
    {
    };
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

std::vector<std::string> filesWithSuffix(const std::string &folder, const std::string &suffix)
{
    std::vector<std::string> names;
    DIR *directory = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!directory)
        return names;
    while (const dirent *entry = ::readdir(directory)) {
        const std::string name = entry->d_name;
        if (endsWith(name, suffix) && isRegularFile(joined(folder, name)))
            names.push_back(name);
    }
    ::closedir(directory);
    return names;
}

int removeFilesWithSuffix(const std::string &folder, const std::string &suffix)
{
    int removed = 0;
    for (const std::string &name : filesWithSuffix(folder, suffix)) {
        if (::unlink(joined(folder, name).c_str()) == 0)
            ++removed;
    }
    return removed;
}

std::string executableDirectory()
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return {};
    const std::string path(buffer, static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace platform
