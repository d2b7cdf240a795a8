// A plug-in needs the codec library from its program directory (the directory above Plugins/);
// without it, or with one that lacks a codec name, the plug-in cannot be loaded at all.
#include "tests/support/temp_dir.h"

#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// dlopen in a child process: a library loaded once in this process (the real codec library,
// say) would otherwise satisfy every later plug-in whatever its own directory holds.
bool loadsInFreshProcess(const std::string &path)
{
    const pid_t child = ::fork();
    if (child == 0) {
        void *handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        ::_exit(handle ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class CodecBindingTest : public testing::TestWithParam<const char *>
{
protected:
    // A copy of the program directory holding only the plug-in, and the codec library given.
    std::string installPlugin(const char *codecLibrary)
    {
        const fs::path bin = fs::path(m_dir.path()) / "bin";
        fs::create_directories(bin / "Plugins");
        const std::string name = std::string("phone_") + GetParam() + ".pmd";
        fs::copy_file(fs::path(CELLVANE_PLUGIN_DIR) / name, bin / "Plugins" / name);
        if (codecLibrary)
            fs::copy_file(codecLibrary, bin / "libHandsetKit.so");
        return (bin / "Plugins" / name).string();
    }

private:
    testing_support::TempDir m_dir;
};

TEST_P(CodecBindingTest, LoadsBesideTheCodecLibrary)
{
    EXPECT_TRUE(loadsInFreshProcess(installPlugin(CELLVANE_HANDSETKIT)));
}

TEST_P(CodecBindingTest, RefusesToLoadWithoutTheCodecLibrary)
{
    EXPECT_FALSE(loadsInFreshProcess(installPlugin(nullptr)));
}

TEST_P(CodecBindingTest, RefusesToLoadWhenACodecNameIsMissing)
{
    EXPECT_FALSE(loadsInFreshProcess(installPlugin(CELLVANE_INCOMPLETE_KIT)));
}

INSTANTIATE_TEST_SUITE_P(AllModels, CodecBindingTest,
                         testing::Values("sh505i", "p505i", "so505i", "d505i", "n505i", "f505i"),
                         [](const testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });

} // namespace
