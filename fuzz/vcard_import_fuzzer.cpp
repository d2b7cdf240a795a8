// The address book's vCard import on any bytes, for a model whose limits the first byte picks:
// every record it returns fits the model's fields and slots, the chain holds them all, and the
// store takes them.
#include "exchange/vcard_import.h"

#include "common/data_block.h"
#include "common/sjis_literal.h"
#include "views/address/address_store.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// A model with every field, and one without postal code, address, note and icons that keeps
// its numbers below a small capacity.
AddressLimits limitsFor(bool full)
{
    AddressLimits limits{};
    limits.capacity = full ? 1000 : 20;
    limits.numbersBelowCapacity = full ? 0 : 1;
    limits.nameLength = full ? 20 : 16;
    limits.readingLength = full ? 18 : 10;
    limits.phoneSlots = full ? 4 : 3;
    limits.phoneLength = 24;
    limits.mailSlots = full ? 3 : 1;
    limits.mailLength = 50;
    limits.postalCodeLength = full ? 8 : 0;
    limits.postalAddressLength = full ? 93 : 0;
    limits.noteLength = full ? 100 : 0;
    limits.phoneIconChoice = full ? 1 : 0;
    limits.mailIconChoice = full ? 1 : 0;
    return limits;
}

constexpr int IconCount = 3;

std::optional<std::string> optionName(int list, int index)
{
    static const char *const Phones[IconCount] = {sjis("電話"), sjis("携帯"), sjis("自宅")};
    static const char *const Mails[IconCount] = {sjis("メール"), sjis("自宅"), sjis("会社")};
    if (index < 0 || index >= IconCount || (list != 201 && list != 202))
        return std::nullopt;
    return (list == 201 ? Phones : Mails)[index];
}

template<size_t N>
void checkText(const char (&field)[N], int32_t limit)
{
    const void *end = std::memchr(field, 0, N);
    if (!end || std::strlen(field) > size_t(std::max(limit, 0)))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const bool full = size == 0 || (data[0] & 1) == 0;
    const AddressLimits limits = limitsFor(full);
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const exchange::AddressImport result
        = exchange::importVCardAddresses(bytes, {limits, optionName, nullptr});
    if (result.records.empty())
        return 0;
    if (ChainLength(result.records.data()) != result.records.size())
        std::abort();
    int owners = 0;
    for (const AddressRecord &record : result.records) {
        checkText(record.name, limits.nameLength);
        checkText(record.reading, limits.readingLength);
        checkText(record.postalCode, limits.postalCodeLength);
        checkText(record.postalAddress, limits.postalAddressLength);
        checkText(record.note, limits.noteLength);
        checkText(record.groupName, sizeof record.groupName - 1);
        for (int slot = 0; slot < ADDRESS_PHONE_SLOTS; ++slot) {
            const PhoneSlot &phone = record.phones[slot];
            checkText(phone.number, slot < limits.phoneSlots ? limits.phoneLength : 0);
            if (std::strspn(phone.number, "0123456789-") != std::strlen(phone.number)
                || phone.icon < 0 || phone.icon >= IconCount || (!full && phone.icon != 0))
                std::abort();
        }
        for (int slot = 0; slot < ADDRESS_MAIL_SLOTS; ++slot) {
            const MailSlot &mail = record.mails[slot];
            checkText(mail.address, slot < limits.mailSlots ? limits.mailLength : 0);
            if (mail.icon < 0 || mail.icon >= IconCount || (!full && mail.icon != 0))
                std::abort();
        }
        if (record.memoryNumber == OWNER_MEMORY_NUMBER)
            ++owners;
        else if (record.memoryNumber < 0 || record.memoryNumber >= limits.capacity)
            std::abort();
    }
    if (owners > 1)
        std::abort();

    views::AddressStore store;
    store.setLimits({limits.capacity, limits.numbersBelowCapacity != 0, false});
    if (store.MergeRecords(result.records.data(), true, true, false)
        > int(result.records.size()) - owners)
        std::abort();
    return 0;
}
