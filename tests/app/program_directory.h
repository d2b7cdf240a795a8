#pragma once

#include "tests/support/temp_dir.h"

#include <filesystem>
#include <string>

// A throw-away program directory: the real codec library and copies of the test plug-ins.
class ProgramDirectory
{
public:
    // The directory as the program uses it, ending with '/'.
    std::string path() const { return m_dir.path() + "/"; }

    ProgramDirectory &withCodec()
    {
        std::filesystem::copy_file(HANDSETKIT_PATH, m_dir.file("libHandsetKit.so"));
        return *this;
    }
    ProgramDirectory &withPlugin(const std::string &model,
                                 const std::string &variant = "test_plugin_full")
    {
        std::filesystem::create_directories(m_dir.file("Plugins"));
        std::filesystem::copy_file(std::string(TEST_PLUGIN_DIR) + variant + ".pmd",
                                   m_dir.file("Plugins/" + model + ".pmd"));
        return *this;
    }

private:
    testing_support::TempDir m_dir;
};
