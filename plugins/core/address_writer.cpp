#include "address_writer.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "plugins/core/card_writing.h"
#include "plugins/core/last_error.h"
#include "plugins/core/plugin_interface.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace plugin {
namespace {

// A record copied out of the caller's block with every text field terminated, so that nothing
// past a field is read whatever the block holds.
AddressRecord terminatedCopy(const void *source)
{
    AddressRecord record;
    std::memcpy(&record, source, sizeof record);
    const auto terminate = [](auto &field) { field[sizeof field - 1] = '\0'; };
    terminate(record.groupName);
    terminate(record.name);
    terminate(record.reading);
    terminate(record.postalCode);
    terminate(record.postalAddress);
    for (PhoneSlot &slot : record.phones)
        terminate(slot.number);
    for (MailSlot &slot : record.mails)
        terminate(slot.address);
    terminate(record.note);
    return record;
}

bool isOwner(const AddressRecord &record)
{
    return record.memoryNumber == OWNER_MEMORY_NUMBER;
}

// A slot line that was written: which slot, and whether its value was empty.
struct WrittenSlot
{
    int32_t icon;
    bool empty;
};

class CardWriter
{
public:
    CardWriter(const ModelDefinition &model, std::string &out)
        : m_model(model)
        , m_format(model.address)
        , m_out(out)
    {
    }

    void write(const AddressRecord &record);

private:
    void line(const std::string &text) { m_out += text + '\n'; }
    void step(const CardLineStep &step, const AddressRecord &record);
    void slots(bool phone, const AddressRecord &record);
    void noteQuotedPrintable(const CardLineStep &step, const char *note);
    void textOrEmpty(const CardLineStep &step, const char *value);

    const ModelDefinition &m_model;
    const AddressFormat &m_format;
    std::string &m_out;
    std::vector<WrittenSlot> m_writtenPhones;
    std::vector<WrittenSlot> m_writtenMails;
};

void CardWriter::write(const AddressRecord &record)
{
    m_writtenPhones.clear();
    m_writtenMails.clear();
    line("BEGIN:VCARD");
    line("VERSION:2.1");
    for (const CardLineStep &each : m_format.lines)
        if (!(each.skipForOwner && isOwner(record)))
            step(each, record);
    line("END:VCARD");
}

void CardWriter::textOrEmpty(const CardLineStep &step, const char *value)
{
    if (!*value && step.emptyFormat)
        line(step.emptyFormat);
    else
        line(formatted(step.format, value));
}

void CardWriter::step(const CardLineStep &step, const AddressRecord &record)
{
    switch (step.line) {
    case CardLine::Text:
        line(step.format);
        break;
    case CardLine::Name:
        textOrEmpty(step, record.name);
        break;
    case CardLine::Reading:
        textOrEmpty(step, record.reading);
        break;
    case CardLine::Phones:
        slots(true, record);
        break;
    case CardLine::Mails:
        slots(false, record);
        break;
    case CardLine::Note:
        textOrEmpty(step, record.note);
        break;
    case CardLine::NoteQuotedPrintable:
        noteQuotedPrintable(step, record.note);
        break;
    case CardLine::GroupNumber: {
        const int32_t group = record.groupNumber;
        line(formatted(step.format,
                       group < 0 || (step.limit > 0 && group > step.limit) ? 0 : group));
        break;
    }
    case CardLine::GroupName:
        textOrEmpty(step, record.groupName);
        break;
    case CardLine::MemoryNumber:
        line(isOwner(record) ? std::string(step.emptyFormat)
                             : formatted(step.format, record.memoryNumber));
        break;
    case CardLine::Lamp: {
        if (m_format.lampCodes.empty())
            break;
        const auto code = [this](uint32_t index) {
            return static_cast<unsigned>(index < m_format.lampCodes.size()
                                             ? m_format.lampCodes[index]
                                             : m_format.lampCodes[0]);
        };
        const auto word = static_cast<uint32_t>(record.illumination);
        line(formatted(step.format, code((word >> 8) & 0xFF), code(word & 0xFF)));
        break;
    }
    case CardLine::PostalAddress:
        if (*record.postalAddress)
            line(formatted(step.format, record.postalAddress));
        break;
    case CardLine::PostalAddressAndCode:
        line(formatted(step.format, record.postalAddress, record.postalCode));
        break;
    case CardLine::PerPhoneWritten:
    case CardLine::PerMailWritten:
        for (const WrittenSlot &slot :
             step.line == CardLine::PerPhoneWritten ? m_writtenPhones : m_writtenMails)
            line(slot.empty ? std::string(step.emptyFormat) : formatted(step.format, slot.icon));
        break;
    }
}

void CardWriter::slots(bool phone, const AddressRecord &record)
{
    const SlotFormat &format = phone ? m_format.phones : m_format.mails;
    const int32_t used = phone ? m_model.addressLimits.phoneSlots : m_model.addressLimits.mailSlots;
    const int count = std::clamp(used, 0, phone ? ADDRESS_PHONE_SLOTS : ADDRESS_MAIL_SLOTS);
    std::vector<WrittenSlot> &written = phone ? m_writtenPhones : m_writtenMails;
    bool valueWritten = false;
    for (int i = 0; i < count; ++i) {
        const char *value = phone ? record.phones[i].number : record.mails[i].address;
        int32_t icon = phone ? record.phones[i].icon : record.mails[i].icon;
        if (icon < 0 || icon >= format.iconCount)
            icon = 0;
        const bool empty = !*value;
        if (empty
            && (format.emptyRule == EmptySlotRule::UntilNumberWritten ? valueWritten
                                                                      : !written.empty()))
            continue;
        const char *word
            = static_cast<size_t>(icon) < format.words.size() ? format.words[icon] : "";
        if (empty && format.emptyLine)
            line(format.emptyLine);
        else if (format.typed)
            line(formatted(format.line, word, value));
        else
            line(formatted(format.line, value));
        if (format.followLine)
            line(format.followIsWord ? formatted(format.followLine, word)
                                     : formatted(format.followLine, icon + format.iconBase));
        written.push_back({icon, empty});
        valueWritten = valueWritten || !empty;
    }
}

void CardWriter::noteQuotedPrintable(const CardLineStep &step, const char *note)
{
    if (!*note) {
        line(step.emptyFormat);
        return;
    }
    line(quotedPrintable(std::string(step.format) + note,
                         static_cast<int>(std::strlen(step.format))));
}

} // namespace

bool writeAddressBook(const void *first, const ModelDefinition &model, std::string &out)
{
    if (model.addressLimits.ownerRequired
        && (RecordKind(first) != KIND_ADDRESS || !isOwner(terminatedCopy(first)))) {
        setLastError(PLUGIN_NO_OWNER_FIRST);
        return false;
    }
    CardWriter writer(model, out);
    size_t written = 0;
    for (const void *record = first; record; record = RecordLink(record, RECORD_LINK_NEXT)) {
        if (RecordKind(record) != KIND_ADDRESS)
            continue;
        const AddressRecord copy = terminatedCopy(record);
        if (!model.address.writesOwner && isOwner(copy))
            continue;
        writer.write(copy);
        ++written;
    }
    if (written == 0) {
        setLastError(PLUGIN_NO_ENTRY);
        return false;
    }
    return true;
}

} // namespace plugin
