#pragma once

/*
 * The inform blocks a plug-in answers through GetInformTable: limit tables, option entries and
 * card-file locations. Each opens with a RecordHeader whose version is RECORD_VERSION_INFORM,
 * kind the requested type, prev and next 0. Words named wordNN (NN = their offset) carry values
 * that nothing reads; they are kept so the blocks stay byte-exact.
 *
 * C-compatible: the header compiles as C11 and as C++.
 */

#include "common/records.h"

/* The type argument of GetInformTable. */
enum InformType {
    INFORM_BOOKMARK_LIMITS = 1,
    INFORM_ADDRESS_LIMITS = 2,
    INFORM_SCHEDULE_LIMITS = 4,
    INFORM_PHONE_ICONS = 201,
    INFORM_MAIL_ICONS = 202,
    INFORM_ILLUMINATIONS = 203,
    INFORM_SCHEDULE_ICONS = 401,
    INFORM_ALARM_VOLUMES = 402,
    INFORM_ALARM_TONES = 403,
    INFORM_CARD_FILE_BOOKMARK = 2000,
    INFORM_CARD_FILE_ADDRESS = 2001,
    INFORM_CARD_FILE_MAIL = 2002,
    INFORM_CARD_FILE_SCHEDULE = 2003
};

typedef struct BookmarkLimits
{
    RecordHeader header;
    int32_t word20;
    int32_t capacity; /* new bookmarks allowed while above 0 */
    int32_t word28;
    int32_t word32;
    int32_t urlLength;
    int32_t word40;
    int32_t titleLength;
    int32_t titleInputMode; /* 2 = full-width hiragana, title field focused */
    int32_t word52;
    int32_t word56;
} BookmarkLimits;

CELLVANE_LAYOUT_CHECK(sizeof(BookmarkLimits) == 60, "BookmarkLimits size");
CELLVANE_LAYOUT_CHECK(offsetof(BookmarkLimits, word20) == 20, "BookmarkLimits.word20");
CELLVANE_LAYOUT_CHECK(offsetof(BookmarkLimits, capacity) == 24, "BookmarkLimits.capacity");
CELLVANE_LAYOUT_CHECK(offsetof(BookmarkLimits, urlLength) == 36, "BookmarkLimits.urlLength");
CELLVANE_LAYOUT_CHECK(offsetof(BookmarkLimits, titleLength) == 44, "BookmarkLimits.titleLength");
CELLVANE_LAYOUT_CHECK(offsetof(BookmarkLimits, titleInputMode) == 48,
                      "BookmarkLimits.titleInputMode");
CELLVANE_LAYOUT_CHECK(offsetof(BookmarkLimits, word56) == 56, "BookmarkLimits.word56");

/* Length limits are the largest number of bytes the editor accepts in the field. */
typedef struct AddressLimits
{
    RecordHeader header;
    int32_t word20;
    int32_t capacity;             /* highest memory number + 1, and the limit on entries */
    int32_t numbersBelowCapacity; /* 1: memory numbers must lie below capacity */
    int32_t ownerRequired;        /* 1: the OwnerRecord must lead a card save */
    int32_t word36;
    int32_t word40;
    int32_t word44;
    int32_t nameLength;
    int32_t word52;
    int32_t readingLength;
    int32_t word60;
    int32_t phoneSlots;
    int32_t phoneLength;
    int32_t word72;
    int32_t word76;
    int32_t word80;
    int32_t mailSlots;
    int32_t mailLength;
    int32_t word92;
    int32_t word96;
    int32_t word100;
    int32_t postalCodeLength; /* 0 = field disabled */
    int32_t word108;
    int32_t postalAddressLength; /* 0 = field disabled */
    int32_t word116;
    int32_t noteLength; /* 0 = field disabled */
    int32_t word124;
    int32_t phoneIconChoice;
    int32_t mailIconChoice;
    int32_t phoneIlluminationChoice;
    int32_t mailIlluminationChoice;
} AddressLimits;

CELLVANE_LAYOUT_CHECK(sizeof(AddressLimits) == 144, "AddressLimits size");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, capacity) == 24, "AddressLimits.capacity");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, numbersBelowCapacity) == 28,
                      "AddressLimits.numbersBelowCapacity");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, ownerRequired) == 32, "AddressLimits.ownerRequired");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, nameLength) == 48, "AddressLimits.nameLength");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, readingLength) == 56, "AddressLimits.readingLength");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, phoneSlots) == 64, "AddressLimits.phoneSlots");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, phoneLength) == 68, "AddressLimits.phoneLength");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, mailSlots) == 84, "AddressLimits.mailSlots");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, mailLength) == 88, "AddressLimits.mailLength");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, postalCodeLength) == 104,
                      "AddressLimits.postalCodeLength");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, postalAddressLength) == 112,
                      "AddressLimits.postalAddressLength");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, noteLength) == 120, "AddressLimits.noteLength");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, phoneIconChoice) == 128,
                      "AddressLimits.phoneIconChoice");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, mailIconChoice) == 132,
                      "AddressLimits.mailIconChoice");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, phoneIlluminationChoice) == 136,
                      "AddressLimits.phoneIlluminationChoice");
