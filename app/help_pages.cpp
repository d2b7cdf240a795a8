#include "help_pages.h"

#include <array>

namespace app {
namespace {

struct HelpPage
{
    const char *file;
    const char *anchor;
};

constexpr std::array<HelpPage, 6> HelpPages = {{{"index.html", ""},
                                                {"top.html", "#04"},
                                                {"bookmark.html", ""},
                                                {"address.html", ""},
                                                {"mail.html", ""},
                                                {"schedule.html", ""}}};

// The program directory is absolute, so "file://" and the path make the URL.
std::string fileUrl(const std::string &programDirectory, const std::string &relative)
{
    return "file://" + programDirectory + relative;
}

} // namespace

std::string helpPageUrl(const std::string &programDirectory, int page)
{
    if (page < 0 || page >= static_cast<int>(HelpPages.size()))
        return {};
    const HelpPage &help = HelpPages[static_cast<size_t>(page)];
    return fileUrl(programDirectory, std::string("help/") + help.file) + help.anchor;
}

std::string bannerPageUrl(const std::string &programDirectory)
{
    return fileUrl(programDirectory, "tessaly/index.html");
}

} // namespace app
