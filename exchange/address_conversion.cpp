#include "exchange/conversion_fit.h"
#include "exchange/kind_conversions.h"

#include "app/string_table.h"
#include "common/sjis_literal.h"
#include "exchange/report_note.h"
#include "platform/sjis_text.h"
#include "views/address/address_edit_slots.h"
#include "views/address/address_store.h"

#include <algorithm>
#include <string>

namespace exchange {
namespace {

using app::TextId;

std::string labelOf(const AddressRecord &record)
{
    const std::string name = platform::sjisToUtf8(views::fieldText(record.name));
    if (record.memoryNumber == OWNER_MEMORY_NUMBER)
        return platform::sjisToUtf8(sjis("本人の情報")) + (name.empty() ? "" : ": " + name);
    return std::to_string(record.memoryNumber) + (name.empty() ? "" : ": " + name);
}

// The slots of kind that hold text moved up to the ones to keeps, texts and icons fitted; what
// finds no slot left is dropped.
void fitSlots(AddressRecord &record, const views::SlotKind &kind, ConversionFit &fit)
{
    const AddressLimits &limits = fit.to().address;
    int available = 0;
    while (available < kind.slotCount && views::isSlotTextEditable(kind, limits, available))
        ++available;
    const std::string label = platform::sjisToUtf8(kind.textLabel);
    const AddressRecord source = record;
    int next = 0;
    for (int slot = 0; slot < kind.slotCount; ++slot) {
        views::setSlotText(record, kind, slot, {});
        views::setSlotIcon(record, kind, slot, 0);
    }
    for (int slot = 0; slot < kind.slotCount; ++slot) {
        const std::string text = views::slotText(source, kind, slot);
        if (text.empty())
            continue;
        if (next >= available) {
            const std::string value = platform::sjisToUtf8(text);
            fit.note(available == 0 ? reportNote(TextId::AddressImportFieldMissing, label.c_str(),
                                                 value.c_str())
                                    : reportNote(TextId::AddressImportSlotsFull, label.c_str(),
                                                 available, value.c_str()));
            continue;
        }
        views::setSlotText(
            record, kind, next,
            fit.fittedText(text, kind.textLabel, limits.*kind.textLength, kind.textSize));
        views::setSlotIcon(
            record, kind, next,
            fit.mapOption(kind.iconList, views::slotIcon(source, kind, slot), kind.textLabel));
        ++next;
    }
    views::setIllumination(
        record, kind,
        fit.mapOption(203, views::illuminationOf(source, kind), sjis("着信ｲﾙﾐﾈｰｼｮﾝ")));
}

void fitEntry(AddressRecord &record, ConversionFit &fit)
{
    const AddressLimits &limits = fit.to().address;
    fit.fitText(record.name, sjis("名前"), limits.nameLength);
    fit.fitText(record.reading, sjis("ﾌﾘｶﾞﾅ"), limits.readingLength);
    fit.fitText(record.postalCode, sjis("郵便番号"), limits.postalCodeLength);
    fit.fitText(record.postalAddress, sjis("住所"), limits.postalAddressLength);
    fit.fitText(record.note, sjis("ﾒﾓ"), limits.noteLength);
    fitSlots(record, views::PhoneSlots, fit);
    fitSlots(record, views::MailSlots, fit);
}

} // namespace

std::vector<AddressRecord> convertAddresses(const std::vector<AddressRecord> &records,
                                            const ModelTables &from, const ModelTables &to,
                                            ImportReport &report)
{
    const AddressLimits &limits = to.address;
    const int capacity = limits.capacity > 0
                             ? std::min<int>(limits.capacity, views::AddressStore::OrdinaryCeiling)
                             : views::AddressStore::OrdinaryCeiling;
    const bool numbersLimited = limits.numbersBelowCapacity != 0 && limits.capacity > 0;
    const auto numberFits = [&](int32_t number) {
        return number == OWNER_MEMORY_NUMBER || !numbersLimited || number < limits.capacity;
    };

    // The entries kept, in file order; those whose numbers the target takes are numbered
    // first, so that the others get numbers none of them holds, as the phone would pick them.
    std::vector<AddressRecord> kept;
    views::AddressStore numbering;
    numbering.setLimits({capacity, numbersLimited, false});
    int ordinary = 0;
    for (const AddressRecord &record : records) {
        if (record.memoryNumber != OWNER_MEMORY_NUMBER) {
            if (ordinary == capacity) {
                report.add(labelOf(record), reportNote(TextId::ConversionBeyondCapacity, capacity));
                continue;
            }
            ++ordinary;
        }
        kept.push_back(record);
        if (numberFits(record.memoryNumber))
            numbering.AppendRecord(record);
    }

    for (AddressRecord &record : kept) {
        ConversionFit fit(report, from, to, labelOf(record));
        if (!numberFits(record.memoryNumber)) {
            const int32_t number = numbering.freeMemoryNumber();
            fit.note(reportNote(TextId::ConversionMemoryNumberMoved, int(record.memoryNumber),
                                int(number)));
            record.memoryNumber = number;
            numbering.AppendRecord(record);
        }
        fitEntry(record, fit);
    }
    return kept;
}

} // namespace exchange
