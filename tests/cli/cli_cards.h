#pragma once

#include "common/data_block.h"
#include "common/records.h"
#include "host/plugin_host.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// An entry of a test address book; texts Shift_JIS.
struct Person
{
    int32_t memoryNumber;
    const char *name;
    const char *reading;
    const char *phone;
    const char *note;
};

inline AddressRecord addressRecordOf(const Person &person)
{
    AddressRecord record{};
    record.header = {RECORD_VERSION_ADDRESS, sizeof(AddressRecord), 1001, 0, 0};
    record.memoryNumber = person.memoryNumber;
    record.groupNumber = 0;
    std::strncpy(record.name, person.name, sizeof record.name - 1);
    std::strncpy(record.reading, person.reading, sizeof record.reading - 1);
    std::strncpy(record.phones[0].number, person.phone, sizeof record.phones[0].number - 1);
    std::strncpy(record.note, person.note, sizeof record.note - 1);
    return record;
}

// The people as one chain of records, as the editor hands a book to the plug-in; the vector
// holds the chain.
inline std::vector<AddressRecord> addressChain(const std::vector<Person> &people)
{
    std::vector<AddressRecord> records;
    for (const Person &person : people)
        records.push_back(addressRecordOf(person));
    for (size_t i = 1; i < records.size(); ++i)
        ChainRecords(&records[i - 1], &records[i]);
    return records;
}

// root formatted as an SH505i formats a card: SD_PIM holding an empty data-management file.
// Returns the SD_PIM folder, ending with '/'.
inline std::string formatSdCard(const std::string &root)
{
    const std::string folder = root + "/SD_PIM/";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "PIM_DATA.PIM", std::ios::binary)
        .write("\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0", 16);
    return folder;
}

// The people written by the current plug-in of plugins as the address-book file at path; the
// plug-in's code (0 on success).
inline int writeAddressCardFile(const host::PluginHost &plugins, const std::string &path,
                                const std::vector<Person> &people)
{
    std::vector<AddressRecord> chain = addressChain(people);
    return plugins.saveData(1001, path.c_str(), chain.data());
}
