#include "mail_export.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace views {
namespace {

constexpr unsigned NameTries = 65535;

struct HeaderLine
{
    std::string_view name; // lower case, with the colon
    std::string_view line;
};

constexpr std::array<HeaderLine, 3> MimeHeader = {{
    {"mime-version:", "MIME-Version: 1.0\r\n"},
    {"content-type:", "Content-Type: text/plain; charset=Shift_JIS\r\n"},
    {"content-transfer-encoding:", "Content-Transfer-Encoding: 8bit\r\n"},
}};

bool startsWithName(std::string_view line, std::string_view lowerName)
{
    if (line.size() < lowerName.size())
        return false;
    for (size_t i = 0; i < lowerName.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(line[i])) != lowerName[i])
            return false;
    }
    return true;
}

bool headerHas(std::string_view text, std::string_view lowerName)
{
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            return false;
        if (startsWithName(line, lowerName))
            return true;
        if (end == std::string_view::npos)
            return false;
        text.remove_prefix(end + 1);
    }
    return false;
}

} // namespace

std::string MailExportName(const std::string &folder, uint64_t seconds, unsigned counter)
{
    char name[64];
    std::snprintf(name, sizeof name, "mm%llx%x.eml", static_cast<unsigned long long>(seconds),
                  counter);
    return folder + name;
}

std::string MailExportText(std::string_view text)
{
    if (headerHas(text, MimeHeader[1].name))
        return std::string(text);
    std::string lead;
    for (const HeaderLine &header : MimeHeader) {
        if (!headerHas(text, header.name))
            lead += header.line;
    }
    return lead + std::string(text);
}

MailExportResult ExportMailText(const std::string &folder, uint64_t seconds, std::string_view text)
{
    std::error_code error;
    if (std::filesystem::create_directories(folder, error))
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    for (unsigned counter = 0; counter < NameTries; ++counter) {
        const std::string path = MailExportName(folder, seconds, counter);
        // Created here or not at all, so an existing export is never overwritten; readable by
        // the user alone, as the message is theirs.
        const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (file < 0) {
            if (errno == EEXIST)
                continue;
            return {{}, errno};
        }
        const std::string written = MailExportText(text);
        bool complete = true;
        for (size_t done = 0; complete && done < written.size();) {
            const ssize_t wrote = ::write(file, written.data() + done, written.size() - done);
            if (wrote < 0 && errno == EINTR)
                continue;
            complete = wrote > 0;
            done += complete ? size_t(wrote) : 0;
        }
        const int writeError = complete ? 0 : errno;
        const bool closed = ::close(file) == 0;
        if (!complete || !closed) {
            const int failure = writeError != 0 ? writeError : errno != 0 ? errno : EIO;
            ::unlink(path.c_str());
            return {{}, failure};
        }
        return {path, 0};
    }
    return {{}, EEXIST};
}

} // namespace views
