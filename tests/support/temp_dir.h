#pragma once

#include <string>

namespace testing_support {

// A fresh directory under the system's temporary folder, removed with everything in it when the
// object goes out of scope.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return m_path; }
    std::string file(const std::string &name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

} // namespace testing_support
