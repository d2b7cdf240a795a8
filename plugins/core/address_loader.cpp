#include "address_loader.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "plugins/core/card_values.h"
#include "plugins/core/two_pass_load.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace plugin {
namespace {

constexpr std::string_view kBegin = "BEGIN:VCARD";
constexpr std::string_view kEnd = "END:VCARD";
constexpr int32_t kFirstSequenceNumber = 10;

int32_t heldTo(int32_t value, int32_t count)
{
    return std::clamp(value, 0, std::max(count - 1, 0));
}

// The index of the first word equal to text, or 0.
int32_t wordIndex(std::span<const char *const> words, std::string_view text)
{
    for (size_t i = 0; i < words.size(); ++i)
        if (text == words[i])
            return static_cast<int32_t>(i);
    return 0;
}

// The parameter text of a property line: between "NAME;" and the first ':'.
std::string_view parameterText(std::string_view line, std::string_view name)
{
    const std::string_view beforeColon = line.substr(0, line.find(':'));
    if (beforeColon.size() <= name.size() || beforeColon[name.size()] != ';')
        return {};
    return beforeColon.substr(name.size() + 1);
}

// Parses the cards of one file into consecutive slots of the block.
class CardParser
{
public:
    CardParser(const ModelDefinition &model, AddressRecord *slots, size_t slotCount)
        : m_model(model)
        , m_format(model.address)
        , m_slots(slots)
        , m_slotCount(slotCount)
    {
    }

    void parse(LineReader &reader);
    size_t taken() const { return m_taken; }

private:
    void beginCard();
    void endCard();
    void readProperty(LineReader &reader, std::string &line);
    void readSlot(std::string_view line, std::string_view name, bool phone);
    void readFollowingIcon(std::string_view line, bool phone);
    void readNumberedIcon(std::string_view line, bool phone);
    void readPostal(const std::string &line);
    void readLamp(std::string_view value);
    bool accepted() const;
    int32_t nextSequenceNumber();

    const ModelDefinition &m_model;
    const AddressFormat &m_format;
    AddressRecord *m_slots;
    size_t m_slotCount;
    size_t m_taken = 0;
    AddressRecord *m_previous = nullptr;
    int32_t m_sequence = kFirstSequenceNumber;

