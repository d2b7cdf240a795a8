#pragma once

// A PC data file written under one model turned into one for another: every entry fitted to
// the target model's limits, and every change reported.

#include "exchange/import_report.h"
#include "exchange/model_tables.h"

#include <cstddef>
#include <vector>

namespace exchange {

struct ModelConversion
{
    bool converted = false; // false: the bytes are no PC data file of any kind, or damaged
    int viewKind = 0;       // 1 bookmarks, 2 address book, 3 mail, 4 schedule
    std::vector<unsigned char> image; // the file for the target model, under its plug-in code
    // Entries of the file and, of them, entries the new file holds, counted as the view counts
    // them (the owner's own address entry apart).
    int read = 0;
    int kept = 0;
    // Per entry what was cut, dropped or replaced, labelled by the entry: the address book's
    // "<memory number>: <name>", the schedule's "<start> <summary or first line of the
    // description>", a bookmark's title.
    ImportReport report;
};

// image, a PC data file written under from's model (whatever plug-in code its header holds),
// as one for to's model:
// - address book: name, reading, postal code and address, note, phone numbers and mail
//   addresses cut on a character boundary to to's lengths (a field to lacks is emptied), the
//   slots beyond to's counts dropped, memory numbers at or above to's capacity renumbered where
//   to limits them, entries beyond its capacity dropped;
// - schedule: entries starting outside to's years dropped; end, all-day flag, repeat rule,
//   count and weekdays, alarm and texts fitted to what to offers;
// - bookmarks: title and URL cut to to's lengths;
// - mail: taken as it is.
// Icons, illumination colours and alarm choices go to the entry of to's list with the same name,
// else to its first entry (reported).
ModelConversion convertPcImage(const unsigned char *image, size_t size, const ModelTables &from,
                               const ModelTables &to);

} // namespace exchange
