#pragma once

#include "tests/support/temp_dir.h"

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// What a run of the built cellvane-cli gave: its exit status (-1 when it did not exit, killed by
// a signal) and the bytes of its standard output and error.
struct CliRun
{
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string fileText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs CELLVANE_CLI with arguments, the user's configuration (where the editor's settings lie)
// in configHome, from the working directory workDir.
inline CliRun runCliProgram(const std::vector<std::string> &arguments,
                            const std::string &configHome, const std::string &workDir)
{
    const testing_support::TempDir streams;
    const std::string outPath = streams.file("out");
    const std::string errPath = streams.file("err");
    std::vector<std::string> words = {CELLVANE_CLI};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(workDir.c_str()))
            _exit(127);
        setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    CliRun run;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.out = fileText(outPath);
    run.err = fileText(errPath);
    return run;
}
