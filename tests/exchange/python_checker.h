#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace exchange_testing {

// The fields a checker script printed for one entry of the file: per field name its values
// in the order printed.
using CheckedEntry = std::map<std::string, std::vector<std::string>>;

struct CheckerRun
{
    std::optional<std::string> skipped; // why the checker could not run (no Python, no module)
    int exitCode = -1;
    std::string output;                // everything it printed, for failure messages
    std::vector<CheckedEntry> entries; // lines "<index>\t<field>\t<value>"
    CheckedEntry file;                 // lines "-\t<field>\t<value>"
};

// Runs /usr/bin/python3 with script on path. The scripts print one field a line, values with
// backslash, tab, CR and LF written as \\, \t, \r and \n (undone here), and exit with 77
// when the module they test with is missing.
CheckerRun runChecker(const std::string &script, const std::string &path);

} // namespace exchange_testing
