#include "mail_store.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "views/common/pc_file_image.h"
#include "views/common/record_fields.h"
#include "views/mail/mail_date.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <string_view>

namespace views {
namespace {

constexpr uint32_t FixedSize = MAIL_RECORD_FIXED_SIZE;

const std::vector<MailCell> &folderColumns(int folder)
{
    static const std::vector<MailCell> inbox
        = {MailCell::State, MailCell::From, MailCell::Date, MailCell::Subject};
    static const std::vector<MailCell> outbox
        = {MailCell::State, MailCell::To, MailCell::Date, MailCell::Subject};
    static const std::vector<MailCell> trash
        = {MailCell::State, MailCell::From, MailCell::To, MailCell::Date, MailCell::Subject};
    return folder == MailStore::Outbox ? outbox : folder == MailStore::Trash ? trash : inbox;
}

constexpr int DateSortColumn = 2;

size_t identityKey(const MailRecord &record)
{
    size_t key = std::hash<int64_t>{}((int64_t{record.box} << 32) ^ uint32_t(record.bodyLength));
    for (std::string_view text :
         {std::string_view(record.date, strnlen(record.date, sizeof record.date)),
          std::string_view(record.from, strnlen(record.from, sizeof record.from)),
          std::string_view(record.to, strnlen(record.to, sizeof record.to)),
          std::string_view(record.subject, strnlen(record.subject, sizeof record.subject))})
        key = key * 1000003u ^ std::hash<std::string_view>{}(text);
    return key;
}

bool identical(const MailRecord &a, const MailRecord &b)
{
    return a.box == b.box && a.bodyLength == b.bodyLength && sameFieldText(a.date, b.date)
           && sameFieldText(a.from, b.from) && sameFieldText(a.to, b.to)
           && sameFieldText(a.subject, b.subject);
}

// The string section after the records of a mail file, holding one text per message.
struct StringSection
{
    char type[4];
    uint32_t signature;
    uint32_t headerSize;
    uint32_t entryKind;
    uint32_t entriesEnd; // 32 + entriesSize, from the section start
    uint32_t entriesSize;
    uint32_t count;
    uint32_t pluginCode;
};
static_assert(sizeof(StringSection) == 32);

// The head of one entry of the string section; the NUL-terminated text follows it.
struct StringEntry
{
    uint32_t signature;
    uint32_t size; // 24 + textSize
    uint32_t kind;
    uint32_t reserved[2];
    uint32_t textSize; // text length + 1
};
static_assert(sizeof(StringEntry) == 24);

constexpr char SectionType[4] = "STR";
constexpr uint32_t SectionSignature = 0x10002;
constexpr uint32_t TextKind = 301;

template<typename T>
void appendBytes(std::vector<unsigned char> &image, const T &value)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(&value);
    image.insert(image.end(), bytes, bytes + sizeof value);
}

// The texts of the string section at section, which has available bytes after it; false when
// the section is not one or is damaged. The texts point into the section.
bool readTexts(const unsigned char *section, size_t available, std::vector<std::string_view> &texts)
{
    StringSection head;
    if (available < sizeof head)
        return false;
    std::memcpy(&head, section, sizeof head);
    // In 64 bits, so that no product or sum wraps around; every entry holds at least a NUL.
    if (std::memcmp(head.type, SectionType, sizeof head.type) != 0 || head.headerSize != sizeof head
        || head.signature != SectionSignature || head.entryKind != TextKind
        || uint64_t{head.entriesEnd} != uint64_t{head.entriesSize} + sizeof head
        || head.entriesEnd > available
        || uint64_t{head.count} * (sizeof(StringEntry) + 1) > head.entriesSize)
        return false;
    size_t offset = sizeof head;
    for (uint32_t i = 0; i < head.count; ++i) {
        StringEntry entry;
        if (head.entriesEnd - offset < sizeof entry)
            return false;
        std::memcpy(&entry, section + offset, sizeof entry);
        const char *text = reinterpret_cast<const char *>(section + offset + sizeof entry);
        if (entry.size <= sizeof entry || entry.size > head.entriesEnd - offset
            || uint64_t{entry.textSize} + sizeof entry != entry.size
            || !std::memchr(text, '\0', entry.textSize))
            return false;
        texts.emplace_back(text, std::strlen(text));
        offset += entry.size;
    }
    return offset == head.entriesEnd;
}

} // namespace

const char *MailStateText(int32_t state)
{
    if (state < 0)
        return "";
    static const char *const texts[]
        = {sjis("未読"), sjis("既読"), sjis("未送信"), sjis("送信済み")};
    return texts[state % 4];
}

MailStore::MailStore()
    : ListedStore(static_cast<int>(folderColumns(Inbox).size()))
{
    ChooseFolder(Inbox);
}

