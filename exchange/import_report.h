#pragma once

// What an import did to the entries of a file beyond a plain copy: every text cut, value
// dropped or replaced, entry skipped. The importers of every kind fill it; the front ends show
// it. Texts are UTF-8, in the program's language.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace exchange {

// One entry of the file (or the file as a whole) and what happened to it.
struct ImportReportEntry
{
    std::string label; // how the user finds the entry in the file, e.g. "VEVENT 3: 定例会議"
    std::vector<std::string> notes;

    bool operator==(const ImportReportEntry &) const = default;
};

struct ImportReport
{
    std::vector<ImportReportEntry> entries;

    // Adds note under label: to the last entry when it carries that label, else to a new one.
    void add(std::string_view label, std::string note)
    {
        if (entries.empty() || entries.back().label != label)
            entries.push_back({std::string(label), {}});
        entries.back().notes.push_back(std::move(note));
    }

    bool empty() const { return entries.empty(); }
};

// The report as lines of UTF-8 text: each entry's label, then each of its notes indented by
// two spaces; empty for an empty report.
std::string reportText(const ImportReport &report);

} // namespace exchange
