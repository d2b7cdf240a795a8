#include "mail_store.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "views/common/record_fields.h"
#include "views/mail/mail_date.h"

#include <cstdint>
#include <cstring>
#include <functional>

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
        RecordHeader &header = m_messages[i].fixed.header;
        header.prev = static_cast<int32_t>(i > 0 ? (i - 1) * FixedSize : 0);
        header.next = static_cast<int32_t>((i + 1) * FixedSize);
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
    const auto index = static_cast<int32_t>(m_messages.size());
    fixed.header.prev = index > 0 ? (index - 1) * int32_t(FixedSize) : 0;
    fixed.header.next = (index + 1) * int32_t(FixedSize);
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

} // namespace views
