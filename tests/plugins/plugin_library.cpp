#include "plugin_library.h"

#include <dlfcn.h>
#include <iconv.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testing_support {

PluginLibrary::PluginLibrary(const std::string &path)
{
    m_handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char *error = ::dlerror();
        m_error = error ? error : "dlopen failed";
        return;
    }
    const auto bind = [this](auto &function, const char *name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
            ::dlsym(m_handle, name));
        if (!function)
            m_error += std::string("missing ") + name + "; ";
    };
    bind(getSupportModelName, "GetSupportModelName");
    bind(getPluginCode, "GetPluginCode");
    bind(getInformTable, "GetInformTable");
    bind(loadData, "LoadData");
    bind(saveData, "SaveData");
    bind(getPluginLastError, "GetPluginLastError");
}

PluginLibrary::~PluginLibrary()
{
    if (m_handle)
        ::dlclose(m_handle);
}

std::string pluginPath(const std::string &model)
{
    return std::string(CELLVANE_PLUGIN_DIR) + "/phone_" + model + ".pmd";
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string sjis(const std::string &utf8)
{
    iconv_t converter = ::iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no CP932 converter");
    std::string input(utf8);
    std::string output(input.size() * 2 + 4, '\0');
    char *in = input.data();
    char *out = output.data();
    size_t inLeft = input.size();
    size_t outLeft = output.size();
    const size_t result = ::iconv(converter, &in, &inLeft, &out, &outLeft);
    ::iconv_close(converter);
    if (result == static_cast<size_t>(-1))
        throw std::runtime_error("not convertible to CP932: " + utf8);
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace testing_support