CELLVANE_LAYOUT_CHECK(offsetof(AddressLimits, mailIlluminationChoice) == 140,
                      "AddressLimits.mailIlluminationChoice");

typedef struct ScheduleLimits
{
    RecordHeader header;
    int32_t word20;
    int32_t capacity;
    int32_t word28;
    int32_t word32;
    int32_t startTimeOption;
    int32_t endTimeOption;
    int32_t alarmAvailable;
    int32_t word48;
    int32_t summaryLength; /* 0 = field disabled */
    int32_t word56;
    int32_t descriptionLength;
    int32_t word64;
    int32_t locationLength; /* 0 = field disabled */
    int32_t word72;
    int32_t highestRepeatRule;
    int32_t weekdayChoice;
    int32_t repeatCountChoice;
    int32_t alarmOption;
    int32_t word92;
    int32_t allDayChoice;
    int32_t alarmToneChoice;
    int32_t alarmVolumeChoice;
    int32_t alarmTimeOption;
    int32_t alarmLeadTimeOption;
    int32_t largestAlarmLead; /* minutes */
    int32_t firstYear;
    int32_t lastYear;
} ScheduleLimits;

CELLVANE_LAYOUT_CHECK(sizeof(ScheduleLimits) == 128, "ScheduleLimits size");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleLimits, capacity) == 24, "ScheduleLimits.capacity");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleLimits, startTimeOption) == 36,
                      "ScheduleLimits.startTimeOption");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleLimits, summaryLength) == 52,
                      "ScheduleLimits.summaryLength");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleLimits, descriptionLength) == 60,
                      "ScheduleLimits.descriptionLength");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleLimits, locationLength) == 68,
                      "ScheduleLimits.locationLength");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleLimits, highestRepeatRule) == 76,
                      "ScheduleLimits.highestRepeatRule");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleLimits, alarmOption) == 88, "ScheduleLimits.alarmOption");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleLimits, allDayChoice) == 96, "ScheduleLimits.allDayChoice");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleLimits, largestAlarmLead) == 116,
                      "ScheduleLimits.largestAlarmLead");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleLimits, firstYear) == 120, "ScheduleLimits.firstYear");
CELLVANE_LAYOUT_CHECK(offsetof(ScheduleLimits, lastYear) == 124, "ScheduleLimits.lastYear");

/*
 * One entry of an option list (types 201 to 403). header.size is the size of the whole block,
 * at least textLength + 25; the NUL-terminated text follows textLength.
 */
typedef struct OptionEntry
{
    RecordHeader header;
    int32_t textLength; /* bytes, without the NUL */
    char text[];
} OptionEntry;

CELLVANE_LAYOUT_CHECK(offsetof(OptionEntry, textLength) == 20, "OptionEntry.textLength");
CELLVANE_LAYOUT_CHECK(offsetof(OptionEntry, text) == 24, "OptionEntry.text");

/*
 * Where one kind of data lies on the memory card (types 2000 to 2003). The folder and pattern
 * are the card's own notation, backslashes from the card's root ("\SD_PIM\"); the editor turns
 * them into platform paths.
 */
typedef struct CardFileInfo
{
    RecordHeader header;
    char extension[260];   /* ".VCF" */
    char folder[264];      /* "\SD_PIM\" */
    char pathPattern[264]; /* printf pattern taking the file number: "\SD_PIM\PIM%05d" */
    int32_t highestNumber;
    int32_t filePerEntry; /* non-zero: every record goes to a card file of its own */
} CardFileInfo;

CELLVANE_LAYOUT_CHECK(sizeof(CardFileInfo) == 816, "CardFileInfo size");
CELLVANE_LAYOUT_CHECK(offsetof(CardFileInfo, extension) == 20, "CardFileInfo.extension");
CELLVANE_LAYOUT_CHECK(offsetof(CardFileInfo, folder) == 280, "CardFileInfo.folder");
CELLVANE_LAYOUT_CHECK(offsetof(CardFileInfo, pathPattern) == 544, "CardFileInfo.pathPattern");
CELLVANE_LAYOUT_CHECK(offsetof(CardFileInfo, highestNumber) == 808, "CardFileInfo.highestNumber");
CELLVANE_LAYOUT_CHECK(offsetof(CardFileInfo, filePerEntry) == 812, "CardFileInfo.filePerEntry");
