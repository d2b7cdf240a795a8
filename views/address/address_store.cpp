#include "address_store.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/sjis_cut.h"
#include "views/address/address_filter.h"
#include "views/address/address_tree.h"
#include "views/common/pc_file_image.h"
#include "views/common/record_fields.h"

#include <algorithm>
#include <bitset>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace views {
namespace {

constexpr uint32_t RecordSize = sizeof(AddressRecord);
constexpr int HighestMemoryNumber = 999;
constexpr int FirstPreferredNumber = 10;
constexpr int GroupColumn = 7;
constexpr int PhoneIconList = 201;
constexpr int MailIconList = 202;

// Every text field ends inside its field, so nothing reads past it later.
void terminateFields(AddressRecord &record)
{
    terminateField(record.groupName);
    terminateField(record.name);
    terminateField(record.reading);
    terminateField(record.postalCode);
    terminateField(record.postalAddress);
    for (PhoneSlot &phone : record.phones)
        terminateField(phone.number);
    for (MailSlot &mail : record.mails)
        terminateField(mail.address);
    terminateField(record.note);
}

void writeHeader(AddressRecord &record)
{
    record.header.version = RECORD_VERSION_ADDRESS;
    record.header.size = RecordSize;
    record.header.kind = KIND_ADDRESS;
}

std::string decimal(const char *format, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The chained record at record as an AddressRecord, when it is one; records may lie at any
// byte offset, so it is copied out.
bool readRecord(const void *record, AddressRecord &out)
{
    RecordHeader header;
    std::memcpy(&header, record, sizeof header);
    if (header.kind != KIND_ADDRESS || header.size != RecordSize)
        return false;
    std::memcpy(&out, record, sizeof out);
    return true;
}

} // namespace

AddressStore::AddressStore()
    : ListedStore(ColumnCount)
{
}

void AddressStore::setLimits(const AddressBookLimits &limits)
{
    m_limits = limits;
}

const AddressBookLimits &AddressStore::limits() const
{
    return m_limits;
}

void AddressStore::setOptionName(OptionName optionName)
{
    m_optionName = std::move(optionName);
}

int AddressStore::RecordCount() const
{
    return static_cast<int>(m_records.size());
}

int AddressStore::OrdinaryCount() const
{
    return RecordCount() - (ownerSlot() >= 0 ? 1 : 0);
}

bool AddressStore::isLive(int index) const
{
    const RecordHeader &header = m_records[static_cast<size_t>(index)].header;
    return header.size == RecordSize && header.version == RECORD_VERSION_ADDRESS
           && header.kind == KIND_ADDRESS && (header.prev != 0 || header.next != 0);
}

int AddressStore::ownerSlot() const
{
    for (int i = 0; i < RecordCount(); ++i) {
        if (m_records[static_cast<size_t>(i)].memoryNumber == OWNER_MEMORY_NUMBER)
            return i;
    }
    return -1;
}

int AddressStore::freeMemoryNumber() const
{
    std::bitset<HighestMemoryNumber + 1> used;
    for (const AddressRecord &record : m_records) {
        if (record.header.kind == KIND_ADDRESS && record.memoryNumber >= 0
            && record.memoryNumber <= HighestMemoryNumber)
            used.set(static_cast<size_t>(record.memoryNumber));
    }
    const int end = std::min(m_limits.maximumEntries, HighestMemoryNumber + 1);
    for (int number = FirstPreferredNumber; number < end; ++number) {
        if (!used.test(static_cast<size_t>(number)))
            return number;
    }
    for (int number = 0; number < std::min(end, FirstPreferredNumber); ++number) {
        if (!used.test(static_cast<size_t>(number)))
            return number;
    }
    return -1;
}

int AddressStore::GetRecord(int index, AddressRecord &out) const
{
    if (index >= 0 && index < RecordCount()) {
        out = m_records[static_cast<size_t>(index)];
        const int group = out.groupNumber == -1 ? 0 : out.groupNumber;
        setFieldText(out.groupName, m_groups.nameOfNumber(group));
        return 1;
    }
    out = AddressRecord{};
    writeHeader(out);
    out.groupNumber = -1;
    out.memoryNumber = freeMemoryNumber();
    return 0;
}

int AddressStore::StoreRecord(int slot, const AddressRecord *record)
{
    if (slot < 0) {
        slot = -1;
        for (int i = 0; i < RecordCount() && slot < 0; ++i) {
            if (!isLive(i))
                slot = i;
        }
    }
    if (slot < 0 || slot >= RecordCount())
        return -1;
    if (slot >= OrdinaryCeiling && OrdinaryCount() > OrdinaryCeiling)
        return -1;
    if (!record)
        return slot;
    if (record->header.kind != KIND_ADDRESS)
        return -1;
    int number = record->memoryNumber;
    const bool owner = number == OWNER_MEMORY_NUMBER;
    if (!owner && (number < 0 || number > HighestMemoryNumber))
        return -1;
    for (int i = 0; i < RecordCount(); ++i) {
        if (i == slot || m_records[static_cast<size_t>(i)].memoryNumber != number)
            continue;
        // The book has one owner's entry; it is replaced in its own slot.
        if (owner)
            return -1;
        if (isLive(i)) {
            number = freeMemoryNumber();
            if (number < 0 || number > HighestMemoryNumber)
                return -1;
            break;
        }
    }
    if (!owner) {
        const bool fits = m_limits.numbersLimited ? number < m_limits.maximumEntries
                                                  : m_limits.maximumEntries >= OrdinaryCount();
        if (!fits)
            return -1;
    }
    AddressRecord &stored = m_records[static_cast<size_t>(slot)];
    stored = *record;
    terminateFields(stored);
    stored.memoryNumber = number;
    writeHeader(stored);
    setSlotLinks(stored.header, size_t(slot), RecordSize);
    m_groups.registerGroup(fieldText(stored.groupName), stored.groupNumber);
    return slot;
}

int AddressStore::AppendRecord(const AddressRecord &record)
{
    if (record.header.kind != KIND_ADDRESS)
        return 0;
    m_records.emplace_back();
    if (StoreRecord(RecordCount() - 1, &record) < 0) {
        m_records.pop_back();
        return 0;
    }
    return 1;
}

int AddressStore::ReplaceRecord(int index, const AddressRecord &record)
{
    if (index < 0 || index >= RecordCount() || record.header.version != RECORD_VERSION_ADDRESS
        || record.header.size != RecordSize || record.header.kind != KIND_ADDRESS)
        return -1;
    if (StoreRecord(index, &record) < 0)
        return -1;
    m_modified = true;
    // The row shows the new texts even when the record left the filter; the next rebuild of the
    // list drops it.
    if (const int row = m_rows.rowOf(index); row >= 0)
        writeRow(row, index);
    return index;
}

void AddressStore::mergeRecord(const AddressRecord &record, bool allowDuplicates, bool selectNew,
                               int &added)
{
    if (OrdinaryCount() >= OrdinaryCeiling)
        return;
    if (record.memoryNumber == OWNER_MEMORY_NUMBER) {
        m_modified = true;
        const int owner = ownerSlot();
        if (owner >= 0)
            StoreRecord(owner, &record);
        else
            AppendRecord(record);
        return;
    }
    if ((!allowDuplicates && IsDuplicate(record)) || !AppendRecord(record))
        return;
    m_modified = true;
    const int row = ShowRecordRow(RowCount(), RecordCount() - 1);
    if (selectNew && row >= 0)
        m_rows.setSelected(row, true);
    ++added;
}

int AddressStore::MergeRecords(const void *first, bool allowDuplicates, bool followChain,
                               bool selectNew)
{
    // A chain that runs in a circle would never end: it is taken as malformed.
    if (followChain && ChainLength(first) == SIZE_MAX)
        return 0;
    int added = 0;
    for (const void *link = first; link;
         link = followChain ? RecordLink(link, RECORD_LINK_NEXT) : nullptr) {
        AddressRecord record;
        if (readRecord(link, record))
            mergeRecord(record, allowDuplicates, selectNew, added);
    }
    RebuildGroupTree();
    return added;
}

bool AddressStore::IsDuplicate(const AddressRecord &record) const
{
    const auto same = [&record](const AddressRecord &stored) {
        if (stored.illumination != record.illumination)
            return false;
        for (int i = 0; i < ADDRESS_PHONE_SLOTS; ++i) {
            if (stored.phones[i].icon != record.phones[i].icon)
                return false;
        }
        for (int i = 0; i < ADDRESS_MAIL_SLOTS; ++i) {
            if (stored.mails[i].icon != record.mails[i].icon)
                return false;
        }
        if (!sameFieldText(stored.name, record.name)
            || !sameFieldText(stored.reading, record.reading)
            || !sameFieldText(stored.note, record.note)
            || !sameFieldText(stored.postalAddress, record.postalAddress)
            || !sameFieldText(stored.postalCode, record.postalCode))
            return false;
        for (int i = 0; i < ADDRESS_PHONE_SLOTS; ++i) {
            if (!sameFieldText(stored.phones[i].number, record.phones[i].number))
                return false;
        }
        for (int i = 0; i < ADDRESS_MAIL_SLOTS; ++i) {
            if (!sameFieldText(stored.mails[i].address, record.mails[i].address))
                return false;
        }
        return true;
    };
    for (int i = 0; i < RecordCount(); ++i) {
        if (isLive(i) && same(m_records[static_cast<size_t>(i)]))
            return true;
    }
    return false;
}

int AddressStore::MarkRowDeleted(int row)
{
    const int index = m_rows.indexAt(row);
    if (index < 0 || index >= RecordCount())
        return -1;
    m_records[static_cast<size_t>(index)].header.kind = 0;
    m_modified = RecordCount() > 0;
    return row;
}

void AddressStore::dropSlots(const std::vector<bool> &drop)
{
    std::vector<int> newIndex(m_records.size(), -1);
    size_t kept = 0;
    for (size_t i = 0; i < m_records.size(); ++i) {
        if (drop[i])
            continue;
        newIndex[i] = static_cast<int>(kept);
        if (kept != i)
            m_records[kept] = m_records[i];
        ++kept;
    }
    m_records.resize(kept);
    m_rows.remapIndexes(newIndex);
    for (int i = 0; i < RecordCount() && isLive(i); ++i)
        setSlotLinks(m_records[static_cast<size_t>(i)].header, size_t(i), RecordSize);
}

int AddressStore::RemoveRecord(int index, bool physical)
{
    if (index == -1 && !physical) {
        std::vector<bool> drop(m_records.size());
        for (size_t i = 0; i < m_records.size(); ++i)
            drop[i] = m_records[i].header.kind == 0;
        dropSlots(drop);
        m_modified = RecordCount() > 0;
        return 1;
    }
    if (index < 0 || index >= RecordCount())
        return 0;
    AddressRecord &record = m_records[static_cast<size_t>(index)];
    if (!physical) {
        record.header.kind = 0;
        return 1;
    }
    if (record.header.kind != 0)
        return 0;
    std::vector<bool> drop(m_records.size());
    drop[static_cast<size_t>(index)] = true;
    dropSlots(drop);
    return 1;
}

const AddressRecord *AddressStore::record(int index) const
{
    return index >= 0 && index < RecordCount() ? &m_records[static_cast<size_t>(index)] : nullptr;
}

GroupTable &AddressStore::groups()
{
    return m_groups;
}

const GroupTable &AddressStore::groups() const
{
    return m_groups;
}

bool AddressStore::RebuildGroupTree()
{
    if (AddressFilterHasNode(m_filter, m_groups))
        return false;
    setFilter(AddressFilterAll);
    return true;
}

int AddressStore::filter() const
{
    return m_filter;
}

void AddressStore::setFilter(int filter)
{
    if (filter == m_filter)
        return;
    m_filter = filter;
    rebuildRows();
    RefreshGroupColumn();
}

std::string AddressStore::iconText(int list, int32_t icon) const
{
    if (m_optionName) {
        if (std::optional<std::string> name = m_optionName(list, icon))
            return *name;
    }
    return decimal("%d", icon);
}

std::vector<std::string> AddressStore::rowTexts(const AddressRecord &record) const
{
    return {decimal("%03d", record.memoryNumber),
            fieldText(record.name),
            fieldText(record.reading),
            fieldText(record.phones[0].number),
            iconText(PhoneIconList, record.phones[0].icon),
            fieldText(record.mails[0].address),
            iconText(MailIconList, record.mails[0].icon),
            record.groupNumber == -1 ? std::string() : m_groups.nameOfNumber(record.groupNumber),
            fieldText(record.postalCode),
            fieldText(record.postalAddress),
            fieldText(record.note)};
}

void AddressStore::writeRow(int position, int index)
{
    m_rows.setRow(position, index, rowTexts(m_records[static_cast<size_t>(index)]));
}

int AddressStore::ShowRecordRow(int position, int index)
{
    if (index < 0 || index >= RecordCount() || !isLive(index)
        || !PassesAddressFilter(m_filter, m_records[static_cast<size_t>(index)]))
        return -1;
    if (position < 0 || position > RowCount())
        position = RowCount();
    writeRow(position, index);
    return position;
}

void AddressStore::rebuildRows()
{
    m_rows.clear();
    for (int i = 0; i < RecordCount(); ++i)
        ShowRecordRow(-1, i);
}

void AddressStore::RefreshAllRows()
{
    rebuildRows();
    RefreshGroupColumn();
}

void AddressStore::RefreshGroupColumn()
{
    for (int row = 0; row < RowCount(); ++row) {
        const AddressRecord *shown = record(m_rows.indexAt(row));
        if (!shown)
            continue;
        const int group = shown->groupNumber == -1 ? 0 : shown->groupNumber;
        m_rows.setText(row, GroupColumn, m_groups.nameOfNumber(group));
    }
    m_rows.sort();
}

void AddressStore::SetSortColumn(int column)
{
    m_rows.clickColumn(column);
}

void AddressStore::ResetData()
{
    m_records.clear();
    m_rows.clear();
    m_groups.clear();
    m_modified = false;
    RebuildGroupTree();
}

std::vector<unsigned char> AddressStore::BuildPcBlock(uint32_t pluginCode) const
{
    return buildPcImage(AddressPcFile, m_records.data(), m_records.size(), pluginCode);
}

int AddressStore::LoadPcBlock(const void *block, size_t size, uint32_t pluginCode)
{
    PcImageRecords records;
    const PcImageCheck check = checkPcImage(AddressPcFile, block, size, pluginCode, records);
    if (check != PcImageCheck::Accepted)
        return static_cast<int>(check);
    m_records.clear();
    m_rows.clear();
    for (uint32_t i = 0; i < records.count; ++i)
        MergeRecords(records.first + size_t{i} * RecordSize, true, false, false);
    RefreshAllRows();
    m_modified = false;
    return -1;
}

void *AddressStore::BuildCardChain() const
{
    if (RowCount() <= 0)
        return nullptr;
    auto *places = static_cast<AddressRecord *>(
        AllocateDataBlock(static_cast<size_t>(RowCount()) + 1, RecordSize));
    if (!places)
        return nullptr;
    int placed = 0;
    AddressRecord *previous = nullptr;
    const auto place = [&](int index) {
        AddressRecord &target = places[placed++];
        GetRecord(index, target);
        writeHeader(target);
        ChainRecords(previous, &target);
        SetRecordLink(&target, RECORD_LINK_NEXT, nullptr);
        previous = &target;
    };
    if (const int owner = ownerSlot(); owner >= 0)
        place(owner);
    for (int row = 0; row < RowCount(); ++row) {
        // A row marked for removal still shows until the list is rebuilt; it is not saved.
        const int index = m_rows.indexAt(row);
        if (index >= 0 && index < RecordCount() && isLive(index))
            place(index);
    }
    if (placed == 0) {
        std::free(places);
        return nullptr;
    }
    return places;
}

} // namespace views
