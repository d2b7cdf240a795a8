#pragma once

// The numbered slots of an AddressRecord, phone numbers and mail addresses, described once by a
// table each, so that one editor page serves both. Texts are Shift_JIS.

#include "app/string_table.h"
#include "common/inform_blocks.h"
#include "common/records.h"
#include "views/address/address_edit_rules.h"
#include "views/common/edit_input.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace views {

// One kind of slot: where it lies in the record, what the model allows, what the page shows.
struct SlotKind
{
    int slotCount;          // slots in a record
    app::TextId slotItem;   // the selector's items, "%d" taking the slot number from 1
    const char *textLabel;  // the label of the slot's text
    size_t firstSlot;       // byte offset of slot 0 in the record
    size_t slotSize;        // bytes from one slot to the next
    size_t textSize;        // bytes of the text field at the start of a slot
    size_t iconOffset;      // byte offset of the 32-bit icon inside a slot
    int iconList;           // option list of the icon names
    int illuminationShift;  // bit position of the kind's byte in the illumination word
    CharacterFilter filter; // what the text edit takes
    int32_t AddressLimits::*slotsPerEntry;
    int32_t AddressLimits::*textLength;
    int32_t AddressLimits::*iconChoice;
    int32_t AddressLimits::*illuminationChoice;
};

extern const SlotKind PhoneSlots;
extern const SlotKind MailSlots;

// Slot (0-based) is one the model keeps: below its slots per entry.
bool isSlotAvailable(const SlotKind &kind, const AddressLimits &limits, int slot);
// Whether the slot's text, icon and the kind's illumination can be changed there.
bool isSlotTextEditable(const SlotKind &kind, const AddressLimits &limits, int slot);
bool isSlotIconEditable(const SlotKind &kind, const AddressLimits &limits, int slot);
bool isSlotIlluminationEditable(const SlotKind &kind, const AddressLimits &limits, int slot);

std::string slotText(const AddressRecord &record, const SlotKind &kind, int slot);
// Stores text cut to the field (its size - 1 bytes, never splitting a character).
void setSlotText(AddressRecord &record, const SlotKind &kind, int slot, std::string_view text);
int32_t slotIcon(const AddressRecord &record, const SlotKind &kind, int slot);
void setSlotIcon(AddressRecord &record, const SlotKind &kind, int slot, int32_t icon);

// The kind's illumination byte of the record's illumination word.
int32_t illuminationOf(const AddressRecord &record, const SlotKind &kind);
void setIllumination(AddressRecord &record, const SlotKind &kind, int32_t value);

} // namespace views
