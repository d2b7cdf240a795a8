#include "address_edit_slots.h"

#include "common/sjis_cut.h"
#include "common/sjis_literal.h"

#include <cstring>

namespace views {

const SlotKind PhoneSlots = {
    .slotCount = ADDRESS_PHONE_SLOTS,
    .slotItem = app::TextId::PhoneSlotItem,
    .textLabel = sjis("電話番号"),
    .firstSlot = offsetof(AddressRecord, phones),
    .slotSize = sizeof(PhoneSlot),
    .textSize = sizeof(PhoneSlot::number),
    .iconOffset = offsetof(PhoneSlot, icon),
    .iconList = INFORM_PHONE_ICONS,
    .illuminationShift = 8,
    .filter = CharacterFilter::PhoneNumber,
    .slotsPerEntry = &AddressLimits::phoneSlots,
    .textLength = &AddressLimits::phoneLength,
    .iconChoice = &AddressLimits::phoneIconChoice,
    .illuminationChoice = &AddressLimits::phoneIlluminationChoice,
};

const SlotKind MailSlots = {
    .slotCount = ADDRESS_MAIL_SLOTS,
    .slotItem = app::TextId::MailSlotItem,
    .textLabel = sjis("ﾒｰﾙｱﾄﾞﾚｽ"),
    .firstSlot = offsetof(AddressRecord, mails),
    .slotSize = sizeof(MailSlot),
    .textSize = sizeof(MailSlot::address),
    .iconOffset = offsetof(MailSlot, icon),
    .iconList = INFORM_MAIL_ICONS,
    .illuminationShift = 0,
    .filter = CharacterFilter::Any,
    .slotsPerEntry = &AddressLimits::mailSlots,
    .textLength = &AddressLimits::mailLength,
    .iconChoice = &AddressLimits::mailIconChoice,
    .illuminationChoice = &AddressLimits::mailIlluminationChoice,
};

namespace {

const char *slotBytes(const AddressRecord &record, const SlotKind &kind, int slot)
{
    return reinterpret_cast<const char *>(&record) + kind.firstSlot + size_t(slot) * kind.slotSize;
}

char *slotBytes(AddressRecord &record, const SlotKind &kind, int slot)
{
    return reinterpret_cast<char *>(&record) + kind.firstSlot + size_t(slot) * kind.slotSize;
}

bool isSlot(const SlotKind &kind, int slot)
{
    return slot >= 0 && slot < kind.slotCount;
}

} // namespace

bool isSlotAvailable(const SlotKind &kind, const AddressLimits &limits, int slot)
{
    return isSlot(kind, slot) && slot < limits.*kind.slotsPerEntry;
}

bool isSlotTextEditable(const SlotKind &kind, const AddressLimits &limits, int slot)
{
    return isSlotAvailable(kind, limits, slot) && limits.*kind.textLength > 0;
}

bool isSlotIconEditable(const SlotKind &kind, const AddressLimits &limits, int slot)
{
    return isSlotAvailable(kind, limits, slot) && limits.*kind.iconChoice != 0;
}

bool isSlotIlluminationEditable(const SlotKind &kind, const AddressLimits &limits, int slot)
{
    return isSlotAvailable(kind, limits, slot) && limits.*kind.illuminationChoice != 0;
}

std::string slotText(const AddressRecord &record, const SlotKind &kind, int slot)
{
    if (!isSlot(kind, slot))
        return {};
    const char *text = slotBytes(record, kind, slot);
    return std::string(text, strnlen(text, kind.textSize));
}

void setSlotText(AddressRecord &record, const SlotKind &kind, int slot, std::string_view text)
{
    if (!isSlot(kind, slot))
        return;
    const std::string_view kept = sjisCut(text, kind.textSize - 1);
    char *field = slotBytes(record, kind, slot);
    std::memset(field, 0, kind.textSize);
    kept.copy(field, kept.size()); // an empty view may hold no pointer at all
}

int32_t slotIcon(const AddressRecord &record, const SlotKind &kind, int slot)
{
    int32_t icon = 0;
    if (isSlot(kind, slot))
        std::memcpy(&icon, slotBytes(record, kind, slot) + kind.iconOffset, sizeof icon);
    return icon;
}

void setSlotIcon(AddressRecord &record, const SlotKind &kind, int slot, int32_t icon)
{
    if (isSlot(kind, slot))
        std::memcpy(slotBytes(record, kind, slot) + kind.iconOffset, &icon, sizeof icon);
}

int32_t illuminationOf(const AddressRecord &record, const SlotKind &kind)
{
    return int32_t((uint32_t(record.illumination) >> kind.illuminationShift) & 0xFF);
}

void setIllumination(AddressRecord &record, const SlotKind &kind, int32_t value)
{
    const uint32_t mask = 0xFFu << kind.illuminationShift;
    const uint32_t word = (uint32_t(record.illumination) & ~mask)
                          | ((uint32_t(value) & 0xFF) << kind.illuminationShift);
    record.illumination = int32_t(word);
}

} // namespace views