void MailStore::setCodecs(MailCodecs codecs)
{
    m_codecs = std::move(codecs);
    for (Message &message : m_messages)
        fillCells(message);
    Rebuild();
}

int MailStore::RecordCount() const
{
    return static_cast<int>(m_messages.size());
}

const MailRecord *MailStore::record(int index) const
{
    return index >= 0 && index < RecordCount() ? &m_messages[size_t(index)].fixed : nullptr;
}

const std::string &MailStore::text(int index) const
{
    static const std::string empty;
    return index >= 0 && index < RecordCount() ? m_messages[size_t(index)].text : empty;
}

const std::string &MailStore::cellText(int index, MailCell cell) const
{
    static const std::string empty;
    return index >= 0 && index < RecordCount() ? m_messages[size_t(index)].cells[size_t(cell)]
                                               : empty;
}

bool MailStore::isPresent(int index) const
{
    const RecordHeader &header = m_messages[size_t(index)].fixed.header;
    return header.version == RECORD_VERSION_MAIL && header.size >= FixedSize
           && header.kind == KIND_MAIL && (header.prev != 0 || header.next != 0);
}

void MailStore::fillCells(Message &message) const
{
    const MailRecord &fixed = message.fixed;
    message.cells = {MailStateText(fixed.state), fieldText(fixed.from), fieldText(fixed.to),
                     MailDateText(fieldText(fixed.date)),
                     MailSubjectText(fieldText(fixed.subject), m_codecs)};
}

std::vector<std::string> MailStore::rowTexts(const Message &message) const
{
    std::vector<std::string> texts;
    for (MailCell cell : columns())
        texts.push_back(message.cells[size_t(cell)]);
    return texts;
}

void MailStore::relink()
{
    for (size_t i = 0; i < m_messages.size(); ++i) {
        setSlotLinks(m_messages[i].fixed.header, i, FixedSize);
    }
}

bool MailStore::append(const void *record, bool allowDuplicates, bool select)
{
    RecordHeader header;
    std::memcpy(&header, record, sizeof header);
    if (header.kind != KIND_MAIL || header.size < FixedSize)
        return false;
    Message message;
    std::memcpy(&message.fixed, record, FixedSize);
    MailRecord &fixed = message.fixed;
    terminateField(fixed.from);
    terminateField(fixed.to);
    terminateField(fixed.subject);
    terminateField(fixed.date);
    message.key = identityKey(fixed);
    if (!allowDuplicates && IsIdentical(fixed))
        return false;
    const char *body = static_cast<const char *>(record) + FixedSize;
    message.text.assign(body, strnlen(body, header.size - FixedSize));
    fixed.header.version = RECORD_VERSION_MAIL;
    fixed.header.kind = KIND_MAIL;
    const auto index = static_cast<int>(m_messages.size());
    setSlotLinks(fixed.header, size_t(index), FixedSize);
    fillCells(message);
    m_messages.push_back(std::move(message));
    m_modified = true;
    if (m_messages.back().fixed.box == m_folder) {
        const int row = m_rows.setRow(-1, index, rowTexts(m_messages.back()));
        m_rows.setSelected(row, select);
    }
    return true;
}

int MailStore::AddRecords(const void *first, bool allowDuplicates, bool followLinks, bool select)
{
    if (!first || (followLinks && ChainLength(first) == SIZE_MAX))
        return 0;
    int added = 0;
    for (const void *link = first; link && RecordCount() < Ceiling;
         link = followLinks ? RecordLink(link, RECORD_LINK_NEXT) : nullptr) {
        if (append(link, allowDuplicates, select))
            ++added;
    }
    return added;
}

bool MailStore::IsIdentical(const MailRecord &record) const
{
    const size_t key = identityKey(record);
    for (int i = 0; i < RecordCount(); ++i) {
        const Message &stored = m_messages[size_t(i)];
        if (stored.key == key && isPresent(i) && identical(stored.fixed, record))
            return true;
    }
    return false;
}

int MailStore::MarkRowDeleted(int row)
{
    const int index = m_rows.indexAt(row);
    if (index < 0 || index >= RecordCount())
        return -1;
    Message &message = m_messages[size_t(index)];
    message.fixed.box = message.fixed.box == Trash ? Removed : Trash;
    message.key = identityKey(message.fixed);
    m_modified = RecordCount() > 0;
    return row;
}

int MailStore::Purge()
{
    if (m_messages.empty())
        return 0;
    std::vector<int> newIndex(m_messages.size(), -1);
    size_t kept = 0;
    for (size_t i = 0; i < m_messages.size(); ++i) {
        if (m_messages[i].fixed.box == Removed)
            continue;
        newIndex[i] = static_cast<int>(kept);
        if (kept != i)
            m_messages[kept] = std::move(m_messages[i]);
        ++kept;
    }
    m_messages.resize(kept);
    m_rows.remapIndexes(newIndex);
    relink();
    m_modified = !m_messages.empty();
    return 1;
}

