#pragma once

#include <string>
#include <vector>

namespace app {

// The per-user settings: sections holding named strings and integers. Strings are Shift_JIS.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual std::string readString(const std::string &section, const std::string &name,
                                   const std::string &fallback) const = 0;
    virtual int readInt(const std::string &section, const std::string &name,
                        int fallback) const = 0;
    virtual void writeString(const std::string &section, const std::string &name,
                             const std::string &value)
        = 0;
    virtual void writeInt(const std::string &section, const std::string &name, int value) = 0;
    // Lists of file-system paths, kept as the file system names them (UTF-8, not Shift_JIS);
    // empty when there is none.
    virtual std::vector<std::string> readPathList(const std::string &section,
                                                  const std::string &name) const = 0;
    virtual void writePathList(const std::string &section, const std::string &name,
                               const std::vector<std::string> &paths)
        = 0;
};

} // namespace app
