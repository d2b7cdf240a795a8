#pragma once

/*
 * The interchange records: what the plug-ins produce and consume, the views store and the PC
 * data files carry. The layouts are fixed byte for byte (little-endian integers, 32-bit links)
 * because files written by earlier releases must read back; every size and offset is checked
 * below. All text fields are NUL-terminated Shift_JIS; a field of N bytes holds at most N - 1
 * bytes of text.
 *
 * C-compatible: the header compiles as C11 and as C++.
 */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define CELLVANE_LAYOUT_CHECK(condition, message) static_assert(condition, message)
#else
#define CELLVANE_LAYOUT_CHECK(condition, message) _Static_assert(condition, message)
#endif

/* Format words in RecordHeader.version. */
#define RECORD_VERSION_INFORM 0x10000u
#define RECORD_VERSION_BOOKMARK 0x10001u
#define RECORD_VERSION_ADDRESS 0x10002u
#define RECORD_VERSION_MAIL 0x10002u
#define RECORD_VERSION_SCHEDULE 0x10003u

/*
 * Opens every record and every inform block. prev and next link the records of a chain: each
 * holds the signed byte distance from this record to the linked one, 0 for none. Read and write
 * them only through RecordLink and SetRecordLink (data_block.h).
 */
typedef struct RecordHeader
{
    uint32_t version;
    uint32_t size; /* bytes of this record (mail: 800 + body length) */
    uint32_t kind; /* data-kind code, or the inform-table type */
    int32_t prev;
    int32_t next;
} RecordHeader;

CELLVANE_LAYOUT_CHECK(sizeof(RecordHeader) == 20, "RecordHeader size");
CELLVANE_LAYOUT_CHECK(offsetof(RecordHeader, size) == 4, "RecordHeader.size");
CELLVANE_LAYOUT_CHECK(offsetof(RecordHeader, kind) == 8, "RecordHeader.kind");
CELLVANE_LAYOUT_CHECK(offsetof(RecordHeader, prev) == 12, "RecordHeader.prev");
CELLVANE_LAYOUT_CHECK(offsetof(RecordHeader, next) == 16, "RecordHeader.next");

/* The memory number of the phone owner's own entry, the OwnerRecord. */
#define OWNER_MEMORY_NUMBER 99999

#define ADDRESS_PHONE_SLOTS 4
#define ADDRESS_MAIL_SLOTS 4

typedef struct PhoneSlot
{
    char number[64];
    int32_t icon; /* index into option list 201 */
} PhoneSlot;

typedef struct MailSlot
{
    char address[128];
    int32_t icon; /* index into option list 202 */
} MailSlot;

typedef struct AddressRecord
{
    RecordHeader header;  /* version RECORD_VERSION_ADDRESS, size 1552, kind 1001 */
    int32_t memoryNumber; /* OWNER_MEMORY_NUMBER marks the OwnerRecord */
    char groupName[64];
    int32_t groupNumber; /* -1 = none */
    char name[64];
    char reading[64];
    char postalCode[16];
    char postalAddress[256];
    PhoneSlot phones[ADDRESS_PHONE_SLOTS];
    MailSlot mails[ADDRESS_MAIL_SLOTS];
    /* Illumination colours (P505i): byte 0 mail index, byte 1 phone index, into list 203. */
    int32_t illumination;
    char note[256];
} AddressRecord;

CELLVANE_LAYOUT_CHECK(sizeof(PhoneSlot) == 68, "PhoneSlot size");
CELLVANE_LAYOUT_CHECK(sizeof(MailSlot) == 132, "MailSlot size");
CELLVANE_LAYOUT_CHECK(sizeof(AddressRecord) == 1552, "AddressRecord size");
CELLVANE_LAYOUT_CHECK(offsetof(AddressRecord, memoryNumber) == 20, "AddressRecord.memoryNumber");
CELLVANE_LAYOUT_CHECK(offsetof(AddressRecord, groupName) == 24, "AddressRecord.groupName");
CELLVANE_LAYOUT_CHECK(offsetof(AddressRecord, groupNumber) == 88, "AddressRecord.groupNumber");
CELLVANE_LAYOUT_CHECK(offsetof(AddressRecord, name) == 92, "AddressRecord.name");
CELLVANE_LAYOUT_CHECK(offsetof(AddressRecord, reading) == 156, "AddressRecord.reading");
CELLVANE_LAYOUT_CHECK(offsetof(AddressRecord, postalCode) == 220, "AddressRecord.postalCode");
CELLVANE_LAYOUT_CHECK(offsetof(AddressRecord, postalAddress) == 236, "AddressRecord.postalAddress");
CELLVANE_LAYOUT_CHECK(offsetof(AddressRecord, phones) == 492, "AddressRecord.phones");
CELLVANE_LAYOUT_CHECK(offsetof(AddressRecord, mails) == 764, "AddressRecord.mails");
CELLVANE_LAYOUT_CHECK(offsetof(AddressRecord, illumination) == 1292, "AddressRecord.illumination");
CELLVANE_LAYOUT_CHECK(offsetof(AddressRecord, note) == 1296, "AddressRecord.note");

