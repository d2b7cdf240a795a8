#include "python_checker.h"

#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace exchange_testing {
namespace {

constexpr char Python[] = "/usr/bin/python3";
constexpr int ModuleMissing = 77;

std::string unescaped(const std::string &value)
{
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char c = value[++i];
        text += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
    }
    return text;
}

void takeLine(CheckerRun &run, const std::string &line)
{
    const size_t tab = line.find('\t');
    const size_t second = tab == std::string::npos ? tab : line.find('\t', tab + 1);
    if (second == std::string::npos)
        return;
    const std::string index = line.substr(0, tab);
    const std::string field = line.substr(tab + 1, second - tab - 1);
    const std::string value = unescaped(line.substr(second + 1));
    if (index == "-") {
        run.file[field].push_back(value);
        return;
    }
    if (index.empty() || index.find_first_not_of("0123456789") != std::string::npos)
        return;
    const size_t entry = std::stoul(index);
    if (run.entries.size() <= entry)
        run.entries.resize(entry + 1);
    run.entries[entry][field].push_back(value);
}

// A path as one shell word.
std::string quoted(const std::string &path)
{
    std::string word = "'";
    for (char c : path)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

} // namespace

CheckerRun runChecker(const std::string &script, const std::string &path)
{
    CheckerRun run;
    if (::access(Python, X_OK) != 0) {
        run.skipped = std::string(Python) + " is missing";
        return run;
    }
    const std::string command
        = std::string(Python) + " " + quoted(script) + " " + quoted(path) + " 2>&1";
    FILE *pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        run.skipped = "cannot start " + command;
        return run;
    }
    char buffer[4096];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, read);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (run.exitCode == ModuleMissing) {
        run.skipped = run.output;
        return run;
    }
    size_t at = 0;
    while (at < run.output.size()) {
        const size_t end = run.output.find('\n', at);
        takeLine(run, run.output.substr(at, end == std::string::npos ? end : end - at));
        at = end == std::string::npos ? run.output.size() : end + 1;
    }
    return run;
}

} // namespace exchange_testing
