#include "sample_card.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace exchange_testing {

SampleCard::SampleCard(const std::string &model)
{
    std::error_code error;
    std::filesystem::copy(SAMPLE_CARD_DIR, m_dir.path(), error);
    if (error)
        m_problem = "cannot copy " SAMPLE_CARD_DIR ": " + error.message();
    else if (m_plugins.discover(MODEL_PLUGIN_DIR) <= 0)
        m_problem = "no model plug-in in " MODEL_PLUGIN_DIR;
    else if (!m_plugins.selectByModelName(model))
        m_problem = "no plug-in for " + model;
    else
        m_limits.refill(m_plugins);
}

OwnedBlock<> SampleCard::load(int kind, const std::string &file) const
{
    return OwnedBlock<>(m_plugins.loadData(kind, m_dir.file(file).c_str()));
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool writeFile(const std::string &path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out.flush());
}

} // namespace exchange_testing
