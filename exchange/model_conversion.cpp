#include "model_conversion.h"

#include "exchange/kind_conversions.h"
#include "views/address/address_store.h"
#include "views/bookmark/bookmark_store.h"
#include "views/common/pc_file_image.h"
#include "views/common/record_fields.h"
#include "views/mail/mail_store.h"
#include "views/schedule/schedule_store.h"

#include <algorithm>
#include <cstring>

namespace exchange {
namespace {

uint32_t pluginCodeOf(const unsigned char *image)
{
    views::PcFileHeader header;
    std::memcpy(&header, image, sizeof header);
    return header.pluginCode;
}

// Whether the view counts record as one of its entries: the owner's own address entry it
// shows apart.
bool isEntry(const AddressRecord &record)
{
    return record.memoryNumber != OWNER_MEMORY_NUMBER;
}
template<typename Record>
bool isEntry(const Record &)
{
    return true;
}

template<typename Record>
int entryCount(const std::vector<Record> &records)
{
    return static_cast<int>(std::count_if(records.begin(), records.end(),
                                          [](const Record &record) { return isEntry(record); }));
}

// The records the store took from image, in store order.
template<typename Record, typename Store>
std::vector<Record> recordsOf(const Store &store)
{
    std::vector<Record> records;
    for (int index = 0; index < store.RecordCount(); ++index)
        records.push_back(*store.record(index));
    return records;
}

// The store takes every entry the file holds: what the target cannot hold is the conversion's
// to fit and report, not the load's to drop unseen.
template<typename Store>
void takeEverything(Store &)
{
}
void takeEverything(views::AddressStore &store)
{
    store.setLimits({views::AddressStore::OrdinaryCeiling, false, false});
}

// Loads image into a store of its kind, the records fitted by convert, written for to.
template<typename Store, typename Record, typename Convert>
void convertRecords(const unsigned char *image, size_t size, const views::PcFileFormat &format,
                    const ModelTables &from, const ModelTables &to, Convert convert,
                    ModelConversion &result)
{
    Store store;
    takeEverything(store);
    if (store.LoadPcBlock(image, size, pluginCodeOf(image)) != -1)
        return;
    const std::vector<Record> records = recordsOf<Record>(store);
    std::vector<Record> converted = convert(records, from, to, result.report);
    for (size_t slot = 0; slot < converted.size(); ++slot)
        views::setSlotLinks(converted[slot].header, slot, sizeof(Record));
    result.image = views::buildPcImage(format, converted.data(), converted.size(), to.pluginCode);
    result.read = entryCount(records);
    result.kept = entryCount(converted);
    result.converted = !result.image.empty();
}

} // namespace

ModelConversion convertPcImage(const unsigned char *image, size_t size, const ModelTables &from,
                               const ModelTables &to)
{
    ModelConversion result;
    if (size < sizeof(views::PcFileHeader))
        return result;
    result.viewKind = views::pcImageKind(image, size);
    switch (result.viewKind) {
    case 1:
        convertRecords<views::BookmarkStore, BookmarkRecord>(image, size, views::BookmarkPcFile,
                                                             from, to, convertBookmarks, result);
        break;
    case 2:
        convertRecords<views::AddressStore, AddressRecord>(image, size, views::AddressPcFile, from,
                                                           to, convertAddresses, result);
        break;
    case 3: {
        // Mail is the phones' own: the same messages go to any model.
        views::MailStore store;
        if (store.LoadPcBlock(image, size, pluginCodeOf(image)) != -1)
            break;
        result.image = store.BuildPcBlock(to.pluginCode);
        result.read = result.kept = store.RecordCount();
        result.converted = !result.image.empty();
        break;
    }
    case 4:
        convertRecords<views::ScheduleStore, ScheduleRecord>(image, size, views::SchedulePcFile,
                                                             from, to, convertSchedule, result);
        break;
    }
    if (!result.converted)
        result = {};
    return result;
}

} // namespace exchange
