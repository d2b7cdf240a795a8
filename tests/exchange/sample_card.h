#pragma once

#include "common/owned_block.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "tests/support/temp_dir.h"

#include <string>

namespace exchange_testing {

// The sample memory card (scripts/screenshots/sample-card) read through a real model
// plug-in: a copy of its SD_PIM folder in a temporary directory, so nothing touches the
// source tree, and the plug-in of one model made current with its limits cached.
class SampleCard
{
public:
    // model as the plug-in names it, e.g. "DoCoMo SH505i".
    explicit SampleCard(const std::string &model);

    // Empty when the plug-in and the copy are ready, else what went wrong.
    const std::string &problem() const { return m_problem; }

    // The records the plug-in reads from file of the card's folder; null when it reads none.
    OwnedBlock<> load(int kind, const std::string &file) const;

    const host::PluginHost &plugins() const { return m_plugins; }
    const host::KindLimitCache &limits() const { return m_limits; }

private:
    testing_support::TempDir m_dir;
    host::PluginHost m_plugins;
    host::KindLimitCache m_limits;
    std::string m_problem;
};

// The bytes of a file, empty when it cannot be read.
std::string readFile(const std::string &path);
// Writes text to path; false when it cannot.
bool writeFile(const std::string &path, const std::string &text);

} // namespace exchange_testing