void MailStore::Rebuild()
{
    std::vector<bool> selected(m_messages.size(), false);
    for (int row : m_rows.selectedRows()) {
        const int index = m_rows.indexAt(row);
        if (index >= 0 && index < RecordCount())
            selected[size_t(index)] = true;
    }
    m_rows.clear();
    for (int i = 0; i < RecordCount(); ++i) {
        const Message &message = m_messages[size_t(i)];
        if (!isPresent(i) || message.fixed.box != m_folder)
            continue;
        const int row = m_rows.setRow(-1, i, rowTexts(message));
        m_rows.setSelected(row, selected[size_t(i)]);
    }
    m_rows.sort();
}

int MailStore::folder() const
{
    return m_folder;
}

void MailStore::ChooseFolder(int folder)
{
    if (folder < Inbox || folder > Trash)
        return;
    m_folder = folder;
    m_rows = ListRows(static_cast<int>(columns().size()));
    m_rows.clickColumn(DateSortColumn);
    Rebuild();
}

const std::vector<MailCell> &MailStore::columns() const
{
    return folderColumns(m_folder);
}

void MailStore::SetSortColumn(int column)
{
    m_rows.clickColumn(column);
    m_rows.sort();
}

void MailStore::ResetData()
{
    m_messages.clear();
    m_rows.clear();
    m_modified = false;
}

std::vector<unsigned char> MailStore::BuildPcBlock(uint32_t pluginCode) const
{
    std::vector<MailRecord> records;
    uint64_t entriesSize = 0;
    for (const Message &message : m_messages) {
        records.push_back(message.fixed);
        entriesSize += sizeof(StringEntry) + message.text.size() + 1;
    }
    std::vector<unsigned char> image
        = buildPcImage(MailPcFile, records.data(), records.size(), pluginCode);
    if (image.empty()
        || image.size() + sizeof(StringSection) + entriesSize
               > std::numeric_limits<uint32_t>::max())
        return {};
    StringSection section{};
    std::memcpy(section.type, SectionType, sizeof section.type);
    section.signature = SectionSignature;
    section.headerSize = sizeof section;
    section.entryKind = TextKind;
    section.entriesEnd = static_cast<uint32_t>(sizeof section + entriesSize);
    section.entriesSize = static_cast<uint32_t>(entriesSize);
    section.count = static_cast<uint32_t>(m_messages.size());
    section.pluginCode = pluginCode;
    image.reserve(image.size() + section.entriesEnd);
    appendBytes(image, section);
    for (const Message &message : m_messages) {
        const auto textSize = static_cast<uint32_t>(message.text.size() + 1);
        appendBytes(image,
                    StringEntry{.signature = SectionSignature,
                                .size = static_cast<uint32_t>(sizeof(StringEntry) + textSize),
                                .kind = TextKind,
                                .reserved = {0, 0},
                                .textSize = textSize});
        image.insert(image.end(), message.text.begin(), message.text.end());
        image.push_back('\0');
    }
    return image;
}

int MailStore::LoadPcBlock(const void *block, size_t size, uint32_t pluginCode)
{
    PcImageRecords records;
    const PcImageCheck check = checkPcImage(MailPcFile, block, size, pluginCode, records);
    if (check != PcImageCheck::Accepted)
        return static_cast<int>(check);
    const size_t sectionOffset = sizeof(PcFileHeader) + size_t{records.count} * FixedSize;
    std::vector<std::string_view> texts;
    if (!readTexts(static_cast<const unsigned char *>(block) + sectionOffset, size - sectionOffset,
                   texts))
        return 0;
    m_messages.clear();
    m_rows.clear();
    // Each message goes through the merge as a record with its text behind the fixed part,
    // sized to hold the whole text.
    std::vector<char> work;
    const size_t taken = std::min(size_t{records.count}, texts.size());
    for (size_t i = 0; i < taken; ++i) {
        work.assign(FixedSize + texts[i].size() + 1, '\0');
        std::memcpy(work.data(), records.first + i * FixedSize, FixedSize);
        const auto recordSize = static_cast<uint32_t>(work.size());
        std::memcpy(work.data() + offsetof(RecordHeader, size), &recordSize, sizeof recordSize);
        std::memcpy(work.data() + FixedSize, texts[i].data(), texts[i].size());
        AddRecords(work.data(), true, false, false);
    }
    Rebuild();
    m_modified = false;
    return -1;
}

} // namespace views
