#pragma once

#include "tests/support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <string>

// A throw-away plug-in folder filled with copies of the test plug-ins under chosen names.
class PluginFolder
{
public:
    // The folder as the host takes it, ending with '/'.
    std::string path() const { return m_dir.path() + "/"; }

    void addCopy(const std::string &plugin, const std::string &name) const
    {
        std::filesystem::copy_file(std::string(TEST_PLUGIN_DIR) + plugin + ".pmd",
                                   m_dir.file(name));
    }
    void addComplete(const std::string &name) const { addCopy("test_plugin_full", name); }

    void addText(const std::string &name, const std::string &content) const
    {
        std::ofstream(m_dir.file(name), std::ios::binary) << content;
    }

private:
    testing_support::TempDir m_dir;
};
