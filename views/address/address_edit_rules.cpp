#include "address_edit_rules.h"

#include "common/data_kind.h"
#include "common/sjis_cut.h"
#include "host/kind_limit_cache.h"
#include "views/address/address_store.h"
#include "views/common/limit_table.h"

#include <cstring>

namespace views {
namespace {

constexpr int AddressTableKind = 2;
constexpr int32_t HighestMemoryNumber = 999;

} // namespace

AddressLimits readAddressLimits(const host::KindLimitCache &cache)
{
    return readLimitTable<AddressLimits>(cache, AddressTableKind);
}

MemoryNumberText readMemoryNumberText(std::string_view text)
{
    text = text.substr(0, MemoryNumberCharacters);
    const size_t first = text.find_first_of("123456789");
    int32_t value = 0;
    if (first != std::string_view::npos) {
        for (size_t i = first; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            value = value * 10 + (text[i] - '0');
    }
    if (value > HighestMemoryNumber)
        return {HighestMemoryNumber, std::to_string(HighestMemoryNumber)};
    return {value, std::nullopt};
}

bool acceptsMemoryNumberDigit(size_t textLength, bool hasSelection)
{
    return hasSelection || textLength < 3;
}

std::optional<std::string> storedPostalCode(std::string_view code)
{
    const size_t hyphen = code.find('-');
    if (hyphen == std::string_view::npos) {
        if (code.size() != 7)
            return std::nullopt;
        return std::string(code.substr(0, 3)) + "-" + std::string(code.substr(3));
    }
    if (hyphen != 3 || code.size() != 8)
        return std::nullopt;
    return std::string(code);
}

MemoryNumberTakenElsewhere takenElsewhereIn(const AddressStore &store, int editedIndex)
{
    return [&store, editedIndex](int32_t memoryNumber) {
        for (int index = 0; index < store.RecordCount(); ++index) {
            const AddressRecord *record = store.record(index);
            if (index != editedIndex && record && record->header.kind == KIND_ADDRESS
                && record->memoryNumber == memoryNumber)
                return true;
        }
        return false;
    };
}

std::optional<AddressRefusal> checkAddress(AddressRecord &buffer, const AddressLimits &limits,
                                           const MemoryNumberTakenElsewhere &takenElsewhere)
{
    if (!buffer.name[0] && !buffer.reading[0] && !buffer.phones[0].number[0])
        return AddressRefusal{app::TextId::AddressNeedsNameOrPhone,
                              app::text(app::TextId::AddressNeedsNameOrPhone)};
    std::optional<std::string> postalCode;
    if (limits.postalCodeLength > 0 && buffer.postalCode[0]) {
        postalCode = storedPostalCode(buffer.postalCode);
        if (!postalCode)
            return AddressRefusal{app::TextId::PostalCodeShape,
                                  app::text(app::TextId::PostalCodeShape)};
    }
    if (takenElsewhere && takenElsewhere(buffer.memoryNumber))
        return AddressRefusal{app::TextId::MemoryNumberTaken,
                              app::text(app::TextId::MemoryNumberTaken)};
    if (limits.numbersBelowCapacity && buffer.memoryNumber >= limits.capacity)
        return AddressRefusal{
            app::TextId::MemoryNumberTooHigh,
            app::formatText(app::TextId::MemoryNumberTooHigh, int(limits.capacity - 1))};
    if (postalCode)
        copySjisField(buffer.postalCode, *postalCode);
    return std::nullopt;
}

} // namespace views
