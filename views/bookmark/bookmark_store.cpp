#include "bookmark_store.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "views/common/pc_file_image.h"
#include "views/common/record_fields.h"

#include <cctype>
#include <cstring>

namespace views {
namespace {

constexpr uint32_t RecordSize = sizeof(BookmarkRecord);
constexpr int FolderColumn = 2;
constexpr size_t UrlReadLength = 1023;
constexpr char NewBookmarkUrl[] = "http://";

void writeHeader(BookmarkRecord &record)
{
    record.header.version = RECORD_VERSION_BOOKMARK;
    record.header.size = RecordSize;
    record.header.kind = KIND_BOOKMARK;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    }
    return true;
}

} // namespace

bool IsOpenableBookmarkUrl(std::string_view url)
{
    return startsWithNoCase(url, "http://") || startsWithNoCase(url, "https://");
}

BookmarkStore::BookmarkStore()
    : ListedStore(ColumnCount)
{
}

int BookmarkStore::RecordCount() const
{
    return static_cast<int>(m_records.size());
}

bool BookmarkStore::isLive(int index) const
{
    const RecordHeader &header = m_records[size_t(index)].header;
    return header.size == RecordSize && header.version == RECORD_VERSION_BOOKMARK
           && header.kind == KIND_BOOKMARK && (header.prev != 0 || header.next != 0);
}

int BookmarkStore::GetRecord(int index, BookmarkRecord &out) const
{
    if (index >= 0 && index < RecordCount()) {
        out = m_records[size_t(index)];
        const int folder = out.folderNumber == -1 ? 0 : out.folderNumber;
        setFieldText(out.folder, m_groups.nameOfNumber(folder));
        return 1;
    }
    out = BookmarkRecord{};
    writeHeader(out);
    out.folderNumber = -1;
    setFieldText(out.url, NewBookmarkUrl);
    return 0;
}

int BookmarkStore::StoreRecord(int slot, const BookmarkRecord *record)
{
    if (slot < 0) {
        slot = -1;
        for (int i = 0; i < RecordCount() && slot < 0; ++i) {
            if (!isLive(i))
                slot = i;
        }
    }
    if (slot < 0 || slot >= RecordCount() || slot >= Ceiling)
        return -1;
    BookmarkRecord &stored = m_records[size_t(slot)];
    writeHeader(stored);
    stored.header.prev = 0;
    stored.header.next = 0;
    if (!record)
        return slot;
    if (record->header.kind != KIND_BOOKMARK)
        return -1;
    stored.folderNumber = record->folderNumber;
    std::memcpy(stored.folder, record->folder, sizeof stored.folder);
    std::memcpy(stored.title, record->title, sizeof stored.title);
    std::memcpy(stored.url, record->url, sizeof stored.url);
    terminateField(stored.folder);
    terminateField(stored.title);
    terminateField(stored.url);
    setSlotLinks(stored.header, size_t(slot), RecordSize);
    m_groups.registerGroup(fieldText(stored.folder), stored.folderNumber);
    return slot;
}

int BookmarkStore::AppendRecord(const BookmarkRecord &record)
{
    if (record.header.kind != KIND_BOOKMARK || RecordCount() >= Ceiling)
        return 0;
    m_records.emplace_back();
    if (StoreRecord(RecordCount() - 1, &record) < 0) {
        m_records.pop_back();
        return 0;
    }
    return 1;
}

int BookmarkStore::ReplaceRecord(int index, const BookmarkRecord &record)
{
    if (index < 0 || index >= RecordCount() || record.header.version != RECORD_VERSION_BOOKMARK
        || record.header.size != RecordSize || record.header.kind != KIND_BOOKMARK)
        return -1;
    if (StoreRecord(index, &record) < 0)
        return -1;
    m_modified = true;
    if (const int row = m_rows.rowOf(index); row >= 0)
        writeRow(row, index);
    return index;
}

int BookmarkStore::MergeRecords(const void *first, bool allowDuplicates, bool followChain,
                                bool selectNew)
{
    if (!first || (followChain && ChainLength(first) == SIZE_MAX))
        return 0;
    int added = 0;
    for (const void *link = first; link;
         link = followChain ? RecordLink(link, RECORD_LINK_NEXT) : nullptr) {
        RecordHeader header;
        std::memcpy(&header, link, sizeof header);
        if (header.kind != KIND_BOOKMARK || header.size != RecordSize)
            continue;
        BookmarkRecord record;
        std::memcpy(&record, link, sizeof record);
        terminateField(record.folder);
        if ((!allowDuplicates && IsDuplicate(record)) || !AppendRecord(record))
            continue;
        m_modified = true;
        const BookmarkRecord &stored = m_records.back();
        const int row = m_rows.setRow(
            -1, RecordCount() - 1,
            {fieldText(stored.title), fieldText(stored.url), fieldText(record.folder)});
        m_rows.setSelected(row, selectNew);
        ++added;
    }
    return added;
}

bool BookmarkStore::IsDuplicate(const BookmarkRecord &record) const
{
    for (int i = 0; i < RecordCount(); ++i) {
        const BookmarkRecord &stored = m_records[size_t(i)];
        if (isLive(i) && sameFieldText(stored.title, record.title)
            && sameFieldText(stored.url, record.url) && sameFieldText(stored.folder, record.folder))
            return true;
    }
    return false;
}

