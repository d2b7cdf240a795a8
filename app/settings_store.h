#pragma once

#include <string>

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
};

} // namespace app
