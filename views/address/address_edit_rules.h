#pragma once

// The address editor's field rules, without widgets: what the edits accept, how their texts
// become record values, and the checks OK makes. Texts are Shift_JIS.

#include "app/string_table.h"
#include "common/inform_blocks.h"
#include "common/records.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace host {
class KindLimitCache;
}

namespace views {

class AddressStore;

// The current model's address limits, word by word from the cached table of view kind 2. A
// word the table does not hold reads 0, which locks its field.
AddressLimits readAddressLimits(const host::KindLimitCache &cache);

// What the memory-number edit's text stands for: the value for the record and, when the edit
// must show something else than it holds, that text.
struct MemoryNumberText
{
    int32_t value = 0;
    std::optional<std::string> shown;
};

// The characters of the memory-number edit that count.
constexpr size_t MemoryNumberCharacters = 4;

// Reads up to MemoryNumberCharacters of text from its first non-zero digit on: "0045" is 45,
// no digit is 0 (no text reads below 0), 1000 and more become 999 shown as "999".
MemoryNumberText readMemoryNumberText(std::string_view text);

// Whether a typed digit goes into the memory-number edit: not when the edit already holds 3 or
// more characters and nothing is selected to be replaced.
bool acceptsMemoryNumberDigit(size_t textLength, bool hasSelection);

// The postal code as stored, or nothing when its shape is refused: 7 characters get "-" after
// the third ("0123456" -> "012-3456"); 8 characters are taken as they are when their first "-"
// is the fourth character. Only the shape is tested, not whether the characters are digits.
std::optional<std::string> storedPostalCode(std::string_view code);

// Why OK is refused, with the message to show.
struct AddressRefusal
{
    app::TextId id;
    std::string message;
};

// Whether a stored record other than the one being edited has memoryNumber.
using MemoryNumberTakenElsewhere = std::function<bool(int32_t memoryNumber)>;

// The check against store: any address record but the one at editedIndex (-1 for a new one).
// Records marked for removal do not count. The store must outlive the function.
MemoryNumberTakenElsewhere takenElsewhereIn(const AddressStore &store, int editedIndex);

// The checks of OK, in this order: a name, reading or first phone number is given; the postal
// code has its shape (only when the model has the field and a code was entered); the memory
// number is not taken elsewhere; it lies below the capacity when the model limits numbers.
// When every check passes, buffer's postal code takes its stored form and the result is empty.
std::optional<AddressRefusal> checkAddress(AddressRecord &buffer, const AddressLimits &limits,
                                           const MemoryNumberTakenElsewhere &takenElsewhere);

} // namespace views
