#pragma once

#include "plugin_library.h"
#include "tests/support/temp_dir.h"

#include "common/records.h"

#include <string>
#include <vector>

namespace testing_support {

// A card folder with one model's plug-in: writes and reads PIM00001.VCF, with the
// data-management file that SH505i needs beside it.
class CardFolder
{
public:
    explicit CardFolder(const std::string &model);

    PluginLibrary &plugin() { return m_plugin; }
    const std::string &model() const { return m_model; }
    std::string cardPath() const { return m_dir.file("PIM00001.VCF"); }
    std::string file(const std::string &name) const { return m_dir.file(name); }

    // Writes an empty data-management file under the given name.
    void createManagementFile(const std::string &name = "PIM_DATA.PIM");

    // Saves the records, chained in order; returns SaveData's result.
    int32_t save(std::vector<AddressRecord> records);
    // Loads text (card file bytes) through LoadData; the records of the chain, in chain order.
    std::vector<AddressRecord> load(const std::string &text);
    std::vector<AddressRecord> loadCardFile();

private:
    std::string m_model;
    TempDir m_dir;
    PluginLibrary m_plugin;
};

// A blank address record: header filled, group number -1.
AddressRecord addressRecord(int32_t memoryNumber, const std::string &name = {});

// Text lines joined with CR LF, each line ended.
std::string cardText(const std::vector<std::string> &lines);

} // namespace testing_support
