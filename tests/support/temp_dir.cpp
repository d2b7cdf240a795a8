#include "temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace testing_support {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "cellvane-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace testing_support
