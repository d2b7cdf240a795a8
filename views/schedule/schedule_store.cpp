#include "schedule_store.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/inform_blocks.h"
#include "common/sjis_literal.h"
#include "views/common/pc_file_image.h"
#include "views/common/record_fields.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace views {
namespace {

constexpr uint32_t RecordSize = sizeof(ScheduleRecord);

void writeHeader(ScheduleRecord &record)
{
    record.header.version = RECORD_VERSION_SCHEDULE;
    record.header.size = RecordSize;
    record.header.kind = KIND_SCHEDULE;
}

bool hasScheduleHeader(const ScheduleRecord &record)
{
    return record.header.version == RECORD_VERSION_SCHEDULE && record.header.size == RecordSize
           && record.header.kind == KIND_SCHEDULE;
}

void terminateFields(ScheduleRecord &record)
{
    terminateField(record.start);
    terminateField(record.end);
    terminateField(record.alarm);
    terminateField(record.lastModified);
    terminateField(record.summary);
    terminateField(record.description);
    terminateField(record.location);
}

// The chained record at link as a ScheduleRecord, when it is one; records may lie at any byte
// offset, so it is copied out.
bool readRecord(const void *link, ScheduleRecord &out)
{
    RecordHeader header;
    std::memcpy(&header, link, sizeof header);
    if (header.kind != KIND_SCHEDULE || header.size != RecordSize)
        return false;
    std::memcpy(&out, link, sizeof out);
    terminateFields(out);
    return true;
}

std::string dayPrefix(const CalendarDate &day)
{
    char text[40];
    std::snprintf(text, sizeof text, "%4d/%02d/%02d", day.year, day.month, day.day);
    return text;
}

std::string repeatText(int32_t rule)
{
    switch (rule) {
    case REPEAT_DAILY:
        return sjis("毎日");
    case REPEAT_WEEKLY:
        return sjis("毎週");
    case REPEAT_MONTHLY:
        return sjis("毎月");
    case REPEAT_YEARLY:
        return sjis("毎年");
    default:
        return sjis("なし");
    }
}

std::string weekdaysText(int32_t weekdays)
{
    if (weekdays == 0)
        return "-";
    std::string text;
    for (int bit = 0; bit < 7; ++bit) {
        if (!(weekdays & (1 << bit)))
            continue;
        if (!text.empty())
            text += ", ";
        text += WeekdayName(bit);
    }
    return text;
}

} // namespace

ScheduleStore::ScheduleStore()
    : ListedStore(ColumnCount)
{
}

void ScheduleStore::setOptionName(OptionName optionName)
{
    m_optionName = std::move(optionName);
}

int ScheduleStore::RecordCount() const
{
    return static_cast<int>(m_records.size());
}

const ScheduleRecord *ScheduleStore::record(int index) const
{
    return index >= 0 && index < RecordCount() ? &m_records[static_cast<size_t>(index)] : nullptr;
}

bool ScheduleStore::isPresent(int index) const
{
    const ScheduleRecord &stored = m_records[static_cast<size_t>(index)];
    return hasScheduleHeader(stored) && (stored.header.prev != 0 || stored.header.next != 0);
}

int ScheduleStore::GetRecord(int index, ScheduleRecord &out, const CalendarDate &day) const
{
    if (const ScheduleRecord *stored = record(index)) {
        out = *stored;
        return 1;
    }
    out = ScheduleRecord{};
    writeHeader(out);
    const std::string midnight = FormatScheduleTime({day.year, day.month, day.day, 0, 0, 0});
    setFieldText(out.start, midnight);
    setFieldText(out.end, midnight);
    setFieldText(out.alarm, midnight);
    return 0;
}

void ScheduleStore::relink()
{
    for (size_t i = 0; i < m_records.size(); ++i) {
        setSlotLinks(m_records[i].header, i, RecordSize);
    }
}

int ScheduleStore::AddRecords(const void *first, bool allowDuplicates, bool followLinks,
                              bool select)
{
    // A chain that runs in a circle would never end: it is taken as malformed.
    if (!first || (followLinks && ChainLength(first) == SIZE_MAX))
        return 0;
    int added = 0;
    for (const void *link = first; link && RecordCount() < Capacity;
         link = followLinks ? RecordLink(link, RECORD_LINK_NEXT) : nullptr) {
        ScheduleRecord incoming;
        if (!readRecord(link, incoming))
            continue;
        if (!allowDuplicates) {
            bool stored = false;
            for (int i = 0; i < RecordCount() && !stored; ++i)
                stored = isPresent(i) && Identical(m_records[static_cast<size_t>(i)], incoming);
            if (stored)
                continue;
        }
        writeHeader(incoming);
        const auto index = static_cast<int32_t>(m_records.size());
        setSlotLinks(incoming.header, size_t(index), RecordSize);
        m_records.push_back(incoming);
        writeRow(-1, index);
        if (select)
            m_rows.setSelected(RowCount() - 1, true);
        m_modified = true;
        ++added;
    }
    return added;
}

int ScheduleStore::ReplaceRecord(int index, const ScheduleRecord &replacement)
{
    if (!record(index) || !hasScheduleHeader(replacement))
        return -1;
    ScheduleRecord &stored = m_records[static_cast<size_t>(index)];
    const RecordHeader links = stored.header;
    stored = replacement;
    terminateFields(stored);
    stored.header.prev = links.prev;
    stored.header.next = links.next;
    if (const int row = m_rows.rowOf(index); row >= 0)
        writeRow(row, index);
    m_modified = true;
    return index;
}

