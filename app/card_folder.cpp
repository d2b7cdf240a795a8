#include "card_folder.h"

#include "common/inform_blocks.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>

namespace app {
namespace {

namespace fs = std::filesystem;

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string upperCase(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = upper(c);
    return result;
}

// A field's text, or nothing when no NUL ends it inside the field.
template<size_t N>
std::optional<std::string> fieldText(const char (&field)[N])
{
    const size_t length = strnlen(field, N);
    if (length == N)
        return std::nullopt;
    return std::string(field, length);
}

constexpr size_t npos = std::string_view::npos;

// One integer conversion (flags, width, precision, then d, i or u) and any number of "%%".
bool isFileNamePattern(std::string_view pattern)
{
    int conversions = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%')
            continue;
        ++i;
        if (i < pattern.size() && pattern[i] == '%')
            continue;
        while (i < pattern.size() && std::string_view("-+ #0").find(pattern[i]) != npos)
            ++i;
        while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9')
            ++i;
        if (i < pattern.size() && pattern[i] == '.') {
            ++i;
            while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9')
                ++i;
        }
        if (i >= pattern.size() || std::string_view("diu").find(pattern[i]) == npos)
            return false;
        ++conversions;
    }
    return conversions == 1;
}

std::string formatNumber(const std::string &pattern, int number)
{
    // The pattern was checked by cardLocation: one integer conversion, nothing else.
    std::vector<char> buffer(pattern.size() + 64);
    const int written = std::snprintf(buffer.data(), buffer.size(), pattern.c_str(), number);
    if (written < 0 || static_cast<size_t>(written) >= buffer.size())
        return {};
    return std::string(buffer.data(), static_cast<size_t>(written));
}

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The entry of folder named component, spelt as the file system has it; empty when none.
std::string existingSpelling(const fs::path &folder, const std::string &component)
{
    std::error_code error;
    if (fs::exists(folder / component, error))
        return component;
    std::string found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (sameCardName(name, component)) {
            found = name;
            break;
        }
    }
    return found;
}

// The names a search for "<name>.*" finds in folder, upper-cased: every entry's name and each
// of its prefixes that ends before a dot.
std::set<std::string> takenNames(const std::string &folder)
{
    std::set<std::string> taken;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = upperCase(it->path().filename().string());
        taken.insert(name);
        for (size_t dot = name.find('.'); dot != std::string::npos; dot = name.find('.', dot + 1))
            taken.insert(name.substr(0, dot));
    }
    return taken;
}

} // namespace

std::optional<CardLocation> cardLocation(const void *cardFileInfo, int type)
{
    if (!cardFileInfo)
        return std::nullopt;
    RecordHeader header;
    std::memcpy(&header, cardFileInfo, sizeof header);
    if (header.kind != static_cast<uint32_t>(type) || header.size < sizeof(CardFileInfo))
        return std::nullopt;
    CardFileInfo info;
    std::memcpy(&info, cardFileInfo, sizeof info);
    const auto extension = fieldText(info.extension);
    const auto folder = fieldText(info.folder);
    const auto pattern = fieldText(info.pathPattern);
    if (!extension || !folder || !pattern || !isFileNamePattern(*pattern))
        return std::nullopt;
    return CardLocation{*extension, *folder, *pattern, info.highestNumber, info.filePerEntry != 0};
}

bool sameCardName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i]))
            return false;
    }
    return true;
}

bool endsWithCardName(std::string_view name, std::string_view suffix)
{
    return name.size() >= suffix.size()
           && sameCardName(name.substr(name.size() - suffix.size()), suffix);
}

std::string resolveCardPath(const std::string &root, std::string_view cardPath)
{
    fs::path resolved(root);
    bool parentExists = true;
    size_t start = 0;
    while (start < cardPath.size()) {
        size_t end = start;
        while (end < cardPath.size() && !isSeparator(cardPath[end]))
            ++end;
        const std::string component(cardPath.substr(start, end - start));
        start = end + 1;
        if (component.empty() || component == "." || component == "..")
            continue;
        const std::string spelling = parentExists ? existingSpelling(resolved, component) : "";
        parentExists = !spelling.empty();
        resolved /= parentExists ? spelling : component;
    }
    std::string result = resolved.string();
    if (!cardPath.empty() && isSeparator(cardPath.back()) && !result.empty()
        && result.back() != '/')
        result += '/';
    return result;
}

CardFolder walkCardFolder(const std::string &folder, std::string_view extension)
{
    CardFolder tree;
    tree.path = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    std::error_code error;
    for (fs::directory_iterator it(tree.path, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code statusError;
        if (it->is_symlink(statusError) && it->is_directory(statusError))
            continue;
        if (it->is_directory(statusError))
            tree.subFolders.push_back(walkCardFolder(tree.path + name + '/', extension));
        else if (it->is_regular_file(statusError) && endsWithCardName(name, extension))
            tree.files.push_back(name);
    }
    return tree;
}

int countCardFiles(const CardFolder &tree)
{
    int total = static_cast<int>(tree.files.size());
    for (const CardFolder &sub : tree.subFolders)
        total += countCardFiles(sub);
    return total;
}

std::optional<CardFileName> freeCardFileName(const std::string &root, const CardLocation &location)
{
    // Listed once per folder: the pattern may place the number in a folder name.
    std::map<std::string, std::pair<std::string, std::set<std::string>>> folders;
    for (int number = 1; number >= 1 && number <= location.highestNumber; ++number) {
        const std::string cardName = formatNumber(location.pattern, number);
        size_t split = cardName.size();
        while (split > 0 && !isSeparator(cardName[split - 1]))
            --split;
        const std::string stem = cardName.substr(split);
        if (stem.empty())
            return std::nullopt;
        const std::string cardFolder = cardName.substr(0, split);
        auto found = folders.find(cardFolder);
        if (found == folders.end()) {
            std::string resolved = resolveCardPath(root, cardFolder.empty() ? "\\" : cardFolder);
            if (resolved.empty() || resolved.back() != '/')
                resolved += '/';
            std::set<std::string> taken = takenNames(resolved);
            found = folders.emplace(cardFolder, std::make_pair(resolved, std::move(taken))).first;
        }
        const auto &[resolved, taken] = found->second;
        if (!taken.count(upperCase(stem)))
            return CardFileName{resolved + stem + location.extension, stem, location.extension};
        if (number == location.highestNumber)
            break;
    }
    return std::nullopt;
}

} // namespace app