/* Repeat rules of ScheduleRecord.repeatRule. */
enum ScheduleRepeat {
    REPEAT_NONE = 0,
    REPEAT_DAILY = 1,
    REPEAT_WEEKLY = 2,
    REPEAT_MONTHLY = 3,
    REPEAT_YEARLY = 4
};

typedef struct ScheduleRecord
{
    RecordHeader header; /* version RECORD_VERSION_SCHEDULE, size 664, kind 1003 */
    char start[24];      /* date-time texts as the card file holds them */
    char end[24];
    char alarm[24]; /* empty: no alarm */
    char lastModified[24];
    char summary[130];
    char description[258];
    char location[132];
    int32_t repeatRule; /* enum ScheduleRepeat */
    int32_t repeatCount;
    int32_t weekdays;    /* weekday bit set of a weekly rule, low 16 bits */
    int32_t icon;        /* index into option list 401 */
    int32_t alarmTone;   /* index into option list 403 */
    int32_t alarmVolume; /* index into option list 402 */
    int32_t allDay;      /* 1 = all-day entry */
} ScheduleRecord;

CELLVANE_LAYOUT_CHECK(sizeof(ScheduleRecord) == 664, "ScheduleRecord size");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, start) == 20, "ScheduleRecord.start");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, end) == 44, "ScheduleRecord.end");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, alarm) == 68, "ScheduleRecord.alarm");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, lastModified) == 92, "ScheduleRecord.lastModified");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, summary) == 116, "ScheduleRecord.summary");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, description) == 246, "ScheduleRecord.description");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, location) == 504, "ScheduleRecord.location");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, repeatRule) == 636, "ScheduleRecord.repeatRule");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, repeatCount) == 640, "ScheduleRecord.repeatCount");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, weekdays) == 644, "ScheduleRecord.weekdays");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, icon) == 648, "ScheduleRecord.icon");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, alarmTone) == 652, "ScheduleRecord.alarmTone");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, alarmVolume) == 656, "ScheduleRecord.alarmVolume");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleRecord, allDay) == 660, "ScheduleRecord.allDay");

/* MailRecord.state bits. */
#define MAIL_STATE_READ 0x1
#define MAIL_STATE_OTHER_BOX 0x2

/*
 * The fixed part of a mail record; bodyLength bytes of body (the whole message, lines joined
 * with CR LF, NUL-terminated) follow it directly, so header.size = 800 + bodyLength. Mail records
 * follow each other without gaps and may start at any byte offset: read a record that is not
 * 4-byte aligned by copying it out (memcpy), not through a MailRecord pointer.
 */
typedef struct MailRecord
{
    RecordHeader header; /* version RECORD_VERSION_MAIL, kind 1002 */
    int32_t box;         /* 0 = received box, 1 = any other box */
    int32_t state;       /* MAIL_STATE_* bits */
    char from[128];
    char to[256];
    char subject[256];
    char date[128];
    int32_t bodyLength; /* body bytes including the terminating NUL */
} MailRecord;

#define MAIL_RECORD_FIXED_SIZE 800

CELLVANE_LAYOUT_CHECK(sizeof(MailRecord) == MAIL_RECORD_FIXED_SIZE, "MailRecord size");
CELLVANE_LAYOUT_CHECK(offsetof(MailRecord, box) == 20, "MailRecord.box");
CELLVANE_LAYOUT_CHECK(offsetof(MailRecord, state) == 24, "MailRecord.state");
CELLVANE_LAYOUT_CHECK(offsetof(MailRecord, from) == 28, "MailRecord.from");
CELLVANE_LAYOUT_CHECK(offsetof(MailRecord, to) == 156, "MailRecord.to");
CELLVANE_LAYOUT_CHECK(offsetof(MailRecord, subject) == 412, "MailRecord.subject");
CELLVANE_LAYOUT_CHECK(offsetof(MailRecord, date) == 668, "MailRecord.date");
CELLVANE_LAYOUT_CHECK(offsetof(MailRecord, bodyLength) == 796, "MailRecord.bodyLength");

typedef struct BookmarkRecord
{
    RecordHeader header; /* version RECORD_VERSION_BOOKMARK, size 932, kind 1000 */
    char title[260];
    char url[516];
    char folder[132];
    int32_t folderNumber; /* -1 = no folder */
} BookmarkRecord;

CELLVANE_LAYOUT_CHECK(sizeof(BookmarkRecord) == 932, "BookmarkRecord size");
CELLVANE_LAYOUT_CHECK(offsetof(BookmarkRecord, title) == 20, "BookmarkRecord.title");
CELLVANE_LAYOUT_CHECK(offsetof(BookmarkRecord, url) == 280, "BookmarkRecord.url");
CELLVANE_LAYOUT_CHECK(offsetof(BookmarkRecord, folder) == 796, "BookmarkRecord.folder");
CELLVANE_LAYOUT_CHECK(offsetof(BookmarkRecord, folderNumber) == 928, "BookmarkRecord.folderNumber");
