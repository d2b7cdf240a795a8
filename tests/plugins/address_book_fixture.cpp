#include "address_book_fixture.h"

#include "common/data_block.h"
#include "common/data_kind.h"

#include <cstring>

namespace testing_support {

CardFolder::CardFolder(const std::string &model)
    : m_model(model)
    , m_plugin(pluginPath(model))
{
    if (model == "sh505i")
        createManagementFile();
}

void CardFolder::createManagementFile(const std::string &name)
{
    // Header: no slots yet, the "new file" word 1.
    writeFile(m_dir.file(name), std::string("\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0", 16));
}

int32_t CardFolder::save(std::vector<AddressRecord> records)
{
    for (size_t i = 1; i < records.size(); ++i)
        ChainRecords(&records[i - 1], &records[i]);
    return m_plugin.saveData(KIND_ADDRESS, cardPath().c_str(),
                             records.empty() ? nullptr : records.data());
}

std::vector<AddressRecord> CardFolder::load(const std::string &text)
{
    writeFile(cardPath(), text);
    return loadCardFile();
}

std::vector<AddressRecord> CardFolder::loadCardFile()
{
    auto block = takeBlock<AddressRecord>(m_plugin.loadData(KIND_ADDRESS, cardPath().c_str()));
    std::vector<AddressRecord> records;
    for (const void *record = block.get(); record; record = RecordLink(record, RECORD_LINK_NEXT)) {
        records.push_back(*static_cast<const AddressRecord *>(record));
        if (records.size() > 100000)
            break;
    }
    return records;
}

AddressRecord addressRecord(int32_t memoryNumber, const std::string &name)
{
    AddressRecord record{};
    record.header.version = RECORD_VERSION_ADDRESS;
    record.header.size = sizeof(AddressRecord);
    record.header.kind = KIND_ADDRESS;
    record.memoryNumber = memoryNumber;
    record.groupNumber = -1;
    std::strncpy(record.name, name.c_str(), sizeof record.name - 1);
    return record;
}

std::string cardText(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace testing_support
