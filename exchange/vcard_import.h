#pragma once

// vCard files of today's address books as address-book entries of the current model.

#include "common/inform_blocks.h"
#include "common/records.h"
#include "exchange/import_report.h"
#include "views/common/choice_lists.h"
#include "views/common/group_table.h"

#include <string_view>
#include <vector>

namespace exchange {

// What the entries are fitted to: the current model and the address book they go into.
struct AddressImportTarget
{
    AddressLimits limits;         // the model's table (views::readAddressLimits)
    views::OptionName optionName; // its phone icons (list 201) and mail icons (list 202)
    const views::GroupTable *groups = nullptr; // the book's groups; null for none
};

struct AddressImport
{
    // Header version 0x10002, size 1552, kind 1001, chained through next in file order (the
    // links are byte distances, so a copy of the vector is a chain too): ready for
    // AddressStore::MergeRecords(records.data(), ..., true, ...), which skips duplicates, stops
    // at the book's limit and gives a number another entry holds a free one.
    std::vector<AddressRecord> records;
    // Every change an entry went through, labelled "VCARD <n>: <name>" (n from 1 in file
    // order; "VCARD <n>" for an entry without a name). Entries taken as they are do not appear.
    ImportReport report;
};

// Reads the vCards (2.1, 3.0, 4.0; vcard_reader.h) of bytes; never fails: what cannot be
// read or has no place is left out and reported. Per vCard:
// - name: FN, else N (prefix, family, given, additional names, suffix, space-separated). An
//   FN that only stands in for an empty N (it repeats SORT-STRING, a number or an address, as
//   the export writes it) is no name.
// - reading: X-PHONETIC-LAST-NAME / -MIDDLE-NAME / -FIRST-NAME, else 2.1's SOUND;X-IRMC-N,
//   else N's SORT-AS, else SORT-STRING, parts space-separated, in half-width katakana as the
//   phones keep it (views::halfWidthReading); a reading with any other character is dropped.
// - TEL and EMAIL fill the model's slots in file order; extras are dropped. A number keeps
//   its digits and '-': space, '.', '/' and brackets become '-', full-width digits ASCII,
//   "+81" becomes "0" and another '+' "010-", a "tel:" scheme and its parameters go. The
//   icon: the export's X-CELLVANE-ICON when that icon of this model stands for the same
//   TYPEs, else the icon whose name stands for most of the TYPEs (contact_type.h; MOBILE and
//   IPHONE read as CELL; an Apple X-ABLabel of the same group counts), else the first.
// - ADR: the postal code, shaped as views::storedPostalCode wants it (else put in front of
//   the address), and the address text: Japanese ones (kana, kanji, full-width forms) from the
//   country down to the street without separators, then extended address and PO box; others
//   from the PO box up to the country, ", "-separated.
// - NOTE, line breaks as CR LF; CATEGORIES' first value as the group, numbered as groups has
//   it, else with the lowest number from 1 that neither groups nor another new name takes.
// - X-CELLVANE-OWNER (or memory number 99999) marks the owner's own entry, the first only;
//   X-CELLVANE-MEMORY-NUMBER gives the memory number when it is free in the file and the
//   model takes it; every other entry gets the lowest number free in the file, as a card load
//   numbers entries.
// Texts go to Shift_JIS ('?' for what code page 932 lacks) and are cut on a character boundary
// to the model's length and the field. An entry with no name, reading or number is left out
// (but the owner's own).
AddressImport importVCardAddresses(std::string_view bytes, const AddressImportTarget &target);

} // namespace exchange