int ScheduleStore::MarkRowDeleted(int row)
{
    const int index = m_rows.indexAt(row);
    if (!record(index))
        return -1;
    m_records[static_cast<size_t>(index)].header.kind = 0;
    m_modified = RecordCount() > 0;
    return row;
}

int ScheduleStore::Purge()
{
    if (m_records.empty())
        return 0;
    std::vector<int> newIndex(m_records.size(), -1);
    size_t kept = 0;
    for (size_t i = 0; i < m_records.size(); ++i) {
        if (m_records[i].header.kind == 0)
            continue;
        newIndex[i] = static_cast<int>(kept);
        m_records[kept++] = m_records[i];
    }
    m_records.resize(kept);
    m_rows.remapIndexes(newIndex);
    relink();
    m_modified = !m_records.empty();
    return 1;
}

bool ScheduleStore::Identical(const ScheduleRecord &a, const ScheduleRecord &b)
{
    return sameFieldText(a.start, b.start) && sameFieldText(a.end, b.end)
           && sameFieldText(a.alarm, b.alarm) && sameFieldText(a.summary, b.summary)
           && sameFieldText(a.description, b.description) && sameFieldText(a.location, b.location)
           && a.repeatRule == b.repeatRule && a.repeatCount == b.repeatCount
           && a.weekdays == b.weekdays && a.icon == b.icon && a.alarmVolume == b.alarmVolume
           && a.allDay == b.allDay;
}

std::vector<std::string> ScheduleStore::RowCells(const ScheduleRecord &shown) const
{
    std::optional<std::string> icon;
    if (m_optionName)
        icon = m_optionName(INFORM_SCHEDULE_ICONS, shown.icon);
    if (!icon) {
        char number[16];
        std::snprintf(number, sizeof number, "%d", int(shown.icon));
        icon = number;
    }
    return {DisplayScheduleTime(fieldText(shown.start)),
            DisplayScheduleTime(fieldText(shown.end)),
            repeatText(shown.repeatRule),
            weekdaysText(shown.weekdays),
            fieldText(shown.description),
            DisplayScheduleTime(fieldText(shown.alarm)),
            *icon};
}

void ScheduleStore::writeRow(int position, int index)
{
    m_rows.setRow(position, index, RowCells(m_records[static_cast<size_t>(index)]));
}

void ScheduleStore::Rebuild()
{
    std::vector<bool> selected(m_records.size());
    for (int row : m_rows.selectedRows()) {
        if (record(m_rows.indexAt(row)))
            selected[static_cast<size_t>(m_rows.indexAt(row))] = true;
    }
    m_rows.clear();
    for (int i = 0; i < RecordCount(); ++i) {
        if (!isPresent(i))
            continue;
        const int row = m_rows.setRow(-1, i, RowCells(m_records[static_cast<size_t>(i)]));
        m_rows.setSelected(row, selected[static_cast<size_t>(i)]);
    }
    Sort();
}

void ScheduleStore::Sort()
{
    m_rows.sort();
}

void ScheduleStore::SetSortColumn(int column)
{
    m_rows.clickColumn(column);
    Sort();
}

int ScheduleStore::SelectDay(const CalendarDate &day)
{
    const std::string prefix = dayPrefix(day);
    int selected = 0;
    for (int row = 0; row < RowCount(); ++row) {
        const bool match = m_rows.text(row, StartColumn).starts_with(prefix);
        m_rows.setSelected(row, match);
        selected += match ? 1 : 0;
    }
    return selected;
}

std::optional<CalendarDate> ScheduleStore::DayOfRow(int row) const
{
    const std::string &cell = m_rows.text(row, StartColumn);
    if (cell.size() < 10)
        return std::nullopt;
    int year = 0;
    int month = 0;
    int day = 0;
    if (std::sscanf(cell.c_str(), "%d/%d/%d", &year, &month, &day) != 3 || year < 1900
        || year > 2099 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    return CalendarDate{year, month, day};
}

void ScheduleStore::ResetData()
{
    m_records.clear();
    m_rows.clear();
    m_modified = false;
}

std::vector<unsigned char> ScheduleStore::BuildPcBlock(uint32_t pluginCode) const
{
    return buildPcImage(SchedulePcFile, m_records.data(), m_records.size(), pluginCode);
}

int ScheduleStore::LoadPcBlock(const void *block, size_t size, uint32_t pluginCode)
{
    PcImageRecords records;
    const PcImageCheck check = checkPcImage(SchedulePcFile, block, size, pluginCode, records);
    if (check != PcImageCheck::Accepted)
        return static_cast<int>(check);
    ResetData();
    for (uint32_t i = 0; i < records.count; ++i)
        AddRecords(records.first + size_t{i} * RecordSize, true, false, false);
    m_modified = false;
    return -1;
}

void *ScheduleStore::CardBlock() const
{
    std::vector<int> indexes;
    for (int row = 0; row < RowCount(); ++row) {
        const int index = m_rows.indexAt(row);
        // A row marked deleted still shows until the list is rebuilt; it is not saved.
        if (record(index) && isPresent(index))
            indexes.push_back(index);
    }
    if (indexes.empty())
        return nullptr;
    auto *block = static_cast<ScheduleRecord *>(AllocateDataBlock(indexes.size(), RecordSize));
    if (!block)
        return nullptr;
    ScheduleRecord *previous = nullptr;
    for (size_t i = 0; i < indexes.size(); ++i) {
        ScheduleRecord &target = block[i];
        target = m_records[static_cast<size_t>(indexes[i])];
        writeHeader(target);
        ChainRecords(previous, &target);
        SetRecordLink(&target, RECORD_LINK_NEXT, nullptr);
        previous = &target;
    }
    return block;
}

} // namespace views
