#pragma once

// The address book for today's address books: a vCard 3.0 file.

#include "views/address/address_store.h"
#include "views/common/choice_lists.h"

#include <string>

namespace exchange {

// Every live entry of store, in store order (the owner's own entry included), as one vCard
// 3.0 file: UTF-8, CR LF line ends, lines folded at 75 octets, text values escaped. The caller
// owns the returned bytes; nothing fails (an empty store gives an empty file).
//
// Per entry, each line only when its field is not empty:
//   N           the name, split at its first space into family and given name (family first,
//               as the phones write names); FN the whole name, or when there is none the
//               reading, the first phone number or the first mail address
//   SORT-STRING the reading with its half-width katakana in full width; X-PHONETIC-LAST-NAME
//               and X-PHONETIC-FIRST-NAME the same reading split as the name is
//   TEL, EMAIL  every phone number and mail address in slot order; EMAIL carries
//               TYPE=INTERNET, and both the TYPEs the icon's name (optionName, lists 201 and
//               202) says (contact_type.h) and X-CELLVANE-ICON=<icon index> so that an import
//               for the same model keeps the icon
//   ADR         ";;<address>;;;<postal code>;" (the address text as the street)
//   NOTE        the note; CATEGORIES the group's name from the store's GroupTable
//   X-CELLVANE-MEMORY-NUMBER  the memory number (99999 for the owner's own entry)
//   X-CELLVANE-OWNER:1        on the owner's own entry only
std::string exportVCard3(const views::AddressStore &store, const views::OptionName &optionName);

} // namespace exchange
