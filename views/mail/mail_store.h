#pragma once

// Contract for the mail view's widget-free core. The operations keep the names the mail
// view's documents give them, so the code can be traced to them.

#include "common/records.h"
#include "views/common/listed_store.h"
#include "views/mail/mail_subject.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace views {

// What a column of the message list shows.
enum class MailCell { State, From, To, Date, Subject };

// The mail without widgets: the fixed parts of the messages (MailRecord, 800 bytes each) with
// each message's text beside them, the folder on show (0 inbox, 1 outbox, 2 trash; the box
// field of a record tells its folder, 99 marks it for removal) and the rows of the message
// list as the view shows them. CMailView mirrors the rows into its widgets.
//
// Store indexes and row numbers are 0-based. Texts are Shift_JIS.
class MailStore : public ListedStore
{
public:
    static constexpr int Ceiling = 3000;
    static constexpr int Inbox = 0;
    static constexpr int Outbox = 1;
    static constexpr int Trash = 2;
    static constexpr int Removed = 99;

    MailStore();

    // The decoders of the subject column; the subjects shown so far are decoded again.
    void setCodecs(MailCodecs codecs);

    int RecordCount() const;
    // The fixed part at store index, or null outside the store.
    const MailRecord *record(int index) const;
    // The message text at store index (empty outside the store).
    const std::string &text(int index) const;
    // What the column of cell shows for the message at store index, whatever folder is on show
    // (empty outside the store).
    const std::string &cellText(int index, MailCell cell) const;
    // Whether the message at store index (inside the store) is a complete mail record; its box
    // then tells its folder.
    bool isPresent(int index) const;

    // Appends first and, with followLinks, the records chained after it through next, each
    // when it is a mail record (kind 1002, at least 800 bytes; its text is the bytes after the
    // fixed part up to a NUL, within the record's size) and, unless allowDuplicates, no
    // identical message is stored; a record in the folder on show gets a row at the end of the
    // list, selected with select. Stops at the ceiling. Returns the number appended. The
    // records may lie at any byte offset; a chain that runs in a circle appends nothing.
    int AddRecords(const void *first, bool allowDuplicates, bool followLinks, bool select);
    // Same box, same body length, and byte-equal date, from, to and subject texts.
    bool IsIdentical(const MailRecord &record) const;
    // A message in the trash is marked for removal, any other moves to the trash. The row, or
    // -1 outside the list. The rows stay as they are until Rebuild.
    int MarkRowDeleted(int row);
    // Removes the messages marked for removal with their texts; 1, or 0 when the store is
    // empty. The rows of the removed messages are dropped, the others keep theirs.
    int Purge();
    // One row per present message of the folder on show, in store order, then sorted; rows of
    // messages that stay listed keep their selection.
    void Rebuild();

    int folder() const;
    // Shows folder (0 to 2; others are ignored): its columns, every column ascending, sorted on
    // the third column, rows rebuilt without selection.
    void ChooseFolder(int folder);
    // The columns of the folder on show.
    const std::vector<MailCell> &columns() const;

    // Header click on column, then the rows are sorted by it.
    void SetSortColumn(int column);

    // Empties the store and the rows and clears the unsaved flag (the view's New).
    void ResetData();

    // PC file image ("MPC" header, the fixed part of every message as stored, then a string
    // section with each message's text in store order), written under pluginCode. Empty only
    // when the sizes do not fit the file's 32-bit words.
    std::vector<unsigned char> BuildPcBlock(uint32_t pluginCode) const;
    // Reads the size bytes at block: 0 not a mail image or damaged (a section or entry running
    // past the bytes given, sizes that do not add up, an entry without its NUL-terminated
    // text), 1 written under another plug-in than pluginCode, -1 loaded. Only -1 changes the
    // store: its messages are replaced by record i joined with text i, for i below both the
    // record and the text count, through AddRecords with duplicates allowed and no selection;
    // the rows are rebuilt and the unsaved flag cleared.
    int LoadPcBlock(const void *block, size_t size, uint32_t pluginCode);

private:
    struct Message
    {
        MailRecord fixed;
        std::string text;
        std::array<std::string, 5> cells; // by MailCell
        size_t key;                       // hash of what IsIdentical compares
    };

    void fillCells(Message &message) const;
    std::vector<std::string> rowTexts(const Message &message) const;
    bool append(const void *record, bool allowDuplicates, bool select);
    void relink();

    MailCodecs m_codecs;
    std::vector<Message> m_messages;
    int m_folder = Inbox;
};

// The state column of status 0 to 3 (taken modulo 4): "未読", "既読", "未送信", "送信済み";
// empty for a negative status.
const char *MailStateText(int32_t state);

} // namespace views
