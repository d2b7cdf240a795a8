#pragma once

#include "app/settings_store.h"

#include <memory>

class QSettings;

namespace app {

// The settings in the user's configuration under organisation "Oakmere" and application
// "Cellvane", or in a given file (for tests). Strings are kept as Unicode in the file.
class QtSettingsStore : public SettingsStore
{
public:
    QtSettingsStore();
    explicit QtSettingsStore(const std::string &iniPath);
    ~QtSettingsStore() override;

    std::string readString(const std::string &section, const std::string &name,
                           const std::string &fallback) const override;
    int readInt(const std::string &section, const std::string &name, int fallback) const override;
    void writeString(const std::string &section, const std::string &name,
                     const std::string &value) override;
    void writeInt(const std::string &section, const std::string &name, int value) override;
    std::vector<std::string> readPathList(const std::string &section,
                                          const std::string &name) const override;
    void writePathList(const std::string &section, const std::string &name,
                       const std::vector<std::string> &paths) override;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace app