int BookmarkStore::MarkRowDeleted(int row)
{
    const int index = m_rows.indexAt(row);
    if (index < 0 || index >= RecordCount())
        return -1;
    m_records[size_t(index)].header.kind = 0;
    m_modified = RecordCount() > 0;
    return index;
}

int BookmarkStore::RemoveRecord(int index, bool physical)
{
    std::vector<bool> drop(m_records.size());
    if (index == -1 && !physical) {
        for (size_t i = 0; i < m_records.size(); ++i)
            drop[i] = m_records[i].header.kind == 0;
    } else if (index < 0 || index >= RecordCount()) {
        return 0;
    } else if (!physical) {
        m_records[size_t(index)].header.kind = 0;
        return 1;
    } else if (m_records[size_t(index)].header.kind != 0) {
        return 0;
    } else {
        drop[size_t(index)] = true;
    }
    std::vector<int> newIndex(m_records.size(), -1);
    size_t kept = 0;
    for (size_t i = 0; i < m_records.size(); ++i) {
        if (drop[i])
            continue;
        newIndex[i] = static_cast<int>(kept);
        m_records[kept] = m_records[i];
        BookmarkRecord &moved = m_records[kept];
        setSlotLinks(moved.header, kept, RecordSize);
        ++kept;
    }
    m_records.resize(kept);
    m_rows.remapIndexes(newIndex);
    m_modified = RecordCount() > 0;
    return 1;
}

const BookmarkRecord *BookmarkStore::record(int index) const
{
    return index >= 0 && index < RecordCount() ? &m_records[size_t(index)] : nullptr;
}

GroupTable &BookmarkStore::groups()
{
    return m_groups;
}

const GroupTable &BookmarkStore::groups() const
{
    return m_groups;
}

std::vector<std::string> BookmarkStore::rowTexts(const BookmarkRecord &record) const
{
    return {fieldText(record.title), fieldText(record.url), fieldText(record.folder)};
}

void BookmarkStore::writeRow(int position, int index)
{
    m_rows.setRow(position, index, rowTexts(m_records[size_t(index)]));
}

void BookmarkStore::RefreshAllRows()
{
    std::vector<bool> selected(m_records.size(), false);
    for (int row : m_rows.selectedRows()) {
        const int index = m_rows.indexAt(row);
        if (index >= 0 && index < RecordCount())
            selected[size_t(index)] = true;
    }
    m_rows.clear();
    for (int i = 0; i < RecordCount(); ++i) {
        writeRow(-1, i);
        m_rows.setSelected(i, selected[size_t(i)]);
    }
    RefreshFolderColumn();
}

void BookmarkStore::RefreshFolderColumn()
{
    for (int row = 0; row < RowCount(); ++row) {
        const BookmarkRecord *shown = record(m_rows.indexAt(row));
        if (!shown)
            continue;
        const int folder = shown->folderNumber == -1 ? 0 : shown->folderNumber;
        m_rows.setText(row, FolderColumn, m_groups.nameOfNumber(folder));
    }
    m_rows.sort();
}

void BookmarkStore::SetSortColumn(int column)
{
    m_rows.clickColumn(column);
}

void BookmarkStore::ResetData()
{
    m_records.clear();
    m_rows.clear();
    m_groups.clear();
    m_modified = false;
}

std::vector<unsigned char> BookmarkStore::BuildPcBlock(uint32_t pluginCode) const
{
    return buildPcImage(BookmarkPcFile, m_records.data(), m_records.size(), pluginCode);
}

int BookmarkStore::LoadPcBlock(const void *block, size_t size, uint32_t pluginCode)
{
    PcImageRecords records;
    const PcImageCheck check = checkPcImage(BookmarkPcFile, block, size, pluginCode, records);
    if (check != PcImageCheck::Accepted)
        return static_cast<int>(check);
    m_records.clear();
    m_rows.clear();
    for (uint32_t i = 0; i < records.count; ++i)
        MergeRecords(records.first + size_t{i} * RecordSize, true, false, false);
    m_modified = false;
    return -1;
}

void *BookmarkStore::BuildCardChain() const
{
    if (RowCount() <= 0)
        return nullptr;
    auto *chain = static_cast<BookmarkRecord *>(AllocateDataBlock(size_t(RowCount()), RecordSize));
    if (!chain)
        return nullptr;
    BookmarkRecord *previous = nullptr;
    for (int row = 0; row < RowCount(); ++row) {
        BookmarkRecord &target = chain[row];
        writeHeader(target);
        setFieldText(target.title, m_rows.text(row, 0));
        setFieldText(target.url, m_rows.text(row, 1));
        setFieldText(target.folder, m_rows.text(row, FolderColumn));
        // Some models write the folder by its number, so a chain without numbers would put
        // every bookmark into folder 0 on the phone.
        if (const BookmarkRecord *stored = record(m_rows.indexAt(row)))
            target.folderNumber = stored->folderNumber;
        ChainRecords(previous, &target);
        previous = &target;
    }
    return chain;
}

std::optional<std::string> BookmarkStore::OpenBookmarkUrl() const
{
    const std::vector<int> selected = m_rows.selectedRows();
    if (selected.empty())
        return std::nullopt;
    const std::string url = m_rows.text(selected.front(), 1).substr(0, UrlReadLength);
    if (!IsOpenableBookmarkUrl(url))
        return std::nullopt;
    return url;
}

} // namespace views