    // The card being read.
    AddressRecord *m_card = nullptr;
    bool m_versionRight = false;
    bool m_backupCard = false;
    bool m_hasMemoryNumber = false;
    bool m_fujitsuMark = false;
    int m_phones = 0;
    int m_mails = 0;
    int m_phoneIconLines = 0;
    int m_mailIconLines = 0;
    int m_lastPhone = -1; // the slot the previous TEL line filled, for its following icon line
    int m_lastMail = -1;
};

void CardParser::parse(LineReader &reader)
{
    std::string line;
    while (m_taken < m_slotCount && reader.readLine(line)) {
        if (line == kBegin)
            beginCard();
        else if (!m_card)
            continue;
        else if (line == kEnd)
            endCard();
        else
            readProperty(reader, line);
    }
}

void CardParser::beginCard()
{
    m_card = &m_slots[m_taken];
    std::memset(m_card, 0, sizeof *m_card);
    m_card->groupNumber = -1;
    if (m_format.numbering == MemoryNumbering::FirstOwnerThenFromCard)
        m_card->memoryNumber = -1;
    m_versionRight = m_backupCard = m_hasMemoryNumber = m_fujitsuMark = false;
    m_phones = m_mails = m_phoneIconLines = m_mailIconLines = 0;
    m_lastPhone = m_lastMail = -1;
}

bool CardParser::accepted() const
{
    if (!m_versionRight)
        return false;
    switch (m_format.acceptance) {
    case CardAcceptance::Version:
        break;
    case CardAcceptance::BackupWithMemoryNumber:
        if (!m_backupCard || !m_hasMemoryNumber)
            return false;
        break;
    case CardAcceptance::FujitsuMark:
        if (!m_fujitsuMark)
            return false;
        break;
    }
    return m_format.numbering != MemoryNumbering::FirstOwnerThenFromCard || m_taken == 0
           || m_hasMemoryNumber;
}

int32_t CardParser::nextSequenceNumber()
{
    const int32_t number = m_sequence;
    m_sequence = number >= m_model.addressLimits.capacity - 1 ? 0 : number + 1;
    return number;
}

void CardParser::endCard()
{
    AddressRecord *card = m_card;
    m_card = nullptr;
    if (!accepted())
        return;
    switch (m_format.numbering) {
    case MemoryNumbering::FromCard:
        break;
    case MemoryNumbering::OwnerThenSequence:
        card->memoryNumber = m_taken == 0 ? OWNER_MEMORY_NUMBER : nextSequenceNumber();
        break;
    case MemoryNumbering::Sequence:
        card->memoryNumber = nextSequenceNumber();
        break;
    case MemoryNumbering::FirstOwnerThenFromCard:
        if (m_taken == 0)
            card->memoryNumber = OWNER_MEMORY_NUMBER;
        break;
    }
    card->header.version = RECORD_VERSION_ADDRESS;
    card->header.size = sizeof(AddressRecord);
    card->header.kind = KIND_ADDRESS;
    ChainRecords(m_previous, card);
    m_previous = card;
    ++m_taken;
}

void CardParser::readProperty(LineReader &reader, std::string &line)
{
    const std::string_view text(line);
    const bool readsMemoryNumber = m_format.numbering == MemoryNumbering::FromCard
                                   || m_format.numbering == MemoryNumbering::FirstOwnerThenFromCard;
    if (startsWith(text, "VERSION:")) {
        m_versionRight = readsAsNumber(text.substr(8), "2.1");
    } else if (startsWith(text, "N:") || startsWith(text, "N;")) {
        storeValue(std::string(cutComponents(afterColon(text, 1), 4)), paramFlags(text),
                   m_card->name);
    } else if (startsWith(text, "SOUND:") || startsWith(text, "SOUND;")) {
        storeValue(std::string(cutComponents(afterColon(text, 1), 4)), paramFlags(text),
                   m_card->reading);
    } else if (startsWith(text, "TEL")) {
        readSlot(text, "TEL", true);
    } else if (startsWith(text, "EMAIL")) {
        readSlot(text, "EMAIL", false);
    } else if (readsMemoryNumber && startsWith(text, "X-NO:")) {
        const std::string_view value = text.substr(5);
        m_card->memoryNumber = value.empty() ? OWNER_MEMORY_NUMBER : leadingNumber(value);
        m_hasMemoryNumber = true;
    } else if (m_format.readsGroupNumber && startsWith(text, "X-GNO:")) {
        m_card->groupNumber = leadingNumber(text.substr(6));
    } else if (m_format.readsGroupName && startsWith(text, "X-GN;CHARSET=SHIFT_JIS:")) {
        storeText(text.substr(23), m_card->groupName);
    } else if (m_format.noteProperty && startsWith(text, m_format.noteProperty)
               && (text.substr(std::strlen(m_format.noteProperty), 1) == ":"
                   || text.substr(std::strlen(m_format.noteProperty), 1) == ";")) {
        const ParamFlags flags = paramFlags(text);
        if (flags.quotedPrintable)
            ReadContinuation(reader, line);
        storeValue(afterColon(line), flags, m_card->note);
    } else if (m_format.acceptance == CardAcceptance::BackupWithMemoryNumber
               && startsWith(text, "X-SH-CATEGORIES:BACKUP")) {
        m_backupCard = true;
    } else if (m_format.acceptance == CardAcceptance::FujitsuMark
               && startsWith(text, "X-FUJITSU-SC:")) {
        m_fujitsuMark = true;
    } else if (m_format.readsLamp && startsWith(text, "X-LAMP:")) {
        readLamp(text.substr(7));
    } else if (m_format.postal != PostalLayout::None
               && (startsWith(text, "ADR:") || startsWith(text, "ADR;"))) {
        readPostal(line);
    } else {
        readFollowingIcon(text, true);
        readFollowingIcon(text, false);
        readNumberedIcon(text, true);
        readNumberedIcon(text, false);
    }
}

void CardParser::readSlot(std::string_view line, std::string_view name, bool phone)
{
    const SlotFormat &format = phone ? m_format.phones : m_format.mails;
    int &count = phone ? m_phones : m_mails;
    int &last = phone ? m_lastPhone : m_lastMail;
    last = -1;
    if (count >= std::min(format.maxLoaded, phone ? ADDRESS_PHONE_SLOTS : ADDRESS_MAIL_SLOTS))
        return;
    const int slot = count++;
    last = slot;
    const std::string value = afterColon(line);
    int32_t icon = 0;
    if (format.iconSource == IconSource::TypeWord)
        icon = heldTo(wordIndex(format.words, parameterText(line, name)), format.iconCount);
    if (phone) {
        storeText(value, m_card->phones[slot].number);
        m_card->phones[slot].icon = icon;
    } else {
        storeText(value, m_card->mails[slot].address);
        m_card->mails[slot].icon = icon;
    }
}

void CardParser::readFollowingIcon(std::string_view line, bool phone)
{
    const SlotFormat &format = phone ? m_format.phones : m_format.mails;
    int &last = phone ? m_lastPhone : m_lastMail;
    if (format.iconSource != IconSource::FollowingLine || last < 0
        || !startsWith(line, format.followProperty))
        return;
    const std::string_view value = line.substr(std::strlen(format.followProperty));
    const int32_t icon = format.followIsWord
                             ? wordIndex(format.words, value)
                             : heldTo(leadingNumber(value) - format.iconBase, format.iconCount);
    if (phone)
        m_card->phones[last].icon = icon;
    else
        m_card->mails[last].icon = icon;
    last = -1;
}

void CardParser::readNumberedIcon(std::string_view line, bool phone)
{
    const SlotFormat &format = phone ? m_format.phones : m_format.mails;
    int &lines = phone ? m_phoneIconLines : m_mailIconLines;
    if (format.iconSource != IconSource::NumberedLines
        || !startsWith(line, format.numberedProperty))
        return;
    const int slot = lines++;
    if (slot >= format.maxLoaded)
        return;
    const int32_t icon = heldTo(leadingNumber(line.substr(std::strlen(format.numberedProperty))),
                                format.iconCount);
    if (phone)
        m_card->phones[slot].icon = icon;
    else
        m_card->mails[slot].icon = icon;
}

void CardParser::readPostal(const std::string &line)
{
    const std::string value = afterColon(line);
    if (value.empty() || value[0] != ';')
        return;
    const ParamFlags flags = paramFlags(line);
    if (m_format.postal == PostalLayout::SecondComponent) {
        const std::string_view kept = cutComponents(value, 5);
        const size_t semicolon = kept.find(';');
        storeValue(std::string(semicolon == std::string_view::npos ? std::string_view()
                                                                   : kept.substr(semicolon + 1)),
                   flags, m_card->postalAddress);
    } else {
        storeValue(std::string(component(value, 2)), flags, m_card->postalAddress);
        storeValue(std::string(component(value, 5)), flags, m_card->postalCode);
    }
}

void CardParser::readLamp(std::string_view value)
{
    // A lamp code back to its illumination index; unknown codes mean the phone's own colour.
    const auto index = [this](std::string_view code) -> int32_t {
        if (code.size() != 2 || !std::isxdigit(static_cast<unsigned char>(code[0]))
            || !std::isxdigit(static_cast<unsigned char>(code[1])))
            return 0;
        const auto number
            = static_cast<uint8_t>(std::strtol(std::string(code).c_str(), nullptr, 16));
        for (size_t i = 1; i < m_format.lampCodes.size(); ++i)
            if (m_format.lampCodes[i] == number)
                return static_cast<int32_t>(i);
        return 0;
    };
    const int32_t phone = index(value.substr(0, std::min<size_t>(value.size(), 2)));
    const int32_t mail = index(value.size() >= 4 ? value.substr(2, 2) : std::string_view());
    m_card->illumination = phone * 256 + mail;
}

} // namespace

void *loadAddressBook(LineReader &reader, const ModelDefinition &model)
{
    return loadFixedRecords<AddressRecord>(
        reader,
        [&](LineReader &r) {
            const size_t count = countCompleteObjects(r, kBegin, kEnd);
            return count < static_cast<size_t>(model.address.minimumCards) ? 0 : count;
        },
        [&](LineReader &r, AddressRecord *records, size_t count) {
            CardParser parser(model, records, count);
            parser.parse(r);
            return parser.taken();
        });
}

} // namespace plugin
