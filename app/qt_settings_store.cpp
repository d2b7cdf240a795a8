#include "qt_settings_store.h"

#include "platform/sjis_text.h"

#include <QSettings>

namespace app {
namespace {

QString key(const std::string &section, const std::string &name)
{
    return QString::fromStdString(section + "/" + name);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>("Oakmere", "Cellvane"))
{
}

QtSettingsStore::QtSettingsStore(const std::string &iniPath)
    : m_settings(std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat))
{
}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::readString(const std::string &section, const std::string &name,
                                        const std::string &fallback) const
{
    const QVariant value = m_settings->value(key(section, name));
    if (!value.isValid())
        return fallback;
    return platform::utf8ToSjis(value.toString().toStdString());
}

int QtSettingsStore::readInt(const std::string &section, const std::string &name,
                             int fallback) const
{
    bool ok = false;
    const int value = m_settings->value(key(section, name)).toInt(&ok);
    return ok ? value : fallback;
}

void QtSettingsStore::writeString(const std::string &section, const std::string &name,
                                  const std::string &value)
{
    m_settings->setValue(key(section, name), QString::fromStdString(platform::sjisToUtf8(value)));
}

void QtSettingsStore::writeInt(const std::string &section, const std::string &name, int value)
{
    m_settings->setValue(key(section, name), value);
}

std::vector<std::string> QtSettingsStore::readPathList(const std::string &section,
                                                       const std::string &name) const
{
    std::vector<std::string> paths;
    for (const QString &path : m_settings->value(key(section, name)).toStringList())
        paths.push_back(path.toStdString());
    return paths;
}

void QtSettingsStore::writePathList(const std::string &section, const std::string &name,
                                    const std::vector<std::string> &paths)
{
    QStringList list;
    for (const std::string &path : paths)
        list.append(QString::fromStdString(path));
    m_settings->setValue(key(section, name), list);
}

} // namespace app
